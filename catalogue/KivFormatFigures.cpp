// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The figures of each kind of entry in a formats file.
#include "KivFormatReader.h"

#include "calc/KivDisplay.h"
#include "catalogue/KivFormatRate.h"

#include <QJsonArray>

#include <initializer_list>

namespace KivFormatReading {

namespace {

constexpr double minMbps = 0.001;
constexpr double maxMbps = 1e7;
constexpr double minBytes = 1;
constexpr double maxBytes = 1e10;

using Keys = std::initializer_list<const char *>;
constexpr Keys tableKeys = {"rates", "sizes", "onlyListedSizes", "onlyListedRates"};
constexpr Keys perFrameKeys = {"sizes", "onlyListedSizes", "rates", "names"};
constexpr Keys fixedKeys = {"mbps", "mbytesPerMinute"};
constexpr Keys formulaKeys = {"packing"};

bool contains(Keys keys, const QString &key)
{
    for (const char *k : keys) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

QString readFlag(const QJsonObject &entry, const char *key, bool &out)
{
    const QJsonValue value = entry.value(QLatin1String(key));
    if (!value.isUndefined() && !value.isBool()) {
        return member(key) + QLatin1String(" must be true or false");
    }
    out = value.toBool(false);
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

// A table's row: one figure per rate, null where the source lists none.
QString readRow(const QJsonValue &mbps, KivFormat &format, KivFormatSize &size)
{
    const QJsonArray list = mbps.toArray();
    if (!mbps.isArray() || list.size() != format.rates.size()) {
        return QStringLiteral("\"mbps\" must list one figure per rate (%1)")
            .arg(format.rates.size());
    }
    bool any = false;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].isNull()) {
            size.mbps << 0.0;
            continue;
        }
        const std::optional<double> x = figure(list[i], minMbps, maxMbps);
        if (!x) {
            return QStringLiteral("Mbit/s figure %1 must be null or ").arg(i + 1) +
                   rangeText(minMbps, maxMbps);
        }
        size.mbps << *x;
        any = true;
    }
    return any ? QString() : QStringLiteral("\"mbps\" must hold at least one figure");
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
        if (QString problem = readRow(object.value(QLatin1String("mbps")), format, size);
            !problem.isEmpty()) {
            return problem;
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
    return readFlag(entry, "onlyListedSizes", format.onlyListedSizes);
}

// "names": {"DNxHD 145": [29.97], ...}, each rate one of the entry's.
QString readNames(const QJsonObject &entry, KivFormat &format)
{
    const QJsonValue value = entry.value(QLatin1String("names"));
    if (value.isUndefined()) {
        return QString();
    }
    const QJsonObject names = value.toObject();
    if (!value.isObject() || names.isEmpty() || names.size() > maxListed) {
        return QStringLiteral("\"names\" must map 1 to %1 names to the rates they name")
            .arg(maxListed);
    }
    if (format.rates.isEmpty()) {
        return QLatin1String("\"names\" needs the entry's \"rates\"");
    }
    for (auto it = names.begin(); it != names.end(); ++it) {
        // A name follows the rules of a text member: one line, 1 to 300 characters.
        QString name;
        const QJsonObject one{{QStringLiteral("name"), it.key()}};
        if (QString problem = readText(one, "name", true, name); !problem.isEmpty()) {
            return QLatin1String("a name in \"names\" must be one line of 1 to 300 characters");
        }
        const QString shown = kivQuoted(name, kivShownLength);
        if (kivFormatWords(name).isEmpty()) {
            return QLatin1String("name ") + shown + QLatin1String(" has no letters or digits");
        }
        const QJsonArray rates = it.value().toArray();
        if (!it.value().isArray() || rates.isEmpty()) {
            return QLatin1String("name ") + shown + QLatin1String(" must list the rates it names");
        }
        for (const QJsonValue &rate : rates) {
            const qsizetype at = format.rates.indexOf(rate.toDouble(-1));
            if (!rate.isDouble() || at < 0) {
                return QLatin1String("name ") + shown +
                       QLatin1String(" must name rates of \"rates\": ") +
                       kivRatesText(format.rates, QStringLiteral(", "));
            }
            format.names.append({name, format.rates[at]});
        }
    }
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

QString readFormula(const QJsonObject &entry, KivFormat &format)
{
    const std::optional<KivPacking> packing =
        kivPackingNamed(entry.value(QLatin1String("packing")).toString());
    if (!packing) {
        QStringList ids;
        for (const KivPackingRule &rule : KIV_PACKINGS) {
            ids << QLatin1String(rule.id);
        }
        return QLatin1String("\"packing\" must be one of ") + ids.join(QLatin1String(", "));
    }
    format.packing = *packing;
    return QString();
}

} // namespace

bool isKindMember(KivFormatKind kind, const QString &key)
{
    switch (kind) {
    case KivFormatKind::Table:
        return contains(tableKeys, key);
    case KivFormatKind::PerFrame:
        return contains(perFrameKeys, key);
    case KivFormatKind::Formula:
        return contains(formulaKeys, key);
    case KivFormatKind::Fixed:
        break;
    }
    return contains(fixedKeys, key);
}

bool isAnyKindMember(const QString &key)
{
    return contains(tableKeys, key) || contains(perFrameKeys, key) || contains(fixedKeys, key) ||
           contains(formulaKeys, key);
}

QString readFigures(const QJsonObject &entry, KivFormat &format)
{
    switch (format.kind) {
    case KivFormatKind::Table:
        if (QString problem = readRates(entry, format); !problem.isEmpty()) {
            return problem;
        }
        if (QString problem = readFlag(entry, "onlyListedRates", format.onlyListedRates);
            !problem.isEmpty()) {
            return problem;
        }
        return readSizes(entry, format);
    case KivFormatKind::PerFrame:
        if (entry.contains(QLatin1String("rates"))) {
            if (QString problem = readRates(entry, format); !problem.isEmpty()) {
                return problem;
            }
            format.onlyListedRates = true;
        }
        if (QString problem = readSizes(entry, format); !problem.isEmpty()) {
            return problem;
        }
        return readNames(entry, format);
    case KivFormatKind::Formula:
        return readFormula(entry, format);
    case KivFormatKind::Fixed:
        break;
    }
    return readFixed(entry, format);
}

} // namespace KivFormatReading
