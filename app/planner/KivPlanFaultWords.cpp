// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanFaultWords.h"

#include "KivPlanCameraModel.h"
#include "calc/KivDisplay.h"

#include <QLocale>

namespace {

// A limit or a figure as the language writes it, every digit a limit has.
QString number(double x)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(x, 'g', 12);
}

} // namespace

QString KivPlanFaultWords::text(const KivPlanFault &fault, const QString &camera)
{
    const QString where = place(fault, camera);
    return where.isEmpty() ? problem(fault) : tr("%1: %2").arg(where, problem(fault));
}

QString KivPlanFaultWords::place(const KivPlanFault &fault, const QString &camera)
{
    using O = KivPlanPlace::Object;
    const QString &member = fault.place.member;
    switch (fault.place.object) {
    case O::File:
        return fault.place.path;
    case O::Proxy:
        return tr("Proxy");
    case O::Camera: {
        const int column = member == QLatin1String("name")           ? KivPlanCameraModel::Name
                           : member == QLatin1String("count")        ? KivPlanCameraModel::Count
                           : member == QLatin1String("time_per_day") ? KivPlanCameraModel::Time
                           : member.isEmpty()                        ? -1
                                                                     : KivPlanCameraModel::Bitrate;
        return column < 0
                   ? camera
                   : tr("%1, %2").arg(camera, KivPlanWords::header(column, KivCardUnits::Kiv));
    }
    default:
        break;
    }
    const struct
    {
        const char *member;
        const char *words;
    } fields[] = {
        {"units", QT_TR_NOOP("Units")},           {"days", QT_TR_NOOP("Days")},
        {"copies", QT_TR_NOOP("Copies")},         {"card_size", QT_TR_NOOP("Card size")},
        {"drive_size", QT_TR_NOOP("Drive size")}, {"offload_mbyte_s", QT_TR_NOOP("Offload speed")},
        {"cameras", QT_TR_NOOP("Cameras")},       {"day_length", QT_TR_NOOP("Day length")},
        {"handoff", QT_TR_NOOP("Handoff")},       {"readers", QT_TR_NOOP("Card readers")}};
    for (const auto &f : fields) {
        if (member == QLatin1String(f.member)) {
            return tr(f.words);
        }
    }
    return fault.place.path;
}

QString KivPlanFaultWords::problem(const KivPlanFault &f)
{
    using K = KivPlanFaultKind;
    const QString quoted = kivQuoted(f.text, 80);
    const QString gb = QLatin1String(kivCardUnit(f.units).label);
    switch (f.kind) {
    case K::NotJson:
        return tr("line %1, column %2: not a plan file (%3)")
            .arg(f.line)
            .arg(f.column)
            .arg(f.detail);
    case K::NotAPlan:
        return tr("not a plan file");
    case K::TooLarge:
        return tr("larger than %1 MiB; not read").arg(number(f.highest / 1048576));
    case K::Folder:
        return tr("a folder, not a plan file");
    case K::NotRegularFile:
        return tr("not a regular file; not read");
    case K::Unreadable:
        return tr("cannot be read (%1)").arg(f.detail);
    case K::Unwritable:
        return tr("cannot be written (%1)").arg(f.detail);
    case K::WholeNumber:
        return tr("must be a whole number from %1 to %2").arg(number(f.lowest), number(f.highest));
    case K::Number:
        return tr("must be a number from %1 to %2").arg(number(f.lowest), number(f.highest));
    case K::CameraCount:
    case K::CamerasMissing:
        return tr("a plan has 1 to %1 cameras").arg(number(f.highest));
    case K::TimeMissing:
    case K::TimeUnreadable:
        return tr("%1 cannot be read as a time (%2)").arg(quoted, f.detail);
    case K::LongerThanADay:
        return tr("%1 is longer than a day (%2)")
            .arg(quoted, kivTimeText(std::uint32_t(f.highest)));
    case K::NoRate:
        return tr("no bitrate yet");
    case K::FrameRate:
        return tr("the frame rate must be from %1 to %2 frames per second")
            .arg(number(f.lowest), number(f.highest));
    case K::FormatRefused:
        return tr("the format cannot be used (%1)").arg(f.detail);
    case K::AudioIncluded:
        return tr("the figure of %1 includes its audio already").arg(f.text);
    case K::ClipsRefused:
        return tr("the clips were not measured (%1)").arg(f.detail);
    case K::ClipsMeasuring:
        return tr("the clips are being measured");
    case K::RateUnplannable:
        return tr("a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2")
            .arg(number(f.value), number(f.highest));
    case K::CardBeyond:
        return tr("at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is")
            .arg(number(f.value), number(f.amount), gb, kivTimeText(std::uint32_t(f.highest)));
    case K::OffloadBeyond:
        return tr("at %1 MB/s a day's %2 %3 take longer than %4, the longest time there is")
            .arg(number(f.value), number(f.amount), gb, kivTimeText(std::uint32_t(f.highest)));
    case K::DayOfNothing:
        return tr("a day of 00:00:00 plans nothing; give its length, as 10:00:00");
    case K::NeededByDay:
        return tr("missing; the day length plans cards and their offload, give it");
    case K::LongerThanDayLength:
        return tr("%1 is longer than the day length %2").arg(quoted, f.other);
    case K::BodyCardsBeyond:
        return tr("fills %1 cards a day per body; a day is planned for at most %2")
            .arg(number(f.value), number(f.highest));
    default:
        return kivPlanFaultProblem(f);
    }
}
