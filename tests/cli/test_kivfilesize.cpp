// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize as a user runs it: each invocation's output, refusal and exit
// status, with figures checked by hand, through the function that main calls;
// and main itself, run as the program, printing what that function answers.
#include "KivFileSizeFormat.h"
#include "KivFileSizeOptions.h"
#include "catalogue/KivFormatLoad.h"
#include "cli/KivFileSize.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

struct Expected
{
    std::string out;
    std::string err;
    int status;
};

struct Row
{
    const char *name;
    std::string arguments; // split at blanks
    Expected expected;
};

Expected answer(const std::string &out)
{
    return {out, "", 0};
}

Expected refused(const std::string &message)
{
    return {"", "kivfilesize: " + message + "\n", 2};
}

QStringList argumentsOf(const std::string &text)
{
    return QString::fromStdString(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The bitrate and card size lines of an answer in the dialog's units.
std::string answerOf(const char *bitrate, const char *size, const char *time)
{
    return std::string("Bitrate:    ") + bitrate + "\nCard size:  " + size +
           " GB\nTime:       " + time + "\nUnits:      1 GB = 1024 MB, 1 MB = 8 Mbit (kiv)\n";
}

// A source in the listing's lines of its own under the name, broken at
// blanks to fit 80 columns after the 14 of the id column (a word too long for
// a line is cut where the line ends), so that the row holds wherever the
// fixtures lie.
std::string underId(const std::string &source)
{
    constexpr std::size_t room = 80 - 14;
    std::vector<std::string> lines{""};
    std::size_t from = 0;
    while (from < source.size()) {
        const std::size_t blank = source.find(' ', from);
        std::string word = source.substr(from, blank == std::string::npos ? blank : blank - from);
        from = blank == std::string::npos ? source.size() : blank + 1;
        while (!word.empty()) {
            std::string &line = lines.back();
            const std::size_t free = line.empty() ? room : room - line.size() - 1;
            if (word.size() <= free) {
                line += (line.empty() ? "" : " ") + word;
                word.clear();
            } else if (!line.empty()) {
                lines.emplace_back();
            } else {
                line = word.substr(0, room);
                word.erase(0, room);
                lines.emplace_back();
            }
        }
    }
    std::string out;
    for (const std::string &line : lines) {
        if (!line.empty()) {
            out += std::string(14, ' ') + line + "\n";
        }
    }
    return out;
}

// What --help alone prints.
std::string helpText()
{
    QString out;
    QString err;
    kivFileSize({QStringLiteral("--help")}, out, err);
    return out.toStdString();
}

const std::string FORMATS = KIV_FORMATS_FILES;
// The warning that the user's test file replaces a built-in entry.
const std::string REPLACES_AVCHD =
    "kivfilesize: warning: " + FORMATS +
    "/user.json: sony-avchd-ps replaces the built-in entry of that id\n";
const std::string CLIPS = KIV_CLIP_FIXTURES;
const std::string PLANS = KIV_PLAN_FIXTURES;
const std::string RDC = "A001_0101XX.RDM/A001_C001_0101AB.RDC/A001_C001_0101AB";

const char KIV[] = "Units:      1 GB = 1024 MB, 1 MB = 8 Mbit (kiv)\n";

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

// The example shoot (shoot.json): ProRes 422 HQ UHD 25 (737 Mbit/s) on two
// bodies for 4 h, a drone at 150 for 30 min and a gimbal measured from
// tone.wav (1.536352 Mbit/s) for 2 h, each GB = Mbit/s x seconds / 8192; 256 GB
// cards last 256 x 8192 / rate seconds. The proxy, ProRes 422 Proxy HD 25 at
// 38 Mbit/s, covers (2 x 4 h + 30 min + 2 h) x 3 days; a day's 21506661.7 Mbit
// go off the cards at 400 MB/s in 6720.8 s.
const char PLAN_TEXT[] =
    "Plan for 3 days, 3 copies, 256 GB cards; 1 GB = 1024 MB, 1 MB = 8 Mbit (kiv)\n"
    "Camera   Count  Mbit/s per body  GB per day  Cards per body a day  Card time       GB\n"
    "A and B      2              737     2591.02                     6   00:47:25  7773.05\n"
    "Drone        1              150      32.959                     1   03:53:01   98.877\n"
    "Gimbal       1          1.53635     1.35031                     1  379:10:20  4.05093\n"
    "\n"
    "GB per day:              2625.32 (2.56379 TB)\n"
    "GB for the shoot:        7875.97 (7.69138 TB)\n"
    "GB with copies:          23627.9 (23.0741 TB)\n"
    "GB of proxies:           526.025\n"
    "GB in all:               24153.9 (23.5878 TB)\n"
    "Cards a day, all bodies: 14\n"
    "Drives:                  3 of 8192 GB, each copy on its own\n"
    "Offload per day:         01:52:00 at 400 MB/s\n";
// 2 bodies x 3000 Mbit/s x 10 h x 60 days / 8192: whole digits past 10^6,
// TB of 1024 GB beside.
const char FEATURE_TEXT[] =
    "Plan for 60 days, 3 copies, 1000000 GB cards; 1 GB = 1024 MB, 1 MB = 8 Mbit (kiv)\n"
    "Camera  Count  Mbit/s per body  GB per day  Cards per body a day  Card time       GB\n"
    "Raw         2             3000     26367.2                     1  758:31:06  1582031\n"
    "\n"
    "GB per day:              26367.2 (25.7492 TB)\n"
    "GB for the shoot:        1582031 (1544.95 TB)\n"
    "GB with copies:          4746094 (4634.86 TB)\n"
    "GB in all:               4746094 (4634.86 TB)\n"
    "Cards a day, all bodies: 2\n";
const char PLAN_JSON[] =
    "{\"units\": \"kiv\", \"days\": 3, \"copies\": 3, \"cameras\": [\n"
    "  {\"name\": \"A and B\", \"count\": 2, \"mbit_s\": 737, \"gb_per_day\": 2591.015625, "
    "\"cards_per_day\": 6, \"card_time\": \"00:47:25\", \"gb\": 7773.046875},\n"
    "  {\"name\": \"Drone\", \"count\": 1, \"mbit_s\": 150, \"gb_per_day\": 32.958984375, "
    "\"cards_per_day\": 1, \"card_time\": \"03:53:01\", \"gb\": 98.876953125},\n"
    "  {\"name\": \"Gimbal\", \"count\": 1, \"mbit_s\": 1.536352, \"gb_per_day\": 1.350309375, "
    "\"cards_per_day\": 1, \"card_time\": \"379:10:20\", \"gb\": 4.0509281249999995}\n"
    "], \"gb_per_day\": 2625.32491875, \"gb\": 7875.97475625, \"gb_with_copies\": "
    "23627.92426875, \"proxy_gb\": 526.025390625, \"total_gb\": 24153.949659375, \"drives\": 3, "
    "\"offload_per_day\": \"01:52:00\", \"warnings\": []}\n";
// The plans of a day on set (day.json, day-late.json): the issue's cameras.
// Their table with A's cards a body, then the offload and the day's lines.
std::string dayText(const char *cardsOfA, const std::string &offload)
{
    const std::string gb = "2623.97 (2.56248 TB)\n";
    return std::string("Plan for 1 day, 1 copy, 256 GB cards; 1 GB = 1024 MB, 1 MB = 8 Mbit "
                       "(kiv)\nCamera  Count  Mbit/s per body  GB per day  Cards per body a day  "
                       "Card time  Cards per body       GB\nA           2              737     "
                       "2591.02                     6   00:47:25               ") +
           cardsOfA +
           "  2591.02\nDrone       1              150      32.959                     1   "
           "03:53:01               1   32.959\n\nGB per day:              " +
           gb + "GB for the shoot:        " + gb + "GB with copies:          " + gb +
           "GB in all:               " + gb +
           "Cards a day, all bodies: 13\nOffload per day:         " + offload;
}
const std::string DAY_JSON =
    "{\"units\": \"kiv\", \"days\": 1, \"copies\": 1, \"cameras\": [\n"
    "  {\"name\": \"A\", \"count\": 2, \"mbit_s\": 737, \"gb_per_day\": 2591.015625, "
    "\"cards_per_day\": 6, \"card_time\": \"00:47:25\", \"cards\": ";
const std::string DAY_DRONE =
    "  {\"name\": \"Drone\", \"count\": 1, \"mbit_s\": 150, \"gb_per_day\": 32.958984375, "
    "\"cards_per_day\": 1, \"card_time\": \"03:53:01\", \"cards\": 1, \"gb\": 32.958984375}\n"
    "], \"gb_per_day\": 2623.974609375, \"gb\": 2623.974609375, \"gb_with_copies\": "
    "2623.974609375, \"total_gb\": 2623.974609375, ";
const std::string FREE_NEEDS = " gives the time left on its volume at a bitrate; give it "
                               "--bitrate, --mbytes, --format or --clip, and no --time";
const std::string PLAN_ONLY = "\" takes its cameras, units and quantities from the file; give it "
                              "no ";

const std::string NONE = std::string("nothing to calculate; give one or two of --bitrate (or "
                                     "--mbytes), --size and --time (see --help)");
const std::string THREE = std::string("--bitrate \"1\", --size \"2\" and --time \"3\" are three "
                                      "quantities; give one or two of them and the rest is "
                                      "calculated");
const std::string LATE = ": the recording lasts longer than 1193046:28:15, the longest time "
                         "there is";

std::vector<Row> rows()
{
    return {
        {"bitrate_and_size_give_the_time", "--bitrate 9.10222 --size 4", answer(BITRATE_SIZE)},
        {"mbytes_and_time_give_the_size", "--mbytes 12.5 --time 1:00:00", answer(MBYTES)},
        {"decimal_units", "--size 64 --bitrate 100 --units decimal", answer(DECIMAL)},
        {"values_after_equals_signs", "--size=64 --bitrate=100", answer(KIV64)},
        {"gib_units", "--units gib --size 64 --bitrate 100", answer(GIB)},
        {"size_and_time_give_the_bitrate", "--size 64 --time 2:30:00 --units decimal",
         answer(DECIMAL_BITRATE)},
        {"a_day_or_more_in_total_hours", "--bitrate 1 --size 16", answer(DAY)},
        {"longest_time", "--time 1193046:28:15 --bitrate 1", answer(LONGEST)},
        {"json_answer", "--bitrate 6 --time 1:00:00 --json",
         answer("{\"units\": \"kiv\", \"computed\": \"card_size\", \"bitrate_mbit_s\": 6, "
                "\"bitrate_mbyte_s\": 0.75, \"card_size\": 2.63671875, \"card_size_unit\": "
                "\"GB\", \"time\": \"01:00:00\", \"seconds\": 3600}\n")},
        {"no_quantity", "--json", refused(NONE)},
        {"three_quantities", "--bitrate 1 --size 2 --time 3", refused(THREE)},
        {"decimal_comma", "--bitrate 1,5 --size 4",
         refused("--bitrate \"1,5\" is not a number; write decimals with a point, as in 1.5")},
        {"letters", "--size abc", refused("--size \"abc\" is not a number")},
        {"negative", "--size -4", refused("--size \"-4\" is negative")},
        {"infinity", "--size inf", refused("--size \"inf\" is not a finite number")},
        {"nan", "--bitrate nan --size 4", refused("--bitrate \"nan\" is not a finite number")},
        {"beyond_doubles", "--size 1e400",
         refused("--size \"1e400\" is beyond the range of numbers")},
        {"bitrate_of_0", "--mbytes 0 --size 4",
         refused("--mbytes \"0\" with --size \"4\": a bitrate of 0 cannot give a time")},
        {"time_of_0", "--size 4 --time 0:00",
         refused("--size \"4\" in --time \"0:00\": a time of 0 cannot give a bitrate")},
        {"sixty_minutes", "--time 1:60:00",
         refused("--time \"1:60:00\" is not a time; minutes and seconds after hours or minutes "
                 "must be below 60")},
        {"four_fields", "--time 1:2:3:4",
         refused("--time \"1:2:3:4\" is not a time; write S, M:S or H:M:S with digits only")},
        {"fraction_of_a_second", "--time 1.5",
         refused("--time \"1.5\" is not a time; write S, M:S or H:M:S with digits only")},
        {"time_beyond_the_longest", "--time 1193046:28:16",
         refused("--time \"1193046:28:16\" is longer than 1193046:28:15, the longest time there "
                 "is")},
        {"answer_beyond_the_longest", "--bitrate 1 --size 524288.001",
         refused("--bitrate \"1\" with --size \"524288.001\"" + LATE)},
        {"table_beyond_the_longest", "--bitrate 0.001",
         refused("--bitrate \"0.001\" on a 1024 GB card" + LATE)},
        {"unknown_option", "--speed 4", refused("Unknown option 'speed'.")},
        {"missing_value", "--bitrate 4 --size", refused("Missing value after '--size'.")},
        {"value_for_a_flag", "--json=yes --size 4", refused("Unexpected value after '--json'.")},
        {"value_without_option", "4",
         refused("unexpected argument \"4\" (values follow their option, as in --size 64; see "
                 "--help)")},
        {"size_twice", "--size 4 --size 5",
         refused("--size \"4\" and --size \"5\" both give the card size; give it once")},
        {"bitrate_and_mbytes", "--bitrate 4 --mbytes 1",
         refused("--bitrate \"4\" and --mbytes \"1\" both give the bitrate; give it once")},
        {"unknown_units", "--units metric --size 4",
         refused("--units \"metric\" is not one of kiv, decimal and gib")},
        // A value echoed in a refusal keeps it on one line: control characters show escaped.
        {"control_in_bitrate", "--bitrate 4\nkivfilesize:fake --size 1",
         refused("--bitrate \"4\\nkivfilesize:fake\" is not a number")},
        {"control_in_mbytes", "--mbytes \x1b[2J --size 1",
         refused("--mbytes \"\\x1b[2J\" is not a number")},
        {"control_in_size", "--size 4\r --time 1", refused("--size \"4\\r\" is not a number")},
        {"control_in_time", "--time 1:00\t --size 1",
         refused("--time \"1:00\\t\" is not a time; write S, M:S or H:M:S with digits only")},
        {"control_in_units", "--units kiv\x7f --size 1",
         refused("--units \"kiv\\x7f\" is not one of kiv, decimal and gib")},
        {"control_in_repeat", "--size 1 --size 2\xc2\x85",
         refused("--size \"1\" and --size \"2\\x85\" both give the card size; give it once")},
        {"control_in_format", "--format xyz\n --size 1", refused("unknown format \"xyz\\n\"")},
        {"control_in_frame", "--format prores-422-hq --frame 1920\nx1080 --fps 25 --size 1",
         refused("frame size \"1920\\nx1080\": write it as WIDTHxHEIGHT (1920x1080) or as hd, "
                 "uhd or dci4k")},
        {"control_in_fps",
         "--format prores-422-hq --frame hd --fps 2\xe2\x80\xa8"
         "5 --size 1",
         refused("frame rate \"2\\u20285\": write it as a number with a '.' (29.97) or as a "
                 "fraction (30000/1001)")},
        {"control_in_frame_alone", "--frame hd\n --size 1",
         refused("--frame \"hd\\n\" gives the frame of a recording format; give --format with "
                 "it")},
        {"control_in_clip", "--clip " + CLIPS + "/no\nne.mp4 --size 1",
         refused(CLIPS + "/no\\nne.mp4: no such file or folder")},
        {"control_in_list_word", "--list-formats x\ny",
         refused("no recording format matches "
                 "\"x\\ny\"")},
        {"control_in_an_unknown_option", "--fo\no --size 1", refused("Unknown option 'fo\\no'.")},
        {"control_in_a_short_option", "-\x1b", refused("Unknown option '\\x1b'.")},
        {"control_in_plan", "--plan no\ne.json",
         refused("no\\ne.json: cannot be read (No such file or directory)")},
        {"control_in_positional", "--size 1 4\n",
         refused("unexpected argument \"4\\n\" (values follow their option, as in --size 64; "
                 "see --help)")},
        {"help_after_clean_options", "--size 4 --json --help --foo", answer(helpText())},
        {"help_after_a_fault", "--size abc --help", refused("--size \"abc\" is not a number")},
        {"help_after_an_unknown_option", "--foo --help", refused("Unknown option 'foo'.")},
        {"help_after_a_value", "4 --help",
         refused("unexpected argument \"4\" (values follow their option, as in --size 64; see "
                 "--help)")},
        {"help_as_a_value", "--size --help", refused("--size \"--help\" is not a number")},
        {"help_after_help_as_a_value", "--format --help --help", answer(helpText())},
        {"help_among_letters_after_a_value", "--plan -v --json -hv", answer(helpText())},
        {"letter_before_help_unknown", "--json -xh", refused("Unknown option 'x'.")},
        {"help_after_the_end_of_options", "-- --help",
         refused("unexpected argument \"--help\" (values follow their option, as in --size 64; "
                 "see --help)")},
        {"letters_together", "-vh", answer("kivfilesize " KIV_VERSION "\n")},
        {"table_over_card_sizes", "--bitrate 100", answer(TABLE_BITRATE)},
        {"table_of_bitrates", "--time 1:00:00 --units decimal", answer(TABLE_TIME)},
        {"json_table_over_bitrates", "--size 2 --json", answer(TABLE_SIZE_JSON)},
        {"version_wins_over_what_follows", "--version --foo",
         answer("kivfilesize " KIV_VERSION "\n")},

        // Bitrates of recording formats: listed, scaled and fixed, and their refusals.
        {"prores_listed", "--format prores-422-hq --frame uhd --fps 25 --size 512",
         answer("ProRes 422 HQ, 3840x2160, 25 fps: 737 Mbit/s target, video only\n" +
                answerOf("737 Mbit/s = 92.125 MB/s", "512", "01:34:51"))},
        {"prores_scaled_by_pixels_and_rate",
         "--format PRORES_422_HQ --frame 2560x1440 --fps 30 --size 64",
         answer("ProRes 422 HQ, 2560x1440, 30 fps: 393.71 Mbit/s target, video only (scaled from "
                "2048x1556 at 29.97 fps)\n" +
                answerOf("393.71 Mbit/s = 49.2137 MB/s", "64", "00:22:11"))},
        {"prores_listed_below_hd", "--format prores-422-hq --frame 1280x720 --fps 59.94 --size 64",
         answer("ProRes 422 HQ, 1280x720, 59.94 fps: 220 Mbit/s target, video only\n" +
                answerOf("220 Mbit/s = 27.5 MB/s", "64", "00:39:43"))},
        {"prores_by_words_at_fields", "--format 422hq --frame hd --fps 50i --size 64",
         answer("ProRes 422 HQ, 1920x1080, 25 fps: 184 Mbit/s target, video only\n" +
                answerOf("184 Mbit/s = 23 MB/s", "64", "00:47:29"))},
        {"words_of_several_formats", "--format iphone_4k --size 64",
         refused("format \"iphone_4k\" fits 3 entries: iphone-hevc-4k24, iphone-hevc-4k30 or "
                 "iphone-hevc-4k60")},
        {"dnxhd_name_implies_its_rate", "--format dnxhd-220x --frame hd --time 1:00:00",
         answer("DNxHD 1080p 10-bit: 175x, 185x, 220x, 365x, 440x (CID 1235), 1920x1080, 29.97 "
                "fps: 219.981 Mbit/s constant, video only\n" +
                answerOf("219.981 Mbit/s = 27.4976 MB/s", "96.6712", "01:00:00"))},
        {"dnxhd_name_at_two_sizes", "--format dnxhd_145 --size 4",
         refused("\"dnxhd_145\" exists at 1920x1080 at 29.97 fps, 1440x1080 at 29.97 fps or "
                 "1280x720 at 59.94 fps; give the frame size")},
        {"dnxhd_mode_that_does_not_exist", "--format dnxhd-hq --frame hd --fps 120 --size 4",
         refused("dnxhd-hq exists only at 23.976, 25, 29.97, 50 or 59.94 fps, not 120")},
        {"uncompressed_from_its_packing", "--format v210 --frame hd --fps 25 --size 64 --json",
         answer("{\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 1105.92, "
                "\"bitrate_mbyte_s\": 138.24, \"card_size\": 64, \"card_size_unit\": \"GB\", "
                "\"time\": \"00:07:54\", \"seconds\": 474, \"format\": {\"id\": \"v210\", "
                "\"name\": \"Uncompressed 10-bit 4:2:2 (v210)\", \"frame\": \"1920x1080\", "
                "\"fps\": 25, \"mbit_s\": 1105.92, \"nature\": \"constant\", \"audio\": false, "
                "\"alpha\": null, \"source\": \"MultimediaWiki, \\\"V210\\\" (48 pixels in 128 "
                "bytes, rows padded to 128 bytes)\", \"scaled_from\": null}}\n")},
        {"prores_4444_without_alpha", "--format prores-4444 --frame hd --fps 25 --size 64",
         answer("ProRes 4444, 1920x1080, 25 fps: 275 Mbit/s target, video only, without alpha\n" +
                answerOf("275 Mbit/s = 34.375 MB/s", "64", "00:31:46"))},

        // PCM audio on top of a typed rate or a format's figure of video only.
        {"audio_on_a_typed_rate", "--bitrate 100 --audio 4 --size 64",
         answer("Audio: 4 channels of 24-bit 48 kHz PCM, 4.608 Mbit/s on top: 104.608 Mbit/s in "
                "all\n" +
                answerOf("104.608 Mbit/s = 13.076 MB/s", "64", "01:23:31"))},
        {"audio_on_a_format_as_json",
         "--format prores-422-hq --frame uhd --fps 25 --audio 4:16 --size 512 --json",
         answer("{\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 740.072, "
                "\"bitrate_mbyte_s\": 92.509, \"card_size\": 512, \"card_size_unit\": \"GB\", "
                "\"time\": \"01:34:27\", \"seconds\": 5667, \"format\": {\"id\": "
                "\"prores-422-hq\", \"name\": \"ProRes 422 HQ\", \"frame\": \"3840x2160\", "
                "\"fps\": 25, \"mbit_s\": 737, \"nature\": \"target\", \"audio\": false, "
                "\"alpha\": null, \"source\": \"Apple, \\\"Apple ProRes White Paper\\\", "
                "appendix \\\"Target Data Rates\\\"\", \"scaled_from\": null}, \"audio\": "
                "{\"channels\": 4, \"bits\": 16, \"khz\": 48}, \"audio_mbit_s\": 3.072}\n")},
        {"audio_on_a_mode_that_has_it", "--format sony-xavc-s-4k-100m --audio 2 --size 64",
         refused("sony-xavc-s-4k-100m: its figure includes the recorded audio; no audio can be "
                 "added")},
        {"audio_without_a_bitrate", "--audio 2 --size 1",
         refused("--audio \"2\" adds audio to a bitrate; give --bitrate, --mbytes or --format "
                 "with it")},
        {"audio_on_clips", "--clip " + CLIPS + "/tone.wav --audio 2 --size 1",
         refused("--audio \"2\": clips measured with --clip hold their audio already")},
        {"audio_on_a_clip_list", "--clip-list - --audio 2 --size 1",
         refused("--audio \"2\": clips measured with --clip hold their audio already")},
        {"frame_twice", "--frame hd --format v210 --frame uhd --size 1",
         refused("--frame \"hd\" and --frame \"uhd\" both give the frame size; give it once")},
        {"rate_and_frame_without_a_format", "--fps 25 --frame hd --bitrate 1",
         refused("--frame \"hd\" gives the frame of a recording format; give --format with it")},
        {"audio_with_the_list", "--list-formats --audio 2",
         refused("--audio \"2\" adds audio to a bitrate; --list-formats calculates nothing")},
        {"audio_twice", "--audio 2 --audio 4 --bitrate 1",
         refused("--audio \"2\" and --audio \"4\" both give the audio; give it once")},
        {"audio_channels_absurd", "--audio 65 --bitrate 1",
         refused("--audio \"65\": 1 to 64 channels")},
        {"audio_rate_absurd", "--audio 2:24:1000 --bitrate 1",
         refused("--audio \"2:24:1000\": 8 to 768 kHz")},
        {"control_in_audio", "--audio 2\x1b[2J --bitrate 1",
         refused("--audio \"2\\x1b[2J\": write CHANNELS[:BITS[:KHZ]] in digits, as in 4, 2:16 or "
                 "8:24:48")},
        {"dnxhr_from_bytes_per_frame",
         "--format dnxhr-hqx --frame 3840x2160 --fps 23.976 --size 64 --json",
         answer(
             "{\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 698.438909952, "
             "\"bitrate_mbyte_s\": 87.304863744, \"card_size\": 64, \"card_size_unit\": \"GB\", "
             "\"time\": \"00:12:30\", \"seconds\": 750, \"format\": {\"id\": \"dnxhr-hqx\", "
             "\"name\": \"DNxHR HQX\", \"frame\": \"3840x2160\", \"fps\": 23.976, \"mbit_s\": "
             "698.438909952, \"nature\": \"constant\", \"audio\": false, \"alpha\": null, "
             "\"source\": \"Avid, "
             "\\\"DNxHR Codec Bandwidth Specifications\\\" (bytes per frame)\", \"scaled_from\": "
             "null}}\n")},
        {"dnxhr_scaled_by_pixels", "--format dnxhr-hq --frame 2048x1080 --fps 24 --time 1:00:00",
         answer("DNxHR HQ, 2048x1080, 24 fps: 186.227 Mbit/s constant, video only (scaled from "
                "1920x1080)\n" +
                answerOf("186.227 Mbit/s = 23.2784 MB/s", "81.8381", "01:00:00"))},
        {"camera_mode", "--format sony-xavc-s-4k-100m --size 64",
         answer("Sony XAVC S 4K 100M: 100 Mbit/s approximate, audio included\n" +
                answerOf("100 Mbit/s = 12.5 MB/s", "64", "01:27:22"))},
        {"unknown_format", "--format prores-422-hg --size 4",
         refused("unknown format \"prores-422-hg\"; did you mean prores-422-hq, prores-422-lt or "
                 "prores-422?")},
        {"dnxhd_only_in_hd", "--format dnxhd-hq --frame 1280x720 --fps 25 --size 4",
         refused("dnxhd-hq exists only at 1920x1080, not 1280x720")},
        {"camera_mode_with_a_rate", "--format sony-avchd-ps --fps 25 --size 4",
         refused("sony-avchd-ps: the mode fixes its frame size and rate")},
        {"format_and_bitrate", "--format prores-422-hq --bitrate 5",
         refused("--format \"prores-422-hq\" and --bitrate \"5\" both give the bitrate; give it "
                 "once")},
        {"format_without_a_rate", "--format prores-422-hq --frame uhd",
         refused("prores-422-hq needs a frame rate; listed: 23.976, 25, 29.97, 50, 59.94 fps")},
        {"frame_without_format", "--frame hd --size 3",
         refused("--frame \"hd\" gives the frame of a recording format; give --format with it")},
        {"list_formats_by_word", "--list-formats xavc-s-i-hd",
         answer("Id                    Name                  Nature  Audio\n"
                "sony-xavc-s-i-hd-60p  Sony XAVC S-I HD 60p  max     included\n"
                "                      Sony help guide (interchangeable-lens cameras)\n"
                "sony-xavc-s-i-hd-50p  Sony XAVC S-I HD 50p  max     included\n"
                "                      Sony help guide (interchangeable-lens cameras)\n")},
        {"list_formats_marks_the_users",
         "--formats-file " + FORMATS + "/user.json --list-formats my-camera",
         {"Id            Name          Nature  Audio\n"
          "my-camera-4k  My camera 4K  max     included\n" +
              underId("the camera's manual (from " + FORMATS + "/user.json)"),
          "kivfilesize: warning: " + FORMATS +
              "/user.json: sony-avchd-ps replaces the built-in entry of that id\n",
          0}},
        {"list_formats_matching_none", "--list-formats xyz",
         refused("no recording format matches \"xyz\"")},

        // Formats files add and replace entries; a faulty entry or file is skipped with a line.
        {"formats_file_adds",
         "--formats-file " + FORMATS + "/user.json --format my-camera-4k --size 64",
         {"My camera 4K: 150 Mbit/s max, audio included\n" +
              answerOf("150 Mbit/s = 18.75 MB/s", "64", "00:58:15"),
          "kivfilesize: warning: " + FORMATS +
              "/user.json: sony-avchd-ps replaces the built-in entry of that id\n",
          0}},
        {"formats_file_replaces",
         "--formats-file " + FORMATS + "/user.json --format sony-avchd-ps --size 4",
         {"Sony AVCHD PS, measured: 26 Mbit/s average, audio included\n" +
              answerOf("26 Mbit/s = 3.25 MB/s", "4", "00:21:00"),
          "kivfilesize: warning: " + FORMATS +
              "/user.json: sony-avchd-ps replaces the built-in entry of that id\n",
          0}},
        {"formats_file_faults",
         "--formats-file " + FORMATS + "/faulty.json --formats-file " + FORMATS +
             "/not-json.json --format good-one --size 4",
         {"Good one: 12.5 Mbit/s max, video only\n" +
              answerOf("12.5 Mbit/s = 1.5625 MB/s", "4", "00:43:41"),
          "kivfilesize: warning: " + FORMATS +
              "/faulty.json: entry 1 (odd-kind): unknown kind "
              "\"tabel\"; expected table, per-frame, fixed or formula; skipped\n"
              "kivfilesize: warning: " +
              FORMATS +
              "/faulty.json: entry 2 (no-figure): a fixed entry "
              "needs one of \"mbps\" and \"mbytesPerMinute\"; skipped\n"
              "kivfilesize: warning: " +
              FORMATS +
              "/faulty.json: entry 3 (negative): \"mbps\" must be a "
              "number from 0.001 to 10000000; skipped\n"
              "kivfilesize: warning: " +
              FORMATS +
              "/faulty.json: entry 5 (twice): id already used by "
              "entry 4 of this file; skipped\n"
              "kivfilesize: warning: " +
              FORMATS +
              "/not-json.json:1:35: not valid JSON (unterminated "
              "object); nothing loaded from it\n",
          0}},

        // Bitrates measured from clips: one, pooled, a card's folder, and the refusals.
        {"clip_with_a_card_size", "--clip " + CLIPS + "/h264-aac.mp4 --size 1",
         answer("1 recording (1 file), 00:00:02, 2.37764e-05 GB: 0.097388 Mbit/s; video 0.021612, "
                "audio 0.06615\n" +
                answerOf("0.097388 Mbit/s = 0.0121735 MB/s", "1", "23:21:57"))},
        {"clips_pooled_with_a_time",
         "--clip " + CLIPS + "/prores-pcm.mov --clip " + CLIPS + "/tone.wav --time 1:00:00",
         answer("2 recordings (2 files), 00:00:02, 0.000391995 GB: 1.60561 Mbit/s; video 0.06314, "
                "audio 1.536\n" +
                answerOf("1.60561 Mbit/s = 0.200702 MB/s", "0.705591", "01:00:00"))},
        {"card_folder_in_decimal_units", "--clip " + CLIPS + "/card --size 64 --units decimal",
         answer("1 recording (1 file), 00:00:02, 3.399e-05 GB: 0.13596 Mbit/s; video 0.02848, "
                "audio 0.096\nskipped 2: 1 no media, 1 reference to another file\n"
                "Bitrate:    0.13596 Mbit/s = 0.016995 MB/s\nCard size:  64 GB\n"
                "Time:       1046:03:33\nUnits:      1 GB = 10^9 bytes = 8000 Mbit (decimal)\n")},
        {"clip_as_json", "--clip " + CLIPS + "/tone.wav --size 1 --json",
         answer("{\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 1.536352, "
                "\"bitrate_mbyte_s\": 0.192044, \"card_size\": 1, \"card_size_unit\": \"GB\", "
                "\"time\": \"01:28:52\", \"seconds\": 5332, \"recordings\": 1, \"clips\": "
                "[{\"path\": \"" +
                CLIPS +
                "/tone.wav\", \"bytes\": 192044, \"seconds\": 1, \"mbit_s\": 1.536352, "
                "\"codec\": null, \"frame\": null, \"fps\": null, \"video_mbit_s\": null, "
                "\"audio_mbit_s\": 1.536, \"role\": \"main\", \"recording\": \"" +
                CLIPS +
                "/tone.wav\"}], \"skipped\": 0, \"skipped_reasons\": {}, \"complete\": true, "
                "\"unmeasured_bytes\": 0, \"faults\": []}\n")},
        {"clip_events", "--clip-events --clip " + CLIPS + "/h264-aac.mp4",
         answer("{\"event\": \"reading\", \"path\": \"" + CLIPS +
                "/h264-aac.mp4\"}\n"
                "{\"event\": \"read\", \"path\": \"" +
                CLIPS +
                "/h264-aac.mp4\"}\n"
                "{\"event\": \"clip\", \"path\": \"" +
                CLIPS +
                "/h264-aac.mp4\", \"bytes\": 24347, \"seconds\": 2, \"mbit_s\": 0.097388, "
                "\"codec\": \"AVC\", \"frame\": \"64x36\", \"fps\": 25, \"video_mbit_s\": "
                "0.021612, \"audio_mbit_s\": 0.06615, \"role\": \"main\", \"recording\": \"" +
                CLIPS +
                "/h264-aac.mp4\"}\n"
                "{\"event\": \"total\", \"recordings\": 1, \"clips\": 1, \"bytes\": 24347, "
                "\"seconds\": 2, \"mbit_s\": 0.097388, \"video_mbit_s\": 0.021612, "
                "\"audio_mbit_s\": 0.06615, \"skipped\": 0, \"skipped_reasons\": {}, "
                "\"complete\": true, \"unmeasured_bytes\": 0}\n")},
        // Cards as cameras lay them out: each recording's time once, every clip's bytes.
        {"sony_card_proxies_in_sub", "--clip " + CLIPS + "/sony --size 256",
         answer("2 recordings (4 files), 00:00:03, 4.03916e-05 GB: 0.110296 Mbit/s; video "
                "0.0245013, audio 0.0324177\nskipped 1: 1 reference to another file\n" +
                answerOf("0.110296 Mbit/s = 0.013787 MB/s", "256", "5281:37:33"))},
        {"gopro_card_chapters_and_low_res",
         "--clip " + CLIPS + "/gopro --time 1:00:00 --units decimal",
         answer("1 recording (4 files), 00:00:03, 4.1361e-05 GB: 0.110296 Mbit/s; video 0.0245013, "
                "audio 0.0324177\nskipped 2: 2 no media\nBitrate:    0.110296 Mbit/s = 0.013787 "
                "MB/s\n"
                "Card size:  0.0496332 GB\nTime:       01:00:00\n"
                "Units:      1 GB = 10^9 bytes = 8000 Mbit (decimal)\n")},
        {"p2_card_audio_apart", "--clip " + CLIPS + "/p2 --size 64",
         answer("1 recording (4 files), 00:00:00, 0.000128572 GB: 2.1943 Mbit/s; audio 1.536\n"
                "skipped 2: 1 no media, 1 reference to another file\n" +
                answerOf("2.1943 Mbit/s = 0.274288 MB/s", "64", "66:22:11"))},
        {"dji_card_as_json", "--clip " + CLIPS + "/dji --size 32 --json",
         answer("{\"units\": \"kiv\", \"computed\": \"time\", \"bitrate_mbit_s\": 0.128656, "
                "\"bitrate_mbyte_s\": 0.016082, \"card_size\": 32, \"card_size_unit\": \"GB\", "
                "\"time\": \"565:59:17\", \"seconds\": 2037557, \"recordings\": 1, \"clips\": "
                "[{\"path\": \"" +
                CLIPS +
                "/dji/DCIM/100MEDIA/DJI_0001.LRF\", \"bytes\": 6186, \"seconds\": 1, "
                "\"mbit_s\": 0.049488, \"codec\": \"AVC\", \"frame\": \"32x18\", \"fps\": 25, "
                "\"video_mbit_s\": 0.01616, \"audio_mbit_s\": 0.017744, \"role\": \"proxy\", "
                "\"recording\": \"" +
                CLIPS + "/dji/DCIM/100MEDIA/DJI_0001.MP4\"}, {\"path\": \"" + CLIPS +
                "/dji/DCIM/100MEDIA/DJI_0001.MP4\", \"bytes\": 9896, \"seconds\": 1, "
                "\"mbit_s\": 0.079168, \"codec\": \"AVC\", \"frame\": \"64x36\", \"fps\": 25, "
                "\"video_mbit_s\": 0.03028, \"audio_mbit_s\": 0.032561, \"role\": \"main\", "
                "\"recording\": \"" +
                CLIPS +
                "/dji/DCIM/100MEDIA/DJI_0001.MP4\"}], \"skipped\": 1, \"skipped_reasons\": "
                "{\"no_media\": 1}, \"complete\": true, \"unmeasured_bytes\": 0, \"faults\": "
                "[]}\n")},
        // With --clip-events a refused path is an event; the total counts the rest.
        {"clip_events_past_a_refusal",
         "--clip-events --clip " + CLIPS + "/none.mp4 --clip " + CLIPS + "/tone.wav",
         answer("{\"event\": \"skipped\", \"path\": \"" + CLIPS +
                "/none.mp4\", \"code\": \"not_found\", \"reason\": \"no such file or folder\", "
                "\"refused\": true, \"fault\": false}\n{\"event\": \"reading\", \"path\": \"" +
                CLIPS + "/tone.wav\"}\n{\"event\": \"read\", \"path\": \"" + CLIPS +
                "/tone.wav\"}\n{\"event\": \"clip\", \"path\": \"" + CLIPS +
                "/tone.wav\", \"bytes\": 192044, \"seconds\": 1, \"mbit_s\": 1.536352, "
                "\"codec\": null, \"frame\": null, \"fps\": null, \"video_mbit_s\": null, "
                "\"audio_mbit_s\": 1.536, \"role\": \"main\", \"recording\": \"" +
                CLIPS +
                "/tone.wav\"}\n{\"event\": \"total\", \"recordings\": 1, \"clips\": 1, "
                "\"bytes\": 192044, \"seconds\": 1, \"mbit_s\": 1.536352, \"video_mbit_s\": "
                "null, \"audio_mbit_s\": 1.536, \"skipped\": 1, \"skipped_reasons\": "
                "{\"not_found\": 1}, \"complete\": true, \"unmeasured_bytes\": 0}\n")},
        {"clip_events_measuring_nothing",
         "--clip-events --clip " + CLIPS + "/bad/empty.MP4",
         {"{\"event\": \"reading\", \"path\": \"" + CLIPS +
              "/bad/empty.MP4\"}\n{\"event\": \"skipped\", \"path\": \"" + CLIPS +
              "/bad/empty.MP4\", \"code\": \"empty_file\", \"reason\": \"empty file\", "
              "\"refused\": true, \"fault\": false}\n{\"event\": \"total\", \"recordings\": 0, "
              "\"clips\": 0, \"bytes\": 0, \"seconds\": 0, \"mbit_s\": 0, \"video_mbit_s\": null, "
              "\"audio_mbit_s\": null, \"skipped\": 1, \"skipped_reasons\": {\"empty_file\": 1}, "
              "\"complete\": true, \"unmeasured_bytes\": 0}\n",
          "kivfilesize: " + CLIPS + "/bad/empty.MP4: empty file\n", 2}},
        // Camera media that cannot be measured: warned, the rest answered.
        {"red_card_with_r3d_segments",
         "--clip " + CLIPS + "/red --size 1",
         {"1 recording (1 file), 00:00:01, 2.81641e-06 GB: 0.023072 Mbit/s; video 0.01616\n"
          "skipped 2: 2 camera original\n" +
              answerOf("0.023072 Mbit/s = 0.002884 MB/s", "1", "98:37:42"),
          "kivfilesize: warning: " + CLIPS + "/red/" + RDC +
              "_001.R3D: camera original the reader cannot measure\n"
              "kivfilesize: warning: " +
              CLIPS + "/red/" + RDC +
              "_002.R3D: camera original the reader cannot measure\n"
              "kivfilesize: warning: the measured totals are incomplete: they leave out 2 files "
              "of camera media (4096 bytes)\n",
          0}},
        // A main cut in half: its proxy does not stand in, nothing is left.
        {"card_with_its_main_cut",
         "--clip " + CLIPS + "/cut --size 1",
         {"",
          "kivfilesize: warning: " + CLIPS +
              "/cut/PRIVATE/M4ROOT/CLIP/C0001.MP4: not a clip: cut short\n"
              "kivfilesize: warning: " +
              CLIPS +
              "/cut/PRIVATE/M4ROOT/SUB/C0001S03.MP4: left out: its recording's main file cannot "
              "be measured\n"
              "kivfilesize: warning: the measured totals are incomplete: they leave out 2 files "
              "of camera media (17234 bytes)\n"
              "kivfilesize: " +
              CLIPS +
              "/cut: no clip in this folder; skipped 3: 1 folder without a clip, 1 cut short, 1 "
              "incomplete recording\n",
          2}},
        {"clip_list_missing", "--clip-list " + CLIPS + "/none.list --size 1",
         refused("--clip-list \"" + CLIPS + "/none.list\": no such file or folder")},
        {"clip_list_of_a_folder", "--clip-list " + CLIPS + " --size 1",
         refused("--clip-list \"" + CLIPS + "\": cannot be read")},
        {"clip_list_naming_nothing", "--clip-list " + CLIPS + "/bad/empty.MP4 --size 1",
         refused("--clip-list \"" + CLIPS + "/bad/empty.MP4\" names no path")},
        {"clip_list_and_bitrate", "--clip-list - --bitrate 4",
         refused("--clip-list \"-\" and --bitrate \"4\" both give the bitrate; give it once")},
        {"clip_list_and_clip_events_with_a_quantity", "--clip-events --clip-list - --time 1",
         refused("--clip-events reports what --clip measures and calculates nothing; give it one "
                 "or more --clip and no quantity")},
        {"clip_that_is_empty", "--clip " + CLIPS + "/bad/empty.MP4 --size 1",
         refused(CLIPS + "/bad/empty.MP4: empty file")},
        {"clip_events_with_a_quantity", "--clip-events --size 4 --clip " + CLIPS + "/tone.wav",
         refused("--clip-events reports what --clip measures and calculates nothing; give it one "
                 "or more --clip and no quantity")},
        {"clip_that_is_text", "--clip " + CLIPS + "/bad/notes.MP4 --size 1",
         refused(CLIPS + "/bad/notes.MP4: not a clip: no audio or video with a duration")},
        {"clip_cut_short", "--clip " + CLIPS + "/bad/cut-data.mp4 --size 1",
         refused(CLIPS + "/bad/cut-data.mp4: not a clip: cut short")},
        {"folder_without_clips", "--clip " + CLIPS + "/bad",
         refused(CLIPS + "/bad: no clip in this folder; skipped 5: 2 cut short, 1 folder without "
                         "a clip, 1 empty, 1 no media")},
        {"clip_not_there", "--clip " + CLIPS + "/none.mp4 --size 1",
         refused(CLIPS + "/none.mp4: no such file or folder")},
        {"clip_on_the_network", "--clip http://example.com/a.mp4 --size 1",
         refused("http://example.com/a.mp4: not a local file: only paths and file:// URLs of this "
                 "machine can be measured")},
        {"clip_and_bitrate", "--clip " + CLIPS + "/tone.wav --bitrate 4",
         refused("--clip \"" + CLIPS +
                 "/tone.wav\" and --bitrate \"4\" both give the bitrate; "
                 "give it once")},
        {"format_and_clip", "--format sony-avchd-ps --clip " + CLIPS + "/tone.wav",
         refused("--format \"sony-avchd-ps\" and --clip \"" + CLIPS +
                 "/tone.wav\" both give the "
                 "bitrate; give it once")},

        // Plans: a format, a typed rate and measured clips; refusals name the place.
        {"plan_of_a_shoot", "--plan " + PLANS + "/shoot.json", answer(PLAN_TEXT)},
        {"plan_as_json", "--json --plan " + PLANS + "/shoot.json", answer(PLAN_JSON)},
        // The issue's day on set: A carries 2 cards a body, the drone 1.
        {"plan_a_day_on_set", "--plan " + PLANS + "/day.json",
         answer(dayText("2", "01:51:57 at 400 MB/s\n\nCards to rent: 5\nOffload done: "
                             "10:32:23 (00:32:23 after wrap), 1 reader, not verified\n"))},
        {"plan_a_day_as_json", "--plan " + PLANS + "/day.json --json",
         answer(DAY_JSON + "2, \"gb\": 2591.015625},\n" + DAY_DRONE +
                "\"offload_per_day\": \"01:51:57\", \"cards_total\": 5, \"offload_done\": "
                "\"10:32:23\", \"after_wrap\": \"00:32:23\", \"warnings\": []}\n")},
        // At 20 MB/s, verified on two readers, the station reads into the
        // next day: A's bodies carry 5 cards each.
        {"plan_a_day_late", "--plan " + PLANS + "/day-late.json",
         answer(dayText("5", "74:38:15 at 20 MB/s\n\nCards to rent: 11\nOffload done: "
                             "40:00:48 (30:00:48 after wrap), 2 readers, verified\nWarning: the "
                             "offload does not finish before the next day\n"))},
        {"plan_a_day_late_as_json", "--json --plan " + PLANS + "/day-late.json",
         answer(DAY_JSON + "5, \"gb\": 2591.015625},\n" + DAY_DRONE +
                "\"offload_per_day\": \"74:38:15\", \"cards_total\": 11, \"offload_done\": "
                "\"40:00:48\", \"after_wrap\": \"30:00:48\", \"warnings\": [\"the offload does "
                "not finish before the next day\"]}\n")},
        {"plan_a_day_bad_member", "--plan " + PLANS + "/day-readers.json",
         refused("readers: must be a whole number from 1 to 64")},
        {"free_missing", "--bitrate 100 --free /nonexistent/card",
         refused("--free \"/nonexistent/card\": no such file or folder; give a path on the "
                 "card")},
        {"free_not_storage", "--free /proc --bitrate 100",
         refused("--free \"/proc\": not on mounted storage")},
        {"free_without_bitrate", "--free / --json", refused("--free \"/\"" + FREE_NEEDS)},
        {"free_with_time", "--time 1:00 --free /", refused("--free \"/\"" + FREE_NEEDS)},
        {"free_bitrate_and_time", "--free / --bitrate 1 --time 3",
         refused("--bitrate \"1\", --free \"/\" and --time \"3\" are three quantities; give "
                 "one or two of them and the rest is calculated")},
        {"free_and_size", "--size 3 --free / --bitrate 1",
         refused("--size \"3\" and --free \"/\" both give the card size; give it once")},
        {"free_twice", "--free / --bitrate 1 --free /tmp",
         refused("--free \"/\" and --free \"/tmp\" both give the card size; give it once")},
        {"free_in_a_plan", "--plan p.json --free /",
         refused("--plan \"p.json" + PLAN_ONLY + "--free (only --json and --formats-file)")},
        {"plan_figures_past_a_million", "--plan " + PLANS + "/feature.json", answer(FEATURE_TEXT)},
        // 2 x (12.5 MB/s + 4 x 1.152) x 90 min / 8000, and the user's format at
        // 150 Mbit/s for 10 min; no card, drive, proxy or offload: no members.
        {"plan_with_audio_and_a_formats_file",
         "--plan " + PLANS + "/audio.json --formats-file " + FORMATS + "/user.json --json",
         {"{\"units\": \"decimal\", \"days\": 2, \"copies\": 1, \"cameras\": [\n"
          "  {\"name\": \"Interview\\u0009A\", \"count\": 2, \"mbit_s\": 104.608, "
          "\"gb_per_day\": 141.22080000000003, \"gb\": 282.44160000000005},\n"
          "  {\"name\": \"Own format\", \"count\": 1, \"mbit_s\": 150, \"gb_per_day\": "
          "11.25, \"gb\": 22.5}\n"
          "], \"gb_per_day\": 152.47080000000003, \"gb\": 304.94160000000005, "
          "\"gb_with_copies\": 304.94160000000005, \"total_gb\": 304.94160000000005, "
          "\"warnings\": []}\n",
          REPLACES_AVCHD, 0}},
        {"plan_names_escaped_in_the_table",
         "--plan " + PLANS + "/audio.json --formats-file " + FORMATS + "/user.json",
         {"Plan for 2 days, 1 copy; 1 GB = 10^9 bytes = 8000 Mbit (decimal)\n"
          "Camera        Count  Mbit/s per body  GB per day       GB\n"
          "Interview\\tA      2          104.608     141.221  282.442\n"
          "Own format        1              150       11.25     22.5\n"
          "\n"
          "GB per day:       152.471\n"
          "GB for the shoot: 304.942\n"
          "GB with copies:   304.942\n"
          "GB in all:        304.942\n",
          REPLACES_AVCHD, 0}},
        {"plan_format_unknown_without_its_file", "--plan " + PLANS + "/audio.json",
         refused("cameras[1].format: unknown format \"my-camera-4k\"")},
        {"plan_fault_names_its_place", "--plan " + PLANS + "/bad-fps.json",
         refused("cameras[1].fps: must be a frame rate from 0.001 to 1000000 frames per second, "
                 "as 25 or \"30000/1001\"")},
        {"plan_unfinished_camera", "--plan " + PLANS + "/unfinished.json",
         refused("cameras[1]: no rate; give one of bitrate, mbytes, format and clips")},
        {"plan_proxy_format_unknown", "--plan " + PLANS + "/unknown-format.json",
         refused("proxy.format: unknown format \"prores-422-proxi\"; did you mean "
                 "prores-422-proxy, prores-422-lt or prores-422-hq?")},
        {"plan_clip_missing", "--plan " + PLANS + "/missing-clip.json",
         refused("cameras[1].clips: " + PLANS + "/day0/none: no such file or folder")},
        {"plan_audio_on_audio", "--plan " + PLANS + "/audio-included.json",
         refused("cameras[0].audio: sony-xavc-s-4k-100m: its figure includes the audio already")},
        {"plan_card_beyond_the_longest", "--plan " + PLANS + "/card-forever.json",
         refused("cameras[0]: at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15, the "
                 "longest time there is")},
        {"plan_file_missing", "--plan " + PLANS + "/none.json",
         refused(PLANS + "/none.json: cannot be read (No such file or directory)")},
        {"plan_folder", "--plan " + PLANS, refused(PLANS + ": a folder, not a plan file")},
        {"plan_with_a_quantity", "--plan p.json --size 3",
         refused("--plan \"p.json" + PLAN_ONLY + "--size (only --json and --formats-file)")},
        {"plan_with_units", "--units gib --plan p.json",
         refused("--plan \"p.json" + PLAN_ONLY + "--units (only --json and --formats-file)")},
        {"plan_and_list_formats", "--plan p.json --list-formats",
         refused("--plan \"p.json" + PLAN_ONLY +
                 "--list-formats (only --json and --formats-file)")},
        {"plan_twice", "--plan a.json --plan b.json",
         refused("--plan \"a.json\" and --plan \"b.json\" both give the plan; give it once")},
        {"plan_with_a_stray_word", "--plan p.json more",
         refused("unexpected argument \"more\" (values follow their option, as in --size 64; see "
                 "--help)")},
    };
}

// Keeps the user's own formats file out of the tests.
class NoUserFormats : public testing::Environment
{
public:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QByteArray(KIV_FORMATS_FILES "/none")); }
};
const testing::Environment *const NO_USER_FORMATS =
    testing::AddGlobalTestEnvironment(new NoUserFormats);

// CTest names a row by its name and its command line.
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.arguments;
}

class KivFileSize : public testing::TestWithParam<Row>
{
};

TEST_P(KivFileSize, PrintsAndExitsAsDocumented)
{
    const Row &row = GetParam();
    QString out;
    QString err;
    const int status = kivFileSize(argumentsOf(row.arguments), out, err);
    EXPECT_EQ(out.toStdString(), row.expected.out);
    EXPECT_EQ(err.toStdString(), row.expected.err);
    EXPECT_EQ(status, row.expected.status);
}

INSTANTIATE_TEST_SUITE_P(Table, KivFileSize, testing::ValuesIn(rows()),
                         [](const testing::TestParamInfo<Row> &info) {
                             return std::string(info.param.name);
                         });

// The program prints the function's answer on stdout, its refusal on stderr,
// and exits with its status.
TEST(KivFileSizeProgram, MainPrintsWhatTheFunctionAnswers)
{
    for (const Row &row : rows()) {
        const std::string name = row.name;
        if (name != "bitrate_and_size_give_the_time" && name != "decimal_comma" &&
            name != "version_wins_over_what_follows") {
            continue;
        }
        QProcess process;
        process.start(QStringLiteral(KIVFILESIZE), argumentsOf(row.arguments));
        ASSERT_TRUE(process.waitForFinished(10000)) << name;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(process.readAllStandardOutput().toStdString(), row.expected.out) << name;
        EXPECT_EQ(process.readAllStandardError().toStdString(), row.expected.err) << name;
        EXPECT_EQ(process.exitCode(), row.expected.status) << name;
    }
}

// '-' reads the plan from standard input, its clips relative to the current
// folder: the same answer as the file named, also where the pipe delivers it
// in pieces, some time apart.
TEST(KivFileSizeProgram, PlanFromStandardInput)
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(PLANS));
    process.start(QStringLiteral(KIVFILESIZE), {"--plan", "-", "--json"});
    QFile plan(QString::fromStdString(PLANS + "/shoot.json"));
    ASSERT_TRUE(plan.open(QIODevice::ReadOnly));
    const QByteArray bytes = plan.readAll();
    process.write(bytes.left(bytes.size() / 2));
    ASSERT_TRUE(process.waitForBytesWritten(10000));
    QThread::msleep(300);
    process.write(bytes.mid(bytes.size() / 2) + QByteArray(200000, ' '));
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), PLAN_JSON);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "");
    EXPECT_EQ(process.exitCode(), 0);
}

// The listing at any width: no line longer than the width (an id alone may
// be), every entry's id at the start of a line; and its JSON, with the
// figures of every kind.
TEST(KivFileSizeList, FitsTheWidthAndGivesTheFigures)
{
    KivFormatCatalogue catalogue = kivLoadFormats().catalogue;
    QStringList warnings;
    const QString longId = QString(60, QLatin1Char('a')) + QStringLiteral("-b");
    kivAddFormatsJson(catalogue,
                      QStringLiteral(R"({"formats": [{"id": "%1", "name": "Mine", "family": "M",
                          "nature": "max", "audio": true, "source": "me", "kind": "fixed",
                          "mbps": 5}]})")
                          .arg(longId)
                          .toUtf8(),
                      QStringLiteral("mine.json"), warnings);
    for (const int width : {0, 40, 61, 80, 132, 1000}) {
        const QStringList lines = kivFormatList(catalogue.formats(), false, width).split('\n');
        QStringList starts;
        for (const QString &line : lines) {
            EXPECT_TRUE(line.size() <= std::max(width, 40) || line == longId)
                << width << ": " << line.toStdString();
            starts << line.section(QLatin1Char(' '), 0, 0);
        }
        for (const KivFormat &format : catalogue.formats()) {
            EXPECT_TRUE(starts.contains(format.id)) << width << ": " << format.id.toStdString();
        }
        // Wide enough, every entry is one line with its source.
        if (width == 1000) {
            EXPECT_EQ(lines.size(), catalogue.size() + 2);
        }
    }

    QJsonParseError error;
    const QJsonArray list =
        QJsonDocument::fromJson(kivFormatList(catalogue.formats(), true).toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    ASSERT_EQ(list.size(), catalogue.size());
    QHash<QString, QJsonObject> byId;
    for (const QJsonValue &entry : list) {
        byId.insert(entry[QLatin1String("id")].toString(), entry.toObject());
    }
    const QJsonObject hq = byId.value(QStringLiteral("prores-422-hq"));
    EXPECT_EQ(hq[QLatin1String("kind")].toString(), QStringLiteral("table"));
    EXPECT_EQ(hq[QLatin1String("figures")][QLatin1String("sizes")][1],
              QJsonDocument::fromJson(R"({"frame": "720x576", "mbit_s": [null, 61, null, null,)"
                                      R"( null]})")
                  .object());
    const QJsonObject dnx =
        byId.value(QStringLiteral("dnxhd-1242"))[QLatin1String("figures")].toObject();
    EXPECT_EQ(dnx[QLatin1String("rates")].toArray(), QJsonArray({25, 29.97}));
    EXPECT_EQ(dnx[QLatin1String("sizes")][0][QLatin1String("bytes_per_frame")].toInt(), 606208);
    EXPECT_EQ(dnx[QLatin1String("names")][1][QLatin1String("name")].toString(),
              QStringLiteral("DNxHD 145"));
    EXPECT_EQ(
        byId.value(QStringLiteral("v210"))[QLatin1String("figures")][QLatin1String("bytes_per_row")]
            .toString(),
        QStringLiteral("ceil(width / 48) x 128"));
    EXPECT_EQ(byId.value(QStringLiteral(
                  "iphone-hevc-4k60"))[QLatin1String("figures")][QLatin1String("mbit_s")]
                  .toDouble(),
              400 * 8 / 60.0);
    EXPECT_EQ(byId.value(QStringLiteral("sony-xavc-s-hd-16m"))[QLatin1String("nature")].toString(),
              QStringLiteral("approximate"));
    EXPECT_EQ(byId.value(longId)[QLatin1String("file")].toString(), QStringLiteral("mine.json"));
    EXPECT_TRUE(hq[QLatin1String("file")].isNull());
}

struct Ran
{
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Ran run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.readAllStandardOutput(), process.readAllStandardError(), process.exitCode()};
}

// Paths on standard input or in a file, NUL-separated as xargs -0 reads them,
// answer as the same paths given with --clip; a name that is not UTF-8 on the
// command line reaches the file with its bytes and shows escaped.
TEST(KivFileSizeProgram, ReadsPathsFromListsWithTheirBytes)
{
    const QString sony = QString::fromStdString(CLIPS + "/sony");
    const QString gopro = QString::fromStdString(CLIPS + "/gopro/DCIM");
    const Ran expected =
        run(KIVFILESIZE, {"--clip", sony, "--clip", gopro, "--size", "64", "--json"});
    ASSERT_EQ(expected.status, 0);
    EXPECT_TRUE(expected.out.contains("\"recordings\": 3,"));
    const QByteArray list = sony.toUtf8() + '\0' + gopro.toUtf8();
    const Ran standardInput =
        run(KIVFILESIZE, {"--clip-list", "-", "--size", "64", "--json"}, list);
    EXPECT_EQ(standardInput.out, expected.out);
    EXPECT_EQ(standardInput.status, 0);

    QTemporaryDir dir;
    QFile file(dir.filePath("list"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(list + '\0');
    file.close();
    const Ran listed = run(KIVFILESIZE, {"--clip-list", file.fileName(), "--size", "64", "--json"});
    EXPECT_EQ(listed.out, expected.out);

    ASSERT_TRUE(QFile::copy(QString::fromStdString(CLIPS + "/tone.wav"), dir.filePath("tone")));
    const QByteArray raw = QFile::encodeName(dir.path()) + "/tone\xff.wav";
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("tone")).constData(), raw.constData()), 0);
    const QString script =
        QStringLiteral("exec \"$0\" --clip \"$1$(printf '\\377')$2\" --size 1 --json");
    const Ran named = run("sh", {"-c", script, KIVFILESIZE, dir.filePath("tone"), ".wav"});
    EXPECT_EQ(named.status, 0) << named.err.toStdString();
    EXPECT_TRUE(named.out.contains("\"path\": \"" + QFile::encodeName(dir.path()) +
                                   "/tone\\udcff.wav\", \"bytes\": 192044"))
        << named.out.toStdString();
    const Ran missing = run("sh", {"-c", script, KIVFILESIZE, dir.filePath("none"), ".wav"});
    EXPECT_EQ(missing.err, "kivfilesize: " + QFile::encodeName(dir.path()) +
                               "/none\\xff.wav: no such file or folder\n");
    const Ran inList = run(KIVFILESIZE, {"--clip-list", "-", "--size", "1"}, raw);
    EXPECT_EQ(inList.status, 0);
    EXPECT_TRUE(inList.out.startsWith("1 recording (1 file), 00:00:01,"))
        << inList.out.toStdString();

    // As `find CARD -type f -print0` lists a card, with a macOS "._" file and
    // an empty name: what is no clip is skipped, as in a folder.
    QByteArray card;
    for (const char *name : {"._GX010001.MP4", "GL010001.LRV", "GL020001.LRV", "GX010001.MP4",
                             "GX010001.THM", "GX020001.MP4", ""}) {
        card += (*name != '\0' ? gopro.toUtf8() + "/100GOPRO/" + name : QByteArray()) + '\0';
    }
    const Ran found = run(KIVFILESIZE, {"--clip-list", "-", "--size", "1"}, card);
    EXPECT_EQ(found.status, 0) << found.err.toStdString();
    EXPECT_TRUE(found.out.startsWith("1 recording (4 files), 00:00:03,"))
        << found.out.toStdString();
    EXPECT_TRUE(found.out.contains("\nskipped 3: 2 no media, 1 empty path in the list\n"));
    const Ran nothing = run(KIVFILESIZE, {"--clip-list", "-", "--size", "1"},
                            gopro.toUtf8() + "/100GOPRO/GX010001.THM" + QByteArray(2, '\0'));
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.err,
              "kivfilesize: no clip measured; skipped 2: 1 no media, 1 empty path in the list\n");
}

// Names of options as typed, found by `pattern` in each line of `text`.
QStringList namesIn(const QString &text, const QRegularExpression &pattern)
{
    QStringList names;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        for (const QRegularExpressionMatch &m : pattern.globalMatch(line)) {
            for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
                if (m.hasCaptured(i) && !m.captured(i).isEmpty()) {
                    names << m.captured(i);
                }
            }
        }
    }
    names.sort();
    return names;
}

// The help's entries, the manual's list of options and the parser's options
// are the option table's, each way round (the parser adds --help-all, which
// the help names in its words).
TEST(KivFileSizeHelp, HelpManualAndParserHoldTheTable)
{
    QStringList table;
    for (const KivOptionRow &row : kivOptionRows()) {
        table << QStringLiteral("--") + QLatin1String(row.name);
        if (row.letter != 0) {
            table << QStringLiteral("-") + QLatin1Char(row.letter);
        }
    }
    table.sort();
    // An entry starts at the third column: "  -h, --help", "  --audio C[:B[:K]]".
    static const QRegularExpression entry(QStringLiteral("^  (?:(-\\w), )?(--?[\\w-]+)"));
    EXPECT_EQ(namesIn(QString::fromStdString(helpText()), entry), table);

    QFile page(QStringLiteral(KIV_MAN_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString manual = QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), "-");
    const qsizetype from = manual.indexOf(QStringLiteral(".SH OPTIONS"));
    const qsizetype to = manual.indexOf(QStringLiteral("\n.SH "), from + 1);
    ASSERT_GE(from, 0);
    QString tagged; // the line after each .TP: the option and its value
    const QStringList lines = manual.mid(from, to - from).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == QLatin1String(".TP")) {
            tagged += lines[i + 1] + QLatin1Char('\n');
        }
    }
    static const QRegularExpression tag(QStringLiteral("(?:^\\.BR? | )(--?[a-z][a-z-]*)"));
    EXPECT_EQ(namesIn(tagged, tag), table);

    QStringList parsed = kivFileSizeOptions();
    EXPECT_EQ(parsed.removeAll(QStringLiteral("--help-all")), 1);
    parsed.sort();
    EXPECT_EQ(parsed, table);
}

// The free space of a temporary folder's volume, as df reports it, is the
// card size whose time is left at the bitrate.
TEST(KivFileSizeProgram, FreeSpaceAgreesWithDf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Ran answer = run(
        KIVFILESIZE, {"--free", dir.path(), "--bitrate", "100", "--units", "decimal", "--json"});
    const Ran df = run("df", {"-B1", "--output=avail", dir.path()});
    ASSERT_EQ(answer.status, 0) << answer.err.toStdString();
    ASSERT_EQ(df.status, 0);
    const QList<QByteArray> lines = df.out.trimmed().split('\n');
    bool ok = false;
    const double avail = lines.constLast().trimmed().toDouble(&ok);
    ASSERT_TRUE(ok) << df.out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(answer.out).object();
    const double gb = json["free_gb"].toDouble(-1);
    // Others write to the disk meanwhile: within 0.5% and 64 MiB.
    EXPECT_NEAR(gb * 1e9, avail, 0.005 * avail + 64 * 1048576.0) << answer.out.toStdString();
    EXPECT_EQ(json["card_size"].toDouble(), gb);
    EXPECT_EQ(json["seconds"].toInteger(), qint64(gb * 8000 / 100));
    EXPECT_FALSE(json["volume"].toString().isEmpty());
    EXPECT_TRUE(dir.path().startsWith(json["mount"].toString())) << answer.out.toStdString();
    const Ran text = run(KIVFILESIZE, {"--free", dir.path(), "--mbytes", "12.5"});
    EXPECT_TRUE(text.out.startsWith("Free space: ")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("\nBitrate:    100 Mbit/s = 12.5 MB/s\n"));
}

// A FIFO with no writer, named by --plan or --formats-file, is refused at
// once rather than waited on; a plan or formats file whose name is not UTF-8
// is read by its bytes, as a clip is.
TEST(KivFileSizeProgram, RefusesFifosAndReadsNamesByTheirBytes)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const struct
    {
        QStringList arguments;
        QByteArray err;
        int status;
    } rows[] = {
        {{"--plan", dir.filePath("fifo")},
         "kivfilesize: " + fifo + ": not a regular file; not read\n",
         2},
        {{"--plan", QString::fromStdString(PLANS + "/shoot.json"), "--formats-file",
          dir.filePath("fifo")},
         "kivfilesize: warning: " + fifo + ": not a regular file; not read\n",
         0},
        {{"--plan", "/dev/null"}, "kivfilesize: /dev/null: not a regular file; not read\n", 2},
    };
    for (const auto &row : rows) {
        QElapsedTimer timer;
        timer.start();
        const Ran ran = run(KIVFILESIZE, row.arguments);
        EXPECT_LT(timer.elapsed(), 1000) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(ran.err, row.err);
        EXPECT_EQ(ran.status, row.status);
    }

    const QByteArray plan = QFile::encodeName(dir.path()) + "/p\xff.json";
    const QByteArray formats = QFile::encodeName(dir.path()) + "/f\xfe.json";
    ASSERT_EQ(::symlink((PLANS + "/audio.json").c_str(), plan.constData()), 0);
    ASSERT_EQ(::symlink((FORMATS + "/user.json").c_str(), formats.constData()), 0);
    const QString script = QStringLiteral(
        "exec \"$0\" --plan \"$1/p$(printf '\\377').json\" --formats-file \"$1/f$(printf "
        "'\\376').json\" --json");
    const Ran named = run("sh", {"-c", script, KIVFILESIZE, dir.path()});
    EXPECT_EQ(named.status, 0) << named.err.toStdString();
    EXPECT_TRUE(named.out.contains("\"name\": \"Own format\", \"count\": 1, \"mbit_s\": 150"))
        << named.out.toStdString();
    const Ran missing = run("sh", {"-c", script, KIVFILESIZE, dir.filePath("none")});
    EXPECT_EQ(missing.err, "kivfilesize: " + QFile::encodeName(dir.path()) +
                               "/none/p\\xff.json: cannot be read (No such file or directory)\n");
}

TEST(KivFileSizeHelp, NamesEveryOptionAndExitsZero)
{
    for (const char *option : {"--help", "-h"}) {
        QProcess process;
        process.start(QStringLiteral(KIVFILESIZE), {QString::fromLatin1(option)});
        ASSERT_TRUE(process.waitForFinished(10000));
        const QString help = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_EQ(process.exitCode(), 0);
        // Every option the parser takes, and every way of counting a gigabyte.
        QStringList names = kivFileSizeOptions();
        EXPECT_TRUE(names.contains(QStringLiteral("--clip-events")));
        names << QStringList{"kiv", "decimal", "gib"};
        for (const QString &name : names) {
            EXPECT_TRUE(help.contains(QRegularExpression(QStringLiteral("(^|[ ,(])") +
                                                         QRegularExpression::escape(name) +
                                                         QStringLiteral("\\b"))))
                << name.toStdString();
        }
    }
}

} // namespace
