// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "formats/KivFormatCatalogue.h"

#include "KivFormatReader.h"
#include "KivFormatsText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const char builtInPath[] = ":/kivfilesizecalculator/formats.json";

// Longer typed names get no edit-distance suggestions (the cost grows with
// the product of the lengths).
constexpr qsizetype maxSuggestedLength = 128;

struct BuiltIn
{
    KivFormatCatalogue catalogue;
    QStringList warnings;
};

const BuiltIn &builtInData()
{
    static const BuiltIn data = [] {
        BuiltIn read;
        const QString path = QLatin1String(builtInPath);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            read.catalogue.addJson(file.readAll(), path, read.warnings);
        } else {
            read.warnings << QLatin1String("the built-in formats are missing from this program (") +
                                 path + QLatin1Char(')');
        }
        return read;
    }();
    return data;
}

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

const KivFormatCatalogue &KivFormatCatalogue::builtIn()
{
    return builtInData().catalogue;
}

int KivFormatCatalogue::addJson(const QByteArray &json, const QString &origin,
                                QStringList &warnings)
{
    const QList<KivFormat> read = kivReadFormats(json, origin, warnings);
    QHash<QString, qsizetype> indexOfId;
    for (qsizetype i = 0; i < formats_.size(); ++i) {
        indexOfId.insert(formats_[i].id, i);
    }
    for (const KivFormat &format : read) {
        const auto it = indexOfId.constFind(format.id);
        if (it != indexOfId.constEnd()) {
            formats_[*it] = format;
        } else {
            formats_ << format;
        }
    }
    return int(read.size());
}

int KivFormatCatalogue::addFile(const QString &path, QStringList &warnings)
{
    const QString where = kivOneLine(path);
    if (QFileInfo(path).isDir()) {
        warnings << where + QLatin1String(": a folder, not a formats file");
        return 0;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnings << where + QLatin1String(": cannot be read (") + file.errorString() +
                        QLatin1Char(')');
        return 0;
    }
    // One byte more than allowed tells a file that is too large, also where
    // the size is unknown beforehand (pipes, devices).
    const QByteArray json = file.read(kivMaxFormatsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        warnings << where + QLatin1String(": cannot be read (") + file.errorString() +
                        QLatin1Char(')');
        return 0;
    }
    if (json.size() > kivMaxFormatsFileBytes) {
        warnings << where + QLatin1String(": larger than 1 MiB; not read");
        return 0;
    }
    return addJson(json, path, warnings);
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
    error = QLatin1String("unknown format ") + kivQuoted(name);
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

QString kivUserFormatsPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) {
        return QString();
    }
    return config + QLatin1String("/kivfilesizecalculator/formats.json");
}

KivFormatLoad kivLoadFormats(const QStringList &extraFiles)
{
    KivFormatLoad load{builtInData().catalogue, builtInData().warnings};
    // The user's file is read without being asked for, so only a regular file:
    // opening a named pipe with no writer would wait for ever.
    const QString user = kivUserFormatsPath();
    const QFileInfo userFile(user);
    if (!user.isEmpty() && userFile.exists()) {
        if (userFile.isFile()) {
            load.catalogue.addFile(user, load.warnings);
        } else if (!userFile.isDir()) {
            load.warnings << kivOneLine(user) + QLatin1String(": not a regular file; not read");
        } else {
            load.warnings << kivOneLine(user) + QLatin1String(": a folder, not a formats file");
        }
    }
    for (const QString &path : extraFiles) {
        load.catalogue.addFile(path, load.warnings);
    }
    return load;
}
