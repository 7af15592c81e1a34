// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Decimal numbers with a fraction both ways. parseDecimal on arbitrary text
// against strtod on the sign, digits and point it is documented to take:
// exact for whole numbers of any length, otherwise within the rounding that
// adding the fraction digit by digit gathers. Whole doubles of every binary exponent, built from
// the input, read back from their own fixed-point text unchanged. formatFixed and
// formatFixedSigned, for what was read and for the first eight bytes taken
// as a double, against printf's exact expansion (oracles/Fixed.h), with
// every precision class, and with capacities that just fit and just do not.
#include "FuzzSupport.h"
#include "oracles/Digits.h"
#include "oracles/Fixed.h"

#include "values/KivConversions.h"

#include <cfloat>
#include <cmath>
#include <cstring>

using oracle::Bytes;

namespace {

// The sign, digits and point that the reading takes, as strtod text, and the
// number of digits in it.
Bytes numberText(const Bytes &text, std::size_t &digits, bool &fraction)
{
    const oracle::DigitRun run = oracle::firstDigitRun(text);
    Bytes out = !run.before.empty() && run.before.back() == '-' ? "-" : "";
    out += run.digits;
    digits = run.digits.size();
    fraction = false;
    const std::size_t after = run.before.size() + run.digits.size();
    if (run.found && after < text.size() && text[after] == '.') {
        const oracle::DigitRun tail = oracle::firstDigitRun(text.substr(after + 1));
        if (tail.found && tail.before.empty()) {
            out += "." + tail.digits;
            digits += tail.digits.size();
            fraction = true;
        }
    }
    return out;
}

void checkParse(const Bytes &text, std::int32_t count, const char *characters)
{
    KivStatus status = 0;
    const double x = parseDecimal(characters, count, &status);
    std::size_t digits = 0;
    bool fraction = false;
    const Bytes number = numberText(text, digits, fraction);
    if (digits == 0) {
        FUZZ_CHECK(status == KIV_FAIL && x == 0.0 && !std::signbit(x));
        return;
    }
    FUZZ_CHECK(status == KIV_OK);
    const double exact = std::strtod(number.c_str(), nullptr);
    FUZZ_CHECK(std::signbit(x) == std::signbit(exact));
    if (!fraction) {
        FUZZ_CHECK(x == exact);
        return;
    }
    if (std::isinf(x) || std::isinf(exact)) {
        // Only numbers at the edge of the double range may round differently.
        FUZZ_CHECK(std::fabs(std::isinf(x) ? exact : x) > 1e307);
        return;
    }
    // Each digit costs at most a few roundings; fraction digits past the
    // 308th place fall below the normal range and are lost.
    const double relative = (4.0 * static_cast<double>(digits) + 8.0) * DBL_EPSILON;
    FUZZ_CHECK(std::fabs(x - exact) <= relative * std::fabs(exact) + 2 * DBL_MIN);
}

void checkFixed(double x, std::uint16_t precision)
{
    char out[KIV_FIXED_TEXT_CAPACITY + 8];
    std::int32_t count = -1;
    char *end = formatFixedSigned(x, KIV_FIXED_TEXT_CAPACITY, out, &count, precision);
    FUZZ_CHECK(end != nullptr && end == out + count && *end == 0);
    const Bytes text(out, static_cast<std::size_t>(count));
    FUZZ_CHECK(oracle::signedFixedTextRight(text, x, precision));

    // The unsigned form, into exactly enough room and into one byte less.
    const Bytes magnitude = x < 0.0 ? text.substr(1) : text;
    const auto length = static_cast<std::int32_t>(magnitude.size());
    const double positive = x < 0.0 ? -x : x;
    std::memset(out, 'z', sizeof out);
    end = formatFixed(out, length + 1, precision, positive, &count);
    FUZZ_CHECK(end == out + length && count == length && Bytes(out, magnitude.size()) == magnitude);
    std::memset(out, 'z', sizeof out);
    FUZZ_CHECK(formatFixed(out, length, precision, positive, &count) == nullptr);
    FUZZ_CHECK(out[length] == 'z');
    FUZZ_CHECK(formatFixed(nullptr, length + 1, precision, positive, &count) == nullptr);
}

// A whole double with the input's sign, significand and binary exponent
// (0 to 1023) prints without a fraction and reads back as itself.
void checkWholeRoundTrip(FuzzInput &input)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(input.u32()) << 32 | input.u32();
    const int exponent = input.u16() % 1024;
    const double significand = 1.0 + static_cast<double>(bits >> 12) * 0x1p-52;
    const double whole = std::trunc(std::ldexp(significand, exponent));
    const double x = bits & 1 ? -whole : whole;
    char out[KIV_FIXED_TEXT_CAPACITY];
    std::int32_t count = -1;
    FUZZ_CHECK(formatFixedSigned(x, KIV_FIXED_TEXT_CAPACITY, out, &count, 0) != nullptr);
    KivStatus status = 0;
    FUZZ_CHECK(parseDecimal(out, count, &status) == x && status == KIV_OK);
}

void checkFixedPrecisions(double x, std::uint8_t choice)
{
    static const std::uint16_t precisions[] = {0, 1, 2, 3, 5, 8, 9, 10, 32768, 65535};
    checkFixed(x, precisions[choice % 10]);
    checkFixed(x, 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Bytes text(reinterpret_cast<const char *>(data), size);
    checkParse(text, static_cast<std::int32_t>(size), text.data());
    checkParse(text.substr(0, text.find('\0')), -1, text.c_str());
    KivStatus status = 0;
    FUZZ_CHECK(parseDecimal(text.c_str(), -5, &status) == 0.0 && status == KIV_FAIL);
    FUZZ_CHECK(parseDecimal(nullptr, -1, &status) == 0.0 && status == KIV_FAIL);

    FuzzInput input(data, size);
    const double raw = input.f64();
    const std::uint8_t choice = input.byte();
    checkFixedPrecisions(raw, choice);
    checkFixedPrecisions(parseDecimal(text.data(), static_cast<std::int32_t>(size), &status),
                         choice / 16);
    checkWholeRoundTrip(input);
    return 0;
}
