// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "plan/KivPlanFault.h"

#include "KivPlanRules.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QStringList>

namespace {

QString limitText(double x)
{
    return QString::number(x, 'g', 12);
}

// "a, b and c".
QString listed(const QStringList &names)
{
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QLatin1String(" and ") +
           names.last();
}

QString unitNames()
{
    QStringList names;
    for (const KivCardUnit &unit : KIV_CARD_UNITS) {
        names << QLatin1String(unit.name);
    }
    return listed(names);
}

QString planMembers()
{
    QStringList names;
    for (const char *key : kivPlanKeys) {
        names << QLatin1String(key);
    }
    return QLatin1String("a plan has ") + listed(names);
}

// A fault's `highest` as a count of seconds; any other value (a fault made
// by hand) as the longest there is.
QString secondsText(double seconds)
{
    const bool countable = seconds >= 0 && seconds <= double(KIV_LONGEST_SECONDS);
    return kivTimeText(countable ? std::uint32_t(seconds) : KIV_LONGEST_SECONDS);
}

QString longerThan(const KivPlanFault &f, const QString &speed, const QString &what)
{
    return QStringLiteral("at %1 %2 longer than %3, the longest time there is")
        .arg(speed, what, secondsText(f.highest));
}

} // namespace

KivPlanPlace KivPlanPlace::ofFile(const QString &name)
{
    KivPlanPlace place;
    place.object = Object::File;
    place.path = name;
    return place;
}

KivPlanPlace KivPlanPlace::ofPlan()
{
    return KivPlanPlace();
}

KivPlanPlace KivPlanPlace::ofProxy()
{
    return ofPlan().child(QStringLiteral("proxy"));
}

KivPlanPlace KivPlanPlace::ofCamera(qsizetype index)
{
    return ofPlan().child(QStringLiteral("cameras")).at(index);
}

KivPlanPlace KivPlanPlace::child(const QString &key) const
{
    KivPlanPlace place = *this;
    const QString shown = kivEscaped(key, kivShownLength);
    place.path = path.isEmpty() ? shown : path + QLatin1Char('.') + shown;
    if (member.isEmpty() && object == Object::Plan && key == QLatin1String("proxy")) {
        place.object = Object::Proxy;
    } else if (member.isEmpty() && object != Object::File) {
        place.member = key;
    }
    return place;
}

KivPlanPlace KivPlanPlace::at(qsizetype index) const
{
    KivPlanPlace place = *this;
    place.path = path + QStringLiteral("[%1]").arg(index);
    if (object == Object::Plan && member == QLatin1String("cameras") && element < 0) {
        place.object = Object::Camera;
        place.camera = index;
        place.member.clear();
    } else if (!member.isEmpty() && element < 0) {
        place.element = index;
    }
    return place;
}

KivPlanLimit kivPlanMbytesLimit()
{
    return {kivMbytesPerSec(kivPlanBitrateLimit.lowest),
            kivMbytesPerSec(kivPlanBitrateLimit.highest), false};
}

KivPlanFault kivPlanFault(const KivPlanPlace &place, KivPlanFaultKind kind)
{
    KivPlanFault fault;
    fault.place = place;
    fault.kind = kind;
    return fault;
}

KivPlanFault kivPlanLimitFault(const KivPlanPlace &place, const KivPlanLimit &limit)
{
    KivPlanFault fault =
        kivPlanFault(place, limit.whole ? KivPlanFaultKind::WholeNumber : KivPlanFaultKind::Number);
    fault.lowest = limit.lowest;
    fault.highest = limit.highest;
    return fault;
}

QString kivPlanFaultProblem(const KivPlanFault &f)
{
    using K = KivPlanFaultKind;
    using O = KivPlanPlace::Object;
    const O object = f.place.object;
    const QString quoted = kivQuoted(f.text, kivShownLength);
    switch (f.kind) {
    case K::NotJson:
        return QStringLiteral("not valid JSON (%1)").arg(f.detail);
    case K::NotAPlan:
        return QStringLiteral("not a plan (a JSON object with a \"cameras\" list)");
    case K::TooLarge:
        return QStringLiteral("larger than %1 MiB; not read").arg(limitText(f.highest / 1048576));
    case K::Folder:
        return QStringLiteral("a folder, not a plan file");
    case K::NotRegularFile:
        return QStringLiteral("not a regular file; not read");
    case K::Unreadable:
        return QStringLiteral("cannot be read (%1)").arg(f.detail);
    case K::Unwritable:
        return QStringLiteral("cannot be written (%1)").arg(f.detail);
    case K::GivenTwice:
        return QStringLiteral("given twice; give it once");
    case K::UnknownMember:
        return QLatin1String("unknown member; ") +
               (object == O::Camera ? QStringLiteral("a camera has name, count, time_per_day, one "
                                                     "of bitrate, mbytes, format (with frame and "
                                                     "fps) and clips, and audio")
                : object == O::Proxy
                    ? QStringLiteral("a proxy has one of bitrate, mbytes and format (with frame "
                                     "and fps), and audio")
                    : planMembers());
    case K::NotAnObject:
        return object == O::Camera
                   ? QStringLiteral("must be an object with a name, a time_per_day and a source")
                   : QStringLiteral("must be an object with a bitrate, mbytes or a format");
    case K::UnitsUnknown:
        return quoted + QLatin1String(" is not one of ") + unitNames();
    case K::UnitsNotText:
        return QLatin1String("must be one of ") + unitNames();
    case K::WholeNumber:
        return QStringLiteral("must be a whole number from %1 to %2")
            .arg(limitText(f.lowest), limitText(f.highest));
    case K::Number:
        return QStringLiteral("must be a number from %1 to %2")
            .arg(limitText(f.lowest), limitText(f.highest));
    case K::CamerasMissing:
        return QStringLiteral("missing; must list 1 to %1 cameras").arg(limitText(f.highest));
    case K::CameraCount:
        return QStringLiteral("must list 1 to %1 cameras").arg(limitText(f.highest));
    case K::NameMissing:
        return QStringLiteral("missing; every camera has a name");
    case K::NotText:
        return QStringLiteral("must be a text");
    case K::TimeMissing:
        return QStringLiteral("missing; every camera has a time per day, as \"4:00:00\"");
    case K::TimeNotText:
        return QStringLiteral("must be a time in quotes, as \"%1\"")
            .arg(QLatin1String(f.place.member == QLatin1String("time_per_day") ? "4:00:00"
                                                                               : "10:00:00"));
    case K::TimeUnreadable:
        return quoted + QLatin1String(" is ") + f.detail;
    case K::LongerThanADay:
        return QStringLiteral("%1 is longer than a day (%2)").arg(quoted, secondsText(f.highest));
    case K::NoRate:
        return object == O::Proxy
                   ? QStringLiteral("no rate; give a bitrate, mbytes or a format")
                   : QStringLiteral("no rate; give one of bitrate, mbytes, format and clips");
    case K::TwoRates:
        return QStringLiteral("%1 and %2 both give the rate; give one").arg(f.text, f.other);
    case K::GoesWithFormat:
        return QStringLiteral("goes with a format; give \"format\" with it");
    case K::NoFormatName:
        return QStringLiteral("must name a recording format");
    case K::FrameNotText:
        return QStringLiteral("must be a frame size in quotes, as \"uhd\" or \"1920x1080\"");
    case K::FrameRate:
        return QStringLiteral("must be a frame rate from %1 to %2 frames per second, as 25 or "
                              "\"30000/1001\"")
            .arg(kivFrameRateText(f.lowest), kivFrameRateText(f.highest));
    case K::NoClips:
        return QStringLiteral("must list one or more paths");
    case K::EmptyClip:
        return QStringLiteral("must be a path, not empty");
    case K::AudioWithClips:
        return QStringLiteral("measured clips carry their own audio; give audio with a bitrate, "
                              "mbytes or a format");
    case K::ProxyClips:
        return QStringLiteral("a proxy is made from the footage, not recorded; give it a "
                              "bitrate, mbytes or a format");
    case K::AudioNotText:
        return QStringLiteral("must be a number of channels or \"CHANNELS[:BITS[:KHZ]]\" in "
                              "quotes, as 4 or \"2:16:44.1\"");
    case K::FrameSize:
    case K::FrameRateText:
    case K::AudioUnreadable:
    case K::FormatRefused:
    case K::ClipsRefused:
        return f.detail;
    case K::AudioIncluded:
        return f.text + QLatin1String(": its figure includes the audio already");
    case K::NotAFormat:
        return QStringLiteral("is not a format");
    case K::ClipsMeasuring:
        return QStringLiteral("the clips are being measured");
    case K::RateUnplannable:
        return QStringLiteral("a rate of %1 Mbit/s cannot be planned; it must be above 0 and at "
                              "most %2")
            .arg(kivNumberText(f.value), kivNumberText(f.highest));
    case K::CardBeyond:
        return longerThan(
            f, kivNumberText(f.value) + QLatin1String(" Mbit/s"),
            QStringLiteral("a %1 %2 card lasts")
                .arg(kivNumberText(f.amount), QLatin1String(kivCardUnit(f.units).label)));
    case K::OffloadBeyond:
        return longerThan(
            f, kivNumberText(f.value) + QLatin1String(" MB/s"),
            QStringLiteral("a day's %1 %2 take")
                .arg(kivNumberText(f.amount), QLatin1String(kivCardUnit(f.units).label)));
    case K::RatesMismatch:
        return QStringLiteral("%1 rates for %2 cameras")
            .arg(limitText(f.value), limitText(f.amount));
    case K::NotTrueOrFalse:
        return QStringLiteral("must be true or false");
    case K::DayOfNothing:
        return QStringLiteral("a day of 00:00:00 plans nothing; give its length, as \"10:00:00\"");
    case K::NeededByDay:
        return QStringLiteral("missing; the day_length plans cards and their offload, give it");
    case K::LongerThanDayLength:
        return QStringLiteral("%1 is longer than the day_length %2").arg(quoted, f.other);
    case K::DayMissing:
        return QStringLiteral("missing; the day is planned over a day length");
    case K::BodyCardsBeyond:
        return QStringLiteral("fills %1 cards a day per body; a day is planned for at most %2")
            .arg(kivNumberText(f.value), limitText(f.highest));
    case K::DayCardsBeyond:
        return QStringLiteral("%1 cards a day in all; a day is planned for at most %2")
            .arg(limitText(f.value), limitText(f.highest));
    case K::DayMemory:
        return QStringLiteral("not enough memory to plan %1 cards a day").arg(limitText(f.value));
    case K::CardOffloadBeyond:
        return longerThan(
            f, kivNumberText(f.value) + QLatin1String(" MB/s"),
            QStringLiteral("a %1 %2 card takes")
                .arg(kivNumberText(f.amount), QLatin1String(kivCardUnit(f.units).label)));
    case K::DayOffloadBeyond:
        return longerThan(f, kivNumberText(f.value) + QLatin1String(" MB/s"),
                          QStringLiteral("the day's offload ends"));
    }
    return QString();
}

QString kivPlanFaultText(const KivPlanFault &fault)
{
    const KivPlanPlace &place = fault.place;
    QString where =
        place.object == KivPlanPlace::Object::File ? kivEscaped(place.path) : place.path;
    if (fault.kind == KivPlanFaultKind::NotJson) {
        where += QStringLiteral(":%1:%2").arg(fault.line).arg(fault.column);
    }
    const QString problem = kivPlanFaultProblem(fault);
    return where.isEmpty() ? problem : where + QLatin1String(": ") + problem;
}
