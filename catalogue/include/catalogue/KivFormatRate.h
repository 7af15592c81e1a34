// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The bitrate a recording format gives at a frame size and rate.
//
// Frame sizes and rates that are not listed (Table and PerFrame):
//   1. the listed frame size with the same width and height is taken as it
//      is; otherwise the one nearest in pixel count (on a tie the one with
//      fewer pixels, then the one listed first), and the figure is scaled by
//      asked pixels / listed pixels;
//   2. Table only: of the rates at which that size has a figure, the one
//      nearest the asked rate (on a tie the lower) is taken; an asked rate
//      within kivRateTolerance of it counts as that rate (24000/1001 is
//      23.976, 23.98 is too; 24 is not and is scaled), otherwise the figure
//      is scaled by asked rate / listed rate. So a cell the source leaves
//      out is scaled from the nearest listed rate of the same size.
// An entry marked onlyListedSizes refuses frame sizes it does not list, and
// one marked onlyListedRates rates that are not within kivRateTolerance of a
// listed one (for a table, of that size's). Formula entries are exact at any
// valid frame size and rate.
#pragma once

#include "catalogue/KivFormat.h"

#include <optional>

// Relative distance within which an asked rate counts as a listed one.
inline constexpr double kivRateTolerance = 0.0002;

// A format's bitrate at a frame size and rate.
struct KivFormatRate
{
    double mbps = 0;
    // The size or the rate asked is not listed: the figure is scaled from
    // fromSize (and, for tables, fromRate).
    bool scaled = false;
    KivFrameSize fromSize;    // the listed size used (Table, PerFrame), the size asked
                              // (Formula); 0x0 for Fixed
    double fromRate = 0;      // Table: the listed rate used; PerFrame, Formula: the rate asked
    double bytesPerFrame = 0; // PerFrame, Formula: bytes of a frame of the size asked
    // "" when not scaled; else "scaled from 1920x1080 at 29.97 fps" (tables)
    // or "scaled from 1920x1080" (per frame).
    QString scaling;
};

// The bitrate of `format` at `frame` and `fps`. Fixed entries take neither
// and the others need both. On a refusal returns nothing and sets `error` to
// one line beginning with the id, for example:
//   sony-avchd-ps: the mode fixes its frame size and rate
//   prores-422-hq needs a frame rate; listed: 23.976, 25, 29.97, 50, 59.94 fps
//   dnxhr-hq needs a frame size; listed: 1920x1080, 3840x2160, 4096x2160
//   dnxhd-1238 exists only at 1920x1080, not 1280x720
//   dnxhd-1242 exists only at 25 or 29.97 fps, not 50
// Frame sizes that are not isValid() and rates that are not kivIsFrameRate()
// are refused too.
std::optional<KivFormatRate> kivFormatRate(const KivFormat &format,
                                           std::optional<KivFrameSize> frame,
                                           std::optional<double> fps, QString &error);

// Whether `fps` counts as the listed rate `listed` (within kivRateTolerance).
bool kivIsListedRate(double fps, double listed);

// Listed rates as a message shows them: "23.976, 25 or 29.97" with `last`
// " or ", or "23.976, 25, 29.97" with ", ".
QString kivRatesText(const QList<double> &rates, const QString &last);
