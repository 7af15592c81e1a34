#include "time/KivTime.h"

#include "core/KivString.h"
#include "format/KivCodecs.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr std::uint32_t kSecondsPerDay = 86400;
constexpr std::int32_t kTemplateLimit = 256;
// Every conversion specification takes at least one template character, so
// no template can consume more arguments than this.
constexpr std::int32_t kMaxArguments = kTemplateLimit + 1;
// A KivString_c counts its terminating zero in an int32 size.
constexpr std::uint64_t kMaxOutput = 0x7FFFFFFEu;

bool isLeapYear(std::uint32_t year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The first run of decimal digits in text[0, count), wrapping in 32 bits; 0
// without one.
std::uint32_t firstNumber(const char *text, std::int32_t count)
{
    std::int32_t i = 0;
    while (i < count && !isDigit(text[i])) {
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < count && isDigit(text[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    return value;
}

// Output of the template renderer: measures when `data` is null, writes
// otherwise.
struct Sink
{
    char *data = nullptr;
    std::uint64_t size = 0;

    void put(const char *bytes, std::int32_t count)
    {
        if (data != nullptr && count > 0) {
            std::memcpy(data + size, bytes, static_cast<std::size_t>(count));
        }
        size += static_cast<std::uint64_t>(count);
    }
    void fill(char byte, std::uint64_t count)
    {
        if (data != nullptr) {
            std::memset(data + size, byte, static_cast<std::size_t>(count));
        }
        size += count;
    }
};

// Digits of a width or precision, read as a signed 32-bit number that wraps.
std::int32_t digitsValue(const char *digits, std::int32_t count)
{
    return static_cast<std::int32_t>(firstNumber(digits, count));
}

// Writes the text of one conversion of `n` into `text` (room for 32 bytes).
// Returns its length, or -2 when the conversion fails.
std::int32_t convert(char letter, std::uint32_t n, std::uint16_t precision, char *text)
{
    char raw[4];
    std::int32_t count = 0;
    switch (letter) {
    case 'd':
        if (n > 0x7FFFFFFFu) {
            text[0] = '-';
            decimalDigits(text + 1, 10, 0u - n, &count);
            return count + 1;
        }
        decimalDigits(text, 10, n, &count);
        return count;
    case 'u':
    case 's':
        decimalDigits(text, 10, n, &count);
        return count;
    case 'f': {
        // Fixed point of a whole number: the digits, a point and
        // max(precision, 1) zeros, the precision read as signed 16-bit and
        // at most 9.
        decimalDigits(text, 10, n, &count);
        auto places = static_cast<std::int16_t>(precision);
        if (places > 9) {
            places = 9;
        }
        if (places < 1) {
            places = 1;
        }
        text[count++] = '.';
        std::memset(text + count, '0', static_cast<std::size_t>(places));
        return count + places;
    }
    case 'X':
    case 'p': {
        // Most significant byte first, in the narrowest unsigned type.
        const std::int32_t bytes = n < 0x100u ? 1 : (n < 0x10000u ? 2 : 4);
        for (std::int32_t i = 0; i < bytes; ++i) {
            raw[i] = static_cast<char>((n >> (8 * (bytes - 1 - i))) & 0xFFu);
        }
        if (letter == 'p') {
            std::memcpy(text, raw, static_cast<std::size_t>(bytes));
            return bytes;
        }
        for (std::int32_t i = 0; i < bytes; ++i) {
            byteToHex(text + 2 * i, static_cast<std::uint8_t>(raw[i]));
        }
        return 2 * bytes;
    }
    default:
        return -2;
    }
}

// Renders `length` template characters (followed by a zero byte, which the
// scan includes) with unsigned arguments, in the formatter's template
// language: '%' [0] [width] [. precision] letter, and backslash escapes.
void renderTemplate(const char *tpl, std::int32_t length, const std::uint32_t *args,
                    std::int32_t argCount, Sink &sink)
{
    const std::int32_t end = length + 1;
    std::int32_t next = 0; // index of the current argument
    std::int32_t i = 0;
    while (i < end) {
        const char c = tpl[i];
        if (c == '\\') {
            std::uint8_t byte = 0;
            const std::int32_t used = decodeEscape(tpl + i + 1, end - i - 1, &byte);
            if (used > 0) {
                sink.put(reinterpret_cast<const char *>(&byte), 1);
                i += 1 + used;
            } else {
                i += 2;
            }
            continue;
        }
        if (c != '%') {
            std::int32_t run = i;
            while (run < length && tpl[run] != '\\' && tpl[run] != '%') {
                ++run;
            }
            sink.put(tpl + i, run - i);
            // The terminating zero is the string's own terminator.
            i = run == i ? i + 1 : run;
            continue;
        }

        char fill = ' ';
        std::int32_t widthStart = 0, widthCount = 0, precisionStart = 0, precisionCount = 0;
        bool point = false;
        std::int32_t j = i + 1;
        for (; j < end; ++j) {
            const char b = tpl[j];
            if (isDigit(b) && !point) {
                if (widthCount == 0 && b == '0') {
                    fill = '0';
                } else {
                    widthStart = widthCount == 0 ? j : widthStart;
                    ++widthCount;
                }
            } else if (b == '.' && !point) {
                point = true;
            } else if (isDigit(b)) {
                precisionStart = precisionCount == 0 ? j : precisionStart;
                ++precisionCount;
            } else {
                break;
            }
        }
        // The zero byte always ends a specification, so j < end here.
        const char letter = tpl[j];
        i = j + 1;

        std::uint16_t precision = 2;
        if (precisionCount > 0) {
            precision = static_cast<std::uint16_t>(
                static_cast<std::uint32_t>(digitsValue(tpl + precisionStart, precisionCount)) &
                0xFFFFu);
        }
        char text[32];
        std::int32_t count = 0;
        if (next < argCount) {
            const bool known = letter != '\0' && std::strchr("pXfuds", letter) != nullptr;
            count = known ? convert(letter, args[next], precision, text) : -2;
        }
        ++next;
        if (count < 0) {
            continue;
        }
        if (widthCount > 0) {
            const std::int32_t width = digitsValue(tpl + widthStart, widthCount);
            if (width > count) {
                sink.fill(letter == 'p' ? '\0' : fill, static_cast<std::uint64_t>(width - count));
            }
        }
        sink.put(text, count);
    }
}

} // namespace

void KivTime_c::setSeconds(std::uint32_t seconds, std::int32_t milliseconds)
{
    seconds_ = seconds;
    milliseconds_ = milliseconds;
}

KivStatus KivTime_c::breakDown(KivTimeFields_c *fields) const
{
    if (fields == nullptr) {
        return KIV_FAIL;
    }
    fields->millisecond =
        static_cast<std::int16_t>(static_cast<std::uint32_t>(milliseconds_) & 0xFFFFu);

    const std::uint64_t total = seconds_;
    std::uint64_t offset = 0;
    std::uint32_t year = 1970;
    for (;;) {
        const std::uint64_t length = (isLeapYear(year) ? 366u : 365u) * kSecondsPerDay;
        if (offset + length > total) {
            break;
        }
        offset += length;
        ++year;
    }
    const bool leap = isLeapYear(year);

    static const std::uint8_t monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::uint32_t rest = static_cast<std::uint32_t>(total - offset);
    std::uint32_t month = 0;
    for (; month < 11; ++month) {
        const std::uint32_t days = monthDays[month] + ((month == 1 && leap) ? 1u : 0u);
        if (days * kSecondsPerDay > rest) {
            break;
        }
        rest -= days * kSecondsPerDay;
    }

    fields->year = static_cast<std::int16_t>(year);
    fields->month = static_cast<std::int16_t>(month);
    fields->day = static_cast<std::int16_t>(rest / kSecondsPerDay);
    rest %= kSecondsPerDay;
    fields->hour = static_cast<std::int16_t>(rest / 3600u);
    rest %= 3600u;
    fields->minute = static_cast<std::int16_t>(rest / 60u);
    fields->second = static_cast<std::int16_t>(rest % 60u);
    return KIV_OK;
}

KivStatus KivTime_c::parse(KivString_c *text)
{
    if (text == nullptr) {
        setSeconds(0, 0);
        return KIV_FAIL;
    }
    const std::int32_t length = text->length();
    const char *chars = text->text();

    std::int32_t dot = 0;
    while (dot < length && chars[dot] != '.') {
        ++dot;
    }
    // A '.' in the first place does not start a fraction.
    const bool fraction = dot > 0 && dot < length;
    const std::int32_t fieldsEnd = fraction ? dot : length;

    // The last three pieces: [2] seconds, [1] minutes, [0] hours.
    std::uint32_t pieces[3] = {0, 0, 0};
    std::int32_t start = 0;
    for (std::int32_t i = 0; i <= fieldsEnd; ++i) {
        const bool cut = i < fieldsEnd && chars[i] == ':';
        if (cut || (i == fieldsEnd && i > start)) {
            pieces[0] = pieces[1];
            pieces[1] = pieces[2];
            pieces[2] = firstNumber(chars + start, i - start);
            start = i + 1;
        }
    }
    const std::uint32_t seconds = pieces[2] + 60u * pieces[1] + 3600u * pieces[0];
    const std::uint32_t milliseconds =
        fraction ? firstNumber(chars + dot + 1, length - dot - 1) : 0u;
    setSeconds(seconds, static_cast<std::int32_t>(milliseconds));
    return KIV_OK;
}

KivStatus KivTime_c::format(KivString_c *out, const char *pattern) const
{
    KivTimeFields_c fields;
    breakDown(&fields);
    if (out == nullptr || pattern == nullptr) {
        return KIV_FAIL;
    }

    char *tpl = new (std::nothrow) char[kTemplateLimit + 1];
    if (tpl == nullptr) {
        out->clear();
        return KIV_FAIL;
    }
    std::int32_t length = 0;
    std::uint32_t args[kMaxArguments];
    std::int32_t argCount = 0;
    // Characters beyond the limit are dropped; a specification cut by it
    // stays unfinished at the end of the template.
    const auto put = [&](const char *piece) {
        for (; *piece != '\0'; ++piece) {
            if (length < kTemplateLimit) {
                tpl[length++] = *piece;
            }
        }
    };
    const auto argument = [&](std::int32_t value) {
        if (argCount < kMaxArguments) {
            args[argCount++] = static_cast<std::uint32_t>(value);
        }
    };
    for (const char *p = pattern; *p != '\0'; ++p) {
        switch (*p) {
        case 'H':
            put("%02d");
            argument(fields.hour);
            break;
        case 'i':
            put("%02d");
            argument(fields.minute);
            break;
        case 's':
            put("%02d");
            argument(fields.second);
            break;
        case 'd':
            put("%02d");
            argument(fields.day + 1);
            break;
        case 'm':
            put("%02d");
            argument(fields.month + 1);
            break;
        case 'Y':
            put("%04d");
            argument(fields.year);
            break;
        case '\\':
            if (p[1] == '\0') {
                break;
            }
            ++p;
            [[fallthrough]];
        default: {
            const char literal[2] = {*p, '\0'};
            put(literal);
            break;
        }
        }
    }
    tpl[length] = '\0';

    Sink sink;
    renderTemplate(tpl, length, args, argCount, sink);
    KivStatus status = KIV_FAIL;
    if (sink.size <= kMaxOutput) {
        const auto size = static_cast<std::int32_t>(sink.size);
        sink.data = new (std::nothrow) char[static_cast<std::size_t>(size) + 1];
        if (sink.data != nullptr) {
            sink.size = 0;
            renderTemplate(tpl, length, args, argCount, sink);
            if (out->assign(sink.data, size, KIV_NO) == size) {
                status = KIV_OK;
            }
            delete[] sink.data;
        }
    }
    delete[] tpl;
    if (status != KIV_OK) {
        out->clear();
    }
    return status;
}

KivStatus KivTime_c::formatDuration(KivString_c *out) const
{
    if (out == nullptr) {
        return KIV_FAIL;
    }
    char text[24];
    std::int32_t count = 0;
    const std::uint32_t hours = seconds_ / 3600u;
    if (hours < 10u) {
        text[count++] = '0';
    }
    std::int32_t written = 0;
    decimalDigits(text + count, 10, hours, &written);
    count += written;
    const std::uint32_t parts[2] = {seconds_ / 60u % 60u, seconds_ % 60u};
    for (const std::uint32_t part : parts) {
        text[count++] = ':';
        if (part < 10u) {
            text[count++] = '0';
        }
        decimalDigits(text + count, 2, part, &written);
        count += written;
    }
    if (out->assign(text, count, KIV_NO) != count) {
        out->clear();
        return KIV_FAIL;
    }
    return KIV_OK;
}
