// Text codecs: the escape table, the quoted form of bytes, decimal digits,
// integer reading and hexadecimal digits. Text is ASCII bytes.
#pragma once

#include "../core/KivObject.h"

#include <cstdint>

class KivBuffer_c;
class KivString_c;

// Escape letters (after a backslash) and the bytes they stand for, in table
// order. Index 7 ('x') takes its byte from the next two hexadecimal digits.
inline constexpr int KIV_ESCAPE_COUNT = 8;
extern const char kivEscapeLetters[KIV_ESCAPE_COUNT];
extern const std::uint8_t kivEscapeBytes[KIV_ESCAPE_COUNT];

// Decodes the escape at `text` (just after a backslash, `count` characters
// available) into *out. Returns the number of characters used, or -2 (also
// for null arguments).
std::int32_t decodeEscape(const char *text, std::int32_t count, std::uint8_t *out);

// Table index 0 to 6 of an escapable byte, else -2.
std::int32_t escapeIndex(std::uint8_t byte);

// Replaces `target` with the quoted form of `count` bytes: printable runs in
// double quotes (escapable bytes as backslash escapes), other bytes as 'hXX'.
// 254 with `target` untouched for null arguments; 254 with `target` empty for
// empty input or exhausted memory. `bytes` may lie in `target`'s own text.
KivStatus quoteBytes(KivString_c *target, const void *bytes, std::int32_t count);

// Reads quoted text, hexadecimal and decimal byte lists back into bytes.
// `count` -1 reads up to the first zero byte. The target's size becomes
// `count` and its limit the number of bytes produced. Malformed input does not
// stop the scan, but any error makes the result 254. Another negative count
// empties the target and gives 254.
KivStatus unquoteBytes(const char *text, KivBuffer_c *target, std::int32_t count);

// Writes the decimal digits of `n` and a zero byte at `out` (room for
// capacity + 1 bytes). Returns the pointer past the last digit, or null when
// `n` has more digits than `capacity` or `out` is null (nothing written).
char *decimalDigits(char *out, std::int32_t capacity, std::uint32_t n, std::int32_t *written);

// Reads the first run of decimal digits within `count` bytes (-1: up to the
// first zero byte), skipping any bytes before it. Wraps modulo 2^32. Null
// text, no digit or another negative count: 0 with status 254.
std::uint32_t parseUnsigned(KivStatus *status, std::int32_t count, const char *text);

// As parseUnsigned with a sign: each '-' before the digits makes it negative,
// any other byte makes it positive again and the status 254. Wraps.
std::int32_t parseSigned(const char *text, std::int32_t count, KivStatus *status);

// Two upper-case digits per byte into `out`; 254 when capacity < 2 * count,
// for a negative count, or for null pointers with bytes to encode. No zero
// byte is written.
KivStatus hexEncode(std::int32_t capacity, std::int32_t count, char *out, const void *bytes);

// The byte that two hexadecimal digit characters give; a character that is
// not a digit counts as 0. A null pointer gives 0.
std::uint8_t hexPairValue(const char *pair);

// Writes the two upper-case digits of `byte` (no zero byte); returns 2, or 254
// for a null `out`.
KivStatus byteToHex(char *out, std::uint8_t byte);
