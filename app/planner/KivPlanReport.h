// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A plan's answer as people read it: the totals in words for the planner
// window, and the table with the totals exported for the production office,
// as CSV (RFC 4180: fields with a comma, a quote or a line break quoted,
// quotes doubled, lines ended by CRLF; numbers with a '.', every digit a
// double needs, so that a spreadsheet sums what the window shows) and as a
// one-page PDF storage budget (numbers as the user's language writes them,
// as in the window; a plan of many cameras is scaled down to stay on the
// page). Files are written whole or not at all.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class KivPlanReport
{
    Q_DECLARE_TR_FUNCTIONS(KivPlanReport)

public:
    enum Total
    {
        PerDay,
        Shoot,
        WithCopies,
        Proxy,
        All,
        Drives,
        Offload,
        CardsToRent, // the totals of the day on set, with a day length
        OffloadDone,
        DayWarning,
        Totals
    };

    // The unit of a plan's sizes in the user's language: "GB" ("Go" in
    // French), "GiB".
    static QString unit(KivCardUnits units);
    // The label of a total in the plan's units: "GB per day", "GiB in all".
    static QString label(Total total, KivCardUnits units);
    // The value of a total written with `number`, or empty where the plan
    // asks for none (no proxy, drive size, offload speed, day length or
    // warning of the day). The offload done says when after wrap, with how
    // many readers and whether verified.
    static QString value(Total total, const KivPlan &plan, const KivPlanAnswer &answer,
                         const std::function<QString(double)> &number);
    // A warning of the day in the user's language.
    static QString warning(KivPlanDayWarning warning);

    // The CSV file: a header line, a line a camera (name, count, time per
    // day, the rate's source, then the answer's figures), an empty line and
    // a line a total that the plan has (label, value).
    static QByteArray csv(const KivPlan &plan, const KivPlanAnswer &answer);

    // Writes `data` to `path` whole or not at all; false with `error` set.
    static bool write(const QString &path, const QByteArray &data, QString &error);
    // Writes the PDF storage budget titled `title` to `path`, as above.
    static bool pdf(const QString &path, const QString &title, const KivPlan &plan,
                    const KivPlanAnswer &answer, QString &error);

private:
    // The table's lines: the headers, then a line a camera.
    static QList<QStringList> table(const KivPlan &plan, const KivPlanAnswer &answer,
                                    const std::function<QString(double)> &number);
};
