// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan library around its files: plans built in memory (as a window
// builds them) checked and refused by place, plan files on disk, the
// answers' own refusals, clip paths, formats with audio.
#include "calc/KivFileName.h"
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double INF = std::numeric_limits<double>::infinity();

// One camera at 100 Mbit/s for an hour a day.
KivPlan simplePlan()
{
    KivPlan plan;
    KivPlanCamera camera;
    camera.name = QStringLiteral("A");
    camera.secondsPerDay = 3600;
    camera.source.from = KivPlanBitrate{100};
    plan.cameras << camera;
    return plan;
}

KivPlanSource &source(KivPlan &plan)
{
    return plan.cameras[0].source;
}

struct CheckRow
{
    const char *name;
    std::function<void(KivPlan &)> change;
    std::string error;
};

class PlanCheck : public testing::TestWithParam<CheckRow>
{
};

// A plan built in memory is held to the limits a file is held to, and a
// refused one is not written.
TEST_P(PlanCheck, RefusesByPlaceAndWritesNothing)
{
    const CheckRow &row = GetParam();
    KivPlan plan = simplePlan();
    row.change(plan);
    QString error;
    EXPECT_FALSE(kivCheckPlan(plan, error));
    EXPECT_EQ(error.toStdString(), row.error);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.json"));
    ASSERT_TRUE(kivWritePlanFile(path, simplePlan(), error)) << error.toStdString();
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    EXPECT_FALSE(kivWritePlanFile(path, plan, error));
    EXPECT_EQ(error.toStdString(), row.error);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlanCheck,
    testing::ValuesIn(std::vector<CheckRow>{
        {"copies", [](KivPlan &p) { p.copies = 101; },
         "copies: must be a whole number from 1 to 100"},
        {"card_size_nan", [](KivPlan &p) { p.cardSize = NaN; },
         "card_size: must be a number from 0.001 to 1000000"},
        {"drive_size_infinite", [](KivPlan &p) { p.driveSize = INF; },
         "drive_size: must be a number from 0.001 to 1000000"},
        {"offload_zero", [](KivPlan &p) { p.offloadMbytesPerSec = 0.0; },
         "offload_mbyte_s: must be a number from 0.001 to 1000000"},
        {"no_camera", [](KivPlan &p) { p.cameras.clear(); },
         "cameras: must list 1 to 1000 cameras"},
        {"over_a_day", [](KivPlan &p) { p.cameras[0].secondsPerDay = 86401; },
         "cameras[0].time_per_day: \"24:00:01\" is longer than a day (24:00:00)"},
        {"bitrate_nan", [](KivPlan &p) { source(p).from = KivPlanBitrate{NaN}; },
         "cameras[0].bitrate: must be a number from 0.001 to 10000000"},
        {"frame_empty",
         [](KivPlan &p) {
             source(p).from = KivPlanFormat{QStringLiteral("x"), KivFrameSize{0, 1080}, {}};
         },
         "cameras[0].frame: frame size \"0x1080\": width and height must be 1 to 65535 pixels"},
        {"fps_zero",
         [](KivPlan &p) {
             source(p).from = KivPlanFormat{QStringLiteral("x"), {}, 0.0};
         },
         "cameras[0].fps: must be a frame rate from 0.001 to 1000000 frames per second, as 25 or "
         "\"30000/1001\""},
        {"audio_channels",
         [](KivPlan &p) {
             source(p).audio = KivAudio{65, 24, 48};
         },
         "cameras[0].audio: audio \"65\": 1 to 64 channels"},
        {"audio_khz",
         [](KivPlan &p) {
             source(p).audio = KivAudio{2, 24, NaN};
         },
         "cameras[0].audio: audio \"2:24:nan\": write CHANNELS[:BITS[:KHZ]] in digits, as in 4, "
         "2:16 or 8:24:48"},
        {"proxy_clips",
         [](KivPlan &p) {
             p.proxy = KivPlanSource{KivPlanClips{{QStringLiteral("a")}}, {}};
         },
         "proxy.clips: a proxy is made from the footage, not recorded; give it a bitrate, mbytes "
         "or a format"},
    }),
    [](const testing::TestParamInfo<CheckRow> &info) { return std::string(info.param.name); });

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(PlanFile, ReadsUpTo1MibAndRefusesFoldersMissingAndLargerFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.json"));
    KivPlan plan = simplePlan();
    plan.cameras[0].name = QStringLiteral("Ünïcode \"quoted\" \\ \t\u2028 name");
    QString error;
    ASSERT_TRUE(kivWritePlanFile(path, plan, error)) << error.toStdString();
    KivPlan read;
    ASSERT_TRUE(kivReadPlanFile(path, read, error)) << error.toStdString();
    EXPECT_EQ(read, plan);

    // Blanks up to exactly the limit still read; one byte more does not.
    QByteArray bytes = kivWritePlan(plan);
    bytes += QByteArray(kivMaxPlanFileBytes - bytes.size(), ' ');
    writeFile(path, bytes);
    EXPECT_TRUE(kivReadPlanFile(path, read, error)) << error.toStdString();
    writeFile(path, bytes + ' ');
    EXPECT_FALSE(kivReadPlanFile(path, read, error));
    EXPECT_EQ(error, path + QStringLiteral(": larger than 1 MiB; not read"));

    EXPECT_FALSE(kivReadPlanFile(dir.path(), read, error));
    EXPECT_EQ(error, dir.path() + QStringLiteral(": a folder, not a plan file"));
    const QString missing = dir.filePath(QStringLiteral("no\nne.json"));
    EXPECT_FALSE(kivReadPlanFile(missing, read, error));
    EXPECT_EQ(error, dir.path() + QStringLiteral("/no\\nne.json: cannot be read (No such file or "
                                                 "directory)"));
    EXPECT_FALSE(kivWritePlanFile(dir.filePath(QStringLiteral("none/plan.json")), plan, error));
    EXPECT_TRUE(error.startsWith(dir.path() + QStringLiteral("/none/plan.json: cannot be "
                                                             "written (")));
    EXPECT_EQ(read, plan);
}

// Neither a FIFO with no writer nor a device is waited on; a name that is
// not UTF-8 is written and read by its bytes, and a save over a link
// replaces its target.
TEST(PlanFile, RefusesAnyButARegularFileAtOnceAndKeepsNameBytes)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    KivPlan read;
    KivPlanFault fault;
    for (const QString &path : {fifo, QStringLiteral("/dev/null")}) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(kivReadPlanFile(path, read, fault));
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(kivPlanFaultText(fault), path + QStringLiteral(": not a regular file; not read"));
        EXPECT_FALSE(kivWritePlanFile(dir.path(), simplePlan(), fault));
        EXPECT_EQ(fault.kind, KivPlanFaultKind::Unwritable);
    }

    const QByteArray bytes = QFile::encodeName(dir.path()) + "/p\xff\xc3.json";
    const QString raw = kivDecodeFileName(bytes);
    KivPlan plan = simplePlan();
    ASSERT_TRUE(kivWritePlanFile(raw, plan, fault)) << kivPlanFaultText(fault).toStdString();
    struct stat st = {};
    ASSERT_EQ(::stat(bytes.constData(), &st), 0);
    EXPECT_TRUE(kivReadPlanFile(raw, read, fault));
    EXPECT_EQ(read, plan);

    const QByteArray link = QFile::encodeName(dir.filePath(QStringLiteral("link.json")));
    ASSERT_EQ(::symlink(bytes.constData(), link.constData()), 0);
    plan.days = 4;
    ASSERT_TRUE(kivWritePlanFile(QFile::decodeName(link), plan, fault));
    EXPECT_TRUE(kivReadPlanFile(raw, read, fault));
    EXPECT_EQ(read, plan);
    // Nothing but the saved files is left beside them.
    for (const QString &name :
         QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
        EXPECT_FALSE(name.contains(QStringLiteral("kivsave"))) << name.toStdString();
    }
}

struct AnswerRefusal
{
    const char *name;
    std::function<void(KivPlan &, QList<double> &, std::optional<double> &)> change;
    std::string error;
};

class PlanAnswerRefusal : public testing::TestWithParam<AnswerRefusal>
{
};

TEST_P(PlanAnswerRefusal, NamesThePlaceAndLeavesTheAnswer)
{
    KivPlan plan = simplePlan();
    QList<double> rates = {100};
    std::optional<double> proxy;
    GetParam().change(plan, rates, proxy);
    KivPlanAnswer answer;
    answer.gb = 42;
    QString error;
    EXPECT_FALSE(kivPlanAnswer(plan, rates, proxy, answer, error));
    EXPECT_EQ(error.toStdString(), GetParam().error);
    EXPECT_EQ(answer.gb, 42);
    EXPECT_TRUE(answer.cameras.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlanAnswerRefusal,
    testing::ValuesIn(std::vector<AnswerRefusal>{
        {"card_beyond_the_longest_time",
         [](KivPlan &p, QList<double> &r, auto &) {
             p.cardSize = 1e6;
             r = {0.001};
         },
         "cameras[0]: at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15, the "
         "longest time there is"},
        {"offload_beyond_the_longest_time",
         [](KivPlan &p, QList<double> &r, auto &) {
             p.units = KivCardUnits::Decimal;
             p.cameras[0].secondsPerDay = 86400;
             p.offloadMbytesPerSec = 0.001;
             r = {1e7};
         },
         "offload_mbyte_s: at 0.001 MB/s a day's 1.08e+08 GB take longer than 1193046:28:15, "
         "the longest time there is"},
        {"rate_zero", [](KivPlan &, QList<double> &r, auto &) { r = {0.0}; },
         "cameras[0]: a rate of 0 Mbit/s cannot be planned; it must be above 0 and at most "
         "1e+15"},
        {"rate_nan", [](KivPlan &, QList<double> &r, auto &) { r = {NaN}; },
         "cameras[0]: a rate of nan Mbit/s cannot be planned; it must be above 0 and at most "
         "1e+15"},
        {"rate_beyond", [](KivPlan &, QList<double> &r, auto &) { r = {INF}; },
         "cameras[0]: a rate of inf Mbit/s cannot be planned; it must be above 0 and at most "
         "1e+15"},
        {"rates_missing", [](KivPlan &, QList<double> &r, auto &) { r.clear(); },
         "cameras: 0 rates for 1 cameras"},
        {"proxy_rate_missing",
         [](KivPlan &p, QList<double> &, auto &) {
             p.proxy = KivPlanSource{KivPlanBitrate{1}, {}};
         },
         "proxy: a rate of 0 Mbit/s cannot be planned; it must be above 0 and at most 1e+15"},
        {"plan_refused", [](KivPlan &p, QList<double> &, auto &) { p.copies = 0; },
         "copies: must be a whole number from 1 to 100"},
    }),
    [](const testing::TestParamInfo<AnswerRefusal> &info) { return std::string(info.param.name); });

// A fault made by hand (a window's, say) words without undefined behaviour:
// a time beyond any count shows as the longest there is.
TEST(PlanFaultText, WordsFaultsMadeByHand)
{
    KivPlanFault fault;
    fault.place = KivPlanPlace::ofCamera(2).child(QStringLiteral("time_per_day"));
    fault.kind = KivPlanFaultKind::LongerThanADay;
    fault.text = QStringLiteral("9\n9");
    const struct
    {
        double highest;
        const char *text;
    } rows[] = {
        {86400, "cameras[2].time_per_day: \"9\\n9\" is longer than a day (24:00:00)"},
        {NaN, "cameras[2].time_per_day: \"9\\n9\" is longer than a day (1193046:28:15)"},
        {-1, "cameras[2].time_per_day: \"9\\n9\" is longer than a day (1193046:28:15)"},
        {1e300, "cameras[2].time_per_day: \"9\\n9\" is longer than a day (1193046:28:15)"},
    };
    for (const auto &row : rows) {
        fault.highest = row.highest;
        EXPECT_EQ(kivPlanFaultText(fault).toStdString(), row.text);
    }
}

TEST(PlanClipPaths, JoinRelativePathsToThePlansFolder)
{
    const KivPlanClips clips{{QStringLiteral("day0/gimbal"), QStringLiteral("../b.mp4"),
                              QStringLiteral("/abs/c.mp4"), QStringLiteral("file:///d.mp4"),
                              QStringLiteral("http://e/f.mp4"), QStringLiteral("./take:1.mp4"),
                              QStringLiteral("./x/../g.mp4")}};
    EXPECT_EQ(
        kivPlanClipPaths(clips, QStringLiteral("/plans/shoot")),
        (QStringList{QStringLiteral("/plans/shoot/day0/gimbal"), QStringLiteral("/plans/b.mp4"),
                     QStringLiteral("/abs/c.mp4"), QStringLiteral("file:///d.mp4"),
                     QStringLiteral("http://e/f.mp4"), QStringLiteral("/plans/shoot/take:1.mp4"),
                     QStringLiteral("/plans/shoot/g.mp4")}));
}

TEST(PlanFormat, NamesThePlaceOfWhatTheCatalogueRefuses)
{
    const KivFormatCatalogue &catalogue = kivBuiltInFormats();
    const struct
    {
        KivPlanSource source;
        const char *error;
    } rows[] = {
        {{KivPlanFormat{QStringLiteral("prores-422-hg"), KivFrameSize{1920, 1080}, 25.0}, {}},
         "proxy.format: unknown format \"prores-422-hg\"; did you mean prores-422-hq, "
         "prores-422-lt or prores-422?"},
        {{KivPlanFormat{QStringLiteral("prores-422-hq"), KivFrameSize{1920, 1080}, {}}, {}},
         "proxy.format: prores-422-hq needs a frame rate; listed: 23.976, 25, 29.97, 50, 59.94 "
         "fps"},
        {{KivPlanFormat{QStringLiteral("sony-xavc-s-4k-100m"), {}, {}}, KivAudio{2, 24, 48}},
         "proxy.audio: sony-xavc-s-4k-100m: its figure includes the audio already"},
        {{KivPlanBitrate{5}, {}}, "proxy.format: is not a format"},
    };
    for (const auto &row : rows) {
        QString error;
        EXPECT_FALSE(kivPlanChooseFormat(catalogue, row.source, kivPlanProxyPlace(), error));
        EXPECT_EQ(error.toStdString(), row.error);
    }
}

TEST(PlanAudio, TextReadsBackAndRatesAreChannelsBitsAndKilohertz)
{
    const struct
    {
        KivAudio audio;
        const char *text;
        double mbps;
    } rows[] = {
        {{4, 24, 48}, "4", 4.608},
        {{2, 16, 48}, "2:16", 1.536},
        {{8, 24, 96}, "8:24:96", 18.432},
        {{2, 24, 44.1}, "2:24:44.1", 2.1168},
        {{64, 32, 768}, "64:32:768", 1572.864},
        {{1, 8, 8}, "1:8:8", 0.064},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.audio.typed().toStdString(), row.text);
        QString error;
        EXPECT_EQ(kivReadAudio(QString::fromLatin1(row.text), error), row.audio) << row.text;
        EXPECT_DOUBLE_EQ(row.audio.mbps(), row.mbps) << row.text;
    }
}

} // namespace
