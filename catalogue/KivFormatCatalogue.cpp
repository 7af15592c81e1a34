// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatCatalogue.h"

#include "calc/KivDisplay.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Longer typed names get no edit-distance suggestions (the cost grows with
// the product of the lengths).
constexpr qsizetype maxSuggestedLength = 128;

// Levenshtein distance: insertions, deletions and substitutions.
qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(size_t(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) {
        row[size_t(j)] = j;
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            const qsizetype substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, substitution});
            diagonal = above;
        }
    }
    return row[size_t(b.size())];
}

} // namespace

int KivFormatCatalogue::add(const QList<KivFormat> &formats)
{
    QHash<QString, qsizetype> indexOfId;
    for (qsizetype i = 0; i < formats_.size(); ++i) {
        indexOfId.insert(formats_[i].id, i);
    }
    for (const KivFormat &format : formats) {
        const auto it = indexOfId.constFind(format.id);
        if (it != indexOfId.constEnd()) {
            formats_[*it] = format;
        } else {
            indexOfId.insert(format.id, formats_.size());
            formats_ << format;
        }
    }
    return int(formats.size());
}

std::optional<KivFormat> KivFormatCatalogue::find(const QString &name) const
{
    const QString typed = kivNormalizeFormatName(name);
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    for (const KivFormat &format : formats_) {
        if (format.id == typed) {
            return format;
        }
    }
    // A name may come with its maker, the family's first word: "Apple ProRes 422 HQ".
    for (const KivFormat &format : formats_) {
        const QString maker = format.family.section(QLatin1Char(' '), 0, 0);
        if (kivNormalizeFormatName(format.name) == typed ||
            kivNormalizeFormatName(maker + QLatin1Char(' ') + format.name) == typed) {
            return format;
        }
    }
    return std::nullopt;
}

std::optional<KivFormat> KivFormatCatalogue::lookup(const QString &name, QString &error) const
{
    std::optional<KivFormat> format = find(name);
    if (format) {
        return format;
    }
    error = QLatin1String("unknown format ") + kivQuoted(name, kivShownLength);
    const QStringList near = suggestions(name);
    if (!near.isEmpty()) {
        QString list = near.first();
        for (qsizetype i = 1; i < near.size(); ++i) {
            list += (i + 1 == near.size() ? QLatin1String(" or ") : QLatin1String(", ")) + near[i];
        }
        error += QLatin1String("; did you mean ") + list + QLatin1Char('?');
    }
    return std::nullopt;
}

QStringList KivFormatCatalogue::suggestions(const QString &name, int count) const
{
    const QString typed = kivNormalizeFormatName(name);
    QStringList ids;
    if (typed.isEmpty() || count <= 0) {
        return ids;
    }
    if (typed.size() <= maxSuggestedLength) {
        const qsizetype limit = std::max<qsizetype>(3, typed.size() / 2);
        std::vector<std::pair<qsizetype, qsizetype>> near; // distance, index
        for (qsizetype i = 0; i < formats_.size(); ++i) {
            const qsizetype distance = editDistance(typed, formats_[i].id);
            if (distance <= limit) {
                near.emplace_back(distance, i);
            }
        }
        std::stable_sort(near.begin(), near.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[distance, index] : near) {
            if (ids.size() < count) {
                ids << formats_[index].id;
            }
        }
    }
    if (ids.isEmpty()) {
        for (const KivFormat &format : filter(typed)) {
            if (ids.size() < count) {
                ids << format.id;
            }
        }
    }
    return ids;
}

QList<KivFormat> KivFormatCatalogue::filter(const QString &word) const
{
    const QString typed = kivNormalizeFormatName(word);
    QList<KivFormat> found;
    for (const KivFormat &format : formats_) {
        if (format.id.contains(typed) || kivNormalizeFormatName(format.name).contains(typed) ||
            kivNormalizeFormatName(format.family).contains(typed)) {
            found << format;
        }
    }
    return found;
}

QStringList KivFormatCatalogue::families() const
{
    QStringList families;
    for (const KivFormat &format : formats_) {
        if (!families.contains(format.family)) {
            families << format.family;
        }
    }
    return families;
}

QList<KivFormat> KivFormatCatalogue::inFamily(const QString &family) const
{
    QList<KivFormat> found;
    for (const KivFormat &format : formats_) {
        if (format.family == family) {
            found << format;
        }
    }
    return found;
}

std::optional<KivFormatChoice> kivChooseFormat(const KivFormatCatalogue &catalogue,
                                               const QString &name,
                                               std::optional<KivFrameSize> frame,
                                               std::optional<double> fps, QString &error)
{
    const std::optional<KivFormat> format = catalogue.lookup(name, error);
    if (!format) {
        return std::nullopt;
    }
    const std::optional<KivFormatRate> rate = kivFormatRate(*format, frame, fps, error);
    if (!rate) {
        return std::nullopt;
    }
    return KivFormatChoice{*format, frame, fps, *rate};
}
