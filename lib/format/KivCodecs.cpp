#include "format/KivCodecs.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <new>

constexpr char kivEscapeLetters[KIV_ESCAPE_COUNT] = {'\\', 'n', 'r', 't', '"', '\'', '%', 'x'};
constexpr std::uint8_t kivEscapeBytes[KIV_ESCAPE_COUNT] = {92, 10, 13, 9, 34, 39, 37, 0};

namespace {

constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kHexEscape = 7;
const char kHexDigits[] = "0123456789ABCDEF";

// How quoteBytes writes each byte: its escape index (0 to 6), plain inside
// quotes, or as 'hXX'. A table, as every byte of the input is looked up twice.
constexpr std::uint8_t kQuotePlain = kHexEscape;
constexpr std::uint8_t kQuoteHex = kHexEscape + 1;

struct QuoteClasses
{
    std::uint8_t of[256];
};

constexpr QuoteClasses makeQuoteClasses()
{
    QuoteClasses classes{};
    for (int byte = 0; byte < 256; ++byte)
        classes.of[byte] = byte >= 32 && byte <= 126 ? kQuotePlain : kQuoteHex;
    for (int index = kHexEscape - 1; index >= 0; --index)
        classes.of[kivEscapeBytes[index]] = static_cast<std::uint8_t>(index);
    return classes;
}

constexpr QuoteClasses kQuoteClasses = makeQuoteClasses();

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

// Value of a hexadecimal digit character, or -1.
int hexValue(std::uint8_t c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Resolves a count of -1 to the length of the zero-terminated text. A text too
// long to be counted gives -2, which every caller treats as a bad count.
std::int32_t resolveCount(const char *text, std::int32_t count)
{
    if (count != -1) {
        return count;
    }
    std::int32_t n = 0;
    while (n < kMaxCount && text[n] != 0) {
        ++n;
    }
    return n < kMaxCount ? n : KIV_BAD_COUNT;
}

// Whether `count` bytes at `bytes` lie (partly) in the buffer's storage, which
// a resize would release before they are read.
bool overlaps(const void *bytes, std::int32_t count, const KivBuffer_c *buffer)
{
    if (buffer->data() == nullptr || count <= 0) {
        return false;
    }
    const auto first = reinterpret_cast<std::uintptr_t>(bytes);
    const auto start = reinterpret_cast<std::uintptr_t>(buffer->data());
    const auto storage = static_cast<std::uintptr_t>(buffer->size()) + 1;
    return first < start + storage && start < first + static_cast<std::uintptr_t>(count);
}

// A private copy of the bytes when they live in `buffer`; `copy` receives the
// allocation to release. Null when memory is exhausted.
const std::uint8_t *detach(const void *bytes, std::int32_t count, const KivBuffer_c *buffer,
                           std::uint8_t *&copy)
{
    copy = nullptr;
    if (!overlaps(bytes, count, buffer)) {
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
    return kQuoteClasses.of[byte] != kQuoteHex;
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
        if (text[0] != kivEscapeLetters[index]) {
            continue;
        }
        if (index != kHexEscape) {
            *out = kivEscapeBytes[index];
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
    const std::uint8_t index = kQuoteClasses.of[byte];
    return index < kHexEscape ? index : KIV_BAD_COUNT;
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
    if (length > 0 && length < kMaxCount) {
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
                out[at++] = kivEscapeLetters[index];
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
    count = resolveCount(text, count);
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
            const int high = at < count ? hexValue(input[at]) : -1;
            if (at >= count) {
                ++errors;
                i = count;
            } else if (high >= 0) {
                const int low = at + 1 < count ? hexValue(input[at + 1]) : -1;
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
        } else if (isDigit(c)) {
            std::int64_t end = i;
            int value = 0;
            while (end < count && end - i < 3 && isDigit(input[end])) {
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

char *decimalDigits(char *out, std::int32_t capacity, std::uint32_t n, std::int32_t *written)
{
    std::int32_t unused = 0;
    std::int32_t *digits = written != nullptr ? written : &unused;
    *digits = 0;
    if (out == nullptr || capacity < 1) {
        return nullptr;
    }
    std::int32_t length = 1;
    for (std::uint32_t rest = n / 10; rest != 0; rest /= 10) {
        ++length;
    }
    if (length > capacity) {
        return nullptr;
    }
    out[length] = 0;
    for (std::int32_t at = length - 1; at >= 0; --at) {
        out[at] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    *digits = length;
    return out + length;
}

std::uint32_t parseUnsigned(KivStatus *status, std::int32_t count, const char *text)
{
    KivStatus result = KIV_FAIL;
    std::uint32_t value = 0;
    if (text != nullptr) {
        count = resolveCount(text, count);
        std::int32_t i = 0;
        while (i < count && !isDigit(static_cast<std::uint8_t>(text[i]))) {
            ++i;
        }
        if (i < count) {
            result = KIV_OK;
        }
        while (i < count && isDigit(static_cast<std::uint8_t>(text[i]))) {
            value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
            ++i;
        }
    }
    if (status != nullptr) {
        *status = result;
    }
    return value;
}

std::int32_t parseSigned(const char *text, std::int32_t count, KivStatus *status)
{
    bool negative = false;
    bool stray = false;
    if (text != nullptr) {
        count = resolveCount(text, count);
        for (std::int32_t i = 0; i < count && !isDigit(static_cast<std::uint8_t>(text[i])); ++i) {
            negative = text[i] == '-';
            stray = stray || !negative;
        }
    }
    KivStatus result = KIV_FAIL;
    const std::uint32_t magnitude = parseUnsigned(&result, count, text);
    if (result == KIV_OK && stray) {
        result = KIV_FAIL;
    }
    if (status != nullptr) {
        *status = result;
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
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
    const int high = hexValue(static_cast<std::uint8_t>(pair[0]));
    const int low = hexValue(static_cast<std::uint8_t>(pair[1]));
    return static_cast<std::uint8_t>((high < 0 ? 0 : high) * 16 + (low < 0 ? 0 : low));
}

KivStatus byteToHex(char *out, std::uint8_t byte)
{
    if (out == nullptr) {
        return KIV_FAIL;
    }
    out[0] = kHexDigits[byte >> 4];
    out[1] = kHexDigits[byte & 15];
    return KIV_OK;
}
