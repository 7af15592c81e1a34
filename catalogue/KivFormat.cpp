// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormat.h"

QList<KivFrameSize> KivFormat::listedSizes() const
{
    QList<KivFrameSize> frames;
    for (const KivFormatSize &size : sizes) {
        frames << size.frame;
    }
    return frames;
}

QString kivFormatKindName(KivFormatKind kind)
{
    switch (kind) {
    case KivFormatKind::Table:
        return QStringLiteral("table");
    case KivFormatKind::PerFrame:
        return QStringLiteral("per-frame");
    case KivFormatKind::Fixed:
        break;
    }
    return QStringLiteral("fixed");
}

QString kivRateNatureName(KivRateNature nature)
{
    switch (nature) {
    case KivRateNature::Target:
        return QStringLiteral("target");
    case KivRateNature::Constant:
        return QStringLiteral("constant");
    case KivRateNature::Max:
        return QStringLiteral("max");
    case KivRateNature::Average:
        break;
    }
    return QStringLiteral("average");
}

bool kivIsFormatId(const QString &text)
{
    if (text.isEmpty() || text.size() > 64) {
        return false;
    }
    bool wordStart = true;
    for (QChar c : text) {
        if (c == QLatin1Char('-')) {
            if (wordStart) {
                return false;
            }
            wordStart = true;
        } else if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                   (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            wordStart = false;
        } else {
            return false;
        }
    }
    return !wordStart;
}

QString kivNormalizeFormatName(const QString &text)
{
    QString out;
    bool separated = false;
    for (QChar c : text.toLower()) {
        if (c.isSpace() || c == QLatin1Char('_') || c == QLatin1Char('-')) {
            separated = !out.isEmpty();
            continue;
        }
        if (separated) {
            out += QLatin1Char('-');
            separated = false;
        }
        out += c;
    }
    return out;
}
