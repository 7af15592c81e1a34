// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormat.h"

#include <initializer_list>

namespace {

constexpr std::initializer_list<KivFormatKind> allKinds = {
    KivFormatKind::Table, KivFormatKind::PerFrame, KivFormatKind::Fixed, KivFormatKind::Formula};
constexpr std::initializer_list<KivRateNature> allNatures = {
    KivRateNature::Target,  KivRateNature::Constant,    KivRateNature::Max,
    KivRateNature::Average, KivRateNature::Approximate, KivRateNature::Net,
    KivRateNature::Nominal};

} // namespace

QList<KivFrameSize> KivFormat::listedSizes() const
{
    QList<KivFrameSize> frames;
    for (const KivFormatSize &size : sizes) {
        frames << size.frame;
    }
    return frames;
}

QList<double> KivFormat::ratesOf(const KivFormatSize &size) const
{
    if (kind != KivFormatKind::Table) {
        return onlyListedRates ? rates : QList<double>();
    }
    QList<double> listed;
    for (qsizetype i = 0; i < rates.size() && i < size.mbps.size(); ++i) {
        if (size.mbps[i] > 0) {
            listed << rates[i];
        }
    }
    return listed;
}

QString kivFormatKindName(KivFormatKind kind)
{
    switch (kind) {
    case KivFormatKind::Table:
        return QStringLiteral("table");
    case KivFormatKind::PerFrame:
        return QStringLiteral("per-frame");
    case KivFormatKind::Formula:
        return QStringLiteral("formula");
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
    case KivRateNature::Approximate:
        return QStringLiteral("approximate");
    case KivRateNature::Net:
        return QStringLiteral("net");
    case KivRateNature::Nominal:
        return QStringLiteral("nominal");
    case KivRateNature::Average:
        break;
    }
    return QStringLiteral("average");
}

std::optional<KivFormatKind> kivFormatKindNamed(const QString &name)
{
    for (KivFormatKind kind : allKinds) {
        if (name == kivFormatKindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<KivRateNature> kivRateNatureNamed(const QString &name)
{
    for (KivRateNature nature : allNatures) {
        if (name == kivRateNatureName(nature)) {
            return nature;
        }
    }
    return std::nullopt;
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

QStringList kivFormatWords(const QString &text)
{
    QStringList words;
    QString word;
    int wordClass = 0; // 0 none, 1 letters, 2 digits
    for (QChar c : text.toLower()) {
        const int cls = c.isDigit() ? 2 : c.isLetter() ? 1 : 0;
        if (cls != wordClass && !word.isEmpty()) {
            words << word;
            word.clear();
        }
        wordClass = cls;
        if (cls != 0) {
            word += c;
        }
    }
    if (!word.isEmpty()) {
        words << word;
    }
    return words;
}
