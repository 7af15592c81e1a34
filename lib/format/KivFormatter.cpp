// Rendering of a KivBinaryString_c: the printf-like template language.
#include "core/KivBinaryString.h"
#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivCodecs.h"
#include "values/KivConversions.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <bit>
#include <cstring>
#include <typeinfo>

namespace {

// Conversion indices; 0 selects the always-failing conversion.
enum Conversion : int
{
    CONVERT_NONE = 0,
    CONVERT_OWN = 1,      // 'p'
    CONVERT_HEX = 2,      // 'X'
    CONVERT_FIXED = 3,    // 'f'
    CONVERT_UNSIGNED = 4, // 'u'
    CONVERT_SIGNED = 5,   // 'd'
    CONVERT_TEXT = 6      // 's'
};

constexpr char conversionLetters[] = "\0pXfuds";

// Result of a conversion whose storage could not be had. Unlike an ordinary
// failure (which only drops the directive's text) it fails the rendering.
constexpr KivStatus NO_MEMORY = -4;

// Room for the text of 'd' and 'u' (a sign and ten digits) and of 'f' (any
// double); these conversions write on the stack, the others into the work
// buffer.
constexpr std::int32_t kShortText = KIV_FIXED_TEXT_CAPACITY;

// Whether `argument` is a T. The exact class, the common case, is told by its
// type alone, without the hierarchy walk of a dynamic_cast.
template <typename T> bool isA(KivObject_c *argument)
{
    return typeid(*argument) == typeid(T) || dynamic_cast<T *>(argument) != nullptr;
}

// The argument's kind, checked against its class: an object tagged with a kind
// that its class does not have carries no readable datum (as raw kind 0 and
// unknown kinds do).
std::int8_t kindOf(KivObject_c *argument)
{
    switch (argument->kind) {
    case KIV_KIND_VALUE:
        return isA<KivValue_c>(argument) ? KIV_KIND_VALUE : KIV_KIND_RAW;
    case KIV_KIND_STRING:
        return isA<KivString_c>(argument) ? KIV_KIND_STRING : KIV_KIND_RAW;
    case KIV_KIND_BUFFER:
        return isA<KivBuffer_c>(argument) ? KIV_KIND_BUFFER : KIV_KIND_RAW;
    default:
        return KIV_KIND_RAW;
    }
}

int conversionIndex(std::uint8_t c)
{
    for (int i = 6; i >= 1; --i)
        if (conversionLetters[i] == static_cast<char>(c))
            return i;
    return CONVERT_NONE;
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

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
        if (total <= 0)
            return;
        const std::int32_t oldSize = target->size();
        if (total > INT32_MAX - oldSize ||
            target->resize(oldSize + static_cast<std::int32_t>(total)) != KIV_OK) {
            fail();
            return;
        }
        std::uint8_t *end = target->data() + oldSize;
        if (pad > 0)
            std::memset(end, fill, static_cast<std::size_t>(pad));
        if (count > 0)
            std::memcpy(end + pad, bytes, static_cast<std::size_t>(count));
    }
};

// Makes `out` hold `count` bytes copied from `bytes`.
KivStatus putBytes(KivBuffer_c *out, const void *bytes, std::int32_t count)
{
    if (count <= 0)
        return out->resize(0);
    if (out->resize(count) != KIV_OK)
        return NO_MEMORY;
    return out->copyIn(bytes, count) == count ? KIV_OK : KIV_FAIL;
}

KivStatus putHex(KivBuffer_c *out, const std::uint8_t *bytes, std::int32_t count)
{
    if (count <= 0)
        return KIV_OK;
    if (count > INT32_MAX / 2 || out->resize(2 * count) != KIV_OK)
        return NO_MEMORY;
    return hexEncode(out->size(), count, reinterpret_cast<char *>(out->data()), bytes);
}

// Writes the decimal text of `n` at `out` (kShortText bytes).
KivStatus putDecimal(char *out, std::int32_t &count, std::int32_t n, bool asSigned)
{
    count = 0;
    auto magnitude = static_cast<std::uint32_t>(n);
    if (asSigned && n < 0) {
        out[count++] = '-';
        magnitude = 0u - magnitude;
    }
    std::int32_t digits = 0;
    decimalDigits(out + count, 11, magnitude, &digits);
    count += digits;
    return KIV_OK;
}

// A value's text, or null when it cannot be had: the text of a value fails
// for lack of memory only.
KivString_c *textOf(KivValue_c *value)
{
    KivStatus status = KIV_OK;
    KivString_c *text = value->toText(&status);
    return status == KIV_OK ? text : nullptr;
}

// The bytes of an integer value, or null when they cannot be had for lack of
// memory. A value left with nothing valid gives its empty storage.
KivBuffer_c *binaryOf(KivValue_c *value)
{
    const bool readable = value->intValid() == KIV_YES || value->binaryValid() == KIV_YES;
    KivStatus status = KIV_OK;
    KivBuffer_c *binary = value->toBinary(&status);
    if (binary == nullptr || (status != KIV_OK && readable))
        return nullptr;
    return binary;
}

bool isIntegerType(std::uint8_t type)
{
    return type >= KivValue_c::TYPE_INT8 && type <= KivValue_c::TYPE_UINT32;
}

// 'd' and 'u', into `out` (kShortText bytes).
KivStatus convertInteger(char *out, std::int32_t &count, KivObject_c *argument, bool asSigned)
{
    std::int32_t n = 0;
    switch (kindOf(argument)) {
    case KIV_KIND_VALUE: {
        KivStatus status = KIV_OK;
        n = static_cast<KivValue_c *>(argument)->toInt(&status);
        if (status != KIV_OK)
            return status;
        break;
    }
    case KIV_KIND_STRING: {
        KivValue_c reader;
        if (reader.setText(static_cast<KivString_c *>(argument)) != KIV_OK)
            return NO_MEMORY;
        n = reader.toInt();
        break;
    }
    case KIV_KIND_BUFFER: {
        // The last bytes below the limit, the byte just below it most significant.
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        const std::int32_t end = buffer->limit();
        const std::int32_t count = end < 4 ? end : 4;
        std::uint32_t bits = 0;
        for (std::int32_t i = 0; i < count; ++i)
            bits = bits << 8 | buffer->data()[end - 1 - i];
        if (count > 0)
            buffer->seek(end - count);
        n = static_cast<std::int32_t>(bits);
        break;
    }
    default:
        break;
    }
    return putDecimal(out, count, n, asSigned);
}

// 'f', into `out` (kShortText bytes).
KivStatus convertFixed(char *out, std::int32_t &count, KivObject_c *argument,
                       std::uint16_t precision)
{
    double x = 0.0;
    switch (kindOf(argument)) {
    case KIV_KIND_VALUE: {
        auto *value = static_cast<KivValue_c *>(argument);
        value->precision = precision;
        KivStatus status = KIV_OK;
        x = value->toDouble(&status);
        if (status != KIV_OK)
            return status;
        break;
    }
    case KIV_KIND_STRING: {
        KivValue_c reader;
        if (reader.setText(static_cast<KivString_c *>(argument)) != KIV_OK)
            return NO_MEMORY;
        x = reader.toDouble();
        break;
    }
    case KIV_KIND_BUFFER:
        return KIV_FAIL;
    default:
        break;
    }
    if (formatFixedSigned(x, kShortText, out, &count, precision) == nullptr)
        return KIV_FAIL;
    return KIV_OK;
}

// 'X'.
KivStatus convertHex(KivBuffer_c *out, KivObject_c *argument, std::uint16_t precision)
{
    switch (kindOf(argument)) {
    case KIV_KIND_STRING: {
        auto *string = static_cast<KivString_c *>(argument);
        return putHex(out, reinterpret_cast<const std::uint8_t *>(string->text()),
                      string->length());
    }
    case KIV_KIND_BUFFER: {
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        return putHex(out, buffer->data(), buffer->limit());
    }
    case KIV_KIND_VALUE:
        break;
    default:
        return KIV_OK;
    }

    auto *value = static_cast<KivValue_c *>(argument);
    value->precision = precision;
    const std::uint8_t type = value->type();
    if (isIntegerType(type)) {
        KivBuffer_c *binary = binaryOf(value);
        if (binary == nullptr)
            return NO_MEMORY;
        binary->kind = KIV_KIND_BUFFER;
        return putHex(out, binary->data(), binary->limit());
    }
    switch (type) {
    case KivValue_c::TYPE_NONE: {
        const std::uint8_t zero = 0;
        return putHex(out, &zero, 1);
    }
    case KivValue_c::TYPE_TEXT: {
        KivString_c *text = textOf(value);
        if (text == nullptr)
            return NO_MEMORY;
        return putHex(out, reinterpret_cast<const std::uint8_t *>(text->text()), text->length());
    }
    case KivValue_c::TYPE_DOUBLE: {
        const auto bits = std::bit_cast<std::uint64_t>(value->toDouble());
        std::uint8_t bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        return putHex(out, bytes, 8);
    }
    case KivValue_c::TYPE_BOOL: {
        const std::uint8_t byte = value->toInt() == 1 ? 1 : 0;
        return putHex(out, &byte, 1);
    }
    default:
        return KIV_FAIL;
    }
}

// 's'.
KivStatus convertText(KivBuffer_c *out, KivObject_c *argument)
{
    std::int8_t kind = kindOf(argument);
    if (kind == KIV_KIND_VALUE) {
        KivString_c *text = textOf(static_cast<KivValue_c *>(argument));
        if (text == nullptr)
            return NO_MEMORY;
        text->kind = KIV_KIND_STRING;
        argument = text;
        kind = KIV_KIND_STRING;
    }
    if (kind == KIV_KIND_STRING) {
        auto *string = static_cast<KivString_c *>(argument);
        return putBytes(out, string->text(), string->length());
    }
    if (kind == KIV_KIND_BUFFER) {
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        return putBytes(out, buffer->data(), buffer->limit());
    }
    return KIV_FAIL;
}

// 'p': integers as their bytes, everything else as text.
KivStatus convertOwn(KivBuffer_c *out, KivObject_c *argument, std::uint16_t precision)
{
    std::int8_t kind = kindOf(argument);
    if (kind == KIV_KIND_VALUE) {
        auto *value = static_cast<KivValue_c *>(argument);
        value->precision = precision;
        if (isIntegerType(value->type())) {
            KivBuffer_c *binary = binaryOf(value);
            if (binary == nullptr)
                return NO_MEMORY;
            binary->kind = KIV_KIND_BUFFER;
            argument = binary;
            kind = KIV_KIND_BUFFER;
        } else {
            KivString_c *text = textOf(value);
            if (text == nullptr)
                return NO_MEMORY;
            text->kind = KIV_KIND_STRING;
            argument = text;
            kind = KIV_KIND_STRING;
        }
    }
    if (kind == KIV_KIND_STRING)
        return convertText(out, argument);
    if (kind == KIV_KIND_BUFFER) {
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        const std::int32_t count = buffer->limit();
        if (out->resize(count) != KIV_OK)
            return NO_MEMORY;
        if (count > 0)
            out->copyIn(buffer->data(), count);
        return KIV_OK;
    }
    return KIV_OK;
}

KivStatus convert(int index, KivBuffer_c *out, KivObject_c *argument, std::uint16_t precision)
{
    switch (index) {
    case CONVERT_OWN:
        return convertOwn(out, argument, precision);
    case CONVERT_HEX:
        return convertHex(out, argument, precision);
    case CONVERT_TEXT:
        return convertText(out, argument);
    default:
        return KIV_FAIL;
    }
}

// One parsed conversion directive.
struct Directive
{
    std::uint8_t fill = ' ';
    const char *width = nullptr;
    std::int32_t widthLength = 0;
    const char *precision = nullptr;
    std::int32_t precisionLength = 0;
    int index = CONVERT_NONE;
};

// Parses the directive after a '%' at `text`; returns the bytes consumed.
std::int32_t parseDirective(const char *text, std::int32_t count, Directive &directive)
{
    bool afterPoint = false;
    std::int32_t i = 0;
    while (i < count) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (isDigit(c) && !afterPoint) {
            if (directive.width == nullptr && c == '0') {
                directive.fill = '0';
            } else {
                if (directive.width == nullptr)
                    directive.width = text + i;
                ++directive.widthLength;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(c)) {
            if (directive.precision == nullptr)
                directive.precision = text + i;
            ++directive.precisionLength;
        } else {
            directive.index = conversionIndex(c);
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
    for (std::int32_t i = 0; i < length; ++i)
        n = n * 10u + static_cast<std::uint32_t>(digits[i] - '0');
    return static_cast<std::int32_t>(n);
}

// Runs one directive against `argument` (null once the arguments ran
// out) and appends its text, if any, to `output`.
void runDirective(const Directive &directive, KivObject_c *argument, KivBuffer_c &work,
                  Output &output)
{
    std::uint16_t precision = 2;
    if (directive.precision != nullptr)
        precision =
            static_cast<std::uint16_t>(static_cast<std::uint32_t>(digitsValue(
                                           directive.precision, directive.precisionLength)) &
                                       0xFFFFu);

    char text[kShortText];
    const void *bytes = nullptr;
    std::int32_t count = 0;
    if (argument != nullptr) {
        KivStatus status = KIV_OK;
        switch (directive.index) {
        case CONVERT_SIGNED:
        case CONVERT_UNSIGNED:
            status = convertInteger(text, count, argument, directive.index == CONVERT_SIGNED);
            bytes = text;
            break;
        case CONVERT_FIXED:
            status = convertFixed(text, count, argument, precision);
            bytes = text;
            break;
        default:
            work.clear();
            work.rewind(-1);
            status = convert(directive.index, &work, argument, precision);
            bytes = work.data();
            count = work.limit();
            break;
        }
        if (status == NO_MEMORY)
            output.fail();
        if (status != KIV_OK)
            return;
    }

    std::int32_t pad = 0;
    if (directive.width != nullptr) {
        const std::int32_t width = digitsValue(directive.width, directive.widthLength);
        if (width > count) {
            // A padding that cannot fit the target is not built at all.
            if (!output.fits(width)) {
                output.fail();
                return;
            }
            pad = width - count;
        }
    }
    output.append(bytes, count, pad, directive.index == CONVERT_OWN ? 0 : directive.fill);
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
        for (; from < shortEnd; ++from)
            if (text[from] == '%' || text[from] == '\\')
                return from;
        if (from == count)
            return count;
        const std::int32_t p = find('%', from, percent);
        const std::int32_t b = find('\\', from, backslash);
        return p < b ? p : b;
    }
};

// Renders `self` into `target` (already chosen), failing when padding would
// take it beyond `capacity` bytes. `closed` tells whether the template's
// terminating zero was copied as a literal byte, which it is not when a
// directive or escape swallowed it.
KivBuffer_c *renderInto(KivBinaryString_c &self, KivBuffer_c *target, std::int32_t capacity,
                        bool &closed)
{
    closed = false;
    target->clear();
    target->rewind(-1);
    if (self.formatString == nullptr)
        return nullptr;

    KivList_c *arguments = self.arguments;
    KivObject_c *argument = nullptr;
    if (arguments != nullptr && arguments->toFirst() != nullptr)
        argument = arguments->currentPayload();

    const char *text = self.formatString->text();
    const std::int32_t count = self.formatString->length() + 1;
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
            if (arguments != nullptr && arguments->toNext() != nullptr)
                argument = arguments->currentPayload();
            else
                argument = nullptr;
        } else {
            const std::int32_t end = special.next(i + 1);
            out.append(text + i, end - i);
            closed = end == count;
            i = end;
        }
    }
    return out.failed ? nullptr : target;
}

} // namespace

KivBuffer_c *KivBinaryString_c::render(KivBuffer_c *target)
{
    if (target == nullptr)
        target = output;
    if (target == nullptr)
        return nullptr;
    bool closed = false;
    return renderInto(*this, target, INT32_MAX, closed);
}

KivStatus KivBinaryString_c::renderString(KivString_c *target)
{
    if (target == nullptr || target->buffer() == nullptr)
        return KIV_FAIL;
    KivBuffer_c *buffer = target->buffer();
    bool closed = false;
    // The text keeps room for its terminating zero.
    bool ok = renderInto(*this, buffer, INT32_MAX - 1, closed) != nullptr;
    const std::int32_t size = buffer->size();
    if (ok && !closed) {
        // Stopped inside a directive or escape: close the text so that
        // the string keeps every rendered byte.
        ok = size < INT32_MAX && buffer->resize(size + 1) == KIV_OK;
        if (ok)
            buffer->data()[size] = 0;
    }
    if (!ok) {
        target->clear();
        return KIV_FAIL;
    }
    buffer->rewind(buffer->size());
    return KIV_OK;
}
