// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Faulty plan files: each refused with the one line that names its place, the
// plan read into left as it was.
#include "PlanTestSupport.h"

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
const std::string DAY_NEEDS = R"("card_size": 64, "offload_mbyte_s": 400, )";
const std::string DAY_PLANS = "the day_length plans cards and their offload, give it";
const std::string AUDIO_FORM = "write CHANNELS[:BITS[:KHZ]] in digits, as in 4, 2:16 or 8:24:48";

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
         "offload_mbyte_s, day_length, handoff, readers, verify, proxy, cameras and title"},
        {"title_not_text", one(CAM + R"("bitrate": 1)", R"("title": 3)"), "title: must be a text"},
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
        {"card_size_zero", one(CAM + R"("bitrate": 1)", R"("card_size": 0)"), "card_size: " + SIZE},
        {"drive_size_negative", one(CAM + R"("bitrate": 1)", R"("drive_size": -1)"),
         "drive_size: " + SIZE},
        {"day_length_a_number", one(CAM + R"("bitrate": 1)", R"("day_length": 36000)"),
         "day_length: must be a time in quotes, as \"10:00:00\""},
        {"day_length_not_a_time", one(CAM + R"("bitrate": 1)", R"("day_length": "10h")"),
         "day_length: \"10h\" is not a time; write S, M:S or H:M:S with digits only"},
        {"day_length_zero", one(CAM + R"("bitrate": 1)", DAY_NEEDS + R"("day_length": "0:00")"),
         "day_length: a day of 00:00:00 plans nothing; give its length, as \"10:00:00\""},
        {"day_length_over_a_day",
         one(CAM + R"("bitrate": 1)", DAY_NEEDS + R"("day_length": "24:00:01")"),
         "day_length: \"24:00:01\" is longer than a day (24:00:00)"},
        {"day_length_without_offload",
         one(CAM + R"("bitrate": 1)", R"("card_size": 64, "day_length": "10:00:00")"),
         "offload_mbyte_s: missing; " + DAY_PLANS},
        {"day_length_without_card_size",
         one(CAM + R"("bitrate": 1)", R"("offload_mbyte_s": 400, "day_length": "10:00:00")"),
         "card_size: missing; " + DAY_PLANS},
        {"time_per_day_beyond_the_day", "{" + DAY_NEEDS + R"("day_length": "10:00:00", "cameras": [
             {"name": "A", "time_per_day": "10:00:00", "bitrate": 1},
             {"name": "B", "time_per_day": "10:00:01", "bitrate": 1}]})",
         "cameras[1].time_per_day: \"10:00:01\" is longer than the day_length 10:00:00"},
        {"handoff_over_a_day", one(CAM + R"("bitrate": 1)", R"("handoff": "25:00:00")"),
         "handoff: \"25:00:00\" is longer than a day (24:00:00)"},
        {"readers_zero", one(CAM + R"("bitrate": 1)", R"("readers": 0)"),
         "readers: must be a whole number from 1 to 64"},
        {"readers_beyond", one(CAM + R"("bitrate": 1)", R"("readers": 65)"),
         "readers: must be a whole number from 1 to 64"},
        {"readers_fraction", one(CAM + R"("bitrate": 1)", R"("readers": 1.5)"),
         "readers: must be a whole number from 1 to 64"},
        {"verify_text", one(CAM + R"("bitrate": 1)", R"("verify": "yes")"),
         "verify: must be true or false"},
        {"verify_number", one(CAM + R"("bitrate": 1)", R"("verify": 1)"),
         "verify: must be true or false"},
        {"no_cameras", R"({"days": 1})", "cameras: missing; must list 1 to 1000 cameras"},
        {"empty_cameras", R"({"cameras": []})", "cameras: must list 1 to 1000 cameras"},
        {"camera_not_an_object", twoCams + R"("bitrate": 1}, 5]})",
         "cameras[2]: must be an object with a name, a time_per_day and a source"},
        {"camera_unknown_member", one(CAM + R"("bitrate": 1, "lens": "35mm")"),
         "cameras[0].lens: unknown member; a camera has name, count, time_per_day, one of "
         "bitrate, mbytes, format (with frame and fps) and clips, and audio"},
        {"name_missing", one(R"("time_per_day": "1", "bitrate": 1)"),
         "cameras[0].name: missing; every camera has a name"},
        {"count_zero", one(CAM + R"("bitrate": 1, "count": 0)"),
         "cameras[0].count: must be a whole number from 1 to 1000"},
        {"time_a_number", one(R"("name": "A", "time_per_day": 3600, "bitrate": 1)"),
         "cameras[0].time_per_day: must be a time in quotes, as \"4:00:00\""},
        {"time_not_a_time", one(R"("name": "A", "time_per_day": "4h", "bitrate": 1)"),
         "cameras[0].time_per_day: \"4h\" is not a time; write S, M:S or H:M:S with digits "
         "only"},
        {"count_beyond", twoCams + R"("bitrate": 1, "count": 1001}]})",
         "cameras[1].count: must be a whole number from 1 to 1000"},
        {"time_over_a_day_alone", one(R"("name": "A", "time_per_day": "24:00:01", "bitrate": 1)"),
         "cameras[0].time_per_day: \"24:00:01\" is longer than a day (24:00:00)"},
        {"two_sources", one(CAM + R"("clips": ["a"], "bitrate": 1)"),
         "cameras[0]: bitrate and clips both give the rate; give one"},
        {"bitrate_zero", one(CAM + R"("bitrate": 0)"), "cameras[0].bitrate: " + BITRATE},
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
        {"fps_zero", twoCams + R"("format": "x", "fps": 0}]})", "cameras[1].fps: " + FPS},
        {"fps_text_zero_as_a_number", twoCams + R"("format": "x", "fps": "0"}]})",
         "cameras[1].fps: " + FPS},
        {"fps_text_beyond", one(CAM + R"("format": "x", "fps": "2000001i")"),
         "cameras[0].fps: " + FPS},
        {"days_beyond_an_int", one(CAM + R"("bitrate": 1)", R"("days": 1e300)"),
         "days: " + WHOLE_DAYS},
        {"count_below_an_int", one(CAM + R"("bitrate": 1, "count": -1e300)"),
         "cameras[0].count: must be a whole number from 1 to 1000"},
        {"member_twice_in_a_clip_object", one(CAM + R"("clips": [{"a": 1, "a": 2}])"),
         "cameras[0].clips[0].a: given twice; give it once"},
        {"fps_text_bad", one(CAM + R"("format": "x", "fps": "25/0")"),
         "cameras[0].fps: frame rate \"25/0\": the divisor is 0"},
        {"clips_empty", one(CAM + R"("clips": [])"),
         "cameras[0].clips: must list one or more paths"},
        {"clip_empty", one(CAM + R"("clips": ["a", ""])"),
         "cameras[0].clips[1]: must be a path, not empty"},
        {"clip_not_text", one(CAM + R"("clips": [5])"),
         "cameras[0].clips[0]: must be a path, not empty"},
        {"audio_with_clips", one(CAM + R"("clips": ["a"], "audio": "2")"),
         "cameras[0].audio: measured clips carry their own audio; give audio with a bitrate, "
         "mbytes or a format"},
        {"audio_no_channels", one(CAM + R"("bitrate": 1, "audio": 0)"),
         "cameras[0].audio: audio \"0\": 1 to 64 channels"},
        {"audio_odd_bits", one(CAM + R"("bitrate": 1, "audio": "4:7")"),
         "cameras[0].audio: audio \"4:7\": 8 to 64 bits a sample"},
        {"audio_odd_rate", one(CAM + R"("bitrate": 1, "audio": "4:24:1000")"),
         "cameras[0].audio: audio \"4:24:1000\": 8 to 768 kHz"},
        {"audio_words", one(CAM + R"("bitrate": 1, "audio": "4 ch")"),
         "cameras[0].audio: audio \"4 ch\": " + AUDIO_FORM},
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

// Unfinished cameras: read and written back as typed, refused by the check
// the command line makes before answering, which names what is missing.
std::vector<Refusal> unfinished()
{
    return {
        {"time_missing", one(R"("name": "A", "bitrate": 1)"),
         "cameras[0].time_per_day: missing; every camera has a time per day, as \"4:00:00\""},
        {"no_source", one(CAM.substr(0, CAM.size() - 2)),
         "cameras[0]: no rate; give one of bitrate, mbytes, format and clips"},
        {"second_camera_without_rate_first_without_time",
         R"({"cameras": [{"name": "A", "count": 2, "bitrate": 5, "audio": 4},
                         {"name": "B", "time_per_day": "1:00:00"}]})",
         "cameras[0].time_per_day: missing; every camera has a time per day, as \"4:00:00\""},
        {"audio_typed_before_the_rate", one(R"("name": "", "time_per_day": "2", "audio": "2:16")"),
         "cameras[0]: no rate; give one of bitrate, mbytes, format and clips"},
    };
}

class PlanUnfinished : public testing::TestWithParam<Refusal>
{
};

TEST_P(PlanUnfinished, KeepsWhatWasTypedAndNamesWhatIsMissing)
{
    const Refusal &row = GetParam();
    const KivPlan plan = read(row.json);
    KivPlanFault fault;
    EXPECT_FALSE(kivPlanFinished(plan, fault));
    EXPECT_EQ(kivPlanFaultText(fault).toStdString(), row.error);
    KivPlan again;
    EXPECT_TRUE(kivReadPlan(kivWritePlan(plan), ORIGIN, again, fault));
    EXPECT_EQ(again, plan);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanUnfinished, testing::ValuesIn(unfinished()),
                         [](const testing::TestParamInfo<Refusal> &info) {
                             return std::string(info.param.name);
                         });

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

using O = KivPlanPlace::Object;
using K = KivPlanFaultKind;

struct FaultPlace
{
    const char *name;
    std::string json;
    K kind;
    O object;
    qsizetype camera;
    const char *member;
    qsizetype element;
};

class PlanFaultPlace : public testing::TestWithParam<FaultPlace>
{
};

// A window marks the field from these, never from the words.
TEST_P(PlanFaultPlace, GivesTheKindAndWhereItLies)
{
    const FaultPlace &row = GetParam();
    KivPlan plan;
    KivPlanFault fault;
    // An unfinished plan reads; what is missing is the fault then.
    EXPECT_FALSE(kivReadPlan(QByteArray::fromStdString(row.json), ORIGIN, plan, fault) &&
                 kivPlanFinished(plan, fault));
    EXPECT_EQ(fault.kind, row.kind);
    EXPECT_EQ(fault.place.object, row.object);
    EXPECT_EQ(fault.place.camera, row.camera);
    EXPECT_EQ(fault.place.member.toStdString(), row.member);
    EXPECT_EQ(fault.place.element, row.element);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlanFaultPlace,
    testing::ValuesIn(std::vector<FaultPlace>{
        {"not_json", "{", K::NotJson, O::File, -1, "", -1},
        {"days", one(CAM + R"("bitrate": 1)", R"("days": 0)"), K::WholeNumber, O::Plan, -1, "days",
         -1},
        {"second_camera_fps",
         R"({"cameras": [{"name": "A", "time_per_day": "1", "bitrate": 1},
                         {"name": "B", "time_per_day": "1", "format": "x", "fps": 0}]})",
         K::FrameRate, O::Camera, 1, "fps", -1},
        {"camera_without_rate", one(CAM.substr(0, CAM.size() - 2)), K::NoRate, O::Camera, 0, "",
         -1},
        {"second_clip_empty", one(CAM + R"("clips": ["a", ""])"), K::EmptyClip, O::Camera, 0,
         "clips", 1},
        {"proxy_format", one(CAM + R"("bitrate": 1)", R"("proxy": {"format": ""})"),
         K::NoFormatName, O::Proxy, -1, "format", -1},
        {"twice_in_the_proxy",
         one(CAM + R"("bitrate": 1)", R"("proxy": {"mbytes": 1, "mbytes": 2})"), K::GivenTwice,
         O::Proxy, -1, "mbytes", -1},
        {"twice_deep_in_a_camera", one(CAM + R"("clips": [{"a": 1, "a": 2}])"), K::GivenTwice,
         O::Camera, 0, "clips", 0},
    }),
    [](const testing::TestParamInfo<FaultPlace> &info) { return std::string(info.param.name); });

} // namespace
