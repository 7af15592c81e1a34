// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Plan files: JSON in UTF-8 (a leading byte-order mark is skipped), at most
// kivMaxPlanFileBytes, the same for the command line and the planner window.
//
//   {
//     "units": "kiv",              kiv (default), decimal or gib, as --units
//     "days": 3,                   whole, 1 to 10000; default 1
//     "copies": 3,                 whole, 1 to 100; default 1
//     "card_size": 256,            GB, 0.001 to 10^6; optional
//     "drive_size": 8192,          GB, 0.001 to 10^6; optional
//     "offload_mbyte_s": 400,      MB/s of 10^6 bytes, 0.001 to 10^6; optional
//     "day_length": "10:00:00",    "H:M:S", 00:00:01 to 24:00:00; optional, and
//                                  then card_size and offload_mbyte_s are needed
//     "handoff": "0:15:00",        "H:M:S", to 24:00:00; default 0
//     "readers": 1,                whole, 1 to 64; default 1
//     "verify": false,             true or false; default false
//     "proxy": SOURCE,             optional; not clips
//     "cameras": [CAMERA, ...]     1 to 1000
//   }
//   CAMERA: {"name": TEXT, "count": 1 to 1000 (default 1),
//            "time_per_day": "H:M:S" (or "M:S", "S"; up to 24:00:00), SOURCE}
//            A camera without its time per day or its source is unfinished:
//            read and written as it is, left out of the answers.
//   SOURCE, exactly one of (a proxy must have one):
//     "bitrate": Mbit/s, 0.001 to 10^7
//     "mbytes": MB/s, 0.000125 to 1.25 x 10^6
//     "format": id or name of a recording format, with "frame" ("uhd",
//               "1920x1080") and "fps" (25, or "30000/1001") as it needs them
//     "clips": ["path", ...], relative paths relative to the plan file
//   and with a bitrate, mbytes or format, optionally
//     "audio": "CHANNELS[:BITS[:KHZ]]" (or a number of channels): PCM audio
//              added to the rate; "4" is 4 channels of 24-bit 48 kHz
//
// Reading is strict: a member not listed, one given twice, a value of the
// wrong type or out of its limits, a camera with no source or two, "frame",
// "fps" or "audio" where they do not belong, and a proxy with clips are
// refused. Each refusal is a fault (KivPlanFault.h) naming the place,
// "cameras[1].fps: ...", or the file, "plan.json:3:14: not valid JSON
// (...)", and leaves the plan as it was. Each function gives the fault, or
// in its second form the fault's English line. Formats and clips are looked
// up when the plan is answered, not when it is read.
#pragma once

#include "plan/KivPlan.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Files larger than this are not read.
inline constexpr qint64 kivMaxPlanFileBytes = 1024 * 1024;

// Reads a plan from `json`; `origin` names it in faults of the file as a
// whole (not JSON, not an object). On a refusal returns false with `fault`
// (or `error`) set and `plan` unchanged.
bool kivReadPlan(const QByteArray &json, const QString &origin, KivPlan &plan, KivPlanFault &fault);
bool kivReadPlan(const QByteArray &json, const QString &origin, KivPlan &plan, QString &error);

// Reads at most kivMaxPlanFileBytes from an open `file` (standard input, say)
// and then the plan, as above; a file that holds more is refused.
bool kivReadPlanDevice(QFile &file, const QString &origin, KivPlan &plan, KivPlanFault &fault);
bool kivReadPlanDevice(QFile &file, const QString &origin, KivPlan &plan, QString &error);

// Opens `path` by its bytes (kivOpenRegularFile: a name that is not UTF-8
// opens as given) and reads it as above. A folder, a FIFO or a device is
// refused at once, without waiting on it (Folder, NotRegularFile), as is a
// file that cannot be read (Unreadable), each with its path.
bool kivReadPlanFile(const QString &path, KivPlan &plan, KivPlanFault &fault);
bool kivReadPlanFile(const QString &path, KivPlan &plan, QString &error);

// The plan file of `plan`, one camera a line: reading it back gives `plan`
// again when kivCheckPlan accepts it. The frame is written as WIDTHxHEIGHT,
// times as HH:MM:SS, the audio in its shortest text, units, days and copies
// always, and the day's members (handoff, readers, verify) with a day length
// or where they are not at their default.
QByteArray kivWritePlan(const KivPlan &plan);

// Writes kivWritePlan(plan) to `path`, by its bytes, whole or not at all
// (kivWriteFileWhole: the old file stays if anything fails). An unfinished
// plan is written as it is. A plan that kivCheckPlan refuses is not written. On a
// refusal returns false with `fault` (or `error`) set.
bool kivWritePlanFile(const QString &path, const KivPlan &plan, KivPlanFault &fault);
bool kivWritePlanFile(const QString &path, const KivPlan &plan, QString &error);
