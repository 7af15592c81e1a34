// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Text helpers private to the library.
#pragma once

#include <QString>

// Whether `c` would break a one-line message.
inline bool kivIsControl(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// `text` with every control character made '?', for a one-line message.
inline QString kivOneLine(QString text)
{
    for (QChar &c : text) {
        if (kivIsControl(c)) {
            c = QLatin1Char('?');
        }
    }
    return text;
}

// `text`, typed or read from a file, in double quotes for a one-line message,
// cut after 60 characters.
inline QString kivQuoted(const QString &text)
{
    constexpr qsizetype shown = 60;
    const QString cut = text.size() > shown ? text.left(shown) + QLatin1String("...") : text;
    return QLatin1Char('"') + kivOneLine(cut) + QLatin1Char('"');
}

// Whether `text` is all ASCII digits, and not empty.
inline bool kivIsDigits(QStringView text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}
