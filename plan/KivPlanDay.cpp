// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanDay.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace {

constexpr qint64 NS = 1000000000;
// An offload ending here or later is longer than the longest countable time;
// below it every sum of a moment and a reading stays within qint64.
constexpr qint64 LATEST = (qint64(KIV_LONGEST_SECONDS) + 1) * NS;

KivPlanPlace offloadPlace()
{
    return KivPlanPlace::ofPlan().child(QStringLiteral("offload_mbyte_s"));
}

KivPlanPlace camerasPlace()
{
    return KivPlanPlace::ofPlan().child(QStringLiteral("cameras"));
}

// One camera's cards a day, per body.
struct Camera
{
    double mbps = 0;
    double seconds = 0; // time per day
    int count = 1;
    qint64 cards = 0; // filled a day
    qint64 full = 0;  // ns to read a full card
    qint64 last = 0;  // ns to read the last, which holds the rest
    qint64 first = 0; // where its bodies' cards start in the list of returns
};

// A camera's card reaching the station, for all its bodies at once.
struct Arrival
{
    qint64 at;
    int camera;
    int card;
    auto operator<=>(const Arrival &) const = default;
};

class Day
{
public:
    explicit Day(const KivPlan &plan) : plan(plan)
    {
        cardMbit = *plan.cardSize * kivMbitPerGb(plan.units);
        length = double(*plan.dayLength);
    }

    // The moment a body of `c` takes its card `k` (k < c.cards), in ns.
    qint64 take(const Camera &c, qint64 k) const
    {
        // Below the day length: k < cards a day, so k x f < the day.
        const double at = double(k) * cardMbit * length / (c.mbps * c.seconds);
        return std::llround(std::clamp(at, 0.0, length) * double(NS));
    }

    // The ns to read `mbit` at the offload speed, or nothing beyond counting.
    std::optional<qint64> reading(double mbit) const
    {
        const double seconds =
            kivPlanPasses(plan) * mbit / kivMbitsPerSec(*plan.offloadMbytesPerSec);
        if (!kivIsCountable(seconds)) {
            return std::nullopt;
        }
        return std::llround(seconds * double(NS));
    }

    bool cameras(const QList<double> &cameraMbps, KivPlanFault &fault)
    {
        qint64 total = 0;
        for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
            Camera c;
            c.mbps = cameraMbps[i];
            c.seconds = double(plan.cameras[i].secondsPerDay.value_or(0));
            c.count = plan.cameras[i].count;
            const double cards =
                kivPlanBodyCards(plan, c.mbps, plan.cameras[i].secondsPerDay.value_or(0));
            if (!(cards <= double(kivPlanDayMaxBodyCards))) {
                fault = kivPlanFault(KivPlanPlace::ofCamera(i), KivPlanFaultKind::BodyCardsBeyond);
                fault.value = cards;
                fault.highest = double(kivPlanDayMaxBodyCards);
                return false;
            }
            c.cards = qint64(cards);
            const double rest = c.mbps * c.seconds - double(c.cards - 1) * cardMbit;
            const std::optional<qint64> full = reading(cardMbit);
            const std::optional<qint64> last = reading(std::clamp(rest, 0.0, cardMbit));
            if (c.cards > 0 && (!last || (c.cards > 1 && !full))) {
                fault = kivPlanBeyondTime(offloadPlace(), KivPlanFaultKind::CardOffloadBeyond,
                                          *plan.offloadMbytesPerSec, *plan.cardSize, plan.units);
                return false;
            }
            c.full = full.value_or(0);
            c.last = last.value_or(0);
            c.first = total;
            total += c.cards * c.count;
            arrivals += c.cards;
            list << c;
        }
        if (total > kivPlanDayMaxCards) {
            fault = kivPlanFault(camerasPlace(), KivPlanFaultKind::DayCardsBeyond);
            fault.value = double(total);
            fault.highest = double(kivPlanDayMaxCards);
            return false;
        }
        cardsInAll = total;
        return true;
    }

    // Runs the station; `returns` gets when each card is back in its body.
    bool station(qint64 *returns, Arrival *queue, qint64 &done, KivPlanFault &fault) const
    {
        const qint64 handoff = qint64(plan.handoffSeconds) * NS;
        const qint64 end = qint64(*plan.dayLength) * NS;
        qint64 n = 0;
        for (int i = 0; i < int(list.size()); ++i) {
            const Camera &c = list[i];
            for (qint64 k = 0; k < c.cards; ++k) {
                queue[n++] = {(k + 1 < c.cards ? take(c, k + 1) : end) + handoff, i, int(k)};
            }
        }
        std::sort(queue, queue + n);
        // (free from, number): the first of the heap is free earliest.
        std::pair<qint64, int> readers[kivPlanMaxReaders];
        const int r = plan.readers;
        for (int i = 0; i < r; ++i) {
            readers[i] = {0, i};
        }
        const auto later = std::greater<>();
        done = 0;
        for (qint64 a = 0; a < n; ++a) {
            const Camera &c = list[queue[a].camera];
            const qint64 card = queue[a].card;
            const qint64 read = card + 1 < c.cards ? c.full : c.last;
            for (int body = 0; body < c.count; ++body) {
                std::pop_heap(readers, readers + r, later);
                const qint64 finish = std::max(readers[r - 1].first, queue[a].at) + read;
                if (finish >= LATEST) {
                    fault = kivPlanBeyondTime(offloadPlace(), KivPlanFaultKind::DayOffloadBeyond,
                                              *plan.offloadMbytesPerSec, 0, plan.units);
                    return false;
                }
                readers[r - 1].first = finish;
                std::push_heap(readers, readers + r, later);
                returns[c.first + body * c.cards + card] = finish + handoff;
                done = std::max(done, finish);
            }
        }
        return true;
    }

    // The most cards a body of `c` has out at once.
    int most(const Camera &c, const qint64 *returns) const
    {
        qint64 most = 0;
        for (int body = 0; body < c.count; ++body) {
            const qint64 *back = returns + c.first + body * c.cards;
            // The full cards come back in the order they went: equal readings
            // started in order. The last, maybe shorter, is never waited for.
            qint64 returned = 0;
            for (qint64 k = 0; k < c.cards; ++k) {
                const qint64 at = take(c, k);
                while (returned < k && back[returned] <= at) {
                    ++returned;
                }
                most = std::max(most, k - returned + 1);
            }
        }
        return int(most);
    }

    const KivPlan &plan;
    double cardMbit = 0;
    double length = 0;
    QList<Camera> list;
    qint64 arrivals = 0;
    qint64 cardsInAll = 0;
};

} // namespace

QString kivPlanDayWarningText(KivPlanDayWarning warning)
{
    switch (warning) {
    case KivPlanDayWarning::OffloadPastNextDay:
        break;
    }
    return QStringLiteral("the offload does not finish before the next day");
}

bool kivPlanDay(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanDay &day,
                KivPlanFault &fault)
{
    if (!kivCheckPlan(plan, fault) || !kivPlanCheckRates(plan, cameraMbps, fault)) {
        return false;
    }
    if (!plan.dayLength) {
        fault = kivPlanFault(KivPlanPlace::ofPlan().child(QStringLiteral("day_length")),
                             KivPlanFaultKind::DayMissing);
        return false;
    }
    Day model(plan);
    if (!model.cameras(cameraMbps, fault)) {
        return false;
    }
    const std::unique_ptr<qint64[]> returns(new (std::nothrow) qint64[model.cardsInAll + 1]);
    const std::unique_ptr<Arrival[]> queue(new (std::nothrow) Arrival[model.arrivals + 1]);
    if (!returns || !queue) {
        fault = kivPlanFault(camerasPlace(), KivPlanFaultKind::DayMemory);
        fault.value = double(model.cardsInAll);
        return false;
    }
    qint64 done = 0;
    if (!model.station(returns.get(), queue.get(), done, fault)) {
        return false;
    }
    KivPlanDay out;
    for (const Camera &c : model.list) {
        out.cards << model.most(c, returns.get());
        out.cardsTotal += qint64(out.cards.constLast()) * c.count;
    }
    out.offloadDone = std::uint32_t(done / NS);
    out.afterWrap = out.offloadDone > *plan.dayLength ? out.offloadDone - *plan.dayLength : 0;
    if (out.offloadDone >= kivPlanMaxSecondsPerDay) {
        out.warnings << KivPlanDayWarning::OffloadPastNextDay;
    }
    day = std::move(out);
    return true;
}

bool kivPlanDay(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanDay &day,
                QString &error)
{
    return kivPlanWorded(
        error, [&](KivPlanFault &fault) { return kivPlanDay(plan, cameraMbps, day, fault); });
}
