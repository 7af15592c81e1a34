// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan's rules kept once, for the reader, the check and the words: each
// figure's limits and the members each object has.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanFault.h"

#include <QList>

#include <cstdint>
#include <initializer_list>

// The limits of one figure; a whole one is held in an int.
struct KivPlanLimit
{
    double lowest;
    double highest;
    bool whole;
};

inline constexpr KivPlanLimit kivPlanDaysLimit{1, kivPlanMaxDays, true};
inline constexpr KivPlanLimit kivPlanCopiesLimit{1, kivPlanMaxCopies, true};
inline constexpr KivPlanLimit kivPlanCountLimit{1, kivPlanMaxCount, true};
inline constexpr KivPlanLimit kivPlanSizeLimit{kivPlanMinSize, kivPlanMaxSize, false};
inline constexpr KivPlanLimit kivPlanOffloadLimit{kivPlanMinOffload, kivPlanMaxOffload, false};
inline constexpr KivPlanLimit kivPlanBitrateLimit{kivPlanMinMbps, kivPlanMaxMbps, false};
inline constexpr KivPlanLimit kivPlanReadersLimit{1, kivPlanMaxReaders, true};
// MB/s are an eighth of the bitrate's limits.
KivPlanLimit kivPlanMbytesLimit();

// The fault of a figure outside `limit` (or of the wrong type) at `place`.
KivPlanFault kivPlanLimitFault(const KivPlanPlace &place, const KivPlanLimit &limit);

// A fault of `kind` at `place`, its values to be filled in.
KivPlanFault kivPlanFault(const KivPlanPlace &place, KivPlanFaultKind kind);

// The second form of a function that gives a fault: its English line.
template <typename Call> bool kivPlanWorded(QString &error, Call call)
{
    KivPlanFault fault;
    if (!call(fault)) {
        error = kivPlanFaultText(fault);
        return false;
    }
    return true;
}

using KivPlanKeys = std::initializer_list<const char *>;
// The members of a plan, in the order its words list them. A member added
// here is read (KivPlanRead.cpp) and listed when an unknown one is refused.
inline constexpr KivPlanKeys kivPlanKeys = {
    "units",           "days",       "copies",  "card_size", "drive_size",
    "offload_mbyte_s", "day_length", "handoff", "readers",   "verify",
    "proxy",           "cameras",    "title"};
inline constexpr KivPlanKeys kivPlanSourceKeys = {"bitrate", "mbytes", "format", "clips"};
inline constexpr KivPlanKeys kivPlanFormatKeys = {"frame", "fps"};
inline constexpr KivPlanKeys kivPlanCameraKeys = {"name", "count", "time_per_day"};

// Whole things that hold `quotient` of them, rounded up; a quotient within a
// billionth of itself above a whole number counts as that number.
double kivPlanWholeCount(double quotient);
// The cards one body fills in `seconds` at `mbps` (the plan has a card size).
double kivPlanBodyCards(const KivPlan &plan, double mbps, std::uint32_t seconds);
// How many times each card is read at the offload: twice to verify it.
double kivPlanPasses(const KivPlan &plan);

// Whether a camera's rate can be planned: above 0, at most
// kivPlanMaxAnsweredMbps; and the refusal of one that cannot, at `place`.
bool kivPlanUsableRate(double mbps);
KivPlanFault kivPlanRateFault(const KivPlanPlace &place, double mbps);
// Whether `cameraMbps` holds one usable rate for each camera of `plan`; the
// first fault in `fault`.
bool kivPlanCheckRates(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanFault &fault);
// A time beyond the longest countable one at `speed` for `amount` (kind
// CardBeyond, OffloadBeyond, CardOffloadBeyond, DayOffloadBeyond).
KivPlanFault kivPlanBeyondTime(const KivPlanPlace &place, KivPlanFaultKind kind, double speed,
                               double amount, KivCardUnits units);
