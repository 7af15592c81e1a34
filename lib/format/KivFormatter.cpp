// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The formatter's template walk: literal bytes, escapes and directives, each
// directive converted by the converter of its letter.
#include "format/KivFormatter.h"

#include "core/KivBuffer.h"
#include "core/KivBytes.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "format/KivConverters.h"
#include "values/KivList.h"

#include <cstring>

namespace {

// The target grows by exact resizes; a failed one is remembered and empties
// the target, so later pieces stand alone.
struct Output
{
    KivBuffer_c *target;
    // Most bytes the target may come to hold before its closing zero.
    std::int32_t capacity;
    bool failed = false;

    bool fits(std::int32_t count) const { return count <= capacity - target->size(); }

    void fail()
    {
        target->resize(0);
        failed = true;
    }

    // Appends `pad` bytes of `fill` and then `count` bytes as one piece.
    void append(const void *bytes, std::int32_t count, std::int32_t pad = 0, std::uint8_t fill = 0)
    {
        const std::int64_t total = static_cast<std::int64_t>(pad) + count;
        if (total <= 0) {
            return;
        }
        const std::int32_t oldSize = target->size();
        if (total > INT32_MAX - oldSize ||
            target->resize(oldSize + static_cast<std::int32_t>(total)) != KIV_OK) {
            fail();
            return;
        }
        std::uint8_t *end = target->data() + oldSize;
        if (pad > 0) {
            std::memset(end, fill, static_cast<std::size_t>(pad));
        }
        if (count > 0) {
            std::memcpy(end + pad, bytes, static_cast<std::size_t>(count));
        }
    }
};

// One parsed conversion directive.
struct Directive
{
    std::uint8_t fill = ' ';
    const char *width = nullptr;
    std::int32_t widthLength = 0;
    const char *precision = nullptr;
    std::int32_t precisionLength = 0;
    std::uint8_t letter = 0;
};

// Parses the directive after a '%' at `text`; returns the bytes consumed.
std::int32_t parseDirective(const char *text, std::int32_t count, Directive &directive)
{
    bool afterPoint = false;
    std::int32_t i = 0;
    while (i < count) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (kiv::isDigit(c) && !afterPoint) {
            if (directive.width == nullptr && c == '0') {
                directive.fill = '0';
            } else {
                if (directive.width == nullptr) {
                    directive.width = text + i;
                }
                ++directive.widthLength;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (kiv::isDigit(c)) {
            if (directive.precision == nullptr) {
                directive.precision = text + i;
            }
            ++directive.precisionLength;
        } else {
            directive.letter = c;
            return i + 1;
        }
        ++i;
    }
    return i;
}

// The number that width or precision digits give, wrapping modulo 2^32 as
// reading them as a value's integer does.
std::int32_t digitsValue(const char *digits, std::int32_t length)
{
    std::uint32_t n = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        n = n * 10u + static_cast<std::uint32_t>(digits[i] - '0');
    }
    return static_cast<std::int32_t>(n);
}

// Runs one directive against `argument` (null once the arguments ran
// out) and appends its text, if any, to `output`.
void runDirective(const Directive &directive, KivObject_c *argument, KivBuffer_c &work,
                  Output &output)
{
    std::uint16_t precision = 2;
    if (directive.precision != nullptr) {
        precision =
            static_cast<std::uint16_t>(static_cast<std::uint32_t>(digitsValue(
                                           directive.precision, directive.precisionLength)) &
                                       0xFFFFu);
    }

    KivConverted converted;
    converted.work = &work;
    if (argument != nullptr) {
        const KivConverter convert = KIV_CONVERTERS.byLetter[directive.letter];
        const KivStatus status =
            convert != nullptr ? convert(converted, argument, precision) : KIV_FAIL;
        if (status == KIV_CONVERT_NO_MEMORY) {
            output.fail();
        }
        if (status != KIV_OK) {
            return;
        }
    }

    std::int32_t pad = 0;
    if (directive.width != nullptr) {
        const std::int32_t width = digitsValue(directive.width, directive.widthLength);
        if (width > converted.count) {
            // A padding that cannot fit the target is not built at all.
            if (!output.fits(width)) {
                output.fail();
                return;
            }
            pad = width - converted.count;
        }
    }
    // 'p' pads with zero bytes whatever the fill.
    output.append(converted.bytes, converted.count, pad,
                  directive.letter == 'p' ? 0 : directive.fill);
}

// Where the next '%' or backslash of the template is. Short runs of literal
// bytes (a ':' between conversions, say) are scanned byte by byte; past
// those, each special byte is searched for with memchr and remembered until
// the scan passes it, so long literal text costs no loop over its bytes.
struct SpecialBytes
{
    const char *text;
    std::int32_t count;
    std::int32_t percent = -1;
    std::int32_t backslash = -1;

    std::int32_t find(char c, std::int32_t from, std::int32_t &cached) const
    {
        if (cached < from) {
            const void *at = std::memchr(text + from, c, static_cast<std::size_t>(count - from));
            cached = at != nullptr ? static_cast<std::int32_t>(static_cast<const char *>(at) - text)
                                   : count;
        }
        return cached;
    }

    // The first special byte at or after `from` (at most `count`), or `count`.
    std::int32_t next(std::int32_t from)
    {
        const std::int32_t shortEnd = count - from > 4 ? from + 4 : count;
        for (; from < shortEnd; ++from) {
            if (text[from] == '%' || text[from] == '\\') {
                return from;
            }
        }
        if (from == count) {
            return count;
        }
        const std::int32_t p = find('%', from, percent);
        const std::int32_t b = find('\\', from, backslash);
        return p < b ? p : b;
    }
};

} // namespace

KivBuffer_c *formatInto(KivString_c *formatString, KivList_c *arguments, KivBuffer_c *target,
                        std::int32_t capacity, bool &closed)
{
    closed = false;
    target->clear();
    target->rewind(-1);
    if (formatString == nullptr) {
        return nullptr;
    }

    KivObject_c *argument = nullptr;
    if (arguments != nullptr && arguments->toFirst() != nullptr) {
        argument = arguments->currentPayload();
    }

    const char *text = formatString->text();
    const std::int32_t count = formatString->length() + 1;
    Output out{target, capacity};
    SpecialBytes special{text, count};
    KivBuffer_c work;
    std::int32_t i = 0;
    while (i < count) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c == '\\') {
            std::uint8_t byte = 0;
            const std::int32_t used = decodeEscape(text + i + 1, count - i - 1, &byte);
            if (used > 0) {
                out.append(&byte, 1);
                i += 1 + used;
            } else {
                i += 2;
            }
        } else if (c == '%') {
            Directive directive;
            i += 1 + parseDirective(text + i + 1, count - i - 1, directive);
            runDirective(directive, argument, work, out);
            if (arguments != nullptr && arguments->toNext() != nullptr) {
                argument = arguments->currentPayload();
            } else {
                argument = nullptr;
            }
        } else {
            const std::int32_t end = special.next(i + 1);
            out.append(text + i, end - i);
            closed = end == count;
            i = end;
        }
    }
    return out.failed ? nullptr : target;
}
