// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The fixed-point text of a double (formatFixed, formatFixedSigned and the
// formatter's 'f') judged against the C library's exact decimal expansion.
//
// The library rounds the last digit half up on the scaled binary value, which
// carries a rounding error of about 1e-6 of a unit. So away from a half-way
// case its text must be printf's correctly rounded one, digit for digit, the
// whole part included; within 1e-5 of a unit of a half-way case either
// neighbour is right; and an exact half, whose scaled value is exact in
// binary, must round up (printf rounds such a tie to even). fixedText hands
// out the library's text once it has passed.
#pragma once

#include "FuzzSupport.h"

#include "values/KivConversions.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace oracle {

// Digits after the point: the precision capped at 9, at least one.
inline int fixedDigits(std::uint16_t precision)
{
    return precision == 0 ? 1 : (precision > 9 ? 9 : precision);
}

// `text` (digits and a point) plus one unit in its last digit.
inline std::string plusOneUnit(std::string text)
{
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.') {
            continue;
        }
        if (text[i] != '9') {
            ++text[i];
            return text;
        }
        text[i] = '0';
    }
    return "1" + text;
}

// Whether `text` is right for formatFixed(x) with `precision`: zero for
// negatives and NaN, "inf" for plus infinity.
inline bool fixedTextRight(const std::string &text, double x, std::uint16_t precision)
{
    const int digits = fixedDigits(precision);
    if (!(x > 0.0)) {
        return text == "0." + std::string(static_cast<std::size_t>(digits), '0');
    }
    if (std::isinf(x)) {
        return text == "inf";
    }
    // A double's fraction ends within 1074 binary and so 1074 decimal digits.
    char exact[1500];
    std::snprintf(exact, sizeof exact, "%.1100f", x);
    const std::string all(exact);
    const std::size_t end = all.find('.') + 1 + static_cast<std::size_t>(digits);
    const std::string truncated = all.substr(0, end);
    const std::string tail = all.substr(end);
    if (tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
        return text == plusOneUnit(truncated);
    }
    if (tail.compare(0, 5, "49999") == 0 || tail.compare(0, 5, "50000") == 0) {
        return text == truncated || text == plusOneUnit(truncated);
    }
    char rounded[400];
    std::snprintf(rounded, sizeof rounded, "%.*f", digits, x);
    return text == rounded;
}

// As fixedTextRight for formatFixedSigned: '-' and the magnitude's text for a
// number below zero.
inline bool signedFixedTextRight(const std::string &text, double x, std::uint16_t precision)
{
    if (x < 0.0) {
        return !text.empty() && text[0] == '-' && fixedTextRight(text.substr(1), -x, precision);
    }
    return fixedTextRight(text, x, precision);
}

// formatFixedSigned's text, held to the fixed-point rule.
inline std::string fixedText(double x, std::uint16_t precision)
{
    char text[KIV_FIXED_TEXT_CAPACITY];
    std::int32_t count = -1;
    FUZZ_CHECK(formatFixedSigned(x, sizeof text, text, &count, precision) == text + count);
    const std::string out(text, static_cast<std::size_t>(count));
    FUZZ_CHECK(signedFixedTextRight(out, x, precision));
    return out;
}

} // namespace oracle
