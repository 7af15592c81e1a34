// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A shoot's plan: the cameras that record, how long each records a day, for
// how many days, how many copies are kept, and the cards, drives, offload
// speed and proxies that go with it. Plain data, shared by the command line
// and the planner window; files in KivPlanFile.h, answers in KivPlanAnswer.h.
//
// Every GB of a plan (card_size, drive_size and the answers) is counted as
// its `units` count it. Faults are values (KivPlanFault.h) naming their
// place, worded in English as the plan file names it: "days",
// "cameras[1].fps" (cameras counted from 0), "proxy.format". Each function
// that refuses has a form giving the fault and one giving its English line.
#pragma once

#include "calc/KivAudio.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"
#include "catalogue/KivFormatCatalogue.h"
#include "plan/KivPlanFault.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

// Limits beyond which a figure is refused as absurd.
inline constexpr int kivPlanMaxDays = 10000;
inline constexpr int kivPlanMaxCopies = 100;
inline constexpr int kivPlanMaxCount = 1000;
inline constexpr int kivPlanMaxCameras = 1000;
inline constexpr std::uint32_t kivPlanMaxSecondsPerDay = 24 * 3600;
inline constexpr double kivPlanMinSize = 0.001; // GB, for card_size and drive_size
inline constexpr double kivPlanMaxSize = 1e6;
inline constexpr double kivPlanMinMbps = 0.001; // typed bitrates; MB/s are an eighth
inline constexpr double kivPlanMaxMbps = 1e7;
inline constexpr double kivPlanMinOffload = 0.001; // MB/s
inline constexpr double kivPlanMaxOffload = 1e6;
inline constexpr int kivPlanMaxReaders = 64;

// No rate yet: a camera not finished (none of the members below in its file).
struct KivPlanNoRate
{
    friend bool operator==(const KivPlanNoRate &, const KivPlanNoRate &) = default;
};

// A rate typed in Mbit/s ("bitrate").
struct KivPlanBitrate
{
    double mbps = 0;
    friend bool operator==(const KivPlanBitrate &, const KivPlanBitrate &) = default;
};

// A rate typed in MB/s of 10^6 bytes ("mbytes"), as --mbytes takes it.
struct KivPlanMbytes
{
    double mbytesPerSec = 0;
    friend bool operator==(const KivPlanMbytes &, const KivPlanMbytes &) = default;
};

// A recording format of the catalogue ("format", "frame", "fps"), looked up
// as --format looks it up.
struct KivPlanFormat
{
    QString name; // as written
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    friend bool operator==(const KivPlanFormat &, const KivPlanFormat &) = default;
};

// Clips measured as --clip measures them ("clips"): the paths as written,
// relative ones relative to the plan file's folder (kivPlanClipPaths).
struct KivPlanClips
{
    QStringList paths;
    friend bool operator==(const KivPlanClips &, const KivPlanClips &) = default;
};

// Where a camera's (or the proxy's) rate comes from: exactly one of the
// above, and PCM audio on top of a typed rate or a format ("audio"; measured
// clips carry their own). A new source has no rate yet.
struct KivPlanSource
{
    std::variant<KivPlanNoRate, KivPlanBitrate, KivPlanMbytes, KivPlanFormat, KivPlanClips> from;
    std::optional<KivAudio> audio;
    friend bool operator==(const KivPlanSource &, const KivPlanSource &) = default;
};

// One camera, or `count` bodies recording alike. A camera without its time
// per day or its rate is unfinished: it is kept, written and read back as it
// is, and left out of the answers (kivPlanFinished).
struct KivPlanCamera
{
    QString name; // any text; shown escaped
    int count = 1;
    std::optional<std::uint32_t> secondsPerDay; // "time_per_day", 0 to a day
    KivPlanSource source;
    friend bool operator==(const KivPlanCamera &, const KivPlanCamera &) = default;
};

struct KivPlan
{
    KivCardUnits units = KivCardUnits::Kiv;
    int days = 1;
    int copies = 1;
    std::optional<double> cardSize;            // GB of `units`
    std::optional<double> driveSize;           // GB of `units`
    std::optional<double> offloadMbytesPerSec; // MB/s of 10^6 bytes
    std::optional<KivPlanSource> proxy;        // never clips
    QList<KivPlanCamera> cameras;              // 1 to kivPlanMaxCameras
    // The day on set (KivPlanDay.h), planned only with a day length, which
    // needs card_size and offload_mbyte_s and no camera's time per day
    // longer than itself.
    std::optional<std::uint32_t> dayLength = std::nullopt; // "day_length", to 24:00:00
    std::uint32_t handoffSeconds = 0; // "handoff", to the station and back; to a day
    int readers = 1;                  // cards offloaded at once, 1 to kivPlanMaxReaders
    bool verify = false;              // each card read again after its copy
    QString title = QString(); // "title", optional: what the budget is called; empty for none
    friend bool operator==(const KivPlan &, const KivPlan &) = default;
};

// "cameras[2]", the path of a camera (KivPlanPlace::ofCamera(2).path).
QString kivPlanCameraPlace(qsizetype camera);
// "proxy", the path of the proxy.
QString kivPlanProxyPlace();

// Whether every figure of `plan` lies within its limits. This is the one
// check of the limits: reading a plan file checks the types of its members
// and then this. On a fault returns false and sets `fault` to the first
// faulty place (the plan's members in order, the proxy, then each camera),
// or `error` to its line: "cameras[1].count: must be a whole number from 1
// to 1000".
bool kivCheckPlan(const KivPlan &plan, KivPlanFault &fault);
bool kivCheckPlan(const KivPlan &plan, QString &error);

// Whether camera `index` of `plan` has its time per day and a rate; if not,
// `fault` names what is missing: TimeMissing at "cameras[1].time_per_day"
// first, then NoRate at "cameras[1]".
bool kivPlanCameraFinished(const KivPlan &plan, qsizetype index, KivPlanFault &fault);
// Whether every camera is finished; if not, the first missing figure as
// above. A plan passing kivCheckPlan can be written unfinished; only a
// finished one can be answered whole.
bool kivPlanFinished(const KivPlan &plan, KivPlanFault &fault);

// The Mbit/s of a typed source before its audio: the bitrate, or MB/s x 8;
// nothing for a format or clips.
std::optional<double> kivPlanTypedMbps(const KivPlanSource &source);

// `mbps` with the PCM audio of `source` added.
double kivPlanWithAudio(const KivPlanSource &source, double mbps);

// The format of a format source at its frame size and rate, looked up in
// `catalogue` as kivChooseFormat looks it up. On a refusal returns nothing
// and sets `fault` (FormatRefused, AudioIncluded, NotAFormat) at a member of
// `place`, or `error` to its line after the path `place` ("cameras[0]"):
//   cameras[0].format: unknown format "prores-422-hg"; did you mean ...
//   cameras[0].audio: sony-xavc-s-4k-100m: its figure includes the audio already
// A source of another kind is refused as "... is not a format".
std::optional<KivFormatChoice> kivPlanChooseFormat(const KivFormatCatalogue &catalogue,
                                                   const KivPlanSource &source,
                                                   const KivPlanPlace &place, KivPlanFault &fault);
std::optional<KivFormatChoice> kivPlanChooseFormat(const KivFormatCatalogue &catalogue,
                                                   const KivPlanSource &source,
                                                   const QString &place, QString &error);

// The clips' paths to measure: absolute paths and URLs ("file:///...") as
// written, relative paths joined to `folder` (the plan file's) and cleaned.
QStringList kivPlanClipPaths(const KivPlanClips &clips, const QString &folder);
