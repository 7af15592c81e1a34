// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan library: plan files with their answers worked out by hand
// (GB = Mbit/s x seconds / Mbit per GB), and the write-then-read round trip.
#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanFile.h"
#include "plan/KivPlanWords.h"

#include "PlanTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace plantest;

// Rows go by their names in test names and failure messages.
template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

constexpr double NONE = -1; // a figure the answer must not have

struct CameraFigures
{
    double mbps, gbPerDay, gb, cardsPerDay, cardSeconds;
};

// The totals, NONE where the answer must not have one.
struct Totals
{
    double gbPerDay, gb, gbWithCopies, proxyGb, totalGb, drives, offloadSeconds;
    double cards = NONE; // all bodies' cards a day
};

struct AnswerRow
{
    const char *name;
    std::string json;
    std::vector<double> measured; // the rates of clips cameras, in order
    std::vector<CameraFigures> cameras;
    Totals totals;
};

std::vector<AnswerRow> answerRows()
{
    const double gib = 41.90951585769653; // 100 x 3600 / 8589.934592
    return {
        // 737 x 28800 / 8192; 150 x 1800 / 8192; the gimbal measured at 100:
        // 100 x 7200 / 8192. Cards: 256 x 8192 / rate seconds each. Proxy:
        // 38 Mbit/s over (28800 + 1800 + 7200) x 3 s. Offload: 22215600
        // Mbit a day at 3200 Mbit/s.
        {"issue_example",
         EXAMPLE,
         {100},
         {{737, 2591.015625, 7773.046875, 6, 2845},
          {150, 32.958984375, 98.876953125, 1, 13981},
          {100, 87.890625, 263.671875, 1, 20971}},
         {2711.865234375, 8135.595703125, 24406.787109375, 526.025390625, 24932.8125, 3, 6942, 14}},
        // 100 x 7200 / 8000 a day; 2 x ceil(180 / 100) drives; 90 GB at 800
        // Mbit/s. A byte-order mark before the plan is skipped.
        {"decimal_units",
         "\xEF\xBB\xBF" +
             one(R"("name": "Main", "count": 2, "time_per_day": "1:00:00", "bitrate": 100)",
                 R"("units": "decimal", "days": 2, "copies": 2, "card_size": 64,
                    "drive_size": 100, "offload_mbyte_s": 100)"),
         {},
         {{100, 90, 180, 1, 5120}},
         {90, 180, 360, NONE, 360, 4, 900, 2}},
        // 70.4 x 7200 / 8192 = 61.875 exactly fills 3 cards of 20.625 and one
        // drive of 61.875, though the quotient in doubles is a hair above.
        {"exact_fill_counts_whole",
         one(R"("name": "Cam", "time_per_day": "2:00:00", "bitrate": 70.4)",
             R"("card_size": 20.625, "drive_size": 61.875)"),
         {},
         {{70.4, 61.875, 61.875, 3, 2400}},
         {61.875, 61.875, 61.875, NONE, 61.875, 1, NONE, 3}},
        {"gib_units",
         one(CAM + R"("bitrate": 100)", R"("units": "gib", "card_size": 64)"),
         {},
         {{100, gib, gib, 1, 5497}},
         {gib, gib, gib, NONE, gib, NONE, NONE, 1}},
        // A spare body that records nothing: no card, no drive, no offload.
        {"zero_time_per_day",
         one(R"("name": "Spare", "time_per_day": "0", "bitrate": 100)",
             R"("card_size": 64, "drive_size": 1000, "offload_mbyte_s": 100,
                "proxy": {"bitrate": 10})"),
         {},
         {{100, 0, 0, 0, 5242}},
         {0, 0, 0, 0, 0, 0, 0, 0}},
        // 12.5 MB/s + 4 x 24-bit 48 kHz; 1 + 2 x 16-bit 44.1 kHz; ProRes 422 HQ
        // at 30000/1001, its listed 29.97 (220 Mbit/s), + 8 channels.
        {"audio_on_top",
         R"({"cameras": [
             {"name": "Rec", "time_per_day": "1:00:00", "mbytes": 12.5, "audio": "4"},
             {"name": "Mix", "time_per_day": "1:00:00", "bitrate": 1, "audio": "2:16:44.1"},
             {"name": "HQ", "time_per_day": "1:00:00", "format": "ProRes 422 HQ",
              "frame": "1920x1080", "fps": "30000/1001", "audio": 8}]})",
         {},
         {{104.608, 45.9703125, 45.9703125, NONE, NONE},
          {2.4112, 1.059609375, 1.059609375, NONE, NONE},
          {229.216, 100.7296875, 100.7296875, NONE, NONE}},
         {147.759609375, 147.759609375, 147.759609375, NONE, 147.759609375, NONE, NONE}},
        // 3 x 50 Mbit/s for 6 h and 400 Mbit/s for 45 min, a week, two copies.
        {"week_of_two_cameras",
         R"({"title": "Week \"B\"", "days": 7, "copies": 2, "card_size": 128, "drive_size": 4000,
             "offload_mbyte_s": 250, "cameras": [
             {"name": "B-cams", "count": 3, "time_per_day": "6:00:00", "bitrate": 50},
             {"name": "Slow-mo", "time_per_day": "45:00", "bitrate": 400}]})",
         {},
         {{50, 395.5078125, 2768.5546875, 2, 20971}, {400, 131.8359375, 922.8515625, 2, 2621}},
         {527.34375, 3691.40625, 7382.8125, NONE, 7382.8125, 2, 2160, 8}},
        // An unfinished camera, one whose clips are not measured (the first
        // of `measured` is 0) and one of an unknown format are left out; the
        // others keep their figures and make the totals, the proxy's footage
        // only theirs: 5 Mbit/s over 7200 s.
        {"unfinished_cameras_left_out",
         R"({"card_size": 64, "drive_size": 100, "proxy": {"bitrate": 5}, "cameras": [
             {"name": "No time", "bitrate": 100},
             {"name": "Main", "count": 2, "time_per_day": "1:00:00", "bitrate": 100},
             {"name": "No rate", "time_per_day": "1:00:00"},
             {"name": "Clips", "time_per_day": "1:00:00", "clips": ["a.mov"]},
             {"name": "Typo", "time_per_day": "1:00:00", "format": "prores-422-hg"}]})",
         {0},
         {{NONE, 0, 0, 0, 0},
          {100, 87.890625, 87.890625, 1, 5242},
          {NONE, 0, 0, 0, 0},
          {NONE, 0, 0, 0, 0},
          {NONE, 0, 0, 0, 0}},
         {87.890625, 87.890625, 87.890625, 4.39453125, 92.28515625, 1, NONE, 2}},
        // Every limit at its top stays a finite figure.
        {"largest_figures",
         one(R"("name": "Wall", "count": 1000, "time_per_day": "24:00:00", "bitrate": 1e7)",
             R"("days": 10000, "copies": 100, "drive_size": 1e6)"),
         {},
         {{1e7, 1.0546875e11, 1.0546875e15, NONE, NONE}},
         {1.0546875e11, 1.0546875e15, 1.0546875e17, NONE, 1.0546875e17, 1.0546875e11, NONE}},
    };
}

// The rates of `plan`'s cameras and proxy as the command line resolves them:
// typed, from the built-in catalogue, or `measured` for clips, in order.
KivPlanRates ratesOf(const KivPlan &plan, const std::vector<double> &measured)
{
    QList<KivPlanMeasuredClips> clips;
    for (const KivPlanCamera &camera : plan.cameras) {
        const size_t next = size_t(clips.size());
        clips << KivPlanMeasuredClips{next < measured.size() ? measured[next] : 0, QString()};
        if (!std::holds_alternative<KivPlanClips>(camera.source.from)) {
            clips.removeLast();
        }
    }
    qsizetype next = 0;
    QList<const KivPlanMeasuredClips *> of;
    for (const KivPlanCamera &camera : plan.cameras) {
        of << (std::holds_alternative<KivPlanClips>(camera.source.from) ? &clips[next++] : nullptr);
    }
    return kivPlanRates(
        plan, []() -> const KivFormatCatalogue & { return kivBuiltInFormats(); },
        [&](qsizetype i) { return of[i]; });
}

void expectFigure(const std::optional<double> &actual, double expected, const char *what)
{
    if (expected == NONE) {
        EXPECT_FALSE(actual) << what;
    } else {
        ASSERT_TRUE(actual) << what;
        EXPECT_DOUBLE_EQ(*actual, expected) << what;
    }
}

std::optional<double> asDouble(const std::optional<std::uint32_t> &seconds)
{
    return seconds ? std::optional<double>(*seconds) : std::nullopt;
}

class PlanAnswer : public testing::TestWithParam<AnswerRow>
{
};

TEST_P(PlanAnswer, ComesToTheFiguresWorkedOutByHand)
{
    const AnswerRow &row = GetParam();
    const KivPlan plan = read(row.json);
    KivPlanAnswer answer;
    KivPlanFault fault;
    ASSERT_TRUE(kivPlanAnswer(plan, ratesOf(plan, row.measured), answer, fault))
        << kivPlanFaultText(fault).toStdString();
    ASSERT_EQ(answer.cameras.size(), qsizetype(row.cameras.size()));
    QList<qsizetype> incomplete;
    for (size_t i = 0; i < row.cameras.size(); ++i) {
        const CameraFigures &want = row.cameras[i];
        const KivPlanCameraAnswer &got = answer.cameras[qsizetype(i)];
        // A camera left out has a fault and no figures.
        EXPECT_EQ(got.fault.has_value(), want.mbps == NONE) << i;
        if (want.mbps == NONE) {
            incomplete << qsizetype(i);
            EXPECT_FALSE(got.cardsPerDay || got.cardSeconds) << i;
            continue;
        }
        EXPECT_DOUBLE_EQ(got.mbps, want.mbps) << i;
        EXPECT_DOUBLE_EQ(got.gbPerDay, want.gbPerDay) << i;
        EXPECT_DOUBLE_EQ(got.gb, want.gb) << i;
        expectFigure(got.cardsPerDay, want.cardsPerDay, "cards per day");
        expectFigure(asDouble(got.cardSeconds), want.cardSeconds, "card seconds");
    }
    EXPECT_EQ(answer.incomplete, incomplete);
    const Totals &want = row.totals;
    EXPECT_DOUBLE_EQ(answer.gbPerDay, want.gbPerDay);
    EXPECT_DOUBLE_EQ(answer.gb, want.gb);
    EXPECT_DOUBLE_EQ(answer.gbWithCopies, want.gbWithCopies);
    expectFigure(answer.proxyGb, want.proxyGb, "proxy GB");
    EXPECT_DOUBLE_EQ(answer.totalGb, want.totalGb);
    expectFigure(answer.drives, want.drives, "drives");
    expectFigure(asDouble(answer.offloadSeconds), want.offloadSeconds, "offload seconds");
    expectFigure(answer.cardsPerDay, want.cards, "cards per day of all bodies");
}

// What is written reads back as the same plan, and writes the same bytes.
TEST_P(PlanAnswer, WritesWhatReadsBackTheSame)
{
    const KivPlan plan = read(GetParam().json);
    const QByteArray written = kivWritePlan(plan);
    KivPlan again;
    again.days = 99;
    QString error;
    ASSERT_TRUE(kivReadPlan(written, ORIGIN, again, error)) << error.toStdString() << "\n"
                                                            << written.toStdString();
    EXPECT_EQ(again, plan) << written.toStdString();
    EXPECT_EQ(kivWritePlan(again), written);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanAnswer, testing::ValuesIn(answerRows()),
                         [](const testing::TestParamInfo<AnswerRow> &info) {
                             return std::string(info.param.name);
                         });

// A GB total of a thousand and more shows its TB (TiB) beside, as the
// plan's units count them; a count or a smaller total shows none.
TEST(PlanWords, LargeTotalsInTheirUnits)
{
    using W = KivPlanWords;
    using U = KivCardUnits;
    const struct
    {
        U units;
        W::Total total;
        double gb;
        const char *shown;
    } cases[] = {
        {U::Kiv, W::All, 1024, "1 TB"},        {U::Decimal, W::All, 1000, "1 TB"},
        {U::Gib, W::Shoot, 2048, "2 TiB"},     {U::Kiv, W::PerDay, 999.99, ""},
        {U::Kiv, W::All, 1.6e9, "1562500 TB"}, {U::Kiv, W::Drives, 5000, ""},
    };
    for (const auto &c : cases) {
        KivPlanAnswer answer;
        answer.gbPerDay = answer.gb = answer.totalGb = c.gb;
        answer.drives = c.gb;
        const QString shown =
            W::large(c.total, answer, c.units, [](double x) { return kivFigureText(x); });
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.gb;
    }
}

} // namespace
