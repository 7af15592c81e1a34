// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizePlanAnswer.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanWords.h"

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
    using W = KivPlanWords;
    const KivCardUnit &unit = kivCardUnit(plan.units);
    const W::Number number = [](double x) { return kivFigureText(x); };
    const QString gb = W::unit(plan.units);
    QString title =
        QStringLiteral("Plan for %1, %2")
            .arg(counted(plan.days, "day", "days"), counted(plan.copies, "copy", "copies"));
    if (plan.cardSize) {
        title += QStringLiteral(", %1 %2 cards").arg(number(*plan.cardSize), gb);
    }
    title += QStringLiteral("; %1 (%2)\n").arg(QLatin1String(unit.rule), QLatin1String(unit.name));

    std::vector<QStringList> rows;
    QList<int> columns = {W::Name, W::Count, W::Mbps, W::GbPerDay};
    if (plan.cardSize) {
        columns << W::CardsPerDay << W::CardTime;
    }
    QStringList headers;
    for (const int column : std::as_const(columns)) {
        headers << W::header(column, plan.units);
    }
    if (answer.day) {
        headers << W::header(W::DayCards, plan.units);
    }
    rows.push_back(headers << W::header(W::Gb, plan.units));
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanCameraAnswer &c = answer.cameras[i];
        QStringList row = {kivEscaped(plan.cameras[i].name), QString::number(plan.cameras[i].count),
                           number(c.mbps), number(c.gbPerDay)};
        if (c.cardsPerDay && c.cardSeconds) {
            row << number(*c.cardsPerDay) << kivTimeText(*c.cardSeconds);
        }
        if (answer.day) {
            row << QString::number(answer.day->cards[i]);
        }
        rows.push_back(row << number(c.gb));
    }

    std::vector<QStringList> totals;
    for (int t = 0; t < W::CardsToRent; ++t) {
        const auto total = W::Total(t);
        QString value = W::value(total, plan, answer, number);
        if (value.isEmpty()) {
            continue;
        }
        const QString large = W::large(total, answer, plan.units, number);
        if (!large.isEmpty()) {
            value += QStringLiteral(" (%1)").arg(large);
        } else if (total == W::Drives && plan.driveSize) {
            value = QStringLiteral("%1 of %2 %3, each copy on its own")
                        .arg(value, number(*plan.driveSize), gb);
        } else if (total == W::Offload && plan.offloadMbytesPerSec) {
            value += QStringLiteral(" at %1 MB/s").arg(number(*plan.offloadMbytesPerSec));
        }
        totals.push_back({W::label(total, plan.units) + QLatin1Char(':'), value});
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
    if (answer.day) {
        out += QLatin1Char('\n');
        for (int t = W::CardsToRent; t < W::Totals; ++t) {
            const auto total = W::Total(t);
            const QStringList lines =
                W::value(total, plan, answer, number).split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                if (!line.isEmpty()) {
                    out += W::label(total, plan.units) + QStringLiteral(": ") + line +
                           QLatin1Char('\n');
                }
            }
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
