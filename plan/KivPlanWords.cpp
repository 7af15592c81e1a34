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
    case DayCards:
        return tr("Cards per body");
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
    case CardsToRent:
        return tr("Cards to rent");
    case OffloadDone:
        return tr("Offload done");
    case DayWarning:
        return tr("Warning");
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
    case CardsToRent:
        return answer.day ? std::optional<double>(double(answer.day->cardsTotal)) : std::nullopt;
    case Offload:
    case OffloadDone:
    case DayWarning:
    case Totals:
        break;
    }
    return std::nullopt;
}

QString KivPlanWords::warning(KivPlanDayWarning warning)
{
    switch (warning) {
    case KivPlanDayWarning::OffloadPastNextDay:
        break;
    }
    return tr("the offload does not finish before the next day");
}

QString KivPlanWords::value(Total total, const KivPlan &plan, const KivPlanAnswer &answer,
                            const Number &number)
{
    const std::optional<KivPlanDay> &day = answer.day;
    switch (total) {
    case Offload:
        return answer.offloadSeconds ? kivTimeText(*answer.offloadSeconds) : QString();
    case OffloadDone:
        return day ? tr("%1 (%2 after wrap), %3, %4")
                         .arg(kivTimeText(day->offloadDone), kivTimeText(day->afterWrap),
                              plan.readers == 1 ? tr("1 reader")
                                                : tr("%1 readers").arg(plan.readers),
                              plan.verify ? tr("verified") : tr("not verified"))
                   : QString();
    case DayWarning: {
        QStringList words;
        for (const KivPlanDayWarning w : day ? day->warnings : QList<KivPlanDayWarning>()) {
            words << warning(w);
        }
        return words.join(QLatin1Char('\n'));
    }
    default:
        break;
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
