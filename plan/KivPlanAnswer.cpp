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

QString kivPlanRateFault(const QString &place, double mbps)
{
    return place + QStringLiteral(": a rate of %1 Mbit/s cannot be planned; it must be above 0 "
                                  "and at most %2")
                       .arg(kivNumberText(mbps), kivNumberText(kivPlanMaxAnsweredMbps));
}

bool kivPlanCheckRates(const KivPlan &plan, const QList<double> &cameraMbps, QString &error)
{
    if (cameraMbps.size() != plan.cameras.size()) {
        error = QStringLiteral("cameras: %1 rates for %2 cameras")
                    .arg(cameraMbps.size())
                    .arg(plan.cameras.size());
        return false;
    }
    for (qsizetype i = 0; i < cameraMbps.size(); ++i) {
        if (!kivPlanUsableRate(cameraMbps[i])) {
            error = kivPlanRateFault(kivPlanCameraPlace(i), cameraMbps[i]);
            return false;
        }
    }
    return true;
}

double kivPlanPasses(const KivPlan &plan)
{
    return plan.verify ? 2.0 : 1.0;
}

QString kivPlanBeyondTime(const QString &speed, const QString &what)
{
    return QStringLiteral("at %1 %2 longer than %3, the longest time there is")
        .arg(speed, what, kivTimeText(KIV_LONGEST_SECONDS));
}

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error)
{
    if (!kivCheckPlan(plan, error) || !kivPlanCheckRates(plan, cameraMbps, error)) {
        return false;
    }
    const KivCardUnits units = plan.units;
    const QString unit = QLatin1String(kivCardUnit(units).label);
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
                error = kivPlanCameraPlace(i) + QLatin1String(": ") +
                        kivPlanBeyondTime(kivNumberText(mbps) + QLatin1String(" Mbit/s"),
                                          QStringLiteral("a %1 %2 card lasts")
                                              .arg(kivNumberText(*plan.cardSize), unit));
                return false;
            }
            c.cardSeconds = static_cast<std::uint32_t>(holds);
            c.cardsPerDay = kivPlanBodyCards(plan, mbps, camera.secondsPerDay);
        }
        out.gbPerDay += c.gbPerDay;
        footageSeconds += double(camera.count) * bodySeconds * double(plan.days);
        out.cameras << c;
    }
    out.gb = double(plan.days) * out.gbPerDay;
    out.gbWithCopies = double(plan.copies) * out.gb;
    if (plan.proxy) {
        if (!proxyMbps || !kivPlanUsableRate(*proxyMbps)) {
            error = kivPlanRateFault(kivPlanProxyPlace(), proxyMbps.value_or(0.0));
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
            error =
                QStringLiteral("offload_mbyte_s: ") +
                kivPlanBeyondTime(
                    kivNumberText(*plan.offloadMbytesPerSec) + QLatin1String(" MB/s"),
                    QStringLiteral("a day's %1 %2 take").arg(kivNumberText(out.gbPerDay), unit));
            return false;
        }
        out.offloadSeconds = static_cast<std::uint32_t>(seconds);
    }
    if (plan.dayLength && !kivPlanDay(plan, cameraMbps, out.day.emplace(), error)) {
        return false;
    }
    answer = std::move(out);
    return true;
}
