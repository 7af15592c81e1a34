// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Decimal numbers computed with the C library: the digit runs that the
// library's readers take, their value modulo 2^32, and decimal text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace oracle {

using Bytes = std::string;

inline constexpr const char *kDigitSet = "0123456789";

// The value modulo 2^32 of a run of decimal digits. 10^32 is a multiple of
// 2^32, so only the last 32 digits count; strtoull reads them in two parts
// and the unsigned 64-bit sum keeps the low 32 bits right.
inline std::uint32_t digitsModulo32(const Bytes &run)
{
    const Bytes last = run.size() > 32 ? run.substr(run.size() - 32) : run;
    const std::size_t split = last.size() > 19 ? last.size() - 19 : 0;
    const std::uint64_t high =
        split > 0 ? std::strtoull(last.substr(0, split).c_str(), nullptr, 10) : 0;
    const std::uint64_t low = std::strtoull(last.substr(split).c_str(), nullptr, 10);
    return static_cast<std::uint32_t>(high * 10000000000000000000ull + low);
}

// The first run of digits of a text and the bytes before it.
struct DigitRun
{
    bool found = false;
    Bytes before;
    Bytes digits;
};

inline DigitRun firstDigitRun(const Bytes &text)
{
    DigitRun run;
    const std::size_t start = text.find_first_of(kDigitSet);
    if (start == Bytes::npos) {
        run.before = text;
        return run;
    }
    const std::size_t end = text.find_first_not_of(kDigitSet, start);
    run.found = true;
    run.before = text.substr(0, start);
    run.digits = text.substr(start, end == Bytes::npos ? Bytes::npos : end - start);
    return run;
}

struct Number
{
    std::uint32_t bits = 0;
    bool ok = false;
};

// parseUnsigned: the first run of digits, wrapping; no digit fails with 0.
inline Number unsignedReading(const Bytes &text)
{
    const DigitRun run = firstDigitRun(text);
    return {run.found ? digitsModulo32(run.digits) : 0u, run.found};
}

// parseSigned: negative when the byte just before the digits is '-'; any
// byte there other than '-' fails the reading but keeps the number.
inline Number signedReading(const Bytes &text)
{
    const DigitRun run = firstDigitRun(text);
    if (!run.found) {
        return {0u, false};
    }
    const std::uint32_t magnitude = digitsModulo32(run.digits);
    const bool negative = !run.before.empty() && run.before.back() == '-';
    const bool stray = run.before.find_first_not_of('-') != Bytes::npos;
    return {negative ? 0u - magnitude : magnitude, !stray};
}

inline Bytes unsignedText(std::uint32_t n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(n));
    return text;
}

inline Bytes signedText(std::int32_t n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(n));
    return text;
}

// Two upper-case hexadecimal digits per byte.
inline Bytes hexText(const Bytes &bytes)
{
    Bytes out;
    char pair[3];
    for (char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02X",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += pair;
    }
    return out;
}

} // namespace oracle
