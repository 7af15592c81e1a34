// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Frame sizes and frame rates: their limits, and reading them from what a
// user types. Shared by the catalogue, the command line and the chooser.
// Nothing here depends on the locale: numbers are always read and written
// with a '.'.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Larger frame sides, and rates outside these limits, are refused as absurd.
inline constexpr int kivMaxFrameSide = 65535;
inline constexpr double kivMinFrameRate = 0.001;
inline constexpr double kivMaxFrameRate = 1000000.0;

struct KivFrameSize
{
    int width = 0;
    int height = 0;

    // 64-bit: a product of two sides never overflows.
    qint64 pixels() const { return qint64(width) * qint64(height); }
    // Both sides from 1 to kivMaxFrameSide.
    bool isValid() const
    {
        return width >= 1 && width <= kivMaxFrameSide && height >= 1 && height <= kivMaxFrameSide;
    }
    // "1920x1080".
    QString text() const;

    friend bool operator==(const KivFrameSize &, const KivFrameSize &) = default;
};

// Reads a frame size: "WIDTHxHEIGHT" in decimal digits with 'x' or 'X' and no
// spaces inside ("1920x1080"), or one of the names hd (1920x1080), uhd
// (3840x2160) and dci4k (4096x2160) in any case. Blanks around are ignored.
// On a refusal returns nothing and sets `error` to one line that quotes the
// text, for example:
//   frame size "1920*1080": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd or dci4k
//   frame size "0x1080": width and height must be 1 to 65535 pixels
std::optional<KivFrameSize> kivReadFrameSize(const QString &text, QString &error);

// Reads a frame rate in frames per second: a decimal number with an optional
// '.' and fraction ("25", "29.97") or a fraction of two whole numbers
// ("24000/1001"). Signs, exponents, commas and anything else are refused, as
// are rates outside kivMinFrameRate..kivMaxFrameRate (so zero) and a
// divisor of 0; `error` gets one line that quotes the text.
std::optional<double> kivReadFrameRate(const QString &text, QString &error);

// Whether `fps` lies within kivMinFrameRate..kivMaxFrameRate (NaN does not).
bool kivIsFrameRate(double fps);

// A rate as text with a '.' and at most 10 significant digits: "29.97",
// "25", "23.97602398".
QString kivFrameRateText(double fps);
