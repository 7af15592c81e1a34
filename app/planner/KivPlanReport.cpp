// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanReport.h"

#include "KivPlanCameraModel.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

QString exact(double x)
{
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

// A CSV field: quoted where it holds a comma, a quote or a line break.
QString field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
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

// A name on one line of a page.
QString shown(const QString &name)
{
    return kivEscaped(name.simplified(), kivShownLength);
}

} // namespace

QString KivPlanReport::unit(KivCardUnits units)
{
    return units == KivCardUnits::Gib ? tr("GiB") : tr("GB");
}

QString KivPlanReport::label(Total total, KivCardUnits units)
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

QString KivPlanReport::warning(KivPlanDayWarning warning)
{
    switch (warning) {
    case KivPlanDayWarning::OffloadPastNextDay:
        break;
    }
    return tr("the offload does not finish before the next day");
}

QString KivPlanReport::value(Total total, const KivPlan &plan, const KivPlanAnswer &answer,
                             const std::function<QString(double)> &number)
{
    const std::optional<KivPlanDay> &day = answer.day;
    switch (total) {
    case PerDay:
        return number(answer.gbPerDay);
    case Shoot:
        return number(answer.gb);
    case WithCopies:
        return number(answer.gbWithCopies);
    case Proxy:
        return answer.proxyGb ? number(*answer.proxyGb) : QString();
    case All:
        return number(answer.totalGb);
    case Drives:
        return answer.drives ? number(*answer.drives) : QString();
    case Offload:
        return answer.offloadSeconds ? kivTimeText(*answer.offloadSeconds) : QString();
    case CardsToRent:
        return day ? number(double(day->cardsTotal)) : QString();
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
    case Totals:
        break;
    }
    return QString();
}

QList<QStringList> KivPlanReport::table(const KivPlan &plan, const KivPlanAnswer &answer,
                                        const std::function<QString(double)> &number)
{
    QStringList headers;
    for (int column = 0; column < KivPlanCameraModel::Columns; ++column) {
        headers << KivPlanCameraModel::header(column, plan.units);
    }
    QList<QStringList> lines = {headers};
    for (qsizetype i = 0; i < plan.cameras.size() && i < answer.cameras.size(); ++i) {
        const KivPlanCamera &camera = plan.cameras[i];
        const KivPlanCameraAnswer &c = answer.cameras[i];
        lines << QStringList{camera.name,
                             QString::number(camera.count),
                             kivTimeText(camera.secondsPerDay.value_or(0)),
                             QString(),
                             number(c.mbps),
                             number(c.gbPerDay),
                             c.cardsPerDay ? number(*c.cardsPerDay) : QString(),
                             c.cardSeconds ? kivTimeText(*c.cardSeconds) : QString(),
                             answer.day ? number(answer.day->cards.value(i)) : QString(),
                             number(c.gb)};
    }
    return lines;
}

QByteArray KivPlanReport::csv(const KivPlan &plan, const KivPlanAnswer &answer)
{
    QList<QStringList> lines = table(plan, answer, exact);
    const KivLocalNumbers c(QLocale::c());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        lines[i][KivPlanCameraModel::Bitrate] =
            KivPlanCameraModel::sourceText(plan.cameras[i - 1].source, c);
    }
    QString out;
    for (const QStringList &fields : lines) {
        out += line(fields);
    }
    out += QStringLiteral("\r\n");
    for (int t = 0; t < Totals; ++t) {
        const QString v = value(Total(t), plan, answer, exact);
        if (!v.isEmpty()) {
            out += line({label(Total(t), plan.units), v});
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

bool KivPlanReport::pdf(const QString &path, const QString &title, const KivPlan &plan,
                        const KivPlanAnswer &answer, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = tr("%1 cannot be written (%2)").arg(kivEscaped(path), file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(tr("Storage budget: %1").arg(title));
        writer.setCreator(QStringLiteral("Kiv File Size Calculator"));
        QPainter painter(&writer);
        const KivLocalNumbers numbers;
        const auto number = [&numbers](double x) { return numbers.text(x); };

        QFont body = painter.font();
        body.setPointSizeF(9);
        // No ligatures, so that a search or a copy finds "Offload" as typed.
        body.setStyleStrategy(QFont::PreferNoShaping);
        QFont bold = body;
        bold.setBold(true);
        QFont heading = bold;
        heading.setPointSizeF(15);
        const QFontMetricsF metrics(body, &writer);
        const QFontMetricsF boldMetrics(bold, &writer);
        const double gap = metrics.averageCharWidth() * 2;
        const double lineHeight = boldMetrics.lineSpacing() * 1.15;

        QList<QStringList> lines = table(plan, answer, number);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            lines[i][0] = shown(lines[i][0]);
            lines[i][KivPlanCameraModel::Bitrate] =
                KivPlanCameraModel::sourceText(plan.cameras[i - 1].source);
        }
        QList<double> widths(KivPlanCameraModel::Columns, 0.0);
        for (const QStringList &fields : lines) {
            for (qsizetype c = 0; c < fields.size(); ++c) {
                widths[c] = std::max(widths[c], boldMetrics.horizontalAdvance(fields[c]));
            }
        }
        double tableWidth = 0;
        for (const double w : widths) {
            tableWidth += w + gap;
        }
        QStringList settings = {tr("Days: %1").arg(plan.days), tr("Copies: %1").arg(plan.copies)};
        const QString gb = unit(plan.units);
        if (plan.cardSize) {
            settings << tr("Cards of %1 %2").arg(numbers.text(*plan.cardSize), gb);
        }
        if (plan.driveSize) {
            settings << tr("Drives of %1 %2").arg(numbers.text(*plan.driveSize), gb);
        }
        if (plan.offloadMbytesPerSec) {
            settings << tr("Offload at %1 MB/s").arg(numbers.text(*plan.offloadMbytesPerSec));
        }
        if (plan.proxy) {
            settings << tr("Proxy: %1").arg(KivPlanCameraModel::sourceText(*plan.proxy));
        }
        settings << QLatin1String(kivCardUnit(plan.units).rule);
        const QString about = settings.join(QStringLiteral("; "));
        const int totals = Totals;
        // The page's content at its natural size, then scaled to fit.
        const double width =
            std::max({tableWidth, metrics.horizontalAdvance(about),
                      QFontMetricsF(heading, &writer).horizontalAdvance(title) * 1.5});
        const double height = lineHeight * (4 + lines.size() + 1 + totals + 2);
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        const double scale = std::min({1.0, page.width() / width, page.height() / height});
        painter.scale(scale, scale);

        double y = lineHeight * 1.5;
        painter.setFont(heading);
        painter.drawText(QPointF(0, y), tr("Storage budget: %1").arg(title));
        y += lineHeight * 1.5;
        painter.setFont(body);
        painter.drawText(QPointF(0, y), about);
        y += lineHeight * 1.5;
        for (qsizetype l = 0; l < lines.size(); ++l) {
            painter.setFont(l == 0 ? bold : body);
            double x = 0;
            for (qsizetype c = 0; c < lines[l].size(); ++c) {
                const bool left = c == 0 || c == KivPlanCameraModel::Bitrate || l == 0;
                const double advance =
                    (l == 0 ? boldMetrics : metrics).horizontalAdvance(lines[l][c]);
                painter.drawText(QPointF(left ? x : x + widths[c] - advance, y), lines[l][c]);
                x += widths[c] + gap;
            }
            if (l == 0) {
                painter.drawLine(QPointF(0, y + lineHeight * 0.3),
                                 QPointF(tableWidth, y + lineHeight * 0.3));
            }
            y += lineHeight;
        }
        y += lineHeight;
        double labels = 0;
        for (int t = 0; t < totals; ++t) {
            labels = std::max(labels, boldMetrics.horizontalAdvance(label(Total(t), plan.units)));
        }
        for (int t = 0; t < totals; ++t) {
            const QString v = value(Total(t), plan, answer, number);
            if (v.isEmpty()) {
                continue;
            }
            painter.setFont(t == All ? bold : body);
            painter.drawText(QPointF(0, y), label(Total(t), plan.units));
            painter.drawText(QPointF(labels + gap, y), v);
            y += lineHeight;
        }
        y += lineHeight;
        painter.setFont(body);
        painter.drawText(QPointF(0, y),
                         tr("Kiv File Size Calculator, %1")
                             .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)));
        if (!painter.end()) {
            file.cancelWriting();
        }
    }
    if (!file.commit()) {
        error = tr("%1 cannot be written (%2)").arg(kivEscaped(path), file.errorString());
        return false;
    }
    return true;
}
