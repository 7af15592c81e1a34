// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The day on set: the cards each camera carries and when the offload ends,
// worked out by hand card by card, and the days refused rather than planned.
#include "calc/KivDisplay.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanFile.h"

#include "PlanTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace plantest;

template <typename Row>
    requires requires(const Row &row) { row.name; }
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

// The example: A (2 bodies, 4 h at 737 Mbit/s) and a drone (30 min at 150) on
// 256 GB cards, 400 MB/s (or `offload`), a 10-hour day; `more` adds members.
std::string example(const std::string &more, const std::string &offload = "400")
{
    return R"({"card_size": 256, "day_length": "10:00:00", "offload_mbyte_s": )" + offload + ", " +
           more +
           R"(, "cameras": [
             {"name": "A", "count": 2, "time_per_day": "4:00:00", "bitrate": 737},
             {"name": "Drone", "time_per_day": "0:30:00", "bitrate": 150}]})";
}

// Two cameras alike, X then Y: 8 Mbit/s all through a one-hour day on 1 GB
// (decimal) cards: a card fills every 1000 s, a full one reads in 400 s at
// 2.5 MB/s, the last (600 s, 0.6 GB) in 240 s.
std::string twins(const std::string &handoff)
{
    return R"({"units": "decimal", "card_size": 1, "offload_mbyte_s": 2.5,
               "day_length": "1:00:00", "handoff": ")" +
           handoff + R"(", "cameras": [
             {"name": "X", "time_per_day": "1:00:00", "bitrate": 8},
             {"name": "Y", "time_per_day": "1:00:00", "bitrate": 8}]})";
}

// A row's answer as "cards a body of each camera | cards to rent | offload
// done | after wrap | offload per day", then "| late" where warned; or the
// refusal.
struct DayRow
{
    const char *name;
    std::string json;
    std::string expected;
};

std::vector<DayRow> dayRows()
{
    const std::string tiny =
        R"({"card_size": 0.001, "offload_mbyte_s": 1000000, "day_length": "24:00:00", )";
    // A card of A holds 2845.5 s, fills in 7113.8 s; 6 a day, the 5 full ones
    // each 262.144 GB = 655.36 s at 400 MB/s, the last (172.4 s of footage)
    // 39.7 s; the drone's one card 84.4 s. The last of A's full cards reach
    // the station at 35569.1 + 900 s; each body's last and the drone's at
    // 36900: 36469.1 + 2 x 655.36 + 2 x 39.7 + 84.4 = 37943.6 s.
    return {
        {"issue_example", example(R"("handoff": "0:15:00")"),
         "2 1 | 5 | 10:32:23 | 00:32:23 | 01:51:57"},
        // Every reading twice as long: 36469.1 + 2 x 1310.72 + 2 x 79.4 + 168.75.
        {"verified", example(R"("handoff": "0:15:00", "verify": true)"),
         "2 1 | 5 | 10:56:58 | 00:56:58 | 03:43:54"},
        // Both bodies' fifth cards at once (36469.1 + 1310.72 = 37779.8), then
        // the last cards: A's on reader 1 from 37779.8 and 37859.3, the
        // drone's on reader 2 from 37779.8 + 79.4 ... 37859.3 + 168.75.
        {"verified_two_readers", example(R"("handoff": "0:15:00", "verify": true, "readers": 2)"),
         "2 1 | 5 | 10:33:47 | 00:33:47 | 03:43:54"},
        // A card away 2 h and read 655 s is not back for the next but one.
        {"hour_handoff", example(R"("handoff": "1:00:00")"),
         "3 1 | 7 | 11:17:23 | 01:17:23 | 01:51:57"},
        // Readers to spare: the fifth cards end at 36469.1 + 655.36 and the
        // last ones, on free readers, by 36900 + 84.4.
        {"more_readers_than_cards", example(R"("handoff": "0:15:00", "readers": 64)"),
         "2 1 | 5 | 10:18:44 | 00:18:44 | 01:51:57"},
        // At 20 MB/s a full card reads in 13107.2 s: the station falls ever
        // further behind and A needs 5 cards a body.
        {"station_cannot_keep_up", example(R"("handoff": "0:15:00")", "20"),
         "5 1 | 11 | 39:32:41 | 29:32:41 | 37:19:07 | late"},
        // X's first card is read 1150-1550 s, Y's waits to 1550-1950 and is
        // back at 2100, after Y's second is filled at 2000: Y carries 3. The
        // last two: 3950-4190, 4190-4430.
        {"ties_in_camera_order", twins("0:02:30"), "2 3 | 5 | 01:13:50 | 00:13:50 | 00:48:00"},
        // With 100 s each way Y's first card is back at exactly 2000 s, the
        // moment Y needs it, and is used again.
        {"card_back_exactly_in_time", twins("0:01:40"), "2 2 | 4 | 01:13:00 | 00:13:00 | 00:48:00"},
        // A day on one card: taken out at the wrap, read from 36000 in 84.4 s;
        // a camera recording nothing carries no card.
        {"day_on_one_card_and_a_spare",
         R"({"card_size": 256, "offload_mbyte_s": 400, "day_length": "10:00:00",
             "cameras": [{"name": "Drone", "time_per_day": "0:30:00", "bitrate": 150},
                         {"name": "Spare", "count": 3, "time_per_day": "0", "bitrate": 150}]})",
         "1 0 | 1 | 10:01:24 | 00:01:24 | 00:01:24"},
        // Days whose work is beyond bounds are refused, not planned for ever:
        // 0.001 GB lasts 0.8192 s at 10 Mbit/s, 105469 cards a day; 10000 s on
        // cards of 8.192 s are 1221 cards a body, of 1000 bodies.
        {"cards_beyond_a_body",
         tiny + R"("cameras": [{"name": "A", "time_per_day": "24:00:00", "bitrate": 10}]})",
         "cameras[0]: fills 105469 cards a day per body; a day is planned for at most 10000"},
        {"cards_beyond_a_day",
         tiny + R"("cameras": [{"name": "A", "count": 1000, "time_per_day": "2:46:40",
                   "bitrate": 1}]})",
         "cameras: 1221000 cards a day in all; a day is planned for at most 1000000"},
    };
}

class PlanDay : public testing::TestWithParam<DayRow>
{
};

TEST_P(PlanDay, ComesToTheFiguresWorkedOutByHand)
{
    const KivPlan plan = read(GetParam().json);
    QList<double> rates;
    for (const KivPlanCamera &camera : plan.cameras) {
        rates << *kivPlanTypedMbps(camera.source);
    }
    KivPlanAnswer answer;
    QString got;
    if (kivPlanAnswer(plan, rates, std::nullopt, answer, got)) {
        ASSERT_TRUE(answer.day);
        const KivPlanDay &day = *answer.day;
        QStringList cards;
        for (const int n : day.cards) {
            cards << QString::number(n);
        }
        got = QStringList{cards.join(u' '), QString::number(day.cardsTotal),
                          kivTimeText(day.offloadDone), kivTimeText(day.afterWrap),
                          kivTimeText(answer.offloadSeconds.value_or(0))}
                  .join(QStringLiteral(" | "));
        if (day.warnings.contains(KivPlanDayWarning::OffloadPastNextDay)) {
            got += QStringLiteral(" | late");
        }
    }
    EXPECT_EQ(got.toStdString(), GetParam().expected);
    // Written and read back, the plan is the same.
    KivPlan again;
    QString error;
    ASSERT_TRUE(kivReadPlan(kivWritePlan(plan), ORIGIN, again, error)) << error.toStdString();
    EXPECT_EQ(again, plan);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanDay, testing::ValuesIn(dayRows()),
                         [](const testing::TestParamInfo<DayRow> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
