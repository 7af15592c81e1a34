// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Decimal digits of a number and reading numbers from text. Text is ASCII
// bytes.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

// Writes the decimal digits of `n` and a zero byte at `out` (room for
// capacity + 1 bytes). Returns the pointer past the last digit, or null when
// `n` has more digits than `capacity` or `out` is null (nothing written).
char *decimalDigits(char *out, std::int32_t capacity, std::uint32_t n, std::int32_t *written);

// Reads the first run of decimal digits within `count` bytes (-1: up to the
// first zero byte), skipping any bytes before it. Wraps modulo 2^32. Null
// text, no digit or another negative count: 0 with status KIV_FAIL.
std::uint32_t parseUnsigned(KivStatus *status, std::int32_t count, const char *text);

// As parseUnsigned with a sign: each '-' before the digits makes it negative,
// any other byte makes it positive again and the status KIV_FAIL. Wraps.
std::int32_t parseSigned(const char *text, std::int32_t count, KivStatus *status);
