// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanRules.h"
#include "KivPlanScan.h"
#include "calc/KivDisplay.h"
#include "plan/KivPlanFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

using K = KivPlanFaultKind;
using Place = KivPlanPlace;

bool contains(KivPlanKeys keys, const QString &key)
{
    for (const char *k : keys) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

// A whole number held in an int; one beyond the int's range is clamped,
// still outside every limit, for kivCheckPlan to refuse.
int clampedWhole(double x)
{
    if (x <= double(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (x >= double(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(x);
}

// Reads the members of one plan into a plan, checking their types; their
// limits are kivCheckPlan's. The first fault ends it.
class Reader
{
public:
    KivPlanFault fault;

    bool plan(const QJsonObject &object, KivPlan &plan)
    {
        const Place top = Place::ofPlan();
        if (!known(object, top, {kivPlanKeys})) {
            return false;
        }
        const QJsonValue title = object.value(QLatin1String("title"));
        if (!title.isUndefined() && !title.isString()) {
            return fail(top.child(QStringLiteral("title")), K::NotText);
        }
        plan.title = title.toString();
        const QJsonValue units = object.value(QLatin1String("units"));
        if (!units.isUndefined()) {
            const KivCardUnit *unit =
                units.isString() ? kivFindCardUnit(units.toString().toStdString()) : nullptr;
            if (unit == nullptr) {
                fail(top.child(QStringLiteral("units")),
                     units.isString() ? K::UnitsUnknown : K::UnitsNotText);
                fault.text = units.toString();
                return false;
            }
            plan.units = unit->units;
        }
        std::optional<std::uint32_t> handoff;
        if (!whole(object, top, "days", kivPlanDaysLimit, plan.days) ||
            !whole(object, top, "copies", kivPlanCopiesLimit, plan.copies) ||
            !number(object, top, "card_size", kivPlanSizeLimit, plan.cardSize) ||
            !number(object, top, "drive_size", kivPlanSizeLimit, plan.driveSize) ||
            !number(object, top, "offload_mbyte_s", kivPlanOffloadLimit,
                    plan.offloadMbytesPerSec) ||
            !time(object, top, "day_length", plan.dayLength) ||
            !time(object, top, "handoff", handoff) ||
            !whole(object, top, "readers", kivPlanReadersLimit, plan.readers) ||
            !flag(object, top, "verify", plan.verify)) {
            return false;
        }
        plan.handoffSeconds = handoff.value_or(0);
        const QJsonValue proxy = object.value(QLatin1String("proxy"));
        if (!proxy.isUndefined()) {
            const Place place = Place::ofProxy();
            if (!proxy.isObject()) {
                return fail(place, K::NotAnObject);
            }
            const QJsonObject p = proxy.toObject();
            if (!known(p, place, {kivPlanSourceKeys, kivPlanFormatKeys, {"audio"}}) ||
                !source(p, place, plan.proxy.emplace())) {
                return false;
            }
        }
        const QJsonValue cameras = object.value(QLatin1String("cameras"));
        const QJsonArray list = cameras.toArray();
        if (!cameras.isArray() || list.isEmpty() || list.size() > kivPlanMaxCameras) {
            fail(top.child(QStringLiteral("cameras")),
                 cameras.isUndefined() ? K::CamerasMissing : K::CameraCount);
            fault.highest = kivPlanMaxCameras;
            return false;
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (!camera(list[i], Place::ofCamera(i), plan.cameras.emplace_back())) {
                return false;
            }
        }
        return true;
    }

private:
    bool fail(const Place &place, K kind)
    {
        fault = kivPlanFault(place, kind);
        return false;
    }

    // The fault of a text read by a lower library, with its words.
    bool failText(const Place &place, K kind, const QString &text, const QString &detail)
    {
        fail(place, kind);
        fault.text = text;
        fault.detail = detail;
        return false;
    }

    // Refuses the first member of `object` not in `keys`.
    bool known(const QJsonObject &object, const Place &place,
               std::initializer_list<KivPlanKeys> keys)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool found = false;
            for (KivPlanKeys k : keys) {
                found = found || contains(k, it.key());
            }
            if (!found) {
                return fail(place.child(it.key()), K::UnknownMember);
            }
        }
        return true;
    }

    // An optional whole number; absent keeps `out`.
    bool whole(const QJsonObject &object, const Place &place, const char *key,
               const KivPlanLimit &limit, int &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        const double x = value.toDouble();
        if (!value.isDouble() || x != std::floor(x)) {
            fault = kivPlanLimitFault(place.child(QLatin1String(key)), limit);
            return false;
        }
        out = clampedWhole(x);
        return true;
    }

    bool number(const QJsonObject &object, const Place &place, const char *key,
                const KivPlanLimit &limit, std::optional<double> &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        if (!value.isDouble()) {
            fault = kivPlanLimitFault(place.child(QLatin1String(key)), limit);
            return false;
        }
        out = value.toDouble();
        return true;
    }

    // An optional time, "H:M:S"; absent keeps `out`.
    bool time(const QJsonObject &object, const Place &place, const char *key,
              std::optional<std::uint32_t> &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        const Place at = place.child(QLatin1String(key));
        if (!value.isString()) {
            return fail(at, K::TimeNotText);
        }
        QString problem;
        if (!(out = kivReadTime(value.toString(), problem))) {
            return failText(at, K::TimeUnreadable, value.toString(), problem);
        }
        return true;
    }

    // An optional true or false; absent keeps `out`.
    bool flag(const QJsonObject &object, const Place &place, const char *key, bool &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        out = value.toBool(out);
        return value.isUndefined() || value.isBool() ||
               fail(place.child(QLatin1String(key)), K::NotTrueOrFalse);
    }

    // A text member that must be there.
    bool text(const QJsonObject &object, const Place &place, const char *key, K missing, K notText,
              QString &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString()) {
            return fail(place.child(QLatin1String(key)), value.isUndefined() ? missing : notText);
        }
        out = value.toString();
        return true;
    }

    bool camera(const QJsonValue &value, const Place &place, KivPlanCamera &camera)
    {
        if (!value.isObject()) {
            return fail(place, K::NotAnObject);
        }
        const QJsonObject object = value.toObject();
        if (!known(object, place,
                   {kivPlanCameraKeys, kivPlanSourceKeys, kivPlanFormatKeys, {"audio"}}) ||
            !text(object, place, "name", K::NameMissing, K::NotText, camera.name) ||
            !whole(object, place, "count", kivPlanCountLimit, camera.count)) {
            return false;
        }
        // An unfinished camera is read as it is, without its time or its rate.
        const QJsonValue time = object.value(QLatin1String("time_per_day"));
        const Place timePlace = place.child(QStringLiteral("time_per_day"));
        if (time.isString()) {
            QString problem;
            if (!(camera.secondsPerDay = kivReadTime(time.toString(), problem))) {
                return failText(timePlace, K::TimeUnreadable, time.toString(), problem);
            }
        } else if (!time.isUndefined()) {
            return fail(timePlace, K::TimeNotText);
        }
        return source(object, place, camera.source);
    }

    bool source(const QJsonObject &object, const Place &place, KivPlanSource &out)
    {
        QStringList given;
        for (const char *key : kivPlanSourceKeys) {
            if (object.contains(QLatin1String(key))) {
                given << QLatin1String(key);
            }
        }
        const bool proxy = place.object == Place::Object::Proxy;
        if (given.isEmpty() && proxy) {
            return fail(place, K::NoRate);
        }
        if (given.size() > 1) {
            fail(place, K::TwoRates);
            fault.text = given[0];
            fault.other = given[1];
            return false;
        }
        const QString kind = given.value(0);
        for (const char *key : kivPlanFormatKeys) {
            if (object.contains(QLatin1String(key)) && kind != QLatin1String("format")) {
                return fail(place.child(QLatin1String(key)), K::GoesWithFormat);
            }
        }
        if (kind == QLatin1String("bitrate")) {
            std::optional<double> mbps;
            if (!number(object, place, "bitrate", kivPlanBitrateLimit, mbps)) {
                return false;
            }
            out.from = KivPlanBitrate{*mbps};
        } else if (kind == QLatin1String("mbytes")) {
            std::optional<double> mbytes;
            if (!number(object, place, "mbytes", kivPlanMbytesLimit(), mbytes)) {
                return false;
            }
            out.from = KivPlanMbytes{*mbytes};
        } else if (kind == QLatin1String("format")) {
            KivPlanFormat format;
            if (!readFormat(object, place, format)) {
                return false;
            }
            out.from = format;
        } else if (kind.isEmpty()) {
            out.from = KivPlanNoRate();
        } else if (proxy) {
            return fail(place.child(kind), K::ProxyClips);
        } else {
            KivPlanClips clips;
            if (!readClips(object.value(kind), place.child(kind), clips)) {
                return false;
            }
            out.from = clips;
        }
        return audio(object, place, kind, out.audio);
    }

    bool readFormat(const QJsonObject &object, const Place &place, KivPlanFormat &format)
    {
        const QJsonValue name = object.value(QLatin1String("format"));
        format.name = name.toString();
        if (format.name.trimmed().isEmpty()) {
            return fail(place.child(QStringLiteral("format")), K::NoFormatName);
        }
        QString problem;
        const QJsonValue frame = object.value(QLatin1String("frame"));
        const Place framePlace = place.child(QStringLiteral("frame"));
        if (!frame.isUndefined()) {
            if (!frame.isString()) {
                return fail(framePlace, K::FrameNotText);
            }
            if (!(format.frame = kivReadFrameSize(frame.toString(), problem))) {
                return failText(framePlace, K::FrameSize, frame.toString(), problem);
            }
        }
        // A rate written as a number or a text is held to its limits by
        // kivCheckPlan, in the same words.
        const QJsonValue fps = object.value(QLatin1String("fps"));
        const Place fpsPlace = place.child(QStringLiteral("fps"));
        if (fps.isString()) {
            if (!(format.fps = kivReadFrameRate(fps.toString(), problem, false))) {
                return failText(fpsPlace, K::FrameRateText, fps.toString(), problem);
            }
        } else if (fps.isDouble()) {
            format.fps = fps.toDouble();
        } else if (!fps.isUndefined()) {
            fail(fpsPlace, K::FrameRate);
            fault.lowest = kivMinFrameRate;
            fault.highest = kivMaxFrameRate;
            return false;
        }
        return true;
    }

    bool readClips(const QJsonValue &value, const Place &place, KivPlanClips &clips)
    {
        const QJsonArray list = value.toArray();
        if (!value.isArray() || list.isEmpty()) {
            return fail(place, K::NoClips);
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (!list[i].isString() || list[i].toString().isEmpty()) {
                return fail(place.at(i), K::EmptyClip);
            }
            clips.paths << list[i].toString();
        }
        return true;
    }

    bool audio(const QJsonObject &object, const Place &place, const QString &kind,
               std::optional<KivAudio> &out)
    {
        const QJsonValue value = object.value(QLatin1String("audio"));
        if (value.isUndefined()) {
            return true;
        }
        const Place audioPlace = place.child(QStringLiteral("audio"));
        if (kind == QLatin1String("clips")) {
            return fail(audioPlace, K::AudioWithClips);
        }
        const double channels = value.toDouble();
        QString written = value.toString();
        if (value.isDouble() && channels >= 0 && channels <= 1e6 &&
            channels == std::floor(channels)) {
            written = QString::number(static_cast<int>(channels));
        } else if (!value.isString()) {
            return fail(audioPlace, K::AudioNotText);
        }
        QString problem;
        if (!(out = kivReadAudio(written, problem))) {
            return failText(audioPlace, K::AudioUnreadable, written, problem);
        }
        return true;
    }
};

KivPlanFault parseFault(const QByteArray &json, const QJsonParseError &error, const QString &origin)
{
    const qsizetype at = qBound(qsizetype(0), qsizetype(error.offset), json.size());
    const QByteArray before = json.left(at);
    KivPlanFault fault = kivPlanFault(Place::ofFile(origin), K::NotJson);
    fault.line = before.count('\n') + 1;
    fault.column = at - before.lastIndexOf('\n');
    fault.detail = error.errorString();
    return fault;
}

} // namespace

bool kivReadPlan(const QByteArray &json, const QString &origin, KivPlan &plan, KivPlanFault &fault)
{
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray body = json.startsWith(bom) ? json.mid(bom.size()) : json;
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        fault = parseFault(body, parsed, origin);
        return false;
    }
    if (!document.isObject()) {
        fault = kivPlanFault(Place::ofFile(origin), K::NotAPlan);
        return false;
    }
    if (const std::optional<Place> twice = kivPlanMemberTwice(body)) {
        fault = kivPlanFault(*twice, K::GivenTwice);
        return false;
    }
    Reader reader;
    KivPlan read;
    if (!reader.plan(document.object(), read)) {
        fault = reader.fault;
        return false;
    }
    if (!kivCheckPlan(read, fault)) {
        return false;
    }
    plan = std::move(read);
    return true;
}

bool kivReadPlan(const QByteArray &json, const QString &origin, KivPlan &plan, QString &error)
{
    return kivPlanWorded(
        error, [&](KivPlanFault &fault) { return kivReadPlan(json, origin, plan, fault); });
}
