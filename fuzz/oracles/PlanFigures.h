// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A plan's answer judged against the rules worked again in long double, from
// the plan's raw figures: GB = Mbit/s x seconds / Mbit per GB (8192, 8000 or
// 2^33 / 10^6 by the units' name), cards and drives the quotient rounded up,
// times the quotient truncated. Where the exact quotient lies within a
// millionth of a whole number, either neighbour is right; nothing else is.
// The day on set, which no long-double rule works again, is held to what
// must be true of any such day.
#pragma once

#include "FuzzSupport.h"

#include "plan/KivPlanAnswer.h"

#include <cmath>
#include <cstring>

namespace oracle {

inline long double mbitPerGb(const char *unitsName)
{
    if (std::strcmp(unitsName, "decimal") == 0) {
        return 8000.0L;
    }
    if (std::strcmp(unitsName, "gib") == 0) {
        return 1073741824.0L * 8.0L / 1e6L;
    }
    return 8192.0L;
}

inline bool near(long double got, long double want)
{
    return std::fabs(got - want) <= 1e-9L * std::fabs(want) + 1e-300L;
}

// Whether `count` is a right whole count of things for `quotient`: its
// ceiling, or near a whole number, either neighbour.
inline bool wholeCountOf(long double count, long double quotient)
{
    const long double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 1e-6L * quotient) {
        return count == nearest || count == std::ceil(quotient) || count == std::floor(quotient);
    }
    return count == std::ceil(quotient);
}

// Whether `seconds` is the truncated `quotient`, with the same allowance.
inline bool truncatedOf(long double seconds, long double quotient)
{
    const long double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 1e-6L * quotient + 1e-6L) {
        return seconds == nearest || seconds == nearest - 1;
    }
    return seconds == std::floor(quotient);
}

// Checks `answer` (or the refusal, when `answered` is false) against the
// plan and the rates it was computed from.
inline void checkPlanAnswer(const KivPlan &plan, const QList<double> &rates,
                            std::optional<double> proxy, bool answered, const KivPlanAnswer &answer)
{
    const long double m = mbitPerGb(kivCardUnit(plan.units).name);
    const long double longest = 4294967296.0L; // seconds a count cannot reach
    bool beyond = false;                       // a card or an offload past the count
    bool edge = false;                         // exactly at its edge: either way
    long double perDay = 0, footage = 0;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const long double rate = rates[i];
        const long double day = camera.secondsPerDay.value_or(0);
        const long double seconds = (long double)camera.count * day;
        perDay += rate * seconds / m;
        footage += seconds * plan.days;
        if (plan.cardSize) {
            const long double holds = (long double)*plan.cardSize * m / rate;
            beyond = beyond || holds >= longest;
            edge = edge || std::fabs(holds - longest) <= 1e-6L * longest;
            if (answered) {
                const KivPlanCameraAnswer &c = answer.cameras[i];
                FUZZ_CHECK(c.cardSeconds && truncatedOf(*c.cardSeconds, holds));
                FUZZ_CHECK(
                    c.cardsPerDay &&
                    wholeCountOf(*c.cardsPerDay, rate * day / m / (long double)*plan.cardSize));
            }
        }
        if (answered) {
            const KivPlanCameraAnswer &c = answer.cameras[i];
            FUZZ_CHECK(c.mbps == rates[i]);
            FUZZ_CHECK(near(c.gbPerDay, rate * seconds / m));
            FUZZ_CHECK(near(c.gb, rate * seconds / m * plan.days));
            FUZZ_CHECK(c.cardsPerDay.has_value() == plan.cardSize.has_value());
        }
    }
    if (plan.offloadMbytesPerSec) {
        const long double seconds =
            perDay * m / ((long double)*plan.offloadMbytesPerSec * 8) * (plan.verify ? 2 : 1);
        beyond = beyond || seconds >= longest;
        edge = edge || std::fabs(seconds - longest) <= 1e-6L * longest;
        if (answered && !beyond) {
            FUZZ_CHECK(answer.offloadSeconds && truncatedOf(*answer.offloadSeconds, seconds));
        }
    }
    // A day beyond its bounds is refused too.
    FUZZ_CHECK(edge || answered == !beyond || (!answered && plan.dayLength));
    if (!answered) {
        return;
    }
    FUZZ_CHECK(answer.day.has_value() == plan.dayLength.has_value());
    if (answer.day) {
        const KivPlanDay &day = *answer.day;
        FUZZ_CHECK(day.cards.size() == plan.cameras.size());
        long long total = 0;
        bool recorded = false;
        for (qsizetype i = 0; i < day.cards.size(); ++i) {
            // A body never has out more cards than it fills, and one at least.
            const double filled = *answer.cameras[i].cardsPerDay;
            FUZZ_CHECK(day.cards[i] <= filled && (day.cards[i] >= 1) == (filled >= 1));
            total += (long long)day.cards[i] * plan.cameras[i].count;
            recorded = recorded || filled >= 1;
        }
        FUZZ_CHECK(day.cardsTotal == total);
        // The last cards leave at the wrap and travel before they are read.
        FUZZ_CHECK(!recorded || day.offloadDone >= *plan.dayLength + plan.handoffSeconds);
        FUZZ_CHECK(day.afterWrap ==
                   (day.offloadDone > *plan.dayLength ? day.offloadDone - *plan.dayLength : 0));
        FUZZ_CHECK(day.warnings.isEmpty() == (day.offloadDone < 24 * 3600));
    }
    const long double shoot = perDay * plan.days;
    FUZZ_CHECK(near(answer.gbPerDay, perDay) && near(answer.gb, shoot));
    FUZZ_CHECK(near(answer.gbWithCopies, shoot * plan.copies));
    const long double proxyGb = proxy && plan.proxy ? *proxy * footage / m : 0;
    FUZZ_CHECK(answer.proxyGb.has_value() == plan.proxy.has_value());
    FUZZ_CHECK(!answer.proxyGb || near(*answer.proxyGb, proxyGb));
    FUZZ_CHECK(near(answer.totalGb, shoot * plan.copies + proxyGb));
    FUZZ_CHECK(answer.drives.has_value() == plan.driveSize.has_value());
    if (plan.driveSize) {
        const long double perCopy = *answer.drives / plan.copies;
        FUZZ_CHECK(perCopy == std::floor(perCopy));
        FUZZ_CHECK(wholeCountOf(perCopy, shoot / (long double)*plan.driveSize));
    }
    FUZZ_CHECK(answer.offloadSeconds.has_value() == plan.offloadMbytesPerSec.has_value());
}

} // namespace oracle
