// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Escapes and quoting: the escape table, the quoted form of bytes and its
// reading back, and hexadecimal digits. Text is ASCII bytes.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivBuffer_c;
class KivString_c;

// Escape letters (after a backslash) and the bytes they stand for, in table
// order. Index 7 ('x') takes its byte from the next two hexadecimal digits.
inline constexpr int KIV_ESCAPE_COUNT = 8;
extern const char KIV_ESCAPE_LETTERS[KIV_ESCAPE_COUNT];
extern const std::uint8_t KIV_ESCAPE_BYTES[KIV_ESCAPE_COUNT];

// Decodes the escape at `text` (just after a backslash, `count` characters
// available) into *out. Returns the number of characters used, or KIV_BAD_COUNT (also
// for null arguments).
std::int32_t decodeEscape(const char *text, std::int32_t count, std::uint8_t *out);

// Table index 0 to 6 of an escapable byte, else KIV_BAD_COUNT.
std::int32_t escapeIndex(std::uint8_t byte);

// Replaces `target` with the quoted form of `count` bytes: printable runs in
// double quotes (escapable bytes as backslash escapes), other bytes as 'hXX'.
// KIV_FAIL with `target` untouched for null arguments; KIV_FAIL with `target` empty for
// empty input or exhausted memory. `bytes` may lie in `target`'s own text.
KivStatus quoteBytes(KivString_c *target, const void *bytes, std::int32_t count);

// Reads quoted text, hexadecimal and decimal byte lists back into bytes.
// `count` -1 reads up to the first zero byte. The target's size becomes
// `count` and its limit the number of bytes produced. Malformed input does not
// stop the scan, but any error makes the result KIV_FAIL. Another negative count
// empties the target and gives KIV_FAIL.
KivStatus unquoteBytes(const char *text, KivBuffer_c *target, std::int32_t count);

// Two upper-case digits per byte into `out`; KIV_FAIL when capacity < 2 * count,
// for a negative count, or for null pointers with bytes to encode. No zero
// byte is written.
KivStatus hexEncode(std::int32_t capacity, std::int32_t count, char *out, const void *bytes);

// The byte that two hexadecimal digit characters give; a character that is
// not a digit counts as 0. A null pointer gives 0.
std::uint8_t hexPairValue(const char *pair);

// Writes the two upper-case digits of `byte` (no zero byte); returns KIV_OK, or KIV_FAIL
// for a null `out`.
KivStatus byteToHex(char *out, std::uint8_t byte);
