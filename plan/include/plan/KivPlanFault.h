// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A plan's faults as data: where (KivPlanPlace), what (KivPlanFaultKind) and
// the values the words need. The plan library words a fault once, in English
// for the command line (kivPlanFaultText: "cameras[1].fps: must be a frame
// rate from ..."); a window words the same value in the user's language from
// the kind and the values, and marks the field from the place, never from
// the text.
//
// For a window:
//   - place.object says which part of the plan is at fault; with Camera,
//     place.camera is the camera's index from 0 (the row; show it + 1).
//   - place.member is the member of that part at fault, as the file names it
//     ("days", "card_size", "count", "time_per_day", "bitrate", "mbytes",
//     "format", "frame", "fps", "clips", "audio", "name"), or empty where the
//     part as a whole is at fault (a camera with no rate). place.element is
//     the index in a list member (clips[1]), else -1.
//   - the values each kind fills are listed with the kind below; `detail` is
//     a line in English from a lower library (a time, frame size, frame rate
//     or audio text that cannot be read, a format the catalogue refuses,
//     clips that cannot be measured, Qt's JSON reader) for a window to show
//     after its own words, or in place of them.
#pragma once

#include "calc/KivUnits.h"

#include <QString>

#include <cstdint>

struct KivPlanPlace
{
    enum class Object : std::uint8_t
    {
        File,   // the file as a whole; `path` is its name as given (or "standard input")
        Plan,   // a member of the plan ("days"), or the plan itself
        Proxy,  // the proxy or one of its members
        Camera, // camera `camera` or one of its members
    };
    Object object = Object::Plan;
    qsizetype camera = -1; // with Camera, from 0
    QString member;        // empty: the object itself
    qsizetype element = -1;
    // The place as the command line names it: "cameras[1].fps", "proxy",
    // "days", "cameras[0].clips[1]"; members are escaped, so it is one line.
    QString path;

    static KivPlanPlace ofFile(const QString &name);
    static KivPlanPlace ofPlan();
    static KivPlanPlace ofProxy();
    static KivPlanPlace ofCamera(qsizetype index);
    // The member `key` of this place (of the plan: "proxy" and "cameras[i]"
    // give the proxy and the camera themselves); the element `index` of a
    // member. Below what a window shows, only `path` grows.
    KivPlanPlace child(const QString &key) const;
    KivPlanPlace at(qsizetype index) const;

    friend bool operator==(const KivPlanPlace &, const KivPlanPlace &) = default;
};

// Each kind lists the values it fills besides the place.
enum class KivPlanFaultKind : std::uint8_t
{
    // The file (place File).
    NotJson,        // line, column (from 1), detail (Qt's words)
    NotAPlan,       // valid JSON, but not an object
    TooLarge,       // highest: the most bytes read
    Folder,         // a folder
    NotRegularFile, // a FIFO, a device, a socket: refused without waiting on it
    Unreadable,     // detail: the system's reason
    Unwritable,     // detail: the system's reason

    // A member as written.
    GivenTwice,    // one member twice in one object
    UnknownMember, // place.member is the unknown one; the words list those of place.object
    NotAnObject,   // the proxy or a camera is not an object
    UnitsUnknown,  // text: the units written
    UnitsNotText,
    WholeNumber,    // lowest, highest (days, copies, count)
    Number,         // lowest, highest (card_size, drive_size, offload_mbyte_s, bitrate, mbytes)
    CamerasMissing, // highest: the most cameras
    CameraCount,    // highest
    NameMissing,
    NotText,        // a name or a title that is not a text
    TimeMissing,    // an unfinished camera: no time per day
    TimeNotText,    // the example shown is that of place.member
    TimeUnreadable, // text, detail
    LongerThanADay, // text: the time, highest: the seconds of a day
    NoRate,         // an unfinished camera (or proxy): no bitrate, mbytes, format or clips
    TwoRates,       // text, other: the two members that give the rate
    GoesWithFormat, // frame or fps without a format
    NoFormatName,
    FrameNotText,
    FrameSize,     // text: the frame as written, detail
    FrameRate,     // lowest, highest: frames per second
    FrameRateText, // text, detail: a rate written wrongly ("25/0")
    NoClips,
    EmptyClip,       // place.element
    AudioWithClips,  // audio given with measured clips
    ProxyClips,      // a proxy of clips
    AudioNotText,    // neither channels nor a text
    AudioUnreadable, // text, detail

    // Resolving a rate and answering.
    FormatRefused,   // text: the name, detail: the catalogue's words (unknown, no such frame)
    AudioIncluded,   // text: the format's id, whose figure includes audio
    NotAFormat,      // a format asked of a source of another kind
    ClipsRefused,    // detail: why the clips were not measured
    ClipsMeasuring,  // the clips are being measured: not a fault of the plan, no answer yet
    RateUnplannable, // value: the Mbit/s, highest: the most that can be planned
    CardBeyond,      // value: the Mbit/s, amount: the card's size in `units`, highest: seconds
    OffloadBeyond,   // value: MB/s, amount: a day's GB in `units`, highest: seconds
    RatesMismatch,   // value: rates given, amount: cameras (a caller's fault)

    // The day on set (day_length, handoff, readers, verify).
    NotTrueOrFalse,      // a member that must be true or false
    DayOfNothing,        // day_length 00:00:00
    NeededByDay,         // card_size or offload_mbyte_s missing beside a day_length
    LongerThanDayLength, // text: the camera's time per day, other: the day_length
    DayMissing,          // the day asked of a plan without a day_length
    BodyCardsBeyond,     // value: cards a body fills a day, highest: the most planned
    DayCardsBeyond,      // value: cards of the day in all, highest: the most planned
    DayMemory,           // value: cards of the day in all
    CardOffloadBeyond,   // value: MB/s, amount: the card's size in `units`, highest: seconds
    DayOffloadBeyond,    // value: MB/s, highest: seconds
};

struct KivPlanFault
{
    KivPlanPlace place;
    KivPlanFaultKind kind = KivPlanFaultKind::NotAPlan;
    QString text;   // what was written, as typed
    QString other;  // a second text (TwoRates)
    QString detail; // a lower library's words, English
    double value = 0;
    double amount = 0;
    double lowest = 0;
    double highest = 0;
    qsizetype line = 0;
    qsizetype column = 0;
    KivCardUnits units = KivCardUnits::Kiv;

    friend bool operator==(const KivPlanFault &, const KivPlanFault &) = default;
};

// The fault in one line of English, its place first:
//   cameras[1].fps: must be a frame rate from 0.001 to 1000000 frames per second, ...
//   plan.json:3:14: not valid JSON (missing name separator)
// Control characters of names and texts are escaped.
QString kivPlanFaultText(const KivPlanFault &fault);

// The words after the place alone, for the same fault.
QString kivPlanFaultProblem(const KivPlanFault &fault);
