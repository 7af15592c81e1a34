// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatCatalogue.h"

#include <QHash>

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

QList<KivFormat> KivFormatCatalogue::filter(const QString &word) const
{
    const QString typed = kivNormalizeFormatName(word);
    const auto holds = [&typed](const QString &text) {
        return kivNormalizeFormatName(text).contains(typed);
    };
    QList<KivFormat> found;
    for (const KivFormat &format : formats_) {
        bool match = format.id.contains(typed) || holds(format.name) || holds(format.family);
        for (const QString &alias : format.aliases) {
            match = match || alias.contains(typed);
        }
        for (const KivFormatName &named : format.names) {
            match = match || holds(named.name);
        }
        if (match) {
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
