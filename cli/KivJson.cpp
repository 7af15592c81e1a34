// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivJson.h"

#include <QLocale>

QString kivJsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\') + c;
        } else if (pair) {
            out += c;
            out += text[++i];
        } else if (c.unicode() < 0x20 || c.isSurrogate()) {
            // A lone surrogate, such as a byte of a name that is not UTF-8,
            // cannot be written as UTF-8: it goes as its escape.
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString kivJsonNumber(double x)
{
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

QString kivJsonMember(const char *name, const QString &value)
{
    return kivJsonString(QLatin1String(name)) + QStringLiteral(": ") + value;
}
