// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFormatReader.h"

#include "calc/KivDisplay.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <initializer_list>
#include <optional>
#include <utility>

namespace {

constexpr qsizetype maxListed = 64;
constexpr qsizetype maxTextLength = 300;
constexpr double minMbps = 0.001;
constexpr double maxMbps = 1e7;
constexpr double minBytes = 1;
constexpr double maxBytes = 1e10;
constexpr int maxWarnings = 20;

// Members by kind; any other member makes the entry invalid, so that a typo
// is reported rather than silently ignored.
using Keys = std::initializer_list<const char *>;
constexpr Keys commonKeys = {"id", "name", "family", "nature", "audio", "source", "note", "kind"};
constexpr Keys tableKeys = {"rates", "sizes", "onlyListedSizes"};
constexpr Keys perFrameKeys = {"sizes", "onlyListedSizes"};
constexpr Keys fixedKeys = {"mbps", "mbytesPerMinute"};

bool contains(Keys keys, const QString &key)
{
    for (const char *k : keys) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

Keys kindKeys(KivFormatKind kind)
{
    switch (kind) {
    case KivFormatKind::Table:
        return tableKeys;
    case KivFormatKind::PerFrame:
        return perFrameKeys;
    case KivFormatKind::Fixed:
        break;
    }
    return fixedKeys;
}

QString member(const char *key)
{
    return QLatin1Char('"') + QLatin1String(key) + QLatin1Char('"');
}

QString number(double x)
{
    return QString::number(x, 'g', 12);
}

// A number within lo..hi (so finite), or nothing.
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

// A one-line text member; required ones must not be blank. Returns the problem.
QString readText(const QJsonObject &entry, const char *key, bool required, QString &out)
{
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

QString readRates(const QJsonObject &entry, KivFormat &format)
{
    const QJsonValue value = entry.value(QLatin1String("rates"));
    const QJsonArray rates = value.toArray();
    if (!value.isArray() || rates.isEmpty() || rates.size() > maxListed) {
        return QStringLiteral("\"rates\" must be a list of 1 to %1 frame rates").arg(maxListed);
    }
    for (qsizetype i = 0; i < rates.size(); ++i) {
        const std::optional<double> rate = figure(rates[i], kivMinFrameRate, kivMaxFrameRate);
        if (!rate) {
            return QStringLiteral("rate %1 must be ").arg(i + 1) +
                   rangeText(kivMinFrameRate, kivMaxFrameRate);
        }
        if (!format.rates.isEmpty() && *rate <= format.rates.last()) {
            return QLatin1String("\"rates\" must rise: ") + number(*rate) +
                   QLatin1String(" after ") + number(format.rates.last());
        }
        format.rates << *rate;
    }
    return QString();
}

// One listed size of a table or per-frame entry.
QString readSize(const QJsonValue &value, KivFormat &format)
{
    const bool table = format.kind == KivFormatKind::Table;
    const char *figures = table ? "mbps" : "bytes";
    if (!value.isObject()) {
        return QLatin1String("must be an object");
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QLatin1String("frame") && it.key() != QLatin1String(figures)) {
            return QLatin1String("unknown field ") + kivQuoted(it.key(), kivShownLength);
        }
    }
    if (!object.value(QLatin1String("frame")).isString()) {
        return QLatin1String("\"frame\" must be a text such as \"1920x1080\"");
    }
    QString error;
    const std::optional<KivFrameSize> frame =
        kivReadFrameSize(object.value(QLatin1String("frame")).toString(), error);
    if (!frame) {
        return error;
    }
    for (const KivFormatSize &listed : format.sizes) {
        if (listed.frame == *frame) {
            return frame->text() + QLatin1String(" is listed twice");
        }
    }
    KivFormatSize size;
    size.frame = *frame;
    if (table) {
        const QJsonValue mbps = object.value(QLatin1String("mbps"));
        const QJsonArray list = mbps.toArray();
        if (!mbps.isArray() || list.size() != format.rates.size()) {
            return QStringLiteral("\"mbps\" must list one figure per rate (%1)")
                .arg(format.rates.size());
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            const std::optional<double> x = figure(list[i], minMbps, maxMbps);
            if (!x) {
                return QStringLiteral("Mbit/s figure %1 must be ").arg(i + 1) +
                       rangeText(minMbps, maxMbps);
            }
            size.mbps << *x;
        }
    } else {
        const std::optional<double> bytes =
            figure(object.value(QLatin1String("bytes")), minBytes, maxBytes);
        if (!bytes) {
            return QLatin1String("\"bytes\" must be ") + rangeText(minBytes, maxBytes);
        }
        size.bytesPerFrame = *bytes;
    }
    format.sizes << size;
    return QString();
}

QString readSizes(const QJsonObject &entry, KivFormat &format)
{
    const QJsonValue value = entry.value(QLatin1String("sizes"));
    const QJsonArray sizes = value.toArray();
    if (!value.isArray() || sizes.isEmpty() || sizes.size() > maxListed) {
        return QStringLiteral("\"sizes\" must be a list of 1 to %1 frame sizes").arg(maxListed);
    }
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const QString problem = readSize(sizes[i], format);
        if (!problem.isEmpty()) {
            return QStringLiteral("size %1: ").arg(i + 1) + problem;
        }
    }
    const QJsonValue only = entry.value(QLatin1String("onlyListedSizes"));
    if (!only.isUndefined() && !only.isBool()) {
        return QLatin1String("\"onlyListedSizes\" must be true or false");
    }
    format.onlyListedSizes = only.toBool(false);
    return QString();
}

QString readFixed(const QJsonObject &entry, KivFormat &format)
{
    const QJsonValue mbps = entry.value(QLatin1String("mbps"));
    const QJsonValue perMinute = entry.value(QLatin1String("mbytesPerMinute"));
    if (mbps.isUndefined() == perMinute.isUndefined()) {
        return QLatin1String("a fixed entry needs one of \"mbps\" and \"mbytesPerMinute\"");
    }
    if (!mbps.isUndefined()) {
        const std::optional<double> x = figure(mbps, minMbps, maxMbps);
        if (!x) {
            return QLatin1String("\"mbps\" must be ") + rangeText(minMbps, maxMbps);
        }
        format.mbps = *x;
        return QString();
    }
    // The same bounds in the file's unit (1 MB per minute = 8/60 Mbit/s).
    const std::optional<double> x = figure(perMinute, minMbps * 7.5, maxMbps * 7.5);
    if (!x) {
        return QLatin1String("\"mbytesPerMinute\" must be ") +
               rangeText(minMbps * 7.5, maxMbps * 7.5);
    }
    format.mbps = *x * 8.0 / 60.0;
    return QString();
}

std::optional<KivFormatKind> kindNamed(const QJsonValue &value)
{
    for (KivFormatKind kind :
         {KivFormatKind::Table, KivFormatKind::PerFrame, KivFormatKind::Fixed}) {
        if (value.toString() == kivFormatKindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

// The entry's problem, or an empty text when `format` holds a valid entry.
QString readEntry(const QJsonObject &entry, KivFormat &format)
{
    if (QString problem = readText(entry, "id", true, format.id); !problem.isEmpty()) {
        return problem;
    }
    format.id = entry.value(QLatin1String("id")).toString(); // as written: no blanks around
    if (!kivIsFormatId(format.id)) {
        return QLatin1String("id ") + kivQuoted(format.id, kivShownLength) +
               QLatin1String(" must be lowercase letters and digits in words joined by '-', "
                             "at most 64 characters");
    }
    const QJsonValue kindValue = entry.value(QLatin1String("kind"));
    const std::optional<KivFormatKind> kind = kindNamed(kindValue);
    if (!kind) {
        const QString what =
            kindValue.isString()
                ? QLatin1String("unknown kind ") + kivQuoted(kindValue.toString(), kivShownLength)
                : QLatin1String("no \"kind\"");
        return what + QLatin1String("; expected table, per-frame or fixed");
    }
    format.kind = *kind;
    for (auto it = entry.begin(); it != entry.end(); ++it) {
        if (contains(commonKeys, it.key()) || contains(kindKeys(*kind), it.key())) {
            continue;
        }
        const bool otherKind = contains(tableKeys, it.key()) || contains(fixedKeys, it.key());
        return otherKind ? member(qPrintable(it.key())) + QLatin1String(" does not belong to a ") +
                               kivFormatKindName(*kind) + QLatin1String(" entry")
                         : QLatin1String("unknown field ") + kivQuoted(it.key(), kivShownLength);
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
    const QString nature = entry.value(QLatin1String("nature")).toString();
    bool natureFound = false;
    for (KivRateNature n : {KivRateNature::Target, KivRateNature::Constant, KivRateNature::Max,
                            KivRateNature::Average}) {
        if (nature == kivRateNatureName(n)) {
            format.nature = n;
            natureFound = true;
        }
    }
    if (!natureFound) {
        return QLatin1String("\"nature\" must be target, constant, max or average");
    }
    const QJsonValue audio = entry.value(QLatin1String("audio"));
    if (!audio.isBool()) {
        return QLatin1String("\"audio\" must be true or false");
    }
    format.audio = audio.toBool();
    switch (*kind) {
    case KivFormatKind::Table:
        if (QString problem = readRates(entry, format); !problem.isEmpty()) {
            return problem;
        }
        return readSizes(entry, format);
    case KivFormatKind::PerFrame:
        return readSizes(entry, format);
    case KivFormatKind::Fixed:
        break;
    }
    return readFixed(entry, format);
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
