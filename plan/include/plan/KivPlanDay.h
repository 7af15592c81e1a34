// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The day on set: how many cards each camera carries so that it never waits
// for one still away at the offload station, and when the station has read
// the last card. Planned for a plan with a day length (KivPlan::dayLength);
// kivPlanAnswer puts it in KivPlanAnswer::day, for the command line and the
// planner window alike. Every day is the same.
//
// Each body of a camera (a camera of count 3 is three bodies) records its
// time per day spread evenly over the day. A card holds c seconds at the
// camera's rate (as the card time); it fills in f = c x day_length /
// time_per_day of the day; the day fills n cards (as the cards a day). Card
// k (1 <= k < n) is full at k x f; the last, holding the rest, is taken out
// at day_length. A card reaches the station `handoff` after it is taken out.
// The station takes cards first come, first served, at equal moments in the
// plan's order of the cameras, then by body; each goes to the reader free
// earliest (the lowest-numbered on a tie) and is read for its bytes at
// offload_mbyte_s (MB of 10^6 bytes), twice over with verify. It is back in
// its camera `handoff` after its offload ends. A body takes a card at 0 and
// at each k x f; a card back by that moment, or at it, is used again.
//
//   cards        per camera, the most cards any of its bodies has out at
//                once; each body of the camera carries that many. A camera
//                recording nothing carries none and sends none.
//   cardsTotal   the sum over the cameras of cards x count
//   offloadDone  when the last offload ends, from the day's start; may pass
//                24:00:00
//   afterWrap    offloadDone - day_length, 0 when earlier
//   warnings     OffloadPastNextDay when offloadDone is 24:00:00 or more
//
// Moments are counted in whole nanoseconds (rounded), so that moments equal
// by hand are equal here; times are shown truncated to whole seconds.
// The work is bounded: a body filling more than kivPlanDayMaxBodyCards a
// day, or a day of more than kivPlanDayMaxCards cards in all, is refused, as
// is an offload that ends later than the longest countable time.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanFault.h"

#include <QList>
#include <QString>

#include <cstdint>

inline constexpr qint64 kivPlanDayMaxBodyCards = 10000;
inline constexpr qint64 kivPlanDayMaxCards = 1000000;

enum class KivPlanDayWarning
{
    OffloadPastNextDay, // the offload does not finish before the next day
};

struct KivPlanDay
{
    QList<int> cards; // per camera, in the plan's order; per body
    qint64 cardsTotal = 0;
    std::uint32_t offloadDone = 0; // seconds from the day's start
    std::uint32_t afterWrap = 0;   // seconds after day_length
    QList<KivPlanDayWarning> warnings;
};

// The warning in English words, for the command line: "the offload does not
// finish before the next day".
QString kivPlanDayWarningText(KivPlanDayWarning warning);

// Plans the day of `plan` (with a day length) from `cameraMbps` (one rate per
// camera, in order, audio included, as kivPlanAnswer takes them). The plan
// must pass kivCheckPlan. On a refusal returns false, `day` unchanged, and
// `fault` set (or `error` to its line, naming the place):
//   cameras[0]: fills 20000 cards a day per body; a day is planned for at most 10000
bool kivPlanDay(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanDay &day,
                KivPlanFault &fault);
bool kivPlanDay(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanDay &day,
                QString &error);
