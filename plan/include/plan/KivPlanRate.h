// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A camera's rate (or the proxy's) resolved in one place, the same for the
// command line, the planner window, the tests and the fuzzer: a typed rate
// (the bitrate, or MB/s x 8) with its PCM audio; a format looked up in the
// catalogue at its frame size and rate, with its audio; measured clips as
// the caller measured them. The plan library measures nothing: kivfilesize
// measures clips at once, the window in a child process, and each hands in
// what it knows.
#pragma once

#include "plan/KivPlan.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the caller knows of a source's clips.
struct KivPlanMeasuredClips
{
    std::optional<double> mbps; // measured: their pooled rate, their audio included
    QString refused;            // not measured: why, one line ("a.mp4: not found")
};

// A source's rate, or the fault that leaves it out.
struct KivPlanRate
{
    std::optional<double> mbps;            // one body's, audio included
    double audioMbps = 0;                  // the PCM audio added within `mbps`
    std::optional<KivFormatChoice> format; // a format source's entry, frame and rate
    std::optional<KivPlanFault> fault;     // set exactly where `mbps` is not
};

// The catalogue, asked for only when a source names a format (loading it may
// warn of a faulty formats file).
using KivPlanCatalogue = std::function<const KivFormatCatalogue &()>;
// What is known of camera i's clips; null while they are being measured.
using KivPlanClipsOf = std::function<const KivPlanMeasuredClips *(qsizetype camera)>;

// The rate of `source` at `place` (a camera's or the proxy's). Faults:
//   NoRate           an unfinished source, at `place`
//   FormatRefused, AudioIncluded   at place.format, place.audio (kivPlanChooseFormat)
//   ClipsMeasuring   clips with `clips` null, at place.clips
//   ClipsRefused     clips refused (detail: `clips->refused`), at place.clips
// A rate is not judged here: kivPlanAnswer refuses one it cannot plan.
KivPlanRate kivPlanRate(const KivPlanSource &source, const KivPlanPlace &place,
                        const KivPlanCatalogue &catalogue, const KivPlanMeasuredClips *clips);

struct KivPlanRates
{
    QList<KivPlanRate> cameras;       // in the plan's order
    std::optional<KivPlanRate> proxy; // with a proxy
};

// Every rate of `plan`: the proxy's, then each camera's, with `clips` giving
// what is known of each camera's clips (none given: all being measured).
KivPlanRates kivPlanRates(const KivPlan &plan, const KivPlanCatalogue &catalogue,
                          const KivPlanClipsOf &clips = {});
