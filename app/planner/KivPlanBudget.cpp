// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The PDF storage budget of KivPlanReport.
#include "KivPlanReport.h"

#include "KivPlanCameraModel.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

// Names longer than this are cut, so that one cell never outgrows a page.
constexpr qsizetype LONGEST_NAME = 400;
constexpr double BODY_POINTS = 9;
constexpr double TITLE_POINTS = 15;

QTextCharFormat characters(double points, bool bold)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

// Writes `text` into `cell` aligned as a figure (right) or as words (left).
void fill(QTextTable *table, int row, int column, const QString &text, bool figure, bool bold)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat block;
    block.setAlignment(figure ? Qt::AlignRight : Qt::AlignLeft);
    cursor.setBlockFormat(block);
    cursor.insertText(text, characters(BODY_POINTS, bold));
}

QTextTableFormat tableFormat(int headerRows)
{
    QTextTableFormat format;
    format.setHeaderRowCount(headerRows);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderCollapse(true);
    return format;
}

} // namespace

std::unique_ptr<QTextDocument> KivPlanReport::budget(const QString &title, const KivPlan &plan,
                                                     const KivPlanAnswer &answer,
                                                     const KivFormatCatalogue *formats,
                                                     QPaintDevice *device)
{
    auto document = std::make_unique<QTextDocument>();
    if (device != nullptr) {
        document->documentLayout()->setPaintDevice(device);
    }
    QFont font = document->defaultFont();
    font.setPointSizeF(BODY_POINTS);
    // No ligatures, so that a search or a copy finds "Offload" as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    const KivLocalNumbers numbers;
    const KivPlanWords::Number number = [&numbers](double x) { return numbers.figure(x); };

    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document.get());
    // Laid out once, when all is in.
    cursor.beginEditBlock();
    const QString heading =
        tr("Storage budget: %1").arg(kivEscaped(plan.title.isEmpty() ? title : plan.title));
    document->setMetaInformation(QTextDocument::DocumentTitle, heading);
    cursor.insertText(heading, characters(TITLE_POINTS, true));

    QStringList settings = {tr("Days: %1").arg(plan.days), tr("Copies: %1").arg(plan.copies)};
    const QString gb = KivPlanWords::unit(plan.units);
    if (plan.cardSize) {
        settings << tr("Cards of %1 %2").arg(number(*plan.cardSize), gb);
    }
    if (plan.driveSize) {
        settings << tr("Drives of %1 %2").arg(number(*plan.driveSize), gb);
    }
    if (plan.offloadMbytesPerSec) {
        settings << tr("Offload at %1 MB/s").arg(number(*plan.offloadMbytesPerSec));
    }
    if (plan.proxy) {
        settings
            << tr("Proxy: %1").arg(KivPlanCameraModel::sourceText(*plan.proxy, numbers, formats));
    }
    settings << QLatin1String(kivCardUnit(plan.units).rule);
    cursor.insertBlock();
    cursor.insertText(settings.join(QStringLiteral("; ")), characters(BODY_POINTS, false));
    cursor.insertBlock();

    const QList<QStringList> lines = table(plan, answer, number, numbers, formats);
    QTextTableFormat cameras = tableFormat(1);
    cameras.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    // A figure's column as wide as its widest figure; the words wrap in what
    // is left.
    // Lengths are in pixels of 96 to the inch, whatever the device.
    const QPaintDevice *paintDevice = document->documentLayout()->paintDevice();
    const QFontMetricsF metrics(font, paintDevice);
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetricsF boldMetrics(boldFont, paintDevice);
    const double pixel = paintDevice != nullptr ? 96.0 / paintDevice->logicalDpiX() : 1.0;
    // The cards each body carries only where a day on set is planned.
    QList<int> shown;
    for (int column = 0; column < KivPlanWords::Columns; ++column) {
        if (column != KivPlanWords::DayCards || answer.day) {
            shown << column;
        }
    }
    QList<QTextLength> widths(shown.size());
    for (qsizetype at = 0; at < shown.size(); ++at) {
        const int column = shown[at];
        if (column == KivPlanWords::Name || column == KivPlanWords::Bitrate) {
            continue;
        }
        double widest = 0;
        for (qsizetype row = 1; row < lines.size(); ++row) {
            widest = std::max(widest, metrics.horizontalAdvance(lines[row][column]));
        }
        // The header wraps between its words only.
        for (const QString &word : lines[0][column].split(QLatin1Char(' '))) {
            widest = std::max(widest, boldMetrics.horizontalAdvance(word));
        }
        widths[at] = widest > 0 ? QTextLength(QTextLength::FixedLength,
                                              widest * pixel + 2 * cameras.cellPadding() + 2)
                                : QTextLength();
    }
    cameras.setColumnWidthConstraints(widths);
    QTextTable *table = cursor.insertTable(int(lines.size()), int(shown.size()), cameras);
    for (int row = 0; row < lines.size(); ++row) {
        for (int at = 0; at < shown.size(); ++at) {
            const int column = shown[at];
            const bool words = column == KivPlanWords::Name || column == KivPlanWords::Bitrate;
            const QString &text = lines[row].value(column);
            fill(table, row, at,
                 row > 0 && column == KivPlanWords::Name ? kivEscaped(text, LONGEST_NAME) : text,
                 !words, row == 0);
        }
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();

    QList<QStringList> totals;
    for (int t = 0; t < KivPlanWords::Totals; ++t) {
        const auto total = KivPlanWords::Total(t);
        const QString value = KivPlanWords::value(total, plan, answer, number);
        if (!value.isEmpty()) {
            totals << QStringList{KivPlanWords::label(total, plan.units), value,
                                  KivPlanWords::large(total, answer, plan.units, number)};
        }
    }
    QTextTable *sums = cursor.insertTable(int(totals.size()), 3, tableFormat(0));
    for (int row = 0; row < totals.size(); ++row) {
        const bool all = totals[row][0] == KivPlanWords::label(KivPlanWords::All, plan.units);
        for (int column = 0; column < 3; ++column) {
            fill(sums, row, column, totals[row][column], column > 0, all);
        }
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(tr("Kiv File Size Calculator, %1")
                          .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)),
                      characters(BODY_POINTS, false));
    cursor.endEditBlock();
    return document;
}

bool KivPlanReport::pdf(const QString &path, const QString &title, const KivPlan &plan,
                        const KivPlanAnswer &answer, QString &error,
                        const KivFormatCatalogue *formats)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = tr("%1 cannot be written (%2)").arg(kivEscaped(path), file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(paper()), QPageLayout::Landscape,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Kiv File Size Calculator"));
        const std::unique_ptr<QTextDocument> document =
            budget(title, plan, answer, formats, &writer);
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        document->setDocumentMargin(0);

        QFont small = document->defaultFont();
        small.setPointSizeF(smallestPoints);
        const QFontMetricsF metrics(small, &writer);
        const QRectF area(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        // The page number's line below each page of the document.
        const double foot = metrics.lineSpacing() * 2;
        const QSizeF page(area.width(), area.height() - foot);
        document->setPageSize(page);

        QPainter painter(&writer);
        const int pages = document->pageCount();
        for (int p = 0; p < pages; ++p) {
            if (p > 0 && !writer.newPage()) {
                break;
            }
            painter.save();
            painter.translate(0, -p * page.height());
            // A line across the page's end is drawn on the page it starts.
            const QRectF shown(QPointF(0, p * page.height()), page);
            painter.setClipRect(shown);
            document->drawContents(&painter, shown);
            painter.restore();
            painter.setFont(small);
            painter.drawText(QRectF(0, page.height(), page.width(), foot),
                             Qt::AlignRight | Qt::AlignBottom,
                             tr("Page %1 of %2").arg(p + 1).arg(pages));
        }
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
