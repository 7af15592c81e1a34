// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivEscapes.h"

#include "core/KivBuffer.h"
#include "core/KivBytes.h"
#include "core/KivString.h"

#include <cstddef>
#include <cstring>
#include <new>

constexpr char KIV_ESCAPE_LETTERS[KIV_ESCAPE_COUNT] = {'\\', 'n', 'r', 't', '"', '\'', '%', 'x'};
constexpr std::uint8_t KIV_ESCAPE_BYTES[KIV_ESCAPE_COUNT] = {92, 10, 13, 9, 34, 39, 37, 0};

namespace {

constexpr std::int32_t HEX_ESCAPE = 7;
const char HEX_DIGITS[] = "0123456789ABCDEF";

// How quoteBytes writes each byte: its escape index (0 to 6), plain inside
// quotes, or as 'hXX'. A table, as every byte of the input is looked up twice.
constexpr std::uint8_t QUOTE_PLAIN = HEX_ESCAPE;
constexpr std::uint8_t QUOTE_HEX = HEX_ESCAPE + 1;

struct QuoteClasses
{
    std::uint8_t of[256];
};

constexpr QuoteClasses makeQuoteClasses()
{
    QuoteClasses classes{};
    for (int byte = 0; byte < 256; ++byte) {
        classes.of[byte] = byte >= 32 && byte <= 126 ? QUOTE_PLAIN : QUOTE_HEX;
    }
    for (int index = HEX_ESCAPE - 1; index >= 0; --index) {
        classes.of[KIV_ESCAPE_BYTES[index]] = static_cast<std::uint8_t>(index);
    }
    return classes;
}

constexpr QuoteClasses QUOTE_CLASSES = makeQuoteClasses();

// A private copy of the bytes when they live in `buffer`'s storage, which a
// resize would release before they are read; `copy` receives the allocation
// to release. Null when memory is exhausted.
const std::uint8_t *detach(const void *bytes, std::int32_t count, const KivBuffer_c *buffer,
                           std::uint8_t *&copy)
{
    copy = nullptr;
    if (!kiv::overlaps(bytes, count, buffer->data(),
                       static_cast<std::size_t>(buffer->size()) + 1)) {
        return static_cast<const std::uint8_t *>(bytes);
    }
    copy = new (std::nothrow) std::uint8_t[static_cast<std::size_t>(count)];
    if (copy != nullptr) {
        std::memcpy(copy, bytes, static_cast<std::size_t>(count));
    }
    return copy;
}

bool isQuotable(std::uint8_t byte)
{
    return QUOTE_CLASSES.of[byte] != QUOTE_HEX;
}
// Length of a hexadecimal prefix at `at` ('h', 'H', '$', '0x', '\x' in either
// case of x), or 0.
std::int64_t hexPrefix(const std::uint8_t *text, std::int64_t at, std::int64_t count)
{
    const std::uint8_t c = text[at];
    if (c == 'h' || c == 'H' || c == '$') {
        return 1;
    }
    if ((c == '0' || c == '\\') && at + 1 < count && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        return 2;
    }
    return 0;
}

} // namespace

std::int32_t decodeEscape(const char *text, std::int32_t count, std::uint8_t *out)
{
    if (text == nullptr || out == nullptr || count <= 0) {
        return KIV_BAD_COUNT;
    }
    for (std::int32_t index = 0; index < KIV_ESCAPE_COUNT; ++index) {
        if (text[0] != KIV_ESCAPE_LETTERS[index]) {
            continue;
        }
        if (index != HEX_ESCAPE) {
            *out = KIV_ESCAPE_BYTES[index];
            return 1;
        }
        if (count <= 2) {
            return KIV_BAD_COUNT;
        }
        *out = hexPairValue(text + 1);
        return 3;
    }
    return KIV_BAD_COUNT;
}

std::int32_t escapeIndex(std::uint8_t byte)
{
    const std::uint8_t index = QUOTE_CLASSES.of[byte];
    return index < HEX_ESCAPE ? index : KIV_BAD_COUNT;
}

KivStatus quoteBytes(KivString_c *target, const void *bytes, std::int32_t count)
{
    if (target == nullptr || bytes == nullptr || target->buffer() == nullptr) {
        return KIV_FAIL;
    }
    KivBuffer_c *buffer = target->buffer();
    const auto *input = static_cast<const std::uint8_t *>(bytes);

    std::int64_t length = 0;
    bool inRun = false;
    for (std::int32_t i = 0; i < count; ++i) {
        if (isQuotable(input[i])) {
            length += (inRun ? 0 : 2) + (escapeIndex(input[i]) >= 0 ? 2 : 1);
            inRun = true;
        } else {
            length += 3;
            inRun = false;
        }
    }

    std::uint8_t *copy = nullptr;
    const std::uint8_t *source = nullptr;
    if (length > 0 && length < INT32_MAX) {
        source = detach(bytes, count, buffer, copy);
    }
    if (source == nullptr || buffer->resize(static_cast<std::int32_t>(length + 1)) != KIV_OK) {
        delete[] copy;
        target->assign("", 0, KIV_NO);
        return KIV_FAIL;
    }

    char *out = reinterpret_cast<char *>(buffer->data());
    std::int64_t at = 0;
    inRun = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t byte = source[i];
        if (isQuotable(byte)) {
            if (!inRun) {
                out[at++] = '"';
                inRun = true;
            }
            const std::int32_t index = escapeIndex(byte);
            if (index >= 0) {
                out[at++] = '\\';
                out[at++] = KIV_ESCAPE_LETTERS[index];
            } else {
                out[at++] = static_cast<char>(byte);
            }
        } else {
            if (inRun) {
                out[at++] = '"';
                inRun = false;
            }
            out[at++] = 'h';
            byteToHex(out + at, byte);
            at += 2;
        }
    }
    if (inRun) {
        out[at++] = '"';
    }
    out[at] = 0;
    buffer->rewind(-1);
    delete[] copy;
    return KIV_OK;
}

KivStatus unquoteBytes(const char *text, KivBuffer_c *target, std::int32_t count)
{
    if (text == nullptr || target == nullptr) {
        return KIV_FAIL;
    }
    count = kiv::resolveCount(text, count);
    if (count < 0) {
        target->resize(0);
        return KIV_FAIL;
    }
    std::uint8_t *copy = nullptr;
    const std::uint8_t *input = detach(text, count, target, copy);
    if (input == nullptr) {
        target->resize(0);
        return KIV_FAIL;
    }
    const KivStatus sized = target->resize(count);
    if (sized != KIV_OK || count == 0) {
        delete[] copy;
        return sized;
    }

    std::int32_t errors = 0;
    std::uint8_t *out = target->data();
    std::int32_t produced = 0;
    const auto emit = [&](std::uint8_t byte) {
        if (produced < count) {
            out[produced++] = byte;
        } else {
            ++errors;
        }
    };

    bool quoted = false;
    std::int64_t i = 0;
    while (i < count) {
        const std::uint8_t c = input[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
                ++i;
            } else if (c == '\\') {
                std::uint8_t byte = 0;
                const std::int32_t used =
                    decodeEscape(reinterpret_cast<const char *>(input + i + 1),
                                 static_cast<std::int32_t>(count - i - 1), &byte);
                if (used > 0) {
                    emit(byte);
                    i += 1 + used;
                } else {
                    ++errors;
                    i += 2;
                }
            } else {
                emit(c);
                ++i;
            }
            continue;
        }

        const std::int64_t prefix = hexPrefix(input, i, count);
        if (prefix > 0) {
            const std::int64_t at = i + prefix;
            const int high = at < count ? kiv::hexDigitValue(input[at]) : -1;
            if (at >= count) {
                ++errors;
                i = count;
            } else if (high >= 0) {
                const int low = at + 1 < count ? kiv::hexDigitValue(input[at + 1]) : -1;
                if (low >= 0) {
                    emit(static_cast<std::uint8_t>(high * 16 + low));
                } else {
                    // A lone digit; the byte after it is consumed too.
                    emit(static_cast<std::uint8_t>(high));
                    quoted = at + 1 < count && input[at + 1] == '"';
                }
                i = at + 2;
            } else if (input[at] == '"') {
                quoted = true;
                i = at + 1;
            } else {
                ++errors;
                i = at + 1;
            }
        } else if (c == '"') {
            quoted = true;
            ++i;
        } else if (c == ' ' || c == ',' || c == '_') {
            ++i;
        } else if (kiv::isDigit(c)) {
            std::int64_t end = i;
            int value = 0;
            while (end < count && end - i < 3 && kiv::isDigit(input[end])) {
                value = value * 10 + (input[end] - '0');
                ++end;
            }
            if (value > 255) {
                // The third digit starts the next group.
                value /= 10;
                --end;
            }
            emit(static_cast<std::uint8_t>(value));
            i = end;
        } else {
            // Includes a backslash not followed by 'x': the next byte is read
            // on its own.
            ++errors;
            ++i;
        }
    }

    out[produced] = 0;
    target->rewind(produced);
    delete[] copy;
    return errors > 0 ? KIV_FAIL : KIV_OK;
}

KivStatus hexEncode(std::int32_t capacity, std::int32_t count, char *out, const void *bytes)
{
    if (count < 0 || static_cast<std::int64_t>(capacity) < 2 * static_cast<std::int64_t>(count)) {
        return KIV_FAIL;
    }
    if (count > 0 && (out == nullptr || bytes == nullptr)) {
        return KIV_FAIL;
    }
    const auto *input = static_cast<const std::uint8_t *>(bytes);
    for (std::int32_t i = 0; i < count; ++i) {
        byteToHex(out + 2 * static_cast<std::int64_t>(i), input[i]);
    }
    return KIV_OK;
}

std::uint8_t hexPairValue(const char *pair)
{
    if (pair == nullptr) {
        return 0;
    }
    const int high = kiv::hexDigitValue(static_cast<std::uint8_t>(pair[0]));
    const int low = kiv::hexDigitValue(static_cast<std::uint8_t>(pair[1]));
    return static_cast<std::uint8_t>((high < 0 ? 0 : high) * 16 + (low < 0 ? 0 : low));
}

KivStatus byteToHex(char *out, std::uint8_t byte)
{
    if (out == nullptr) {
        return KIV_FAIL;
    }
    out[0] = HEX_DIGITS[byte >> 4];
    out[1] = HEX_DIGITS[byte & 15];
    return KIV_OK;
}
