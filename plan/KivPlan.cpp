// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlan.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QDir>
#include <QRegularExpression>

namespace {

using K = KivPlanFaultKind;

bool within(double x, const KivPlanLimit &limit)
{
    return x >= limit.lowest && x <= limit.highest; // NaN is not
}

// A time at `place` longer than a day.
bool longerThanADay(const KivPlanPlace &place, std::uint32_t seconds, KivPlanFault &fault)
{
    fault = kivPlanFault(place, K::LongerThanADay);
    fault.text = kivTimeText(seconds);
    fault.highest = kivPlanMaxSecondsPerDay;
    return false;
}

// One source's figures; `fault` gets the first at a member of `place`.
bool checkSource(const KivPlanSource &source, const KivPlanPlace &place, KivPlanFault &fault)
{
    const auto fail = [&](const char *member, K kind) {
        fault = kivPlanFault(place.child(QLatin1String(member)), kind);
        return false;
    };
    const auto outside = [&](const char *member, const KivPlanLimit &limit) {
        fault = kivPlanLimitFault(place.child(QLatin1String(member)), limit);
        return false;
    };
    const bool proxy = place.object == KivPlanPlace::Object::Proxy;
    if (proxy && std::holds_alternative<KivPlanNoRate>(source.from)) {
        fault = kivPlanFault(place, K::NoRate);
        return false;
    }
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        if (!within(rate->mbps, kivPlanBitrateLimit)) {
            return outside("bitrate", kivPlanBitrateLimit);
        }
    } else if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        if (!within(mbytes->mbytesPerSec, kivPlanMbytesLimit())) {
            return outside("mbytes", kivPlanMbytesLimit());
        }
    } else if (const auto *format = std::get_if<KivPlanFormat>(&source.from)) {
        if (format->name.trimmed().isEmpty()) {
            return fail("format", K::NoFormatName);
        }
        if (format->frame && !format->frame->isValid()) {
            fail("frame", K::FrameSize);
            fault.text = format->frame->text();
            kivReadFrameSize(fault.text, fault.detail);
            return false;
        }
        if (format->fps && !kivIsFrameRate(*format->fps)) {
            fail("fps", K::FrameRate);
            fault.lowest = kivMinFrameRate;
            fault.highest = kivMaxFrameRate;
            return false;
        }
    } else if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
        if (proxy) {
            return fail("clips", K::ProxyClips);
        }
        if (clips->paths.isEmpty()) {
            return fail("clips", K::NoClips);
        }
        for (qsizetype i = 0; i < clips->paths.size(); ++i) {
            if (clips->paths[i].isEmpty()) {
                fault = kivPlanFault(place.child(QStringLiteral("clips")).at(i), K::EmptyClip);
                return false;
            }
        }
        if (source.audio) {
            return fail("audio", K::AudioWithClips);
        }
    }
    if (source.audio && !source.audio->isValid()) {
        fail("audio", K::AudioUnreadable);
        fault.text = source.audio->typed();
        kivReadAudio(fault.text, fault.detail);
        return false;
    }
    return true;
}

bool checkCamera(const KivPlanCamera &camera, const KivPlanPlace &place, KivPlanFault &fault)
{
    if (!within(camera.count, kivPlanCountLimit)) {
        fault = kivPlanLimitFault(place.child(QStringLiteral("count")), kivPlanCountLimit);
        return false;
    }
    if (camera.secondsPerDay && *camera.secondsPerDay > kivPlanMaxSecondsPerDay) {
        return longerThanADay(place.child(QStringLiteral("time_per_day")), *camera.secondsPerDay,
                              fault);
    }
    return checkSource(camera.source, place, fault);
}

// A day length and what it needs: a card size, an offload speed and no
// camera recording longer than the day.
bool checkDay(const KivPlan &plan, KivPlanFault &fault)
{
    const KivPlanPlace top = KivPlanPlace::ofPlan();
    const std::uint32_t day = *plan.dayLength;
    if (day == 0) {
        fault = kivPlanFault(top.child(QStringLiteral("day_length")), K::DayOfNothing);
        return false;
    }
    if (day > kivPlanMaxSecondsPerDay) {
        return longerThanADay(top.child(QStringLiteral("day_length")), day, fault);
    }
    if (!plan.cardSize || !plan.offloadMbytesPerSec) {
        fault =
            kivPlanFault(top.child(QLatin1String(plan.cardSize ? "offload_mbyte_s" : "card_size")),
                         K::NeededByDay);
        return false;
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const std::uint32_t seconds = plan.cameras[i].secondsPerDay.value_or(0);
        if (seconds > day) {
            fault = kivPlanFault(KivPlanPlace::ofCamera(i).child(QStringLiteral("time_per_day")),
                                 K::LongerThanDayLength);
            fault.text = kivTimeText(seconds);
            fault.other = kivTimeText(day);
            return false;
        }
    }
    return true;
}

} // namespace

QString kivPlanCameraPlace(qsizetype camera)
{
    return KivPlanPlace::ofCamera(camera).path;
}

QString kivPlanProxyPlace()
{
    return KivPlanPlace::ofProxy().path;
}

bool kivCheckPlan(const KivPlan &plan, KivPlanFault &fault)
{
    const KivPlanPlace top = KivPlanPlace::ofPlan();
    const struct
    {
        const char *member;
        double value;
        const KivPlanLimit &limit;
    } wholes[] = {
        {"days", double(plan.days), kivPlanDaysLimit},
        {"copies", double(plan.copies), kivPlanCopiesLimit},
    };
    for (const auto &figure : wholes) {
        if (!within(figure.value, figure.limit)) {
            fault = kivPlanLimitFault(top.child(QLatin1String(figure.member)), figure.limit);
            return false;
        }
    }
    const struct
    {
        const char *member;
        const std::optional<double> &value;
        const KivPlanLimit &limit;
    } figures[] = {
        {"card_size", plan.cardSize, kivPlanSizeLimit},
        {"drive_size", plan.driveSize, kivPlanSizeLimit},
        {"offload_mbyte_s", plan.offloadMbytesPerSec, kivPlanOffloadLimit},
    };
    for (const auto &figure : figures) {
        if (figure.value && !within(*figure.value, figure.limit)) {
            fault = kivPlanLimitFault(top.child(QLatin1String(figure.member)), figure.limit);
            return false;
        }
    }
    if (plan.readers < 1 || plan.readers > kivPlanMaxReaders) {
        fault = kivPlanLimitFault(top.child(QStringLiteral("readers")), kivPlanReadersLimit);
        return false;
    }
    if (plan.handoffSeconds > kivPlanMaxSecondsPerDay) {
        return longerThanADay(top.child(QStringLiteral("handoff")), plan.handoffSeconds, fault);
    }
    if (plan.dayLength && !checkDay(plan, fault)) {
        return false;
    }
    if (plan.proxy && !checkSource(*plan.proxy, KivPlanPlace::ofProxy(), fault)) {
        return false;
    }
    if (plan.cameras.isEmpty() || plan.cameras.size() > kivPlanMaxCameras) {
        fault = kivPlanFault(top.child(QStringLiteral("cameras")), K::CameraCount);
        fault.highest = kivPlanMaxCameras;
        return false;
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        if (!checkCamera(plan.cameras[i], KivPlanPlace::ofCamera(i), fault)) {
            return false;
        }
    }
    return true;
}

bool kivCheckPlan(const KivPlan &plan, QString &error)
{
    return kivPlanWorded(error, [&](KivPlanFault &fault) { return kivCheckPlan(plan, fault); });
}

bool kivPlanCameraFinished(const KivPlan &plan, qsizetype index, KivPlanFault &fault)
{
    const KivPlanCamera &camera = plan.cameras[index];
    const KivPlanPlace place = KivPlanPlace::ofCamera(index);
    if (!camera.secondsPerDay) {
        fault = kivPlanFault(place.child(QStringLiteral("time_per_day")), K::TimeMissing);
        return false;
    }
    if (std::holds_alternative<KivPlanNoRate>(camera.source.from)) {
        fault = kivPlanFault(place, K::NoRate);
        return false;
    }
    return true;
}

bool kivPlanFinished(const KivPlan &plan, KivPlanFault &fault)
{
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        if (!kivPlanCameraFinished(plan, i, fault)) {
            return false;
        }
    }
    return true;
}

QStringList kivPlanClipPaths(const KivPlanClips &clips, const QString &folder)
{
    // A scheme of two or more letters before a ':' makes a URL, as the clip
    // reader takes it; it goes as written.
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    QStringList paths;
    for (const QString &path : clips.paths) {
        if (url.match(path).hasMatch() || QDir::isAbsolutePath(path)) {
            paths << path;
        } else {
            paths << QDir::cleanPath(QDir(folder).absoluteFilePath(path));
        }
    }
    return paths;
}
