// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// KivTime_c's calendar and text. breakDown against the C library's gmtime_r;
// formatDuration against printf, read back by parse; format with a pattern
// built from the input (field letters, literal and escaped characters)
// against printf's digits of gmtime_r's fields, and "H:i:s" read back by
// parse. The same bytes as an arbitrary pattern must format, the same twice.
// Input: four bytes of seconds, four of milliseconds, then the pattern (up to
// its first zero byte).
#include "FuzzSupport.h"
#include "oracles/Digits.h"
#include "oracles/LibraryText.h"

#include "core/KivString.h"
#include "time/KivTime.h"

#include <algorithm>
#include <cstring>
#include <ctime>

using oracle::Bytes;

namespace {

Bytes formatted(const KivTime_c &time, const Bytes &pattern)
{
    KivString_c out;
    out.assign("previous text", -1, KIV_NO);
    FUZZ_CHECK(time.format(&out, pattern.c_str()) == KIV_OK);
    FUZZ_CHECK(out.text()[out.length()] == 0);
    return oracle::stringText(&out);
}

std::uint32_t parsedSeconds(const Bytes &text)
{
    KivString_c string;
    string.assign(text.data(), static_cast<std::int32_t>(text.size()), KIV_NO);
    KivTime_c time;
    FUZZ_CHECK(time.parse(&string) == KIV_OK);
    return time.seconds();
}

Bytes number(const char *format, int n)
{
    char text[16];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// A pattern whose template (four characters per field letter, one per other
// character) stays within the 256-character limit, and the text it gives.
void buildPattern(FuzzInput &input, const std::tm &tm, Bytes &pattern, Bytes &expected)
{
    static const char letters[] = "HisdmY";
    const int values[6] = {tm.tm_hour, tm.tm_min,     tm.tm_sec,
                           tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
    int used = 0;
    while (!input.empty()) {
        const std::uint8_t b = input.byte();
        const int cost = b % 4 == 0 ? 4 : 1;
        if (used + cost > 256) {
            break;
        }
        used += cost;
        if (b % 4 == 0) {
            const int field = b / 4 % 6;
            pattern += letters[field];
            expected += number(field == 5 ? "%04d" : "%02d", values[field]);
        } else if (b % 4 == 1) {
            char c = static_cast<char>(32 + b / 4 % 95);
            c = std::strchr("%\\HisdmY", c) != nullptr ? '-' : c;
            pattern += c;
            expected += c;
        } else if (b % 4 == 2) {
            // Escaped: any character but the zero, '%' and the backslash,
            // which keep a meaning in the template.
            char c = static_cast<char>(input.byte());
            c = c == 0 || c == '%' || c == '\\' ? 'H' : c;
            pattern += '\\';
            pattern += c;
            expected += c;
        } else {
            pattern += ':';
            expected += ':';
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint32_t seconds = input.u32();
    const std::int32_t milliseconds = input.i32();
    FuzzInput patternInput = input;
    const Bytes rest = input.rest();
    const Bytes raw = rest.substr(0, rest.find('\0'));

    KivTime_c time;
    time.setSeconds(seconds, milliseconds);

    std::tm tm{};
    const std::time_t t = seconds;
    FUZZ_CHECK(gmtime_r(&t, &tm) != nullptr);
    KivTimeFields_c fields;
    FUZZ_CHECK(time.breakDown(&fields) == KIV_OK);
    FUZZ_CHECK(fields.year == tm.tm_year + 1900 && fields.month == tm.tm_mon &&
               fields.day == tm.tm_mday - 1);
    FUZZ_CHECK(fields.hour == tm.tm_hour && fields.minute == tm.tm_min &&
               fields.second == tm.tm_sec);
    FUZZ_CHECK(fields.millisecond ==
               static_cast<std::int16_t>(static_cast<std::uint32_t>(milliseconds) & 0xFFFF));
    FUZZ_CHECK(time.breakDown(nullptr) == KIV_FAIL);

    KivString_c out;
    FUZZ_CHECK(time.formatDuration(&out) == KIV_OK);
    char duration[32];
    std::snprintf(duration, sizeof duration, "%02u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    FUZZ_CHECK(oracle::stringText(&out) == duration);
    FUZZ_CHECK(parsedSeconds(duration) == seconds);
    FUZZ_CHECK(time.formatDuration(nullptr) == KIV_FAIL);

    FUZZ_CHECK(parsedSeconds(formatted(time, "H:i:s")) == seconds % 86400);

    Bytes pattern;
    Bytes expected;
    buildPattern(patternInput, tm, pattern, expected);
    FUZZ_CHECK(formatted(time, pattern) == expected);

    // Digits after a '%' may ask for a legitimately huge padding.
    const auto digits =
        std::count_if(raw.begin(), raw.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (raw.find('%') == Bytes::npos || digits < 5) {
        FUZZ_CHECK(formatted(time, raw) == formatted(time, raw));
    }
    FUZZ_CHECK(time.format(nullptr, raw.c_str()) == KIV_FAIL);
    return 0;
}
