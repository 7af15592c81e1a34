// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanAnswer.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"

#include <cmath>

double kivPlanWholeCount(double quotient)
{
    const double down = std::floor(quotient);
    return quotient - down <= 1e-9 * quotient ? down : std::ceil(quotient);
}

double kivPlanBodyCards(const KivPlan &plan, double mbps, std::uint32_t seconds)
{
    return kivPlanWholeCount(kivGigabytesAt(mbps, double(seconds), plan.units) /
                             plan.cardSize.value_or(1.0));
}

bool kivPlanUsableRate(double mbps)
{
    return mbps > 0 && mbps <= kivPlanMaxAnsweredMbps; // NaN is not
}

KivPlanFault kivPlanRateFault(const KivPlanPlace &place, double mbps)
{
    KivPlanFault fault = kivPlanFault(place, KivPlanFaultKind::RateUnplannable);
    fault.value = mbps;
    fault.highest = kivPlanMaxAnsweredMbps;
    return fault;
}

bool kivPlanCheckRates(const KivPlan &plan, const QList<double> &cameraMbps, KivPlanFault &fault)
{
    if (cameraMbps.size() != plan.cameras.size()) {
        fault = kivPlanFault(KivPlanPlace::ofPlan().child(QStringLiteral("cameras")),
                             KivPlanFaultKind::RatesMismatch);
        fault.value = double(cameraMbps.size());
        fault.amount = double(plan.cameras.size());
        return false;
    }
    for (qsizetype i = 0; i < cameraMbps.size(); ++i) {
        if (!kivPlanUsableRate(cameraMbps[i])) {
            fault = kivPlanRateFault(KivPlanPlace::ofCamera(i), cameraMbps[i]);
            return false;
        }
    }
    return true;
}

double kivPlanPasses(const KivPlan &plan)
{
    return plan.verify ? 2.0 : 1.0;
}

KivPlanFault kivPlanBeyondTime(const KivPlanPlace &place, KivPlanFaultKind kind, double speed,
                               double amount, KivCardUnits units)
{
    KivPlanFault fault = kivPlanFault(place, kind);
    fault.value = speed;
    fault.amount = amount;
    fault.units = units;
    fault.highest = KIV_LONGEST_SECONDS;
    return fault;
}

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, KivPlanFault &fault)
{
    if (!kivCheckPlan(plan, fault) || !kivPlanCheckRates(plan, cameraMbps, fault)) {
        return false;
    }
    const KivCardUnits units = plan.units;
    KivPlanAnswer out;
    double footageSeconds = 0; // exact: whole numbers far below 2^53
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const double mbps = cameraMbps[i];
        KivPlanCameraAnswer c;
        c.mbps = mbps;
        const double bodySeconds = double(camera.secondsPerDay);
        c.gbPerDay = kivGigabytesAt(mbps, double(camera.count) * bodySeconds, units);
        c.gb = double(plan.days) * c.gbPerDay;
        if (plan.cardSize) {
            const double holds = kivSecondsQuotient(*plan.cardSize, mbps, units);
            if (!kivIsCountable(holds)) {
                fault = kivPlanBeyondTime(KivPlanPlace::ofCamera(i), KivPlanFaultKind::CardBeyond,
                                          mbps, *plan.cardSize, units);
                return false;
            }
            c.cardSeconds = static_cast<std::uint32_t>(holds);
            c.cardsPerDay = kivPlanBodyCards(plan, mbps, camera.secondsPerDay);
            out.cardsPerDay = out.cardsPerDay.value_or(0.0) + double(camera.count) * *c.cardsPerDay;
        }
        out.gbPerDay += c.gbPerDay;
        footageSeconds += double(camera.count) * bodySeconds * double(plan.days);
        out.cameras << c;
    }
    out.gb = double(plan.days) * out.gbPerDay;
    out.gbWithCopies = double(plan.copies) * out.gb;
    if (plan.proxy) {
        if (!proxyMbps || !kivPlanUsableRate(*proxyMbps)) {
            fault = kivPlanRateFault(KivPlanPlace::ofProxy(), proxyMbps.value_or(0.0));
            return false;
        }
        out.proxyGb = kivGigabytesAt(*proxyMbps, footageSeconds, units);
    }
    out.totalGb = out.gbWithCopies + out.proxyGb.value_or(0.0);
    if (plan.driveSize) {
        out.drives = double(plan.copies) * kivPlanWholeCount(out.gb / *plan.driveSize);
    }
    if (plan.offloadMbytesPerSec) {
        const double seconds =
            kivPlanPasses(plan) *
            kivSecondsQuotient(out.gbPerDay, kivMbitsPerSec(*plan.offloadMbytesPerSec), units);
        if (!kivIsCountable(seconds)) {
            fault = kivPlanBeyondTime(
                KivPlanPlace::ofPlan().child(QStringLiteral("offload_mbyte_s")),
                KivPlanFaultKind::OffloadBeyond, *plan.offloadMbytesPerSec, out.gbPerDay, units);
            return false;
        }
        out.offloadSeconds = static_cast<std::uint32_t>(seconds);
    }
    if (plan.dayLength && !kivPlanDay(plan, cameraMbps, out.day.emplace(), fault)) {
        return false;
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
