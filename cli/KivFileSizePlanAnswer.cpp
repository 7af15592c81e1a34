// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizePlanAnswer.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"
#include "plan/KivPlanAnswer.h"

#include <algorithm>
#include <vector>

namespace {

// "3 days", "1 copy".
QString counted(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// Columns two spaces apart: the first (the names) left-aligned, the others
// right-aligned under their headers.
QString table(const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    QString out;
    for (const QStringList &row : rows) {
        QString line = row[0].leftJustified(widths[0]);
        for (qsizetype i = 1; i < row.size(); ++i) {
            line += QStringLiteral("  ") + row[i].rightJustified(widths[i]);
        }
        out += line + QLatin1Char('\n');
    }
    return out;
}

QString textOf(const KivPlan &plan, const KivPlanAnswer &answer)
{
    const KivCardUnit &unit = kivCardUnit(plan.units);
    const QString gb = QLatin1String(unit.label);
    QString title =
        QStringLiteral("Plan for %1, %2")
            .arg(counted(plan.days, "day", "days"), counted(plan.copies, "copy", "copies"));
    if (plan.cardSize) {
        title += QStringLiteral(", %1 %2 cards").arg(kivNumberText(*plan.cardSize), gb);
    }
    title += QStringLiteral("; %1 (%2)\n").arg(QLatin1String(unit.rule), QLatin1String(unit.name));

    std::vector<QStringList> rows;
    QStringList headers = {QStringLiteral("Camera"), QStringLiteral("Count"),
                           QStringLiteral("Mbit/s"), gb + QStringLiteral("/day")};
    if (plan.cardSize) {
        headers << QStringLiteral("Cards/day") << QStringLiteral("Card time");
    }
    if (answer.day) {
        headers << QStringLiteral("Cards");
    }
    rows.push_back(headers << gb);
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCameraAnswer &c = answer.cameras[i];
        QStringList row = {kivEscaped(plan.cameras[i].name), QString::number(plan.cameras[i].count),
                           kivNumberText(c.mbps), kivNumberText(c.gbPerDay)};
        if (c.cardsPerDay && c.cardSeconds) {
            row << kivNumberText(*c.cardsPerDay) << kivTimeText(*c.cardSeconds);
        }
        if (answer.day) {
            row << QString::number(answer.day->cards[i]);
        }
        rows.push_back(row << kivNumberText(c.gb));
    }

    std::vector<QStringList> totals = {
        {gb + QStringLiteral(" per day:"), kivNumberText(answer.gbPerDay)},
        {gb + QStringLiteral(" for the shoot:"), kivNumberText(answer.gb)},
        {QStringLiteral("With %1:").arg(counted(plan.copies, "copy", "copies")),
         kivNumberText(answer.gbWithCopies)},
    };
    if (answer.proxyGb) {
        totals.push_back({QStringLiteral("Proxy %1:").arg(gb), kivNumberText(*answer.proxyGb)});
    }
    totals.push_back({QStringLiteral("Total %1:").arg(gb), kivNumberText(answer.totalGb)});
    if (answer.drives && plan.driveSize) {
        totals.push_back(
            {QStringLiteral("Drives:"),
             QStringLiteral("%1 of %2 %3, each copy on its own")
                 .arg(kivNumberText(*answer.drives), kivNumberText(*plan.driveSize), gb)});
    }
    if (answer.offloadSeconds && plan.offloadMbytesPerSec) {
        totals.push_back({QStringLiteral("Offload per day:"),
                          QStringLiteral("%1 at %2 MB/s")
                              .arg(kivTimeText(*answer.offloadSeconds),
                                   kivNumberText(*plan.offloadMbytesPerSec))});
    }
    qsizetype labels = 0;
    for (const QStringList &line : totals) {
        labels = std::max(labels, line[0].size());
    }
    QString out = title + table(rows) + QLatin1Char('\n');
    for (const QStringList &line : totals) {
        out += line[0].leftJustified(labels + 1) + line[1] + QLatin1Char('\n');
    }
    // The day on set, a paragraph of its own.
    if (const std::optional<KivPlanDay> &day = answer.day) {
        out += QStringLiteral("\nCards to rent: %1\nOffload done: %2 (%3 after wrap), %4, %5\n")
                   .arg(QString::number(day->cardsTotal), kivTimeText(day->offloadDone),
                        kivTimeText(day->afterWrap), counted(plan.readers, "reader", "readers"),
                        QLatin1String(plan.verify ? "verified" : "not verified"));
        for (const KivPlanDayWarning warning : day->warnings) {
            out += QStringLiteral("Warning: ") + kivPlanDayWarningText(warning) + QLatin1Char('\n');
        }
    }
    return out;
}

QString jsonOf(const KivPlan &plan, const KivPlanAnswer &answer)
{
    QStringList cameras;
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCameraAnswer &c = answer.cameras[i];
        QStringList members = {kivJsonMember("name", kivJsonString(plan.cameras[i].name)),
                               kivJsonMember("count", QString::number(plan.cameras[i].count)),
                               kivJsonMember("mbit_s", kivJsonNumber(c.mbps)),
                               kivJsonMember("gb_per_day", kivJsonNumber(c.gbPerDay))};
        if (c.cardsPerDay && c.cardSeconds) {
            members << kivJsonMember("cards_per_day", kivJsonNumber(*c.cardsPerDay))
                    << kivJsonMember("card_time", kivJsonString(kivTimeText(*c.cardSeconds)));
        }
        if (answer.day) {
            members << kivJsonMember("cards", QString::number(answer.day->cards[i]));
        }
        members << kivJsonMember("gb", kivJsonNumber(c.gb));
        cameras << QStringLiteral("  {") + members.join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    QStringList members = {
        kivJsonMember("units", kivJsonString(QLatin1String(kivCardUnit(plan.units).name))),
        kivJsonMember("days", QString::number(plan.days)),
        kivJsonMember("copies", QString::number(plan.copies)),
        kivJsonMember("cameras", QStringLiteral("[\n") + cameras.join(QStringLiteral(",\n")) +
                                     QStringLiteral("\n]")),
        kivJsonMember("gb_per_day", kivJsonNumber(answer.gbPerDay)),
        kivJsonMember("gb", kivJsonNumber(answer.gb)),
        kivJsonMember("gb_with_copies", kivJsonNumber(answer.gbWithCopies))};
    if (answer.proxyGb) {
        members << kivJsonMember("proxy_gb", kivJsonNumber(*answer.proxyGb));
    }
    members << kivJsonMember("total_gb", kivJsonNumber(answer.totalGb));
    if (answer.drives) {
        members << kivJsonMember("drives", kivJsonNumber(*answer.drives));
    }
    if (answer.offloadSeconds) {
        members << kivJsonMember("offload_per_day",
                                 kivJsonString(kivTimeText(*answer.offloadSeconds)));
    }
    QStringList warnings;
    if (const std::optional<KivPlanDay> &day = answer.day) {
        members << kivJsonMember("cards_total", QString::number(day->cardsTotal))
                << kivJsonMember("offload_done", kivJsonString(kivTimeText(day->offloadDone)))
                << kivJsonMember("after_wrap", kivJsonString(kivTimeText(day->afterWrap)));
        for (const KivPlanDayWarning warning : day->warnings) {
            warnings << kivJsonString(kivPlanDayWarningText(warning));
        }
    }
    members << kivJsonMember("warnings", QLatin1Char('[') + warnings.join(QStringLiteral(", ")) +
                                             QLatin1Char(']'));
    return QLatin1Char('{') + members.join(QStringLiteral(", ")) + QStringLiteral("}\n");
}

} // namespace

bool kivAnswerPlan(const KivResolved &resolved, bool json, QString &out, QString &error)
{
    if (!resolved.plan) {
        error = QStringLiteral("no plan to answer");
        return false;
    }
    KivPlanAnswer answer;
    KivPlanFault fault;
    if (!kivPlanWholeAnswer(*resolved.plan, resolved.rates, answer, fault)) {
        error = kivPlanFaultText(fault);
        return false;
    }
    out = json ? jsonOf(*resolved.plan, answer) : textOf(*resolved.plan, answer);
    return true;
}
