// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivDisplay.h"

#include "core/KivString.h"
#include "time/KivTime.h"

QString kivNumberText(double x)
{
    return QString::number(x, 'g', 6);
}

QString kivTimeText(std::uint32_t seconds)
{
    KivTime_c time;
    time.setSeconds(seconds, 0);
    KivString_c text;
    time.formatDuration(&text);
    return QString::fromLatin1(text.text());
}

KivLocalNumbers::KivLocalNumbers(const QLocale &locale) : locale_(locale)
{
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".")) {
        point_ = point;
    }
}

QString KivLocalNumbers::text(double x) const
{
    QString text = kivNumberText(x);
    return point_.isEmpty() ? text : text.replace(QLatin1Char('.'), point_);
}

double KivLocalNumbers::read(const QString &text) const
{
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok && !point_.isEmpty()) {
        value = locale_.toDouble(text, &ok);
        if (!ok) {
            value = QString(text).replace(point_, QLatin1String(".")).toDouble(&ok);
        }
    }
    return ok ? value : 0.0;
}
