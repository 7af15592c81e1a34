// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan library: plan files with their answers worked out by hand
// (GB = Mbit/s x seconds / Mbit per GB), faulty files with the one line that
// names the place, the write-then-read round trip, files on disk, and the
// answers' own refusals.
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString ORIGIN = QStringLiteral("plan.json");

// Rows go by their names, in test names and failure messages alike.
template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}
constexpr double NONE = -1; // a figure the answer must not have

// A plan of one camera: `top` members, then the camera's.
std::string one(const std::string &camera, const std::string &top = "")
{
    return "{" + top + (top.empty() ? "" : ", ") + "\"cameras\": [{" + camera + "}]}";
}
// The start of a valid camera, its source to follow.
const std::string CAM = R"("name": "A", "time_per_day": "1:00:00", )";

KivPlan read(const std::string &json)
{
    KivPlan plan;
    QString error;
    EXPECT_TRUE(kivReadPlan(QByteArray::fromStdString(json), ORIGIN, plan, error))
        << error.toStdString();
    return plan;
}

struct CameraFigures
{
    double mbps, gbPerDay, gb, cardsPerDay, cardSeconds;
};

struct AnswerRow
{
    const char *name;
    std::string json;
    std::vector<double> measured; // the rates of clips cameras, in order
    std::vector<CameraFigures> cameras;
    double gbPerDay, gb, gbWithCopies, proxyGb, totalGb, drives, offloadSeconds;
};

const std::string EXAMPLE = R"({
  "units": "kiv", "days": 3, "copies": 3, "card_size": 256, "drive_size": 8192,
  "offload_mbyte_s": 400,
  "proxy": {"format": "prores-422-proxy", "frame": "hd", "fps": 25},
  "cameras": [
    {"name": "A and B", "count": 2, "time_per_day": "4:00:00",
     "format": "prores-422-hq", "frame": "uhd", "fps": 25},
    {"name": "Drone", "time_per_day": "0:30:00", "bitrate": 150},
    {"name": "Gimbal", "time_per_day": "2:00:00", "clips": ["day0/gimbal"]}
  ]
})";

std::vector<AnswerRow> answerRows()
{
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
         2711.865234375,
         8135.595703125,
         24406.787109375,
         526.025390625,
         24932.8125,
         3,
         6942},
        // 100 x 7200 / 8000 a day; 2 x ceil(180 / 100) drives; 90 GB at 800 Mbit/s.
        {"decimal_units",
         one(R"("name": "Main", "count": 2, "time_per_day": "1:00:00", "bitrate": 100)",
             R"("units": "decimal", "days": 2, "copies": 2, "card_size": 64, "drive_size": 100,
                "offload_mbyte_s": 100)"),
         {},
         {{100, 90, 180, 1, 5120}},
         90,
         180,
         360,
         NONE,
         360,
         4,
         900},
        // 70.4 x 7200 / 8192 = 61.875 exactly fills 3 cards of 20.625 and one
        // drive of 61.875, though the quotient in doubles is a hair above.
        {"exact_fill_counts_whole",
         one(R"("name": "Cam", "time_per_day": "2:00:00", "bitrate": 70.4)",
             R"("card_size": 20.625, "drive_size": 61.875)"),
         {},
         {{70.4, 61.875, 61.875, 3, 2400}},
         61.875,
         61.875,
         61.875,
         NONE,
         61.875,
         1,
         NONE},
        {"gib_units",
         one(CAM + R"("bitrate": 100)", R"("units": "gib", "card_size": 64)"),
         {},
         {{100, 41.90951585769653, 41.90951585769653, 1, 5497}},
         41.90951585769653,
         41.90951585769653,
         41.90951585769653,
         NONE,
         41.90951585769653,
         NONE,
         NONE},
        // A spare body that records nothing: no card, no drive, no offload.
        {"zero_time_per_day",
         one(R"("name": "Spare", "time_per_day": "0", "bitrate": 100)",
             R"("card_size": 64, "drive_size": 1000, "offload_mbyte_s": 100,
                "proxy": {"bitrate": 10})"),
         {},
         {{100, 0, 0, 0, 5242}},
         0,
         0,
         0,
         0,
         0,
         0,
         0},
        // 12.5 MB/s + 4 x 24-bit 48 kHz; 1 + 2 x 16-bit 44.1 kHz; ProRes 737 + 8 channels.
        {"audio_on_top",
         R"({"cameras": [
             {"name": "Rec", "time_per_day": "1:00:00", "mbytes": 12.5, "audio": "4"},
             {"name": "Mix", "time_per_day": "1:00:00", "bitrate": 1, "audio": "2:16:44.1"},
             {"name": "HQ", "time_per_day": "1:00:00", "format": "ProRes 422 HQ",
              "frame": "3840x2160", "fps": "25", "audio": 8}]})",
         {},
         {{104.608, 45.9703125, 45.9703125, NONE, NONE},
          {2.4112, 1.059609375, 1.059609375, NONE, NONE},
          {746.216, 327.926953125, 327.926953125, NONE, NONE}},
         374.956875,
         374.956875,
         374.956875,
         NONE,
         374.956875,
         NONE,
         NONE},
        // 30000/1001 is ProRes's listed 29.97: 220 Mbit/s in HD.
        {"fps_as_a_fraction",
         one(CAM + R"("format": "prores-422-hq", "frame": "hd", "fps": "30000/1001")"),
         {},
         {{220, 96.6796875, 96.6796875, NONE, NONE}},
         96.6796875,
         96.6796875,
         96.6796875,
         NONE,
         96.6796875,
         NONE,
         NONE},
        // 3 x 50 Mbit/s for 6 h and 400 Mbit/s for 45 min, a week, two copies.
        {"week_of_two_cameras",
         R"({"days": 7, "copies": 2, "card_size": 128, "drive_size": 4000,
             "offload_mbyte_s": 250, "cameras": [
             {"name": "B-cams", "count": 3, "time_per_day": "6:00:00", "bitrate": 50},
             {"name": "Slow-mo", "time_per_day": "45:00", "bitrate": 400}]})",
         {},
         {{50, 395.5078125, 2768.5546875, 2, 20971}, {400, 131.8359375, 922.8515625, 2, 2621}},
         527.34375,
         3691.40625,
         7382.8125,
         NONE,
         7382.8125,
         2,
         2160},
        // Every limit at its top stays a finite figure.
        {"largest_figures",
         one(R"("name": "Wall", "count": 1000, "time_per_day": "24:00:00", "bitrate": 1e7)",
             R"("days": 10000, "copies": 100, "drive_size": 1e6)"),
         {},
         {{1e7, 1.0546875e11, 1.0546875e15, NONE, NONE}},
         1.0546875e11,
         1.0546875e15,
         1.0546875e17,
         NONE,
         1.0546875e17,
         1.0546875e11,
         NONE},
        {"byte_order_mark",
         "\xEF\xBB\xBF" + one(CAM + R"("bitrate": 8192)"),
         {},
         {{8192, 3600, 3600, NONE, NONE}},
         3600,
         3600,
         3600,
         NONE,
         3600,
         NONE,
         NONE},
    };
}

// The rates of `plan`'s cameras and proxy as the command line resolves them:
// typed, from the built-in catalogue, or `measured` for clips.
void ratesOf(const KivPlan &plan, const std::vector<double> &measured, QList<double> &cameras,
             std::optional<double> &proxy)
{
    size_t next = 0;
    const auto rate = [&](const KivPlanSource &source, const QString &place) {
        QString error;
        std::optional<double> mbps = kivPlanTypedMbps(source);
        if (std::holds_alternative<KivPlanFormat>(source.from)) {
            const auto choice = kivPlanChooseFormat(kivBuiltInFormats(), source, place, error);
            EXPECT_TRUE(choice) << error.toStdString();
            mbps = choice ? choice->rate.mbps : 0;
        } else if (!mbps) {
            mbps = next < measured.size() ? measured[next++] : 0;
        }
        return kivPlanWithAudio(source, *mbps);
    };
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        cameras << rate(plan.cameras[i].source, kivPlanCameraPlace(i));
    }
    if (plan.proxy) {
        proxy = rate(*plan.proxy, kivPlanProxyPlace());
    }
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
    QList<double> rates;
    std::optional<double> proxy;
    ratesOf(plan, row.measured, rates, proxy);
    KivPlanAnswer answer;
    QString error;
    ASSERT_TRUE(kivPlanAnswer(plan, rates, proxy, answer, error)) << error.toStdString();
    ASSERT_EQ(answer.cameras.size(), qsizetype(row.cameras.size()));
    for (size_t i = 0; i < row.cameras.size(); ++i) {
        const CameraFigures &want = row.cameras[i];
        const KivPlanCameraAnswer &got = answer.cameras[qsizetype(i)];
        EXPECT_DOUBLE_EQ(got.mbps, want.mbps) << i;
        EXPECT_DOUBLE_EQ(got.gbPerDay, want.gbPerDay) << i;
        EXPECT_DOUBLE_EQ(got.gb, want.gb) << i;
        expectFigure(got.cardsPerDay, want.cardsPerDay, "cards per day");
        expectFigure(asDouble(got.cardSeconds), want.cardSeconds, "card seconds");
    }
    EXPECT_DOUBLE_EQ(answer.gbPerDay, row.gbPerDay);
    EXPECT_DOUBLE_EQ(answer.gb, row.gb);
    EXPECT_DOUBLE_EQ(answer.gbWithCopies, row.gbWithCopies);
    expectFigure(answer.proxyGb, row.proxyGb, "proxy GB");
    EXPECT_DOUBLE_EQ(answer.totalGb, row.totalGb);
    expectFigure(answer.drives, row.drives, "drives");
    expectFigure(asDouble(answer.offloadSeconds), row.offloadSeconds, "offload seconds");
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

struct Refusal
{
    const char *name;
    std::string json;
    std::string error;
};

const std::string WHOLE_DAYS = "must be a whole number from 1 to 10000";
const std::string SIZE = "must be a number from 0.001 to 1000000";
const std::string BITRATE = "must be a number from 0.001 to 10000000";
const std::string FPS = "must be a frame rate from 0.001 to 1000000 frames per second, as 25 or "
                        "\"30000/1001\"";
const std::string AUDIO_FORM = "write it as CHANNELS[:BITS[:KHZ]] (4, 2:16 or 8:24:96)";

std::vector<Refusal> refusals()
{
    const std::string twoCams = R"({"cameras": [{"name": "A", "time_per_day": "1", "bitrate": 1},
                                    {"name": "B", "time_per_day": "1", )";
    return {
        {"not_json", R"({"days": 1, })",
         "plan.json:1:14: not valid JSON (object is missing after a comma)"},
        {"not_json_on_line_2", "{\n  \"days\" 3}",
         "plan.json:2:11: not valid JSON (missing name separator)"},
        {"empty_file", "", "plan.json:1:1: not valid JSON (illegal value)"},
        {"not_an_object", "[1]", "plan.json: not a plan (a JSON object with a \"cameras\" list)"},
        {"number_too_large_for_json", one(CAM + R"("bitrate": 1e400)"),
         "plan.json:1:71: not valid JSON (illegal number)"},
        {"unknown_member", one(CAM + R"("bitrate": 1)", R"("dayz": 3)"),
         "dayz: unknown member; a plan has units, days, copies, card_size, drive_size, "
         "offload_mbyte_s, proxy and cameras"},
        {"unknown_member_escaped", one(CAM + R"("bitrate": 1)", R"("a\nb": 3)"),
         "a\\nb: unknown member; a plan has units, days, copies, card_size, drive_size, "
         "offload_mbyte_s, proxy and cameras"},
        {"member_twice", one(CAM + R"("bitrate": 1)", R"("days": 1, "days": 2)"),
         "days: given twice; give it once"},
        {"member_twice_escaped", one(CAM + R"("bitrate": 1)", R"("days": 1, "d\u0061ys": 2)"),
         "days: given twice; give it once"},
        {"member_twice_in_a_camera", twoCams + R"("bitrate": 1, "bitrate": 2}]})",
         "cameras[1].bitrate: given twice; give it once"},
        {"units_unknown", one(CAM + R"("bitrate": 1)", R"("units": "metric")"),
         "units: \"metric\" is not one of kiv, decimal and gib"},
        {"units_not_text", one(CAM + R"("bitrate": 1)", R"("units": 1)"),
         "units: must be one of kiv, decimal and gib"},
        {"days_zero", one(CAM + R"("bitrate": 1)", R"("days": 0)"), "days: " + WHOLE_DAYS},
        {"days_fraction", one(CAM + R"("bitrate": 1)", R"("days": 1.5)"), "days: " + WHOLE_DAYS},
        {"days_text", one(CAM + R"("bitrate": 1)", R"("days": "3")"), "days: " + WHOLE_DAYS},
        {"days_beyond", one(CAM + R"("bitrate": 1)", R"("days": 10001)"), "days: " + WHOLE_DAYS},
        {"days_null", one(CAM + R"("bitrate": 1)", R"("days": null)"), "days: " + WHOLE_DAYS},
        {"copies_zero", one(CAM + R"("bitrate": 1)", R"("copies": 0)"),
         "copies: must be a whole number from 1 to 100"},
        {"card_size_zero", one(CAM + R"("bitrate": 1)", R"("card_size": 0)"), "card_size: " + SIZE},
        {"card_size_text", one(CAM + R"("bitrate": 1)", R"("card_size": "256")"),
         "card_size: " + SIZE},
        {"drive_size_negative", one(CAM + R"("bitrate": 1)", R"("drive_size": -1)"),
         "drive_size: " + SIZE},
        {"offload_beyond", one(CAM + R"("bitrate": 1)", R"("offload_mbyte_s": 1e7)"),
         "offload_mbyte_s: must be a number from 0.001 to 1000000"},
        {"no_cameras", R"({"days": 1})", "cameras: missing; must list 1 to 1000 cameras"},
        {"empty_cameras", R"({"cameras": []})", "cameras: must list 1 to 1000 cameras"},
        {"cameras_not_a_list", R"({"cameras": {}})", "cameras: must list 1 to 1000 cameras"},
        {"camera_not_an_object", twoCams + R"("bitrate": 1}, 5]})",
         "cameras[2]: must be an object with a name, a time_per_day and a source"},
        {"camera_unknown_member", one(CAM + R"("bitrate": 1, "lens": "35mm")"),
         "cameras[0].lens: unknown member; a camera has name, count, time_per_day, one of "
         "bitrate, mbytes, format (with frame and fps) and clips, and audio"},
        {"name_missing", one(R"("time_per_day": "1", "bitrate": 1)"),
         "cameras[0].name: missing; every camera has a name"},
        {"name_not_text", one(R"("name": 7, "time_per_day": "1", "bitrate": 1)"),
         "cameras[0].name: must be a text"},
        {"count_zero", one(CAM + R"("bitrate": 1, "count": 0)"),
         "cameras[0].count: must be a whole number from 1 to 1000"},
        {"count_fraction", one(CAM + R"("bitrate": 1, "count": 2.5)"),
         "cameras[0].count: must be a whole number from 1 to 1000"},
        {"time_missing", one(R"("name": "A", "bitrate": 1)"),
         "cameras[0].time_per_day: missing; every camera has a time per day, as \"4:00:00\""},
        {"time_a_number", one(R"("name": "A", "time_per_day": 3600, "bitrate": 1)"),
         "cameras[0].time_per_day: must be a time in quotes, as \"4:00:00\""},
        {"time_not_a_time", one(R"("name": "A", "time_per_day": "4h", "bitrate": 1)"),
         "cameras[0].time_per_day: \"4h\" is not a time; write S, M:S or H:M:S with digits "
         "only"},
        {"count_beyond", twoCams + R"("bitrate": 1, "count": 1001}]})",
         "cameras[1].count: must be a whole number from 1 to 1000"},
        {"time_over_a_day_alone", one(R"("name": "A", "time_per_day": "24:00:01", "bitrate": 1)"),
         "cameras[0].time_per_day: \"24:00:01\" is longer than a day (24:00:00)"},
        {"no_source", one(CAM.substr(0, CAM.size() - 2)),
         "cameras[0]: no rate; give one of bitrate, mbytes, format and clips"},
        {"two_sources", one(CAM + R"("clips": ["a"], "bitrate": 1)"),
         "cameras[0]: bitrate and clips both give the rate; give one"},
        {"bitrate_zero", one(CAM + R"("bitrate": 0)"), "cameras[0].bitrate: " + BITRATE},
        {"bitrate_text", one(CAM + R"("bitrate": "100")"), "cameras[0].bitrate: " + BITRATE},
        {"bitrate_beyond", one(CAM + R"("bitrate": 1.0001e7)"), "cameras[0].bitrate: " + BITRATE},
        {"mbytes_zero", one(CAM + R"("mbytes": 0)"),
         "cameras[0].mbytes: must be a number from 0.000125 to 1250000"},
        {"format_blank", one(CAM + R"("format": " ")"),
         "cameras[0].format: must name a recording format"},
        {"format_not_text", one(CAM + R"("format": 422)"),
         "cameras[0].format: must name a recording format"},
        {"frame_without_format", one(CAM + R"("bitrate": 1, "frame": "hd")"),
         "cameras[0].frame: goes with a format; give \"format\" with it"},
        {"fps_without_format", one(CAM + R"("clips": ["a"], "fps": 25)"),
         "cameras[0].fps: goes with a format; give \"format\" with it"},
        {"frame_bad", one(CAM + R"("format": "x", "frame": "1920*1080")"),
         "cameras[0].frame: frame size \"1920*1080\": write it as WIDTHxHEIGHT (1920x1080) or "
         "as hd, uhd or dci4k"},
        {"frame_not_text", one(CAM + R"("format": "x", "frame": 1080)"),
         "cameras[0].frame: must be a frame size in quotes, as \"uhd\" or \"1920x1080\""},
        {"fps_zero", twoCams + R"("format": "x", "fps": 0}]})", "cameras[1].fps: " + FPS},
        {"fps_bool", one(CAM + R"("format": "x", "fps": true)"), "cameras[0].fps: " + FPS},
        {"fps_text_bad", one(CAM + R"("format": "x", "fps": "25/0")"),
         "cameras[0].fps: frame rate \"25/0\": the divisor is 0"},
        {"clips_empty", one(CAM + R"("clips": [])"),
         "cameras[0].clips: must list one or more paths"},
        {"clips_not_a_list", one(CAM + R"("clips": "a.mp4")"),
         "cameras[0].clips: must list one or more paths"},
        {"clip_empty", one(CAM + R"("clips": ["a", ""])"),
         "cameras[0].clips[1]: must be a path, not empty"},
        {"clip_not_text", one(CAM + R"("clips": [5])"),
         "cameras[0].clips[0]: must be a path, not empty"},
        {"audio_with_clips", one(CAM + R"("clips": ["a"], "audio": "2")"),
         "cameras[0].audio: measured clips carry their own audio; give audio with a bitrate, "
         "mbytes or a format"},
        {"audio_no_channels", one(CAM + R"("bitrate": 1, "audio": 0)"),
         "cameras[0].audio: audio \"0\": channels must be 1 to 64"},
        {"audio_odd_bits", one(CAM + R"("bitrate": 1, "audio": "4:7")"),
         "cameras[0].audio: audio \"4:7\": bits must be 8 to 32"},
        {"audio_odd_rate", one(CAM + R"("bitrate": 1, "audio": "4:24:1000")"),
         "cameras[0].audio: audio \"4:24:1000\": kHz must be 8 to 768"},
        {"audio_words", one(CAM + R"("bitrate": 1, "audio": "4 ch")"),
         "cameras[0].audio: audio \"4 ch\": " + AUDIO_FORM},
        {"audio_four_fields", one(CAM + R"("bitrate": 1, "audio": "4:24:48:1")"),
         "cameras[0].audio: audio \"4:24:48:1\": " + AUDIO_FORM},
        {"audio_fraction", one(CAM + R"("bitrate": 1, "audio": 2.5)"),
         "cameras[0].audio: must be a number of channels or \"CHANNELS[:BITS[:KHZ]]\" in quotes, "
         "as 4 or \"2:16:44.1\""},
        {"proxy_with_clips", one(CAM + R"("bitrate": 1)", R"("proxy": {"clips": ["p"]})"),
         "proxy.clips: a proxy is made from the footage, not recorded; give it a bitrate, mbytes "
         "or a format"},
        {"proxy_with_a_name",
         one(CAM + R"("bitrate": 1)", R"("proxy": {"name": "p", "bitrate": 1})"),
         "proxy.name: unknown member; a proxy has one of bitrate, mbytes and format (with frame "
         "and fps), and audio"},
        {"proxy_without_rate", one(CAM + R"("bitrate": 1)", R"("proxy": {})"),
         "proxy: no rate; give a bitrate, mbytes or a format"},
        {"proxy_null", one(CAM + R"("bitrate": 1)", R"("proxy": null)"),
         "proxy: must be an object with a bitrate, mbytes or a format"},
    };
}

class PlanRefusal : public testing::TestWithParam<Refusal>
{
};

// One line naming the place, and the plan read into left as it was.
TEST_P(PlanRefusal, NamesThePlaceAndChangesNothing)
{
    const Refusal &row = GetParam();
    KivPlan plan = read(EXAMPLE);
    const KivPlan before = plan;
    QString error;
    EXPECT_FALSE(kivReadPlan(QByteArray::fromStdString(row.json), ORIGIN, plan, error));
    EXPECT_EQ(error.toStdString(), row.error);
    EXPECT_EQ(plan, before);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanRefusal, testing::ValuesIn(refusals()),
                         [](const testing::TestParamInfo<Refusal> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
