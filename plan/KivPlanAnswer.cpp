// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanAnswer.h"

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

QString rateFault(const QString &place, double mbps)
{
    return place + QStringLiteral(": a rate of %1 Mbit/s cannot be planned; it must be above 0 "
                                  "and at most %2")
                       .arg(kivNumberText(mbps), kivNumberText(kivPlanMaxAnsweredMbps));
}

// "at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15, ..."
QString beyondTime(const QString &speed, const QString &what)
{
    return QStringLiteral("at %1 %2 longer than %3, the longest time there is")
        .arg(speed, what, kivTimeText(KIV_LONGEST_SECONDS));
}

} // namespace

bool kivPlanAnswer(const KivPlan &plan, const QList<double> &cameraMbps,
                   std::optional<double> proxyMbps, KivPlanAnswer &answer, QString &error)
{
    if (!kivCheckPlan(plan, error)) {
        return false;
    }
    if (cameraMbps.size() != plan.cameras.size()) {
        error = QStringLiteral("cameras: %1 rates for %2 cameras")
                    .arg(cameraMbps.size())
                    .arg(plan.cameras.size());
        return false;
    }
    const KivCardUnits units = plan.units;
    const QString unit = QLatin1String(kivCardUnit(units).label);
    KivPlanAnswer out;
    double footageSeconds = 0; // exact: whole numbers far below 2^53
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const double mbps = cameraMbps[i];
        if (!usableRate(mbps)) {
            error = rateFault(kivPlanCameraPlace(i), mbps);
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
                error = kivPlanCameraPlace(i) + QLatin1String(": ") +
                        beyondTime(kivNumberText(mbps) + QLatin1String(" Mbit/s"),
                                   QStringLiteral("a %1 %2 card lasts")
                                       .arg(kivNumberText(*plan.cardSize), unit));
                return false;
            }
            c.cardSeconds = static_cast<std::uint32_t>(holds);
            c.cardsPerDay = wholeCount(kivGigabytesAt(mbps, bodySeconds, units) / *plan.cardSize);
            out.cardsPerDay = out.cardsPerDay.value_or(0.0) + double(camera.count) * *c.cardsPerDay;
        }
        out.gbPerDay += c.gbPerDay;
        footageSeconds += double(camera.count) * bodySeconds * double(plan.days);
        out.cameras << c;
    }
    out.gb = double(plan.days) * out.gbPerDay;
    out.gbWithCopies = double(plan.copies) * out.gb;
    if (plan.proxy) {
        if (!proxyMbps || !usableRate(*proxyMbps)) {
            error = rateFault(kivPlanProxyPlace(), proxyMbps.value_or(0.0));
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
            error =
                QStringLiteral("offload_mbyte_s: ") +
                beyondTime(
                    kivNumberText(*plan.offloadMbytesPerSec) + QLatin1String(" MB/s"),
                    QStringLiteral("a day's %1 %2 take").arg(kivNumberText(out.gbPerDay), unit));
            return false;
        }
        out.offloadSeconds = static_cast<std::uint32_t>(seconds);
    }
    answer = std::move(out);
    return true;
}
