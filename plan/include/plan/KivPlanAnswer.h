// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What a plan comes to, computed from each camera's Mbit/s with the
// calculator's arithmetic: GB = Mbit/s x seconds / Mbit per GB of the plan's
// units (kivGigabytesAt). The command line and the planner window both show
// these figures, so they agree.
//
//   per camera   its rate; GB per day of all its bodies (count x rate x
//                time per day); with a card size, the time one card holds
//                at the rate and the cards each body fills a day; GB for
//                the shoot (days x GB per day)
//   totals       GB per day (the cameras' sum); GB for the shoot (days x
//                GB per day); with copies (copies x GB); the proxy's GB (its
//                rate over all footage, the sum of count x time per day x
//                days, made once and not copied); the total (with copies +
//                proxy); with a card size, the cards all bodies fill a
//                day (count x cards per body); with a drive size, the drives (copies x whole
//                drives for the shoot's GB: each copy on drives of its own;
//                the proxy, made once for the editor, is not on them); with
//                an offload speed, the time a day's camera GB takes to read
//                once at it (the copies are written at once, in parallel;
//                the proxy is made later; twice as long with verify)
//   the day      with a day length, the cards each camera carries and when
//                the offload ends (KivPlanDay.h)
//
// Whole counts (cards, drives) are rounded up, except that a quotient within
// a billionth of itself above a whole number counts as that number: a day
// that fills two cards exactly needs two, whatever the last bit of its GB.
// No time per day fills no card (0 cards), and no footage needs no drive.
// Times are truncated to whole seconds, as the calculator shows them. MB/s
// are of 10^6 bytes (8 Mbit/s), as --mbytes counts them, so the offload time
// is the same in every unit.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanDay.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// Rates above this (a format scaled far beyond any camera, a broken clip) are
// refused, so that every answer stays a finite number.
inline constexpr double kivPlanMaxAnsweredMbps = 1e15;

struct KivPlanCameraAnswer
{
    double mbps = 0;                          // one body, audio included
    double gbPerDay = 0;                      // all bodies
    double gb = 0;                            // all bodies, the whole shoot
    std::optional<double> cardsPerDay;        // per body; with card_size
    std::optional<std::uint32_t> cardSeconds; // one card's recording time; with card_size
};

struct KivPlanAnswer
{
    QList<KivPlanCameraAnswer> cameras; // in the plan's order
    double gbPerDay = 0;
    double gb = 0;
    double gbWithCopies = 0;
    std::optional<double> proxyGb; // with a proxy
    double totalGb = 0;
    std::optional<double> cardsPerDay;           // all bodies' cards; with card_size
    std::optional<double> drives;                // with drive_size
    std::optional<std::uint32_t> offloadSeconds; // with offload_mbyte_s
    std::optional<KivPlanDay> day;               // with day_length
};

// Computes `plan`'s answer from `cameraMbps` (one rate per camera, in order,
// audio included) and `proxyMbps` (needed where the plan has a proxy). The
// plan must pass kivCheckPlan and every rate be above 0 and at most
// kivPlanMaxAnsweredMbps. A card that lasts longer than the longest countable
// time at a camera's rate (1193046:28:15) and an offload as long are refused
// too: the plan asks for a card or a speed beyond use; so is a day that
// kivPlanDay refuses. On a refusal returns false, `answer` unchanged, and
// `fault` set (or `error` to its line):
//   cameras[1]: at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15,
//   the longest time there is
bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, KivPlanFault &fault);
bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error);
