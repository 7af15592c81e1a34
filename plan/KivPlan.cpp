// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlan.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"

#include <QDir>

namespace {

QString limitText(double x)
{
    return QString::number(x, 'g', 12);
}

bool within(double x, double lowest, double highest)
{
    return x >= lowest && x <= highest; // NaN is not
}

// One source's figures; `error` gets the first fault with its place.
bool checkSource(const KivPlanSource &source, const QString &place, bool proxy, QString &error)
{
    const auto fault = [&](const char *member, const QString &problem) {
        error = kivPlanPlace(place, QLatin1String(member)) + QLatin1String(": ") + problem;
        return false;
    };
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        if (!within(rate->mbps, kivPlanMinMbps, kivPlanMaxMbps)) {
            return fault("bitrate", kivPlanNumberRule(kivPlanMinMbps, kivPlanMaxMbps));
        }
    } else if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        const double lowest = kivMbytesPerSec(kivPlanMinMbps);
        const double highest = kivMbytesPerSec(kivPlanMaxMbps);
        if (!within(mbytes->mbytesPerSec, lowest, highest)) {
            return fault("mbytes", kivPlanNumberRule(lowest, highest));
        }
    } else if (const auto *format = std::get_if<KivPlanFormat>(&source.from)) {
        if (format->name.trimmed().isEmpty()) {
            return fault("format", QStringLiteral("must name a recording format"));
        }
        if (format->frame && !format->frame->isValid()) {
            return fault("frame", QStringLiteral("frame size %1: width and height must be 1 to "
                                                 "%2 pixels")
                                      .arg(kivQuoted(format->frame->text()))
                                      .arg(kivMaxFrameSide));
        }
        if (format->fps && !kivIsFrameRate(*format->fps)) {
            return fault("fps", kivPlanFpsRule());
        }
    } else if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
        if (proxy) {
            return fault("clips", kivPlanProxyClips());
        }
        if (clips->paths.isEmpty()) {
            return fault("clips", QStringLiteral("must list one or more paths"));
        }
        for (qsizetype i = 0; i < clips->paths.size(); ++i) {
            if (clips->paths[i].isEmpty()) {
                error = kivPlanPlace(place, QLatin1String("clips")) +
                        QStringLiteral("[%1]: must be a path, not empty").arg(i);
                return false;
            }
        }
        if (source.audio) {
            return fault("audio", kivPlanAudioWithClips());
        }
    }
    if (source.audio && !source.audio->isValid()) {
        QString problem;
        kivReadAudio(source.audio->typed(), problem);
        return fault("audio", problem);
    }
    return true;
}

bool checkCamera(const KivPlanCamera &camera, const QString &place, QString &error)
{
    if (camera.count < 1 || camera.count > kivPlanMaxCount) {
        error = kivPlanPlace(place, QStringLiteral("count")) + QLatin1String(": ") +
                kivPlanWholeRule(1, kivPlanMaxCount);
        return false;
    }
    if (camera.secondsPerDay > kivPlanMaxSecondsPerDay) {
        error = kivPlanPlace(place, QStringLiteral("time_per_day")) + QLatin1String(": ") +
                kivPlanLongerThanADay(kivTimeText(camera.secondsPerDay));
        return false;
    }
    return checkSource(camera.source, place, false, error);
}

// A day length and what it needs: a card size, an offload speed and no
// camera recording longer than the day.
bool checkDay(const KivPlan &plan, QString &error)
{
    const std::uint32_t day = *plan.dayLength;
    const QString dayText = kivTimeText(day);
    if (day == 0 || day > kivPlanMaxSecondsPerDay) {
        error = QStringLiteral("day_length: ") +
                (day == 0 ? QStringLiteral("a day of 00:00:00 plans nothing; give its length, as "
                                           "\"10:00:00\"")
                          : kivPlanLongerThanADay(dayText));
        return false;
    }
    if (!plan.cardSize || !plan.offloadMbytesPerSec) {
        error = QLatin1String(plan.cardSize ? "offload_mbyte_s" : "card_size") +
                QStringLiteral(": missing; the day_length plans cards and their offload, give it");
        return false;
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const std::uint32_t seconds = plan.cameras[i].secondsPerDay;
        if (seconds > day) {
            error = kivPlanPlace(kivPlanCameraPlace(i), QStringLiteral("time_per_day")) +
                    QStringLiteral(": %1 is longer than the day_length %2")
                        .arg(kivQuoted(kivTimeText(seconds)), dayText);
            return false;
        }
    }
    return true;
}

} // namespace

QString kivPlanPlace(const QString &object, const QString &member)
{
    const QString shown = kivEscaped(member, kivShownLength);
    return object.isEmpty() ? shown : object + QLatin1Char('.') + shown;
}

QString kivPlanWholeRule(int lowest, int highest)
{
    return QStringLiteral("must be a whole number from %1 to %2").arg(lowest).arg(highest);
}

QString kivPlanNumberRule(double lowest, double highest)
{
    return QStringLiteral("must be a number from %1 to %2")
        .arg(limitText(lowest), limitText(highest));
}

QString kivPlanFpsRule()
{
    return QStringLiteral("must be a frame rate from %1 to %2 frames per second, as 25 or "
                          "\"30000/1001\"")
        .arg(kivFrameRateText(kivMinFrameRate), kivFrameRateText(kivMaxFrameRate));
}

QString kivPlanAudioWithClips()
{
    return QStringLiteral("measured clips carry their own audio; give audio with a bitrate, "
                          "mbytes or a format");
}

QString kivPlanProxyClips()
{
    return QStringLiteral("a proxy is made from the footage, not recorded; give it a bitrate, "
                          "mbytes or a format");
}

QString kivPlanLongerThanADay(const QString &time)
{
    return QStringLiteral("%1 is longer than a day (24:00:00)")
        .arg(kivQuoted(time, kivShownLength));
}

QString kivPlanCameraPlace(qsizetype camera)
{
    return QStringLiteral("cameras[%1]").arg(camera);
}

QString kivPlanProxyPlace()
{
    return QStringLiteral("proxy");
}

bool kivCheckPlan(const KivPlan &plan, QString &error)
{
    const auto fault = [&](const char *member, const QString &problem) {
        error = QLatin1String(member) + QLatin1String(": ") + problem;
        return false;
    };
    if (plan.days < 1 || plan.days > kivPlanMaxDays) {
        return fault("days", kivPlanWholeRule(1, kivPlanMaxDays));
    }
    if (plan.copies < 1 || plan.copies > kivPlanMaxCopies) {
        return fault("copies", kivPlanWholeRule(1, kivPlanMaxCopies));
    }
    const struct
    {
        const char *member;
        const std::optional<double> &value;
        double lowest;
        double highest;
    } figures[] = {
        {"card_size", plan.cardSize, kivPlanMinSize, kivPlanMaxSize},
        {"drive_size", plan.driveSize, kivPlanMinSize, kivPlanMaxSize},
        {"offload_mbyte_s", plan.offloadMbytesPerSec, kivPlanMinOffload, kivPlanMaxOffload},
    };
    for (const auto &figure : figures) {
        if (figure.value && !within(*figure.value, figure.lowest, figure.highest)) {
            return fault(figure.member, kivPlanNumberRule(figure.lowest, figure.highest));
        }
    }
    if (plan.readers < 1 || plan.readers > kivPlanMaxReaders) {
        return fault("readers", kivPlanWholeRule(1, kivPlanMaxReaders));
    }
    if (plan.handoffSeconds > kivPlanMaxSecondsPerDay) {
        return fault("handoff", kivPlanLongerThanADay(kivTimeText(plan.handoffSeconds)));
    }
    if (plan.dayLength && !checkDay(plan, error)) {
        return false;
    }
    if (plan.proxy && !checkSource(*plan.proxy, kivPlanProxyPlace(), true, error)) {
        return false;
    }
    if (plan.cameras.isEmpty() || plan.cameras.size() > kivPlanMaxCameras) {
        return fault("cameras", QStringLiteral("must list 1 to %1 cameras").arg(kivPlanMaxCameras));
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        if (!checkCamera(plan.cameras[i], kivPlanCameraPlace(i), error)) {
            return false;
        }
    }
    return true;
}

std::optional<double> kivPlanTypedMbps(const KivPlanSource &source)
{
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        return rate->mbps;
    }
    if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        return kivMbitsPerSec(mbytes->mbytesPerSec);
    }
    return std::nullopt;
}

double kivPlanWithAudio(const KivPlanSource &source, double mbps)
{
    return source.audio ? mbps + source.audio->mbps() : mbps;
}

std::optional<KivFormatChoice> kivPlanChooseFormat(const KivFormatCatalogue &catalogue,
                                                   const KivPlanSource &source,
                                                   const QString &place, QString &error)
{
    const auto *format = std::get_if<KivPlanFormat>(&source.from);
    if (format == nullptr) {
        error = kivPlanPlace(place, QStringLiteral("format")) + QLatin1String(": is not a format");
        return std::nullopt;
    }
    QString problem;
    std::optional<KivFormatChoice> choice =
        kivChooseFormat(catalogue, format->name, format->frame, format->fps, problem);
    if (!choice) {
        error = kivPlanPlace(place, QStringLiteral("format")) + QLatin1String(": ") + problem;
        return std::nullopt;
    }
    if (source.audio && choice->format.audio) {
        error = kivPlanPlace(place, QStringLiteral("audio")) + QLatin1String(": ") +
                choice->format.id + QLatin1String(": its figure includes the audio already");
        return std::nullopt;
    }
    return choice;
}

QStringList kivPlanClipPaths(const KivPlanClips &clips, const QString &folder)
{
    // A URL goes as written, as the clip reader takes it.
    QStringList paths;
    for (const QString &path : clips.paths) {
        if (kivIsUrl(path) || QDir::isAbsolutePath(path)) {
            paths << path;
        } else {
            paths << QDir::cleanPath(QDir(folder).absoluteFilePath(path));
        }
    }
    return paths;
}
