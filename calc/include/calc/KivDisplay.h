// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How both programs show their quantities: numbers with at most six
// significant digits and times as whole hours:minutes:seconds.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// `x` with at most six significant digits, the shorter of fixed and exponent
// notation, no trailing zeros, written with a point: 9.10222, 1.23457e+06.
QString kivNumberText(double x);

// Whole hours:minutes:seconds of `seconds`, hours not limited to a day:
// 01:00:00, 36:24:32, 1193046:28:15.
QString kivTimeText(std::uint32_t seconds);

// Numbers as the user's language writes their decimals, for the dialog. Where
// the language writes a point (English, C), exactly kivNumberText and C
// reading; elsewhere (German "4,5") its decimal separator. Built once for a
// run of reads and writes, since asking the locale costs more than a number.
class KivLocalNumbers
{
public:
    explicit KivLocalNumbers(const QLocale &locale = QLocale());

    // kivNumberText with the language's decimal separator and no group
    // separators: 10,24 and 1,19305e+06 in German.
    QString text(double x) const;

    // The number `text` holds: C text first ("4.5"); where the language writes
    // another separator, then as it writes numbers ("4,5", "1.234,5") or as
    // text() writes them. Text that is neither, and numbers beyond the double
    // range, read as 0.
    double read(const QString &text) const;

private:
    QLocale locale_;
    QString point_; // empty where the language writes a point
};
