// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivDisplay.h"

#include "core/KivString.h"
#include "time/KivTime.h"

#include <QLocale>

#include <cmath>

QString kivNumberText(double x)
{
    return QString::number(x, 'g', 6);
}

QString kivFigureText(double x, const QLocale &locale)
{
    QString text = kivNumberText(x);
    if (std::isfinite(x) && text.contains(QLatin1Char('e'))) {
        // The exponent as written; no libm, which kivfilesize's start-up would pay for.
        const int exponent = text.mid(text.indexOf(QLatin1Char('e')) + 1).toInt();
        if (exponent >= 0) {
            return locale.toString(x, 'f', 0);
        }
        // Six significant digits after the zeros that lead, as kivNumberText keeps.
        text = QString::number(x, 'f', 5 - exponent);
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
    }
    const QString point = locale.decimalPoint();
    return point == QLatin1String(".") ? text : text.replace(QLatin1Char('.'), point);
}

QString kivTimeText(std::uint32_t seconds)
{
    KivTime_c time;
    time.setSeconds(seconds, 0);
    KivString_c text;
    time.formatDuration(&text);
    return QString::fromLatin1(text.text());
}

QString kivFrameRateText(double fps)
{
    return QString::number(fps, 'g', 10);
}

bool kivIsControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

QString kivEscaped(const QString &text, qsizetype longest)
{
    const bool cut = longest >= 0 && text.size() > longest;
    const QStringView shown = cut ? QStringView(text).left(longest) : QStringView(text);
    QString out;
    out.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate()) {
            out += c;
            out += shown[++i];
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            // A byte of a file name that is not UTF-8 (kivDecodeFileName).
            out += QStringLiteral("\\x%1").arg(u - 0xDC00, 2, 16, QLatin1Char('0'));
        } else if (!kivIsControl(c) && !c.isSurrogate()) {
            out += c;
        } else if (u == u'\n') {
            out += QLatin1String("\\n");
        } else if (u == u'\t') {
            out += QLatin1String("\\t");
        } else if (u == u'\r') {
            out += QLatin1String("\\r");
        } else if (u < 0x100) {
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        }
    }
    return cut ? out + QLatin1String("...") : out;
}

QString kivQuoted(const QString &text, qsizetype longest)
{
    return QLatin1Char('"') + kivEscaped(text, longest) + QLatin1Char('"');
}

QString kivCannotRead(const QString &where, const QString &why)
{
    return QStringLiteral("%1: cannot be read (%2)").arg(where, why);
}

QString kivCannotWrite(const QString &where, const QString &why)
{
    return QStringLiteral("%1: cannot be written (%2)").arg(where, why);
}

QString kivExactText(double x)
{
    return QString::number(x, 'f', QLocale::FloatingPointShortest);
}
