// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A plan's answer exported for the production office, from the plan and its
// answer alone, in the words of KivPlanWords:
//  - CSV (RFC 4180: fields with a comma, a quote or a line break quoted,
//    quotes doubled, lines ended by CRLF): the plan's parameters first (its
//    title, days, copies, card and drive size, offload speed, proxy and the
//    GB rule), then the table and the totals. Numbers have a '.' and every
//    digit a double needs, never an exponent, so that a spreadsheet sums what
//    the window shows. A cell that starts with '=', '+', '-', '@', a tab or a
//    carriage return gets a leading "'", so that no spreadsheet runs it as a
//    formula; the header lines say so.
//  - PDF: a storage budget that pages, as a QTextDocument on the paper of
//    the user's country (paper()), landscape: the title (the plan's title,
//    else the file's name), the parameters, a table a camera a line whose
//    header row repeats on every page, long names wrapped, figures aligned
//    right under their headers, then the totals; every page numbered, no
//    type below 8 pt, numbers as the user's language writes them.
// Files are written whole or not at all.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanWords.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>

class QPaintDevice;
class QTextDocument;

class KivPlanReport
{
    Q_DECLARE_TR_FUNCTIONS(KivPlanReport)

public:
    // The smallest type of the PDF, in points.
    static constexpr double smallestPoints = 8;

    // The CSV file's contents; formats are named as `formats` names them.
    static QByteArray csv(const KivPlan &plan, const KivPlanAnswer &answer,
                          const KivFormatCatalogue *formats = nullptr);

    // Writes `data` to `path` whole or not at all; false with `error` set.
    static bool write(const QString &path, const QByteArray &data, QString &error);

    // The paper used where `locale`'s country is: Letter in the United
    // States, Canada, Mexico, Chile, Colombia, Venezuela, the Philippines,
    // Puerto Rico and the Central American countries that use it; A4
    // elsewhere.
    static QPageSize::PageSizeId paper(const QLocale &locale = QLocale());

    // The storage budget's document, titled `title` where the plan has none,
    // laid out on `device` (the screen where none); the caller sets its page
    // size.
    static std::unique_ptr<QTextDocument> budget(const QString &title, const KivPlan &plan,
                                                 const KivPlanAnswer &answer,
                                                 const KivFormatCatalogue *formats = nullptr,
                                                 QPaintDevice *device = nullptr);

    // Writes the PDF storage budget to `path`, as above.
    static bool pdf(const QString &path, const QString &title, const KivPlan &plan,
                    const KivPlanAnswer &answer, QString &error,
                    const KivFormatCatalogue *formats = nullptr);

private:
    // The table's lines: the headers, then a line a camera.
    static QList<QStringList> table(const KivPlan &plan, const KivPlanAnswer &answer,
                                    const KivPlanWords::Number &number,
                                    const KivLocalNumbers &numbers,
                                    const KivFormatCatalogue *formats);
};
