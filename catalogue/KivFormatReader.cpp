// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFormatReader.h"

#include "calc/KivDisplay.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <initializer_list>
#include <utility>

namespace KivFormatReading {

QString member(const char *key)
{
    return QLatin1Char('"') + QLatin1String(key) + QLatin1Char('"');
}

QString number(double x)
{
    return QString::number(x, 'g', 12);
}

std::optional<double> figure(const QJsonValue &value, double lo, double hi)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double x = value.toDouble();
    return x >= lo && x <= hi ? std::optional<double>(x) : std::nullopt;
}

QString rangeText(double lo, double hi)
{
    return QLatin1String("a number from ") + number(lo) + QLatin1String(" to ") + number(hi);
}

QString readText(const QJsonObject &entry, const char *key, bool required, QString &out)
{
    constexpr qsizetype maxTextLength = 300;
    const QJsonValue value = entry.value(QLatin1String(key));
    if (value.isUndefined() && !required) {
        return QString();
    }
    if (!value.isString()) {
        return member(key) + QLatin1String(" must be a text");
    }
    out = value.toString().trimmed();
    if (required && out.isEmpty()) {
        return member(key) + QLatin1String(" must not be empty");
    }
    if (out.size() > maxTextLength) {
        return member(key) + QStringLiteral(" is longer than %1 characters").arg(maxTextLength);
    }
    for (QChar c : out) {
        if (kivIsControl(c)) {
            return member(key) + QLatin1String(" must be one line without control characters");
        }
    }
    return QString();
}

} // namespace KivFormatReading

using namespace KivFormatReading;

namespace {

constexpr int maxWarnings = 20;

// Members every kind may have; any other member that is not of the entry's
// kind makes the entry invalid, so that a typo is reported rather than
// silently ignored.
constexpr std::initializer_list<const char *> commonKeys = {
    "id", "aliases", "name", "family", "nature", "audio", "alpha", "source", "note", "kind"};

bool isCommon(const QString &key)
{
    for (const char *k : commonKeys) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

QString idProblem(const QString &id)
{
    return QLatin1String("id ") + kivQuoted(id, kivShownLength) +
           QLatin1String(" must be lowercase letters and digits in words joined by '-', at most 64 "
                         "characters");
}

QString readAliases(const QJsonObject &entry, KivFormat &format)
{
    const QJsonValue value = entry.value(QLatin1String("aliases"));
    if (value.isUndefined()) {
        return QString();
    }
    const QJsonArray aliases = value.toArray();
    if (!value.isArray() || aliases.size() > maxListed) {
        return QStringLiteral("\"aliases\" must be a list of at most %1 ids").arg(maxListed);
    }
    for (const QJsonValue &alias : aliases) {
        const QString id = alias.toString();
        if (!alias.isString() || !kivIsFormatId(id)) {
            return QLatin1String("alias: ") + idProblem(id);
        }
        if (id == format.id || format.aliases.contains(id)) {
            return QLatin1String("alias ") + id + QLatin1String(" is given twice");
        }
        format.aliases << id;
    }
    return QString();
}

// The common members after the id and kind; empty when all are valid.
QString readCommon(const QJsonObject &entry, KivFormat &format)
{
    if (QString problem = readAliases(entry, format); !problem.isEmpty()) {
        return problem;
    }
    for (const auto &[key, out] :
         {std::pair{"name", &format.name}, std::pair{"family", &format.family},
          std::pair{"source", &format.source}}) {
        if (QString problem = readText(entry, key, true, *out); !problem.isEmpty()) {
            return problem;
        }
    }
    if (QString problem = readText(entry, "note", false, format.note); !problem.isEmpty()) {
        return problem;
    }
    const std::optional<KivRateNature> nature =
        kivRateNatureNamed(entry.value(QLatin1String("nature")).toString());
    if (!nature) {
        return QLatin1String("\"nature\" must be target, constant, max, average, approximate, "
                             "net or nominal");
    }
    format.nature = *nature;
    const QJsonValue audio = entry.value(QLatin1String("audio"));
    if (!audio.isBool()) {
        return QLatin1String("\"audio\" must be true or false");
    }
    format.audio = audio.toBool();
    const QJsonValue alpha = entry.value(QLatin1String("alpha"));
    if (!alpha.isUndefined()) {
        if (!alpha.isBool()) {
            return QLatin1String("\"alpha\" must be true or false");
        }
        format.alpha = alpha.toBool();
    }
    return QString();
}

// The entry's problem, or an empty text when `format` holds a valid entry.
QString readEntry(const QJsonObject &entry, KivFormat &format)
{
    if (QString problem = readText(entry, "id", true, format.id); !problem.isEmpty()) {
        return problem;
    }
    format.id = entry.value(QLatin1String("id")).toString(); // as written: no blanks around
    if (!kivIsFormatId(format.id)) {
        return idProblem(format.id);
    }
    const QJsonValue kindValue = entry.value(QLatin1String("kind"));
    const std::optional<KivFormatKind> kind = kivFormatKindNamed(kindValue.toString());
    if (!kind) {
        const QString what =
            kindValue.isString()
                ? QLatin1String("unknown kind ") + kivQuoted(kindValue.toString(), kivShownLength)
                : QLatin1String("no \"kind\"");
        return what + QLatin1String("; expected table, per-frame, fixed or formula");
    }
    format.kind = *kind;
    for (auto it = entry.begin(); it != entry.end(); ++it) {
        if (isCommon(it.key()) || isKindMember(*kind, it.key())) {
            continue;
        }
        return isAnyKindMember(it.key())
                   ? member(qPrintable(it.key())) + QLatin1String(" does not belong to a ") +
                         kivFormatKindName(*kind) + QLatin1String(" entry")
                   : QLatin1String("unknown field ") + kivQuoted(it.key(), kivShownLength);
    }
    if (QString problem = readCommon(entry, format); !problem.isEmpty()) {
        return problem;
    }
    return readFigures(entry, format);
}

QString parseErrorLine(const QByteArray &json, const QJsonParseError &error, const QString &origin)
{
    const qsizetype at = qBound(qsizetype(0), qsizetype(error.offset), json.size());
    const QByteArray before = json.left(at);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = at - before.lastIndexOf('\n');
    return origin + QStringLiteral(":%1:%2: not valid JSON (%3); nothing loaded from it")
                        .arg(line)
                        .arg(column)
                        .arg(error.errorString());
}

} // namespace

QList<KivFormat> kivReadFormats(const QByteArray &json, const QString &origin,
                                QStringList &warnings)
{
    const QString where = kivEscaped(origin);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        warnings << parseErrorLine(json, error, where);
        return {};
    }
    const QJsonValue list = document.object().value(QLatin1String("formats"));
    if (!document.isObject() || !list.isArray()) {
        warnings << where + QLatin1String(": expected an object with a \"formats\" list; nothing "
                                          "loaded from it");
        return {};
    }
    QList<KivFormat> formats;
    QHash<QString, qsizetype> entryOfId;
    int faults = 0;
    const QJsonArray entries = list.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        KivFormat format;
        QString problem = entries[i].isObject() ? readEntry(entries[i].toObject(), format)
                                                : QLatin1String("not an object");
        const bool idKnown = kivIsFormatId(format.id);
        if (problem.isEmpty() && entryOfId.contains(format.id)) {
            problem = QStringLiteral("id already used by entry %1 of this file")
                          .arg(entryOfId.value(format.id));
        }
        if (problem.isEmpty()) {
            entryOfId.insert(format.id, i + 1);
            format.file = origin;
            formats << format;
            continue;
        }
        if (++faults <= maxWarnings) {
            warnings << where + QStringLiteral(": entry %1").arg(i + 1) +
                            (idKnown ? QLatin1String(" (") + format.id + QLatin1Char(')')
                                     : QString()) +
                            QLatin1String(": ") + problem + QLatin1String("; skipped");
        }
    }
    if (faults > maxWarnings) {
        warnings
            << where + QStringLiteral(": %1 more faulty entries skipped").arg(faults - maxWarnings);
    }
    return formats;
}
