// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanWords.h"

#include "calc/KivDisplay.h"

QString KivPlanWords::unit(KivCardUnits units)
{
    return units == KivCardUnits::Gib ? tr("GiB") : tr("GB");
}

QString KivPlanWords::largeUnit(KivCardUnits units)
{
    return units == KivCardUnits::Gib ? tr("TiB") : tr("TB");
}

QString KivPlanWords::header(int column, KivCardUnits units)
{
    const QString gb = unit(units);
    switch (column) {
    case Name:
        return tr("Camera");
    case Count:
        return tr("Count");
    case Time:
        return tr("Time per day");
    case Bitrate:
        return tr("Bitrate");
    case Mbps:
        return tr("Mbit/s per body");
    case GbPerDay:
        return tr("%1 per day").arg(gb);
    case CardsPerDay:
        return tr("Cards per body a day");
    case CardTime:
        return tr("Card time");
    case Gb:
        return gb;
    default:
        return QString();
    }
}

QString KivPlanWords::label(Total total, KivCardUnits units)
{
    const QString gb = unit(units);
    switch (total) {
    case PerDay:
        return tr("%1 per day").arg(gb);
    case Shoot:
        return tr("%1 for the shoot").arg(gb);
    case WithCopies:
        return tr("%1 with copies").arg(gb);
    case Proxy:
        return tr("%1 of proxies").arg(gb);
    case All:
        return tr("%1 in all").arg(gb);
    case Cards:
        return tr("Cards a day, all bodies");
    case Drives:
        return tr("Drives");
    case Offload:
        return tr("Offload per day");
    case Totals:
        break;
    }
    return QString();
}

std::optional<double> KivPlanWords::figure(Total total, const KivPlanAnswer &answer)
{
    switch (total) {
    case PerDay:
        return answer.gbPerDay;
    case Shoot:
        return answer.gb;
    case WithCopies:
        return answer.gbWithCopies;
    case Proxy:
        return answer.proxyGb;
    case All:
        return answer.totalGb;
    case Cards:
        return answer.cardsPerDay;
    case Drives:
        return answer.drives;
    case Offload:
    case Totals:
        break;
    }
    return std::nullopt;
}

QString KivPlanWords::value(Total total, const KivPlanAnswer &answer, const Number &number)
{
    if (total == Offload) {
        return answer.offloadSeconds ? kivTimeText(*answer.offloadSeconds) : QString();
    }
    const std::optional<double> x = figure(total, answer);
    return x ? number(*x) : QString();
}

QString KivPlanWords::large(Total total, const KivPlanAnswer &answer, KivCardUnits units,
                            const Number &number)
{
    const std::optional<double> gb = total <= All ? figure(total, answer) : std::nullopt;
    if (!gb || *gb < 1000) {
        return QString();
    }
    return tr("%1 %2").arg(number(*gb / kivCardUnit(units).gbPerLarge), largeUnit(units));
}
