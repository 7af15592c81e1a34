// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Conversions between numbers, booleans and text used by the typed value and
// the formatter. None keeps state.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivString_c;

// Boolean words: five pairs of {false word, true word}.
inline constexpr int KIV_BOOL_PAIRS = 5;
inline constexpr int KIV_BOOL_ALL_PAIRS = 5;
extern const char *const KIV_BOOL_WORDS[KIV_BOOL_PAIRS][2];

// KIV_YES when the whole of `text` is the true word of `wordPair`, KIV_NO when
// it is the false word (ASCII letters compare without case), otherwise KIV_FAIL.
// `wordPair` 0 to 4 tests one pair, KIV_BOOL_ALL_PAIRS tests all. Null text
// or another pair: KIV_FAIL.
std::int8_t boolFromText(KivString_c *text, std::int32_t wordPair);

// Sets `text` to "true" for KIV_YES and to "false" for any other flag. KIV_OK, or
// KIV_FAIL for a null text (or exhausted memory).
KivStatus boolToText(KivString_c *text, std::int8_t flag);

// Writes the fixed-point text of `x` into `out`, which holds `capacity` bytes
// including the terminating zero: the whole part, a point and max(precision,
// 1) fraction digits, the last one rounded half up with a carry into the whole
// part. Precisions above 9 count as 9 (32768 and more included). The whole
// part is the exact decimal of the truncated double, however large (as
// printf's "%.0f" of it); negative numbers give 0.0…, a NaN gives 0.0… and
// plus infinity the text "inf". `count` (optional) receives the number of
// characters written, the zero not counted. Returns the pointer to the
// terminating zero, or null (nothing beyond `capacity` written) when the text
// does not fit or `out` is null. KIV_FIXED_TEXT_CAPACITY holds any result.
char *formatFixed(char *out, std::int32_t capacity, std::uint16_t precision, double x,
                  std::int32_t *count);

// As formatFixed for any sign: a number below zero (not -0.0, not a NaN) is
// written as '-' and the text of its magnitude, and the count includes the '-'.
char *formatFixedSigned(double x, std::int32_t capacity, char *out, std::int32_t *count,
                        std::uint16_t precision);

// Room for the signed fixed-point text of any double and its terminating zero:
// '-', 309 whole digits (DBL_MAX), the point and nine fraction digits.
inline constexpr std::int32_t KIV_FIXED_TEXT_CAPACITY = 1 + 309 + 1 + 9 + 1;

// Reads a signed decimal number with an optional fraction from `length`
// characters of `text` (-1: up to the first zero byte). Characters before the
// first digit are skipped; the one directly before it makes the number
// negative when it is '-'. The number runs over digits and one point. The
// whole part, of any length, is the correctly rounded double of its digits
// (infinity beyond the largest double), so the text of a whole double reads
// back as that double; the fraction is added digit by digit in double
// arithmetic. No digit, a null text or another negative length: 0.0 with
// status KIV_FAIL.
double parseDecimal(const char *text, std::int32_t length, KivStatus *status);

// Whole-number rounding toward plus infinity, toward zero, and to the nearest
// with halves away from zero, at any magnitude; 0, -0.0, infinities and NaN
// are returned unchanged.
double roundUp(double x);
double roundTruncate(double x);
double roundNearest(double x);
