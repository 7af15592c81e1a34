// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize as a user runs it: each invocation's stdout, stderr and exit
// status, with figures checked by hand.
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Invocation
{
    const char *arguments; // split at blanks
    const char *out;
    const char *err;
    int status;
};

const char KIV[] = "Units:      1 GB = 1024 MB, 1 MB = 8 Mbit (kiv)\n";

std::string refused(const char *message)
{
    return std::string("kivfilesize: ") + message + "\n";
}

class KivFileSize : public testing::TestWithParam<Invocation>
{
};

TEST_P(KivFileSize, PrintsAndExitsAsDocumented)
{
    const Invocation &c = GetParam();
    QProcess process;
    process.start(QStringLiteral(KIVFILESIZE),
                  QString::fromUtf8(c.arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts));
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), c.out);
    EXPECT_EQ(process.readAllStandardError().toStdString(), c.err);
    EXPECT_EQ(process.exitCode(), c.status);
}

const std::string BITRATE_SIZE = std::string("Bitrate:    9.10222 Mbit/s = 1.13778 MB/s\n"
                                             "Card size:  4 GB\nTime:       01:00:00\n") +
                                 KIV;
const std::string MBYTES = std::string("Bitrate:    100 Mbit/s = 12.5 MB/s\n"
                                       "Card size:  43.9453 GB\nTime:       01:00:00\n") +
                           KIV;
// 64 GB at 100 Mbit/s: 5120 s in decimal units, 5242.88 s truncated in kiv,
// 64 x 8589.934592 / 100 = 5497.56 s in gib.
const char DECIMAL[] =
    "Bitrate:    100 Mbit/s = 12.5 MB/s\nCard size:  64 GB\n"
    "Time:       01:25:20\nUnits:      1 GB = 10^9 bytes = 8000 Mbit (decimal)\n";
const std::string KIV64 = std::string("Bitrate:    100 Mbit/s = 12.5 MB/s\nCard size:  64 GB\n"
                                      "Time:       01:27:22\n") +
                          KIV;
const char GIB[] =
    "Bitrate:    100 Mbit/s = 12.5 MB/s\nCard size:  64 GiB\n"
    "Time:       01:31:37\nUnits:      1 GiB = 2^30 bytes = 8589.934592 Mbit (gib)\n";
// 64 GB decimal in 2:30:00 = 512000 Mbit / 9000 s.
const char DECIMAL_BITRATE[] = "Bitrate:    56.8889 Mbit/s = 7.11111 MB/s\nCard size:  64 GB\n"
                               "Time:       02:30:00\n"
                               "Units:      1 GB = 10^9 bytes = 8000 Mbit (decimal)\n";
const std::string DAY = std::string("Bitrate:    1 Mbit/s = 0.125 MB/s\nCard size:  16 GB\n"
                                    "Time:       36:24:32\n") +
                        KIV;
const std::string LONGEST = std::string("Bitrate:    1 Mbit/s = 0.125 MB/s\nCard size:  524288 GB\n"
                                        "Time:       1193046:28:15\n") +
                            KIV;
const char TABLE_BITRATE[] = "Recording time at 100 Mbit/s = 12.5 MB/s; 1 GB = 1024 MB, 1 MB = 8 "
                             "Mbit (kiv)\n"
                             "Card size (GB)      Time\n"
                             "             8  00:10:55\n"
                             "            16  00:21:50\n"
                             "            32  00:43:41\n"
                             "            64  01:27:22\n"
                             "           128  02:54:45\n"
                             "           256  05:49:31\n"
                             "           512  11:39:03\n"
                             "          1024  23:18:06\n";
const char TABLE_TIME[] = "Bitrate that fills the card in 01:00:00; 1 GB = 10^9 bytes = 8000 Mbit "
                          "(decimal)\n"
                          "Card size (GB)   Mbit/s     MB/s\n"
                          "             8  17.7778  2.22222\n"
                          "            16  35.5556  4.44444\n"
                          "            32  71.1111  8.88889\n"
                          "            64  142.222  17.7778\n"
                          "           128  284.444  35.5556\n"
                          "           256  568.889  71.1111\n"
                          "           512  1137.78  142.222\n"
                          "          1024  2275.56  284.444\n";
const char TABLE_SIZE_JSON[] =
    "[\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 4, \"bitrate_mbyte_s\": "
    "0.5, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"01:08:16\", \"seconds\": "
    "4096},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 8, \"bitrate_mbyte_s\": "
    "1, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:34:08\", \"seconds\": "
    "2048},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 16, \"bitrate_mbyte_s\": "
    "2, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:17:04\", \"seconds\": "
    "1024},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 25, \"bitrate_mbyte_s\": "
    "3.125, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:10:55\", \"seconds\": "
    "655},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 50, \"bitrate_mbyte_s\": "
    "6.25, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:05:27\", \"seconds\": "
    "327},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 100, \"bitrate_mbyte_s\": "
    "12.5, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:02:43\", \"seconds\": "
    "163},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 150, \"bitrate_mbyte_s\": "
    "18.75, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:01:49\", \"seconds\": "
    "109},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 200, \"bitrate_mbyte_s\": "
    "25, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:01:21\", \"seconds\": "
    "81},\n"
    "  {\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 400, \"bitrate_mbyte_s\": "
    "50, \"card_size\": 2, \"card_size_unit\": \"GB\", \"time\": \"00:00:40\", \"seconds\": "
    "40}\n"
    "]\n";

const std::string NONE = refused("nothing to calculate; give one or two of --bitrate (or "
                                 "--mbytes), --size and --time (see --help)");
const std::string THREE = refused("--bitrate \"1\", --size \"2\" and --time \"3\" are three "
                                  "quantities; give one or two of them and the rest is "
                                  "calculated");
const std::string LATE = ": the recording lasts longer than 1193046:28:15, the longest time "
                         "there is";

std::vector<Invocation> invocations()
{
    static const std::vector<std::string> texts = {
        BITRATE_SIZE,
        MBYTES,
        DECIMAL,
        KIV64,
        GIB,
        DECIMAL_BITRATE,
        DAY,
        LONGEST,
        "{\"units\": \"kiv\", \"computed\": \"card_size\", \"bitrate_mbit_s\": 6, "
        "\"bitrate_mbyte_s\": 0.75, \"card_size\": 2.63671875, \"card_size_unit\": \"GB\", "
        "\"time\": \"01:00:00\", \"seconds\": 3600}\n",
        NONE,
        THREE,
        refused("--bitrate \"1,5\" is not a number; write decimals with a point, as in 1.5"),
        refused("--size \"abc\" is not a number"),
        refused("--size \"-4\" is negative"),
        refused("--size \"inf\" is not a finite number"),
        refused("--bitrate \"nan\" is not a finite number"),
        refused("--size \"1e400\" is beyond the range of numbers"),
        refused("--mbytes \"0\" with --size \"4\": a bitrate of 0 cannot give a time"),
        refused("--size \"4\" in --time \"0:00\": a time of 0 cannot give a bitrate"),
        refused("--time \"1:60:00\" is not a time; minutes and seconds after hours or minutes "
                "must be below 60"),
        refused("--time \"1:2:3:4\" is not a time; write S, M:S or H:M:S with digits only"),
        refused("--time \"1.5\" is not a time; write S, M:S or H:M:S with digits only"),
        refused("--time \"1193046:28:16\" is longer than 1193046:28:15, the longest time there is"),
        refused((std::string("--bitrate \"1\" with --size \"524288.001\"") + LATE).c_str()),
        refused((std::string("--bitrate \"0.001\" on a 1024 GB card") + LATE).c_str()),
        refused("unknown option \"--speed\" (see --help)"),
        refused("--size needs a value"),
        refused("--json takes no value, but was given \"yes\""),
        refused("unexpected argument \"4\" (values follow their option, as in --size 64; see "
                "--help)"),
        refused("--size \"4\" and --size \"5\" both give the card size; give it once"),
        refused("--bitrate \"4\" and --mbytes \"1\" both give the bitrate; give it once"),
        refused("--units \"metric\" is not one of kiv, decimal and gib"),
        TABLE_BITRATE,
        TABLE_TIME,
        TABLE_SIZE_JSON,
        "kivfilesize 1.0.0\n",
    };
    const char *const arguments[] = {
        "--bitrate 9.10222 --size 4",
        "--mbytes 12.5 --time 1:00:00",
        "--size 64 --bitrate 100 --units decimal",
        "--size=64 --bitrate=100",
        "--units gib --size 64 --bitrate 100",
        "--size 64 --time 2:30:00 --units decimal",
        "--bitrate 1 --size 16",
        "--time 1193046:28:15 --bitrate 1",
        "--bitrate 6 --time 1:00:00 --json",
        "--json",
        "--bitrate 1 --size 2 --time 3",
        "--bitrate 1,5 --size 4",
        "--size abc",
        "--size -4",
        "--size inf",
        "--bitrate nan --size 4",
        "--size 1e400",
        "--mbytes 0 --size 4",
        "--size 4 --time 0:00",
        "--time 1:60:00",
        "--time 1:2:3:4",
        "--time 1.5",
        "--time 1193046:28:16",
        "--bitrate 1 --size 524288.001",
        "--bitrate 0.001",
        "--speed 4",
        "--bitrate 4 --size",
        "--json=yes --size 4",
        "4",
        "--size 4 --size 5",
        "--bitrate 4 --mbytes 1",
        "--units metric --size 4",
        "--bitrate 100",
        "--time 1:00:00 --units decimal",
        "--size 2 --json",
        "--version --foo",
    };
    std::vector<Invocation> all;
    for (std::size_t i = 0; i < std::size(arguments); ++i) {
        const bool refusal = texts[i].rfind("kivfilesize: ", 0) == 0;
        all.push_back({arguments[i], refusal ? "" : texts[i].c_str(),
                       refusal ? texts[i].c_str() : "", refusal ? 2 : 0});
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Table, KivFileSize, testing::ValuesIn(invocations()));

TEST(KivFileSizeHelp, NamesEveryOptionAndExitsZero)
{
    for (const char *option : {"--help", "-h"}) {
        QProcess process;
        process.start(QStringLiteral(KIVFILESIZE), {QString::fromLatin1(option)});
        ASSERT_TRUE(process.waitForFinished(10000));
        const QString help = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_EQ(process.exitCode(), 0);
        for (const char *name : {"--bitrate", "--mbytes", "--size", "--time", "--units", "--json",
                                 "--help", "--version", "kiv", "decimal", "gib"}) {
            EXPECT_TRUE(help.contains(QLatin1String(name))) << name;
        }
    }
}

} // namespace
