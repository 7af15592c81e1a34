// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Reading what a user types: numbers, times, frame sizes and frame rates,
// strictly as the command line and formats files take them (digits with a
// '.', whatever the language), and numbers as the dialog takes them (in the
// user's language). Each refusal is one line that quotes the text with
// kivQuoted. How the same quantities are shown is in KivDisplay.h.
#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

// Whether `text` is ASCII digits only, and not empty.
bool kivIsDigits(QStringView text);

// A non-negative finite number in the C locale, digits with an optional
// point and exponent; nothing else. `error` gets why not, with advice for a
// near miss (a decimal comma): "not a number; write decimals with a point, as
// in 1.5", "negative", "not a finite number", "beyond the range of numbers".
std::optional<double> kivReadNumber(const QString &text, QString &error);

// A time of the form S, M:S or H:M:S, digits only, each field after a larger
// one below 60, at most KIV_LONGEST_SECONDS in all; `error` gets why not.
std::optional<std::uint32_t> kivReadTime(const QString &text, QString &error);

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
// On a refusal returns nothing and sets `error` to one line, for example:
//   frame size "1920*1080": write it as WIDTHxHEIGHT (1920x1080) or as hd, uhd or dci4k
//   frame size "0x1080": width and height must be 1 to 65535 pixels
std::optional<KivFrameSize> kivReadFrameSize(const QString &text, QString &error);

// Reads a frame rate in frames per second: a decimal number with an optional
// '.' and fraction ("25", "29.97") or a fraction of two whole numbers
// ("24000/1001"); either followed by 'i' gives fields per second, two a frame
// ("50i" is 25, "59.94i" is 29.97 and "60i" is 30 frames per second). Signs,
// exponents, commas and anything else are refused, as
// are rates outside kivMinFrameRate..kivMaxFrameRate (so zero) and a
// divisor of 0; `error` gets one line. Without `checkRange` a rate written
// well is given whatever it is, for a caller that words its limits itself.
std::optional<double> kivReadFrameRate(const QString &text, QString &error, bool checkRange = true);

// Whether `fps` lies within kivMinFrameRate..kivMaxFrameRate (NaN does not).
bool kivIsFrameRate(double fps);

// Numbers as the user's language writes their decimals, for the dialog. Where
// the language writes a point (English, C), exactly kivNumberText and C
// reading; elsewhere (German "4,5") its decimal separator. Built once for a
// run of reads and writes, since asking the locale costs more than a number.
class KivLocalNumbers
{
public:
    explicit KivLocalNumbers(const QLocale &locale = QLocale());

    // kivNumberText with the language's decimal separator and no group
    // separators: 10,24 and 1,19305e+06 in German.
    QString text(double x) const;
    // kivFigureText in the language: 1.606.610 in German.
    QString figure(double x) const;

    // The number `text` holds: C text first ("4.5"); where the language writes
    // another separator, then as it writes numbers ("4,5", "1.234,5") or as
    // text() writes them. Text that is neither, and numbers beyond the double
    // range, read as 0.
    double read(const QString &text) const;

    // A frame rate as kivReadFrameRate reads it, or with the language's
    // decimal separator in place of the point ("29,97" in German).
    std::optional<double> frameRate(const QString &text) const;

private:
    QLocale locale_;
    QString point_; // empty where the language writes a point
};
