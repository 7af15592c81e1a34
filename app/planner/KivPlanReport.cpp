// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanReport.h"

#include "KivPlanCameraModel.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QSaveFile>

#include <algorithm>

namespace {

// Every digit a double needs, never an exponent: 1000000, 0.0000001.
QString exact(double x)
{
    return QString::number(x, 'f', QLocale::FloatingPointShortest);
}

// A CSV field: inert where a spreadsheet would take it for a formula, and
// quoted where it holds a comma, a quote or a line break.
QString field(const QString &cell)
{
    static const QString formula = QStringLiteral("=+-@\t\r");
    static const QString special = QStringLiteral(",\"\r\n");
    const QString text =
        !cell.isEmpty() && formula.contains(cell.front()) ? QLatin1Char('\'') + cell : cell;
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); })) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString line(const QStringList &fields)
{
    QStringList out;
    for (const QString &f : fields) {
        out << field(f);
    }
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QList<QStringList> KivPlanReport::table(const KivPlan &plan, const KivPlanAnswer &answer,
                                        const KivPlanWords::Number &number,
                                        const KivLocalNumbers &numbers,
                                        const KivFormatCatalogue *formats)
{
    QStringList headers;
    for (int column = 0; column < KivPlanWords::Columns; ++column) {
        headers << KivPlanWords::header(column, plan.units);
    }
    QList<QStringList> lines = {headers};
    for (qsizetype i = 0; i < plan.cameras.size() && i < answer.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const KivPlanCameraAnswer &c = answer.cameras[i];
        lines << QStringList{camera.name,
                             QString::number(camera.count),
                             kivTimeText(camera.secondsPerDay.value_or(0)),
                             KivPlanCameraModel::sourceText(camera.source, numbers, formats),
                             number(c.mbps),
                             number(c.gbPerDay),
                             c.cardsPerDay ? number(*c.cardsPerDay) : QString(),
                             c.cardSeconds ? kivTimeText(*c.cardSeconds) : QString(),
                             answer.day ? number(answer.day->cards.value(i)) : QString(),
                             number(c.gb)};
    }
    return lines;
}

QByteArray KivPlanReport::csv(const KivPlan &plan, const KivPlanAnswer &answer,
                              const KivFormatCatalogue *formats)
{
    const KivLocalNumbers c(QLocale::c());
    const QString gb = KivPlanWords::unit(plan.units);
    QList<QStringList> lines;
    if (!plan.title.isEmpty()) {
        lines << QStringList{tr("Title"), plan.title};
    }
    lines << QStringList{tr("Days"), QString::number(plan.days)}
          << QStringList{tr("Copies"), QString::number(plan.copies)};
    if (plan.cardSize) {
        lines << QStringList{tr("Card size (%1)").arg(gb), exact(*plan.cardSize)};
    }
    if (plan.driveSize) {
        lines << QStringList{tr("Drive size (%1)").arg(gb), exact(*plan.driveSize)};
    }
    if (plan.offloadMbytesPerSec) {
        lines << QStringList{tr("Offload (MB/s)"), exact(*plan.offloadMbytesPerSec)};
    }
    if (plan.proxy) {
        lines << QStringList{tr("Proxy"), KivPlanCameraModel::sourceText(*plan.proxy, c, formats)};
    }
    lines << QStringList{tr("Counted as"), QLatin1String(kivCardUnit(plan.units).rule)}
          << QStringList{tr("Note"), tr("A cell that starts with =, +, -, @, a tab or a carriage "
                                        "return starts with ' here, so that it is not a formula")}
          << QStringList();
    lines += table(plan, answer, exact, c, formats);
    QString out;
    for (const QStringList &fields : std::as_const(lines)) {
        out += line(fields);
    }
    out += QStringLiteral("\r\n");
    for (int t = 0; t < KivPlanWords::Totals; ++t) {
        const auto total = KivPlanWords::Total(t);
        const QString v = KivPlanWords::value(total, plan, answer, exact);
        if (!v.isEmpty()) {
            out += line({KivPlanWords::label(total, plan.units), v});
        }
    }
    return out.toUtf8();
}

bool KivPlanReport::write(const QString &path, const QByteArray &data, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        error = tr("%1 cannot be written (%2)").arg(kivEscaped(path), file.errorString());
        return false;
    }
    return true;
}

QPageSize::PageSizeId KivPlanReport::paper(const QLocale &locale)
{
    // The countries that print on Letter, as the Unicode CLDR lists them.
    static constexpr QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela, QLocale::Philippines, QLocale::PuertoRico,
        QLocale::Belize,       QLocale::CostaRica, QLocale::Guatemala,   QLocale::Nicaragua,
        QLocale::Panama,       QLocale::ElSalvador};
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
               ? QPageSize::Letter
               : QPageSize::A4;
}
