// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "time/KivTime.h"

#include "core/KivBuffer.h"
#include "core/KivDigits.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "values/KivList.h"

#include <cstdint>

namespace {

constexpr std::uint32_t SECONDS_PER_DAY = 86400;
constexpr std::int32_t TEMPLATE_LIMIT = 256;
// Every conversion directive takes at least one template character, so
// no template can use more arguments than this; further ones are not added.
constexpr std::int32_t MAX_ARGUMENTS = TEMPLATE_LIMIT + 1;

bool isLeapYear(std::uint32_t year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

// The number of the bytes from a buffer's cursor to its limit.
std::uint32_t numberAt(const KivBuffer_c *buffer)
{
    return parseUnsigned(nullptr, buffer->remaining(),
                         reinterpret_cast<const char *>(buffer->cursor()));
}

// Renders `binary`, its template set, into `out`; fails (KIV_FAIL, `out` empty)
// when fewer than `expected` arguments could be added.
KivStatus renderInto(KivBinaryString_c &binary, std::int32_t expected, KivString_c *out)
{
    if (binary.arguments->count() != expected) {
        out->clear();
        return KIV_FAIL;
    }
    return binary.renderString(out);
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
        const std::uint64_t length = (isLeapYear(year) ? 366u : 365u) * SECONDS_PER_DAY;
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
        if (days * SECONDS_PER_DAY > rest) {
            break;
        }
        rest -= days * SECONDS_PER_DAY;
    }

    fields->year = static_cast<std::int16_t>(year);
    fields->month = static_cast<std::int16_t>(month);
    fields->day = static_cast<std::int16_t>(rest / SECONDS_PER_DAY);
    rest %= SECONDS_PER_DAY;
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
    // A view of the characters; nothing writes through it.
    KivBuffer_c buffer;
    buffer.attach(const_cast<char *>(text->text()), length);
    // A '.' in the first place does not start a fraction: split takes a
    // count of 0, like KIV_BAD_COUNT, as the whole text.
    const std::int32_t dot = buffer.seekDot();
    buffer.rewind(length);
    KivList_c pieces;
    if (buffer.split(&pieces, dot) == KIV_BAD_COUNT) {
        setSeconds(0, 0);
        return KIV_FAIL;
    }

    // The last three pieces: seconds, minutes, hours.
    std::uint32_t fields[3] = {0, 0, 0};
    for (std::uint32_t &field : fields) {
        if (pieces.toLast() == nullptr) {
            break;
        }
        field = numberAt(static_cast<KivBuffer_c *>(pieces.currentPayload()));
        pieces.remove();
    }
    std::uint32_t milliseconds = 0;
    if (dot > 0) {
        buffer.seek(dot);
        buffer.stepForward();
        milliseconds = numberAt(&buffer);
    }
    setSeconds(fields[0] + 60u * fields[1] + 3600u * fields[2],
               static_cast<std::int32_t>(milliseconds));
    return KIV_OK;
}

KivStatus KivTime_c::format(KivString_c *out, const char *pattern) const
{
    KivTimeFields_c fields;
    breakDown(&fields);
    if (out == nullptr || pattern == nullptr) {
        return KIV_FAIL;
    }

    KivBinaryString_c binary;
    // The template's buffer views storage on the stack, with room for the
    // closing zero after a full template.
    std::uint8_t storage[TEMPLATE_LIMIT + 1];
    KivBuffer_c tpl;
    tpl.attach(storage, TEMPLATE_LIMIT);
    if (binary.arguments == nullptr || binary.formatString == nullptr) {
        out->clear();
        return KIV_FAIL;
    }
    // Characters beyond the limit are dropped; a directive cut by it
    // stays unfinished at the end of the template.
    const auto put = [&tpl](const char *piece) {
        for (; *piece != '\0'; ++piece) {
            if (tpl.remaining() > 0) {
                *tpl.cursor() = static_cast<std::uint8_t>(*piece);
                tpl.stepForward();
            }
        }
    };
    std::int32_t added = 0;
    const auto argument = [&binary, &added](std::int32_t value) {
        if (added < MAX_ARGUMENTS) {
            binary.addUnsigned(static_cast<std::uint32_t>(value));
            ++added;
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
    *tpl.cursor() = 0;
    const std::int32_t length = tpl.position();
    if (binary.formatString->assign(reinterpret_cast<const char *>(tpl.data()), length, KIV_NO) !=
        length) {
        out->clear();
        return KIV_FAIL;
    }
    return renderInto(binary, added, out);
}

KivStatus KivTime_c::formatDuration(KivString_c *out) const
{
    if (out == nullptr) {
        return KIV_FAIL;
    }
    KivBinaryString_c binary;
    if (binary.arguments == nullptr || binary.formatString == nullptr ||
        binary.formatString->assign("%02d:%02d:%02d", -1, KIV_NO) != 14) {
        out->clear();
        return KIV_FAIL;
    }
    binary.addUnsigned(seconds_ / 3600u);
    binary.addUnsigned(seconds_ / 60u % 60u);
    binary.addUnsigned(seconds_ % 60u);
    return renderInto(binary, 3, out);
}
