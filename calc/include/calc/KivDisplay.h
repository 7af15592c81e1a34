// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How both programs show what they print: numbers with at most six
// significant digits, times as whole hours:minutes:seconds, frame rates, and
// any value echoed in a message on one line. How the same quantities are read
// is in KivTyped.h.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// `x` with at most six significant digits, the shorter of fixed and exponent
// notation, no trailing zeros, written with a point: 9.10222, 1.23457e+06.
QString kivNumberText(double x);

// A figure of an answer as a report shows it, never in exponent notation:
// below 10^6 as kivNumberText with `locale`'s decimal separator (9.10222,
// 24153.9, German 24153,9); from 10^6 on, rounded to whole digits with
// `locale`'s group separators (English 1,606,610; the C locale, which has
// none, 1606610); a tiny figure in fixed digits (0.00000012207). Non-finite
// figures as QString::number writes them.
QString kivFigureText(double x, const QLocale &locale = QLocale::c());

// Whole hours:minutes:seconds of `seconds`, hours not limited to a day:
// 01:00:00, 36:24:32, 1193046:28:15.
QString kivTimeText(std::uint32_t seconds);

// A frame rate with a '.' and at most 10 significant digits: "29.97", "25",
// "23.97602398".
QString kivFrameRateText(double fps);

// Values read from files or typed by hand are shown cut after this many
// characters where a message quotes them for their shape alone.
inline constexpr qsizetype kivShownLength = 60;

// Whether `c` would break a one-line message or steer a terminal: C0, DEL,
// C1, line and paragraph separators.
bool kivIsControl(QChar c);

// `text` as it can be shown inside a one-line message: every kivIsControl
// character written as an escape,
// \n, \t and \r by name, others as \xHH or \uHHHH, so that no value can break
// a message into lines or send a terminal escape. A byte of a file name that
// is not UTF-8 (U+DC80..U+DCFF alone, see KivFileName.h) shows as \xHH, any
// other lone surrogate as \uHHHH. Where `longest` is not
// negative, text beyond that many characters is cut and "..." follows.
QString kivEscaped(const QString &text, qsizetype longest = -1);

// kivEscaped(text, longest) in double quotes: "4\nkivfilesize: fake".
QString kivQuoted(const QString &text, qsizetype longest = -1);

// The shortest text in C form, without an exponent, that reads back as `x`
// exactly: "44.1", "29.97002997002997".
QString kivExactText(double x);

// A file the system refused: "WHERE: cannot be read (WHY)" and "WHERE: cannot
// be written (WHY)", `where` as shown (escaped already), `why` the system's
// words.
QString kivCannotRead(const QString &where, const QString &why);
QString kivCannotWrite(const QString &where, const QString &why);
