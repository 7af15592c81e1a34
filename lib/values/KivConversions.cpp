// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "values/KivConversions.h"

#include "core/KivBytes.h"
#include "core/KivDigits.h"
#include "core/KivString.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

const char *const KIV_BOOL_WORDS[KIV_BOOL_PAIRS][2] = {
    {"false", "true"}, {"off", "on"}, {"no", "yes"}, {"disabled", "enabled"}, {"0", "1"}};

namespace {

constexpr double MAX_WHOLE = 4294967295.0;

// The whole text equals `word`, ASCII letters compared without case.
bool sameWord(const char *text, std::int32_t length, const char *word)
{
    if (static_cast<std::size_t>(length) != std::strlen(word)) {
        return false;
    }
    for (std::int32_t i = 0; i < length; ++i) {
        if (kiv::lowerCase(static_cast<std::uint8_t>(text[i])) !=
            kiv::lowerCase(static_cast<std::uint8_t>(word[i]))) {
            return false;
        }
    }
    return true;
}

std::int8_t boolFromPair(const char *text, std::int32_t length, int pair)
{
    if (sameWord(text, length, KIV_BOOL_WORDS[pair][1])) {
        return KIV_YES;
    }
    if (sameWord(text, length, KIV_BOOL_WORDS[pair][0])) {
        return KIV_NO;
    }
    return KIV_FAIL;
}

std::int32_t digitCount(std::uint32_t n)
{
    std::int32_t count = 1;
    for (n /= 10; n != 0; n /= 10) {
        ++count;
    }
    return count;
}

// Decimal digits of an integral double of 2^32 or more and a zero byte at
// `out`, as decimalDigits writes a 32-bit number: exact, since the double is
// a 53-bit integer times a power of two, multiplied out in base 10^9 limbs.
char *bigWholeDigits(char *out, std::int32_t capacity, double whole, std::int32_t *written)
{
    *written = 0;
    // The double's own bits: a 53-bit integer times 2^shift (normal, as
    // 2^32 or more is). Read directly, so no call into the maths library.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(whole);
    int shift = static_cast<int>((bits >> 52) & 0x7ff) - 1075;
    std::uint64_t mantissa =
        shift > 0 ? (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52)
                  : static_cast<std::uint64_t>(whole);
    if (shift < 0) {
        shift = 0;
    }
    // 2^1024 < 10^309, which 35 limbs of nine digits hold.
    std::uint32_t limbs[35];
    int used = 0;
    for (; mantissa != 0; mantissa /= 1000000000u) {
        limbs[used++] = static_cast<std::uint32_t>(mantissa % 1000000000u);
    }
    while (shift > 0) {
        const int step = shift < 29 ? shift : 29;
        std::uint64_t carry = 0;
        for (int i = 0; i < used; ++i) {
            const std::uint64_t product = (static_cast<std::uint64_t>(limbs[i]) << step) + carry;
            limbs[i] = static_cast<std::uint32_t>(product % 1000000000u);
            carry = product / 1000000000u;
        }
        if (carry != 0) {
            limbs[used++] = static_cast<std::uint32_t>(carry);
        }
        shift -= step;
    }
    std::int32_t top = 0;
    char *end = decimalDigits(out, capacity, limbs[used - 1], &top);
    const std::int32_t length = top + 9 * (used - 1);
    if (end == nullptr || length > capacity) {
        return nullptr;
    }
    for (int i = used - 2; i >= 0; --i) {
        std::uint32_t limb = limbs[i];
        for (int d = 8; d >= 0; --d, limb /= 10) {
            end[d] = static_cast<char>('0' + limb % 10);
        }
        end += 9;
    }
    *end = 0;
    *written = length;
    return end;
}

// The whole digits of an integral, non-negative double, as decimalDigits.
char *wholeDigits(char *out, std::int32_t capacity, double whole, std::int32_t *written)
{
    if (whole <= MAX_WHOLE) {
        return decimalDigits(out, capacity, static_cast<std::uint32_t>(whole), written);
    }
    return bigWholeDigits(out, capacity, whole, written);
}

} // namespace

std::int8_t boolFromText(KivString_c *text, std::int32_t wordPair)
{
    if (text == nullptr) {
        return KIV_FAIL;
    }
    const std::int32_t length = text->length();
    const char *characters = text->text();
    if (wordPair == KIV_BOOL_ALL_PAIRS) {
        std::int8_t result = KIV_FAIL;
        for (int pair = KIV_BOOL_PAIRS - 1; pair >= 0 && result == KIV_FAIL; --pair) {
            result = boolFromPair(characters, length, pair);
        }
        return result;
    }
    if (wordPair < 0 || wordPair >= KIV_BOOL_PAIRS) {
        return KIV_FAIL;
    }
    return boolFromPair(characters, length, wordPair);
}

KivStatus boolToText(KivString_c *text, std::int8_t flag)
{
    if (text == nullptr) {
        return KIV_FAIL;
    }
    const char *word = KIV_BOOL_WORDS[0][flag == KIV_YES ? 1 : 0];
    return text->assign(word, -1, KIV_NO) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

char *formatFixed(char *out, std::int32_t capacity, std::uint16_t precision, double x,
                  std::int32_t *count)
{
    std::int32_t unused = 0;
    std::int32_t &written = count != nullptr ? *count : unused;
    written = 0;
    if (out == nullptr || capacity <= 0) {
        return nullptr;
    }

    const std::int32_t p0 = precision > 9 ? 9 : precision;
    std::int32_t p = p0;
    if (!(x > 0.0)) { // negatives, zeros and NaN
        x = 0.0;
    }
    if (std::isinf(x)) {
        if (capacity < 4) {
            return nullptr;
        }
        std::memcpy(out, "inf", 4);
        written = 3;
        return out + 3;
    }
    // Below 2^53 the fraction is exact and a carry into the whole part is
    // exact too; from there on doubles are whole numbers.
    double whole = std::trunc(x);
    double frac = x - whole;

    // `digits` holds the fraction digits after `lead` zeros; frac stays
    // below 10^9, so the scaled values fit in 32 bits.
    std::int32_t lead = 0;
    std::uint32_t digits = 0;
    if (frac != 0.0) {
        lead = -1;
        double d = 0.0;
        do {
            frac *= 10.0;
            d = static_cast<double>(static_cast<std::uint32_t>(frac));
            ++lead;
            --p;
        } while (d == 0.0 && p > 0);
        if (d != 0.0) {
            while (p > 0) {
                frac *= 10.0;
                d = static_cast<double>(static_cast<std::uint32_t>(frac));
                --p;
            }
        }
        digits = static_cast<std::uint32_t>(d);
        if (frac - d >= 0.5) {
            const std::int32_t before = digitCount(digits);
            ++digits;
            lead += before - digitCount(digits);
            if (lead == -1) { // rounded up to a whole unit
                whole += 1.0;
                digits = 0;
                lead = p0 - 1;
            }
        }
    }

    // room: characters still free, the terminating zero excluded.
    std::int32_t room = capacity - 1;
    std::int32_t n = 0;
    char *at = wholeDigits(out, room, whole, &n);
    if (at == nullptr) {
        return nullptr;
    }
    written += n;
    room -= n;
    if (room < 1) {
        return nullptr;
    }
    *at++ = '.';
    ++written;
    --room;
    for (; lead > 0; --lead, --room, ++written) {
        if (room < 1) {
            return nullptr;
        }
        *at++ = '0';
    }
    char *end = decimalDigits(at, room, digits, &n);
    if (end == nullptr) {
        return nullptr;
    }
    at = end;
    written += n;
    room -= n;
    // Pads only a zero fraction, where p was never counted down.
    for (; p > 1; --p, --room, ++written) {
        if (room < 1) {
            return nullptr;
        }
        *at++ = '0';
    }
    *at = 0;
    return at;
}

char *formatFixedSigned(double x, std::int32_t capacity, char *out, std::int32_t *count,
                        std::uint16_t precision)
{
    if (!(x < 0.0) || out == nullptr) {
        return formatFixed(out, capacity, precision, x, count);
    }
    std::int32_t sign = 0;
    if (capacity > 0) {
        *out++ = '-';
        --capacity;
        sign = 1;
    }
    char *end = formatFixed(out, capacity, precision, -x, count);
    if (count != nullptr) {
        *count += sign;
    }
    return end;
}

double parseDecimal(const char *text, std::int32_t length, KivStatus *status)
{
    if (status != nullptr) {
        *status = KIV_OK;
    }
    if (text != nullptr && length == -1) {
        length = static_cast<std::int32_t>(std::strlen(text));
    }
    if (text == nullptr || length < 0) {
        length = 0;
    }

    std::int32_t i = 0;
    double sign = 1.0;
    for (; i < length && !kiv::isDigit(static_cast<std::uint8_t>(text[i])); ++i) {
        sign = text[i] == '-' ? -1.0 : 1.0;
    }
    if (i >= length) {
        if (status != nullptr) {
            *status = KIV_FAIL;
        }
        return 0.0;
    }

    // The whole part in one correctly rounded step: building it digit by
    // digit in double arithmetic would round at every digit past the 16th.
    const std::int32_t first = i;
    while (i < length && kiv::isDigit(static_cast<std::uint8_t>(text[i]))) {
        ++i;
    }
    double whole = 0.0;
    if (std::from_chars(text + first, text + i, whole, std::chars_format::fixed).ec ==
        std::errc::result_out_of_range) {
        whole = std::numeric_limits<double>::infinity();
    }
    double fraction = 0.0;
    if (i < length && text[i] == '.') {
        double divisor = 10.0;
        for (++i; i < length && kiv::isDigit(static_cast<std::uint8_t>(text[i])); ++i) {
            fraction += (text[i] - '0') / divisor;
            divisor *= 10.0;
        }
    }
    return sign * (whole + fraction);
}

double roundTruncate(double x)
{
    return std::trunc(x);
}

double roundUp(double x)
{
    return std::ceil(x);
}

double roundNearest(double x)
{
    // Half away from zero, as std::round, written with the truncation the
    // compiler expands in place: a double less its truncation is exact.
    const double whole = std::trunc(x);
    const double rest = x - whole;
    if (rest >= 0.5) {
        return whole + 1.0;
    }
    if (rest <= -0.5) {
        return whole - 1.0;
    }
    return whole;
}
