// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanAnswer.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"

#include <cmath>

namespace {

// Whole things that hold `quotient` of them, rounded up; a quotient within
// a billionth of itself above a whole number counts as that number.
double wholeCount(double quotient)
{
    const double down = std::floor(quotient);
    return quotient - down <= 1e-9 * quotient ? down : std::ceil(quotient);
}

bool usableRate(double mbps)
{
    return mbps > 0 && mbps <= kivPlanMaxAnsweredMbps; // NaN is not
}

KivPlanFault rateFault(const KivPlanPlace &place, double mbps)
{
    KivPlanFault fault = kivPlanFault(place, KivPlanFaultKind::RateUnplannable);
    fault.value = mbps;
    fault.highest = kivPlanMaxAnsweredMbps;
    return fault;
}

// A time beyond the longest countable one at `speed`, for `amount` GB.
KivPlanFault beyondTime(const KivPlanPlace &place, KivPlanFaultKind kind, double speed,
                        double amount, KivCardUnits units)
{
    KivPlanFault fault = kivPlanFault(place, kind);
    fault.value = speed;
    fault.amount = amount;
    fault.units = units;
    fault.highest = KIV_LONGEST_SECONDS;
    return fault;
}

} // namespace

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, KivPlanFault &fault)
{
    if (!kivCheckPlan(plan, fault)) {
        return false;
    }
    if (cameraMbps.size() != plan.cameras.size()) {
        fault = kivPlanFault(KivPlanPlace::ofPlan().child(QStringLiteral("cameras")),
                             KivPlanFaultKind::RatesMismatch);
        fault.value = double(cameraMbps.size());
        fault.amount = double(plan.cameras.size());
        return false;
    }
    const KivCardUnits units = plan.units;
    KivPlanAnswer out;
    double footageSeconds = 0; // exact: whole numbers far below 2^53
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const double mbps = cameraMbps[i];
        if (!usableRate(mbps)) {
            fault = rateFault(KivPlanPlace::ofCamera(i), mbps);
            return false;
        }
        KivPlanCameraAnswer c;
        c.mbps = mbps;
        const double bodySeconds = double(camera.secondsPerDay);
        c.gbPerDay = kivGigabytesAt(mbps, double(camera.count) * bodySeconds, units);
        c.gb = double(plan.days) * c.gbPerDay;
        if (plan.cardSize) {
            const double holds = kivSecondsQuotient(*plan.cardSize, mbps, units);
            if (!kivIsCountable(holds)) {
                fault = beyondTime(KivPlanPlace::ofCamera(i), KivPlanFaultKind::CardBeyond, mbps,
                                   *plan.cardSize, units);
                return false;
            }
            c.cardSeconds = static_cast<std::uint32_t>(holds);
            c.cardsPerDay = wholeCount(kivGigabytesAt(mbps, bodySeconds, units) / *plan.cardSize);
        }
        out.gbPerDay += c.gbPerDay;
        footageSeconds += double(camera.count) * bodySeconds * double(plan.days);
        out.cameras << c;
    }
    out.gb = double(plan.days) * out.gbPerDay;
    out.gbWithCopies = double(plan.copies) * out.gb;
    if (plan.proxy) {
        if (!proxyMbps || !usableRate(*proxyMbps)) {
            fault = rateFault(KivPlanPlace::ofProxy(), proxyMbps.value_or(0.0));
            return false;
        }
        out.proxyGb = kivGigabytesAt(*proxyMbps, footageSeconds, units);
    }
    out.totalGb = out.gbWithCopies + out.proxyGb.value_or(0.0);
    if (plan.driveSize) {
        out.drives = double(plan.copies) * wholeCount(out.gb / *plan.driveSize);
    }
    if (plan.offloadMbytesPerSec) {
        const double seconds =
            kivSecondsQuotient(out.gbPerDay, kivMbitsPerSec(*plan.offloadMbytesPerSec), units);
        if (!kivIsCountable(seconds)) {
            fault = beyondTime(KivPlanPlace::ofPlan().child(QStringLiteral("offload_mbyte_s")),
                               KivPlanFaultKind::OffloadBeyond, *plan.offloadMbytesPerSec,
                               out.gbPerDay, units);
            return false;
        }
        out.offloadSeconds = static_cast<std::uint32_t>(seconds);
    }
    answer = std::move(out);
    return true;
}

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error)
{
    return kivPlanWorded(error, [&](KivPlanFault &fault) {
        return kivPlanAnswer(plan, cameraMbps, proxyMbps, answer, fault);
    });
}
