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

namespace {

using Keys = std::initializer_list<const char *>;
constexpr Keys planKeys = {"units", "days",    "copies",          "card_size", "drive_size",
                           "proxy", "cameras", "offload_mbyte_s", "title"};
constexpr Keys sourceKeys = {"bitrate", "mbytes", "format", "clips"};
constexpr Keys formatKeys = {"frame", "fps"};
constexpr Keys cameraKeys = {"name", "count", "time_per_day"};

bool contains(Keys keys, const QString &key)
{
    for (const char *k : keys) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

// Reads the members of one plan into a plan; the first fault ends it.
class Reader
{
public:
    QString error;

    bool plan(const QJsonObject &object, KivPlan &plan)
    {
        if (!known(object, QString(), {planKeys},
                   "a plan has units, days, copies, card_size, drive_size, offload_mbyte_s, "
                   "proxy, cameras and title")) {
            return false;
        }
        const QJsonValue title = object.value(QLatin1String("title"));
        if (!title.isUndefined() && !title.isString()) {
            return fail(QStringLiteral("title"), QStringLiteral("must be text"));
        }
        plan.title = title.toString();
        const QJsonValue units = object.value(QLatin1String("units"));
        if (!units.isUndefined()) {
            const KivCardUnit *unit =
                units.isString() ? kivFindCardUnit(units.toString().toStdString()) : nullptr;
            if (unit == nullptr) {
                return fail(QStringLiteral("units"),
                            units.isString()
                                ? kivQuoted(units.toString(), kivShownLength) +
                                      QLatin1String(" is not one of kiv, decimal and gib")
                                : QStringLiteral("must be one of kiv, decimal and gib"));
            }
            plan.units = unit->units;
        }
        if (!whole(object, QString(), "days", kivPlanMaxDays, plan.days) ||
            !whole(object, QString(), "copies", kivPlanMaxCopies, plan.copies) ||
            !number(object, QString(), "card_size", kivPlanMinSize, kivPlanMaxSize,
                    plan.cardSize) ||
            !number(object, QString(), "drive_size", kivPlanMinSize, kivPlanMaxSize,
                    plan.driveSize) ||
            !number(object, QString(), "offload_mbyte_s", kivPlanMinOffload, kivPlanMaxOffload,
                    plan.offloadMbytesPerSec)) {
            return false;
        }
        const QJsonValue proxy = object.value(QLatin1String("proxy"));
        if (!proxy.isUndefined()) {
            const QString place = kivPlanProxyPlace();
            if (!proxy.isObject()) {
                return fail(place, QStringLiteral("must be an object with a bitrate, mbytes or a "
                                                  "format"));
            }
            const QJsonObject p = proxy.toObject();
            if (!known(p, place, {sourceKeys, formatKeys, {"audio"}},
                       "a proxy has one of bitrate, mbytes and format (with frame and fps), and "
                       "audio") ||
                !source(p, place, true, plan.proxy.emplace())) {
                return false;
            }
        }
        const QJsonValue cameras = object.value(QLatin1String("cameras"));
        const QJsonArray list = cameras.toArray();
        if (!cameras.isArray() || list.isEmpty() || list.size() > kivPlanMaxCameras) {
            return fail(QStringLiteral("cameras"),
                        (cameras.isUndefined() ? QStringLiteral("missing; ") : QString()) +
                            QStringLiteral("must list 1 to %1 cameras").arg(kivPlanMaxCameras));
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (!camera(list[i], kivPlanCameraPlace(i), plan.cameras.emplace_back())) {
                return false;
            }
        }
        return true;
    }

private:
    bool fail(const QString &place, const QString &problem)
    {
        error = place + QLatin1String(": ") + problem;
        return false;
    }

    // Refuses the first member of `object` not in `keys`.
    bool known(const QJsonObject &object, const QString &place, std::initializer_list<Keys> keys,
               const char *listed)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool found = false;
            for (Keys k : keys) {
                found = found || contains(k, it.key());
            }
            if (!found) {
                return fail(kivPlanPlace(place, it.key()),
                            QLatin1String("unknown member; ") + QLatin1String(listed));
            }
        }
        return true;
    }

    // An optional whole number from 1 to `highest`; absent keeps `out`.
    bool whole(const QJsonObject &object, const QString &place, const char *key, int highest,
               int &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        const double x = value.toDouble();
        if (!value.isDouble() || !(x >= 1 && x <= highest) || x != std::floor(x)) {
            return fail(kivPlanPlace(place, QLatin1String(key)), kivPlanWholeRule(1, highest));
        }
        out = static_cast<int>(x);
        return true;
    }

    bool number(const QJsonObject &object, const QString &place, const char *key, double lowest,
                double highest, std::optional<double> &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        const double x = value.toDouble();
        if (!value.isDouble() || !(x >= lowest && x <= highest)) {
            return fail(kivPlanPlace(place, QLatin1String(key)),
                        kivPlanNumberRule(lowest, highest));
        }
        out = x;
        return true;
    }

    // A text member that must be there: `missing` says what it is, `what`
    // what it must be.
    bool text(const QJsonObject &object, const QString &place, const char *key, const char *missing,
              const char *what, QString &out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString()) {
            return fail(kivPlanPlace(place, QLatin1String(key)),
                        QLatin1String(value.isUndefined() ? missing : what));
        }
        out = value.toString();
        return true;
    }

    bool camera(const QJsonValue &value, const QString &place, KivPlanCamera &camera)
    {
        if (!value.isObject()) {
            return fail(place, QStringLiteral("must be an object with a name, a time_per_day and "
                                              "a source"));
        }
        const QJsonObject object = value.toObject();
        QString time;
        if (!known(object, place, {cameraKeys, sourceKeys, formatKeys, {"audio"}},
                   "a camera has name, count, time_per_day, one of bitrate, mbytes, format (with "
                   "frame and fps) and clips, and audio") ||
            !text(object, place, "name", "missing; every camera has a name", "must be a text",
                  camera.name) ||
            !whole(object, place, "count", kivPlanMaxCount, camera.count) ||
            !text(object, place, "time_per_day",
                  "missing; every camera has a time per day, as \"4:00:00\"",
                  "must be a time in quotes, as \"4:00:00\"", time)) {
            return false;
        }
        QString problem;
        const std::optional<std::uint32_t> seconds = kivReadTime(time, problem);
        const QString timePlace = kivPlanPlace(place, QStringLiteral("time_per_day"));
        if (!seconds) {
            return fail(timePlace,
                        kivQuoted(time, kivShownLength) + QLatin1String(" is ") + problem);
        }
        if (*seconds > kivPlanMaxSecondsPerDay) {
            return fail(timePlace, kivPlanLongerThanADay(time));
        }
        camera.secondsPerDay = *seconds;
        return source(object, place, false, camera.source);
    }

    bool source(const QJsonObject &object, const QString &place, bool proxy, KivPlanSource &out)
    {
        QStringList given;
        for (const char *key : sourceKeys) {
            if (object.contains(QLatin1String(key))) {
                given << QLatin1String(key);
            }
        }
        if (given.isEmpty()) {
            return fail(place, proxy ? QStringLiteral("no rate; give a bitrate, mbytes or a format")
                                     : QStringLiteral("no rate; give one of bitrate, mbytes, "
                                                      "format and clips"));
        }
        if (given.size() > 1) {
            return fail(
                place,
                QStringLiteral("%1 and %2 both give the rate; give one").arg(given[0], given[1]));
        }
        const QString kind = given.first();
        for (const char *key : formatKeys) {
            if (object.contains(QLatin1String(key)) && kind != QLatin1String("format")) {
                return fail(kivPlanPlace(place, QLatin1String(key)),
                            QStringLiteral("goes with a format; give \"format\" with it"));
            }
        }
        if (kind == QLatin1String("bitrate")) {
            std::optional<double> mbps;
            if (!number(object, place, "bitrate", kivPlanMinMbps, kivPlanMaxMbps, mbps)) {
                return false;
            }
            out.from = KivPlanBitrate{*mbps};
        } else if (kind == QLatin1String("mbytes")) {
            std::optional<double> mbytes;
            if (!number(object, place, "mbytes", kivMbytesPerSec(kivPlanMinMbps),
                        kivMbytesPerSec(kivPlanMaxMbps), mbytes)) {
                return false;
            }
            out.from = KivPlanMbytes{*mbytes};
        } else if (kind == QLatin1String("format")) {
            KivPlanFormat format;
            if (!readFormat(object, place, format)) {
                return false;
            }
            out.from = format;
        } else if (proxy) {
            return fail(kivPlanPlace(place, kind), kivPlanProxyClips());
        } else {
            KivPlanClips clips;
            if (!readClips(object.value(kind), kivPlanPlace(place, kind), clips)) {
                return false;
            }
            out.from = clips;
        }
        return audio(object, place, kind, out.audio);
    }

    bool readFormat(const QJsonObject &object, const QString &place, KivPlanFormat &format)
    {
        const QJsonValue name = object.value(QLatin1String("format"));
        format.name = name.toString();
        if (format.name.trimmed().isEmpty()) {
            return fail(kivPlanPlace(place, QStringLiteral("format")),
                        QStringLiteral("must name a recording format"));
        }
        QString problem;
        const QJsonValue frame = object.value(QLatin1String("frame"));
        const QString framePlace = kivPlanPlace(place, QStringLiteral("frame"));
        if (!frame.isUndefined()) {
            if (!frame.isString()) {
                return fail(framePlace, QStringLiteral("must be a frame size in quotes, as "
                                                       "\"uhd\" or \"1920x1080\""));
            }
            if (!(format.frame = kivReadFrameSize(frame.toString(), problem))) {
                return fail(framePlace, problem);
            }
        }
        const QJsonValue fps = object.value(QLatin1String("fps"));
        const QString fpsPlace = kivPlanPlace(place, QStringLiteral("fps"));
        if (fps.isString()) {
            if (!(format.fps = kivReadFrameRate(fps.toString(), problem))) {
                return fail(fpsPlace, problem);
            }
        } else if (!fps.isUndefined()) {
            if (!fps.isDouble() || !kivIsFrameRate(fps.toDouble())) {
                return fail(fpsPlace, kivPlanFpsRule());
            }
            format.fps = fps.toDouble();
        }
        return true;
    }

    bool readClips(const QJsonValue &value, const QString &place, KivPlanClips &clips)
    {
        const QJsonArray list = value.toArray();
        if (!value.isArray() || list.isEmpty()) {
            return fail(place, QStringLiteral("must list one or more paths"));
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (!list[i].isString() || list[i].toString().isEmpty()) {
                return fail(place + QStringLiteral("[%1]").arg(i),
                            QStringLiteral("must be a path, not empty"));
            }
            clips.paths << list[i].toString();
        }
        return true;
    }

    bool audio(const QJsonObject &object, const QString &place, const QString &kind,
               std::optional<KivAudio> &out)
    {
        const QJsonValue value = object.value(QLatin1String("audio"));
        if (value.isUndefined()) {
            return true;
        }
        const QString audioPlace = kivPlanPlace(place, QStringLiteral("audio"));
        if (kind == QLatin1String("clips")) {
            return fail(audioPlace, kivPlanAudioWithClips());
        }
        const double channels = value.toDouble();
        QString written = value.toString();
        if (value.isDouble() && channels >= 0 && channels <= 1e6 &&
            channels == std::floor(channels)) {
            written = QString::number(static_cast<int>(channels));
        } else if (!value.isString()) {
            return fail(audioPlace,
                        QStringLiteral("must be a number of channels or \"CHANNELS[:BITS[:KHZ]]\" "
                                       "in quotes, as 4 or \"2:16:44.1\""));
        }
        QString problem;
        if (!(out = kivReadAudio(written, problem))) {
            return fail(audioPlace, problem);
        }
        return true;
    }
};

QString parseFault(const QByteArray &json, const QJsonParseError &error, const QString &origin)
{
    const qsizetype at = qBound(qsizetype(0), qsizetype(error.offset), json.size());
    const QByteArray before = json.left(at);
    return kivEscaped(origin) + QStringLiteral(":%1:%2: not valid JSON (%3)")
                                    .arg(before.count('\n') + 1)
                                    .arg(at - before.lastIndexOf('\n'))
                                    .arg(error.errorString());
}

} // namespace

bool kivReadPlan(const QByteArray &json, const QString &origin, KivPlan &plan, QString &error)
{
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray body = json.startsWith(bom) ? json.mid(bom.size()) : json;
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        error = parseFault(body, parsed, origin);
        return false;
    }
    if (!document.isObject()) {
        error = kivEscaped(origin) + QLatin1String(": not a plan (a JSON object with a \"cameras\" "
                                                   "list)");
        return false;
    }
    const QString twice = kivPlanMemberTwice(body);
    if (!twice.isEmpty()) {
        error = twice + QLatin1String(": given twice; give it once");
        return false;
    }
    Reader reader;
    KivPlan read;
    if (!reader.plan(document.object(), read)) {
        error = reader.error;
        return false;
    }
    // Whatever reads passes the check a plan built in memory passes.
    if (!kivCheckPlan(read, error)) {
        return false;
    }
    plan = std::move(read);
    return true;
}
