// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan's rules kept once, for the reader, the check and the words: each
// figure's limits and the members each object has.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanFault.h"

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
    "units", "days", "copies", "card_size", "drive_size", "offload_mbyte_s", "proxy", "cameras"};
inline constexpr KivPlanKeys kivPlanSourceKeys = {"bitrate", "mbytes", "format", "clips"};
inline constexpr KivPlanKeys kivPlanFormatKeys = {"frame", "fps"};
inline constexpr KivPlanKeys kivPlanCameraKeys = {"name", "count", "time_per_day"};
