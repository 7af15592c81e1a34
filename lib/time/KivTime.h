// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A point in time or a duration: whole seconds (unsigned 32-bit) and
// milliseconds.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivString_c;

// Calendar fields of a count of seconds from 1970-01-01 00:00:00, no time zone.
struct KivTimeFields_c
{
    std::int16_t year = 0;
    std::int16_t month = 0; // 0 = January
    std::int16_t day = 0;   // 0 = the first
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t second = 0;
    std::int16_t millisecond = 0; // low 16 bits of the milliseconds
};

class KivTime_c
{
public:
    KivTime_c() = default;
    virtual ~KivTime_c() = default;

    void setSeconds(std::uint32_t seconds, std::int32_t milliseconds);
    std::uint32_t seconds() const { return seconds_; }
    std::int32_t milliseconds() const { return milliseconds_; }

    // Fills `fields` with the calendar break-down (KIV_FAIL for null). The year
    // search runs on 64-bit sums, so counts from 2106-01-01 up to 2^32 - 1
    // break down into their real dates in 2106.
    KivStatus breakDown(KivTimeFields_c *fields) const;

    // Reads "hours:minutes:seconds" with an optional ".milliseconds". Pieces
    // are taken from the right; each is its first run of digits (0 without
    // one); sums wrap in 32 bits. Malformed text never fails; a null text, or
    // no memory for the pieces, sets 0 and 0 and returns KIV_FAIL.
    KivStatus parse(KivString_c *text);

    // Writes the count by `pattern` (not null): H hour of the day, i minute,
    // s second, d day, m month (two digits each), Y year (four digits); a
    // backslash takes the next character literally; other characters are
    // copied, a '%' or backslash keeping its meaning in the formatter's
    // template. The template is limited to 256 characters. KIV_FAIL for a null `out`;
    // KIV_FAIL with `out` empty when rendering fails or no storage can be had.
    KivStatus format(KivString_c *out, const char *pattern) const;

    // Writes the whole duration as hours:minutes:seconds, the hours at least
    // two digits and as many more as they need (131072 s gives 36:24:32).
    // KIV_FAIL for a null `out`, and with `out` empty when memory is exhausted.
    KivStatus formatDuration(KivString_c *out) const;

private:
    std::uint32_t seconds_ = 0;
    std::int32_t milliseconds_ = 0;
};
