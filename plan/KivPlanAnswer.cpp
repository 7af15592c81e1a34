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

namespace {

// One camera's figures at its rate; a fault where it has none.
KivPlanCameraAnswer cameraAnswer(const KivPlan &plan, qsizetype i, const KivPlanRate &rate)
{
    KivPlanCameraAnswer c;
    const KivPlanCamera &camera = plan.cameras[i];
    const KivPlanPlace place = KivPlanPlace::ofCamera(i);
    KivPlanFault fault;
    if (!kivPlanCameraFinished(plan, i, fault)) {
        c.fault = fault;
        return c;
    }
    if (!rate.mbps) {
        c.fault = rate.fault.value_or(kivPlanFault(place, KivPlanFaultKind::NoRate));
        return c;
    }
    const double mbps = *rate.mbps;
    if (!kivPlanUsableRate(mbps)) {
        c.fault = kivPlanRateFault(place, mbps);
        return c;
    }
    const KivCardUnits units = plan.units;
    c.mbps = mbps;
    const double bodySeconds = double(*camera.secondsPerDay);
    c.gbPerDay = kivGigabytesAt(mbps, double(camera.count) * bodySeconds, units);
    c.gb = double(plan.days) * c.gbPerDay;
    if (plan.cardSize) {
        const double holds = kivSecondsQuotient(*plan.cardSize, mbps, units);
        if (!kivIsCountable(holds)) {
            c.fault =
                kivPlanBeyondTime(place, KivPlanFaultKind::CardBeyond, mbps, *plan.cardSize, units);
            c.gbPerDay = c.gb = 0;
            return c;
        }
        c.cardSeconds = static_cast<std::uint32_t>(holds);
        c.cardsPerDay = kivPlanBodyCards(plan, mbps, *camera.secondsPerDay);
    }
    return c;
}

// The day of the cameras answered; a camera left out carries no cards.
bool answerDay(const KivPlan &plan, KivPlanAnswer &out, KivPlanFault &fault)
{
    KivPlan answered = plan;
    answered.cameras.clear();
    QList<double> mbps;
    QList<qsizetype> rows;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        if (!out.cameras[i].fault) {
            answered.cameras << plan.cameras[i];
            mbps << out.cameras[i].mbps;
            rows << i;
        }
    }
    KivPlanDay day;
    if (!answered.cameras.isEmpty() && !kivPlanDay(answered, mbps, day, fault)) {
        if (fault.place.object == KivPlanPlace::Object::Camera) {
            fault.place = KivPlanPlace::ofCamera(rows[fault.place.camera]);
        }
        return false;
    }
    QList<int> cards(plan.cameras.size(), 0);
    for (qsizetype j = 0; j < rows.size(); ++j) {
        cards[rows[j]] = day.cards.value(j);
    }
    day.cards = cards;
    out.day = std::move(day);
    return true;
}

} // namespace

bool kivPlanAnswer(const KivPlan &plan, const KivPlanRates &rates, KivPlanAnswer &answer,
                   KivPlanFault &fault)
{
    if (!kivCheckPlan(plan, fault)) {
        return false;
    }
    if (rates.cameras.size() != plan.cameras.size()) {
        fault = kivPlanFault(KivPlanPlace::ofPlan().child(QStringLiteral("cameras")),
                             KivPlanFaultKind::RatesMismatch);
        fault.value = double(rates.cameras.size());
        fault.amount = double(plan.cameras.size());
        return false;
    }
    const KivCardUnits units = plan.units;
    KivPlanAnswer out;
    double footageSeconds = 0; // exact: whole numbers far below 2^53
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCameraAnswer c = cameraAnswer(plan, i, rates.cameras[i]);
        if (c.fault) {
            out.incomplete << i;
        } else {
            const KivPlanCamera &camera = plan.cameras[i];
            out.gbPerDay += c.gbPerDay;
            footageSeconds +=
                double(camera.count) * double(*camera.secondsPerDay) * double(plan.days);
            if (c.cardsPerDay) {
                out.cardsPerDay =
                    out.cardsPerDay.value_or(0.0) + double(camera.count) * *c.cardsPerDay;
            }
        }
        out.cameras << c;
    }
    out.gb = double(plan.days) * out.gbPerDay;
    out.gbWithCopies = double(plan.copies) * out.gb;
    if (plan.proxy) {
        const KivPlanRate proxy = rates.proxy.value_or(KivPlanRate());
        if (proxy.fault) {
            fault = *proxy.fault;
            return false;
        }
        if (!proxy.mbps || !kivPlanUsableRate(*proxy.mbps)) {
            fault = kivPlanRateFault(KivPlanPlace::ofProxy(), proxy.mbps.value_or(0.0));
            return false;
        }
        out.proxyGb = kivGigabytesAt(*proxy.mbps, footageSeconds, units);
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
    if (plan.dayLength && !answerDay(plan, out, fault)) {
        return false;
    }
    answer = std::move(out);
    return true;
}

bool kivPlanWholeAnswer(const KivPlan &plan, const KivPlanRates &rates, KivPlanAnswer &answer,
                        KivPlanFault &fault)
{
    KivPlanAnswer out;
    if (!kivPlanAnswer(plan, rates, out, fault)) {
        return false;
    }
    if (!out.incomplete.isEmpty()) {
        fault = *out.cameras[out.incomplete.first()].fault;
        return false;
    }
    answer = std::move(out);
    return true;
}

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, KivPlanFault &fault)
{
    KivPlanRates rates;
    for (const double mbps : cameraMbps) {
        rates.cameras << KivPlanRate{mbps, 0, std::nullopt, std::nullopt};
    }
    if (plan.proxy) {
        rates.proxy = KivPlanRate{proxyMbps, 0, std::nullopt, std::nullopt};
    }
    return kivPlanWholeAnswer(plan, rates, answer, fault);
}

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error)
{
    return kivPlanWorded(error, [&](KivPlanFault &fault) {
        return kivPlanAnswer(plan, cameraMbps, proxyMbps, answer, fault);
    });
}
