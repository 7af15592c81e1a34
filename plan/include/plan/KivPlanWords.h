// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The words of a plan's answer, one set for the planner window, its CSV and
// PDF and kivfilesize --plan: the units, the table's headers and the totals'
// labels. They are translated where a translator is installed (the window);
// the command line has none and shows them in English. Numbers are written
// by the caller's `number` (kivFigureText, in its language or in C).
#pragma once

#include "calc/KivUnits.h"
#include "plan/KivPlanAnswer.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class KivPlanWords
{
    Q_DECLARE_TR_FUNCTIONS(KivPlanWords)

public:
    // The columns of a camera's line, as the planner's table has them.
    enum Column
    {
        Name,
        Count,
        Time,
        Bitrate,
        Mbps,
        GbPerDay,
        CardsPerDay,
        CardTime,
        DayCards, // the cards each body carries on the day on set
        Gb,
        Columns
    };

    // The totals, in the order every report lists them.
    enum Total
    {
        PerDay,
        Shoot,
        WithCopies,
        Proxy,
        All,
        Cards,
        Drives,
        Offload,
        CardsToRent, // the totals of the day on set, with a day length
        OffloadDone,
        DayWarning,
        Totals
    };

    using Number = std::function<QString(double)>;

    // The unit of a plan's sizes: "GB" ("Go" in French), "GiB".
    static QString unit(KivCardUnits units);
    // The unit of a thousand GB and more: "TB", "TiB".
    static QString largeUnit(KivCardUnits units);
    // A column's header in the plan's units: "GB per day", "Cards per body a day".
    static QString header(int column, KivCardUnits units);
    // The label of a total in the plan's units: "GB per day", "GiB in all".
    static QString label(Total total, KivCardUnits units);
    // The figure of a total: GB, cards or drives; none where the plan asks
    // for none (no proxy, card size or drive size) or it is a time (Offload).
    static std::optional<double> figure(Total total, const KivPlanAnswer &answer);
    // A total as shown after its label: its figure, the offload time, when
    // the day's offload is done (after wrap, with how many readers, whether
    // verified) or the day's warnings a line each; empty where the plan asks
    // for none.
    static QString value(Total total, const KivPlan &plan, const KivPlanAnswer &answer,
                         const Number &number);
    // A warning of the day in the user's language.
    static QString warning(KivPlanDayWarning warning);
    // A total in the larger unit beside its GB, "23.59 TB", where the total
    // counts GB and comes to 1,000 GB or more; else empty.
    static QString large(Total total, const KivPlanAnswer &answer, KivCardUnits units,
                         const Number &number);
};
