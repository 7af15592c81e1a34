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
#include "plan/KivPlanRate.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// Rates above this (a format scaled far beyond any camera, a broken clip) are
// refused, so that every answer stays a finite number.
inline constexpr double kivPlanMaxAnsweredMbps = 1e15;

struct KivPlanCameraAnswer
{
    // Why this camera has no figures (they are then 0 and empty): unfinished
    // (TimeMissing, NoRate), its rate refused or not yet measured, a rate
    // that cannot be planned, a card beyond the longest time.
    std::optional<KivPlanFault> fault;
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
    // With day_length, the day of the cameras answered (KivPlanDay.h); one
    // left out carries no cards.
    std::optional<KivPlanDay> day;
    // The cameras left out of every total (those with a fault), in order:
    // the totals are incomplete while there is one.
    QList<qsizetype> incomplete;
};

// Computes `plan`'s answer from the rates of `rates` (kivPlanRates), camera
// by camera: a camera that is unfinished, whose rate has a fault or cannot be
// planned (above 0 and at most kivPlanMaxAnsweredMbps), or whose card would
// last longer than the longest countable time at its rate (1193046:28:15)
// gets that fault and no figures, and is left out of the totals (named in
// `incomplete`); the other cameras keep theirs. The proxy's footage is that
// of the cameras answered. The plan as a whole is refused, `answer`
// unchanged and `fault` set, where it fails kivCheckPlan, the rates are not
// one per camera, the proxy has no usable rate, a day's offload would take
// longer than the longest countable time, or kivPlanDay refuses the day:
//   offload_mbyte_s: at 0.001 MB/s a day's 1.08e+08 GB take longer than ...
bool kivPlanAnswer(const KivPlan &plan, const KivPlanRates &rates, KivPlanAnswer &answer,
                   KivPlanFault &fault);

// As above, but an answer with a camera left out is refused too, with that
// camera's fault: the whole plan or nothing, as kivfilesize answers.
//   cameras[1]: at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15,
//   the longest time there is
bool kivPlanWholeAnswer(const KivPlan &plan, const KivPlanRates &rates, KivPlanAnswer &answer,
                        KivPlanFault &fault);

// kivPlanWholeAnswer from one rate per camera (`cameraMbps`, in order, audio
// included) and the proxy's; `error` gets the fault's line.
bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, KivPlanFault &fault);
bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error);
