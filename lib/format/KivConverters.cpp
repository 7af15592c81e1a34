// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "format/KivConverters.h"

#include "core/KivBuffer.h"
#include "core/KivDigits.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "values/KivConversions.h"
#include "values/KivValue.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <typeinfo>

namespace {

constexpr KivStatus NO_MEMORY = KIV_CONVERT_NO_MEMORY;

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

// Makes `out` hold `count` bytes copied from `bytes`.
KivStatus putBytes(KivBuffer_c *out, const void *bytes, std::int32_t count)
{
    if (count <= 0) {
        return out->resize(0);
    }
    if (out->resize(count) != KIV_OK) {
        return NO_MEMORY;
    }
    return out->copyIn(bytes, count) == count ? KIV_OK : KIV_FAIL;
}

KivStatus putHex(KivBuffer_c *out, const std::uint8_t *bytes, std::int32_t count)
{
    if (count <= 0) {
        return KIV_OK;
    }
    if (count > INT32_MAX / 2 || out->resize(2 * count) != KIV_OK) {
        return NO_MEMORY;
    }
    return hexEncode(out->size(), count, reinterpret_cast<char *>(out->data()), bytes);
}

// Writes the decimal text of `n` at `out` (KIV_FIXED_TEXT_CAPACITY bytes).
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
    if (binary == nullptr || (status != KIV_OK && readable)) {
        return nullptr;
    }
    return binary;
}

bool isIntegerType(std::uint8_t type)
{
    return type >= KivValue_c::TYPE_INT8 && type <= KivValue_c::TYPE_UINT32;
}

// 'd' and 'u', into `out` (KIV_FIXED_TEXT_CAPACITY bytes).
KivStatus convertInteger(char *out, std::int32_t &count, KivObject_c *argument, bool asSigned)
{
    std::int32_t n = 0;
    switch (kindOf(argument)) {
    case KIV_KIND_VALUE: {
        KivStatus status = KIV_OK;
        n = static_cast<KivValue_c *>(argument)->toInt(&status);
        if (status != KIV_OK) {
            return status;
        }
        break;
    }
    case KIV_KIND_STRING: {
        KivValue_c reader;
        if (reader.setText(static_cast<KivString_c *>(argument)) != KIV_OK) {
            return NO_MEMORY;
        }
        n = reader.toInt();
        break;
    }
    case KIV_KIND_BUFFER: {
        // The last bytes below the limit, the byte just below it most significant.
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        const std::int32_t end = buffer->limit();
        const std::int32_t count = end < 4 ? end : 4;
        std::uint32_t bits = 0;
        for (std::int32_t i = 0; i < count; ++i) {
            bits = bits << 8 | buffer->data()[end - 1 - i];
        }
        if (count > 0) {
            buffer->seek(end - count);
        }
        n = static_cast<std::int32_t>(bits);
        break;
    }
    default:
        break;
    }
    return putDecimal(out, count, n, asSigned);
}

// 'f', into `out` (KIV_FIXED_TEXT_CAPACITY bytes).
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
        if (status != KIV_OK) {
            return status;
        }
        break;
    }
    case KIV_KIND_STRING: {
        KivValue_c reader;
        if (reader.setText(static_cast<KivString_c *>(argument)) != KIV_OK) {
            return NO_MEMORY;
        }
        x = reader.toDouble();
        break;
    }
    case KIV_KIND_BUFFER:
        return KIV_FAIL;
    default:
        break;
    }
    if (formatFixedSigned(x, KIV_FIXED_TEXT_CAPACITY, out, &count, precision) == nullptr) {
        return KIV_FAIL;
    }
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
        if (binary == nullptr) {
            return NO_MEMORY;
        }
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
        if (text == nullptr) {
            return NO_MEMORY;
        }
        return putHex(out, reinterpret_cast<const std::uint8_t *>(text->text()), text->length());
    }
    case KivValue_c::TYPE_DOUBLE: {
        const auto bits = std::bit_cast<std::uint64_t>(value->toDouble());
        std::uint8_t bytes[8];
        for (int i = 0; i < 8; ++i) {
            bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
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
        if (text == nullptr) {
            return NO_MEMORY;
        }
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
            if (binary == nullptr) {
                return NO_MEMORY;
            }
            binary->kind = KIV_KIND_BUFFER;
            argument = binary;
            kind = KIV_KIND_BUFFER;
        } else {
            KivString_c *text = textOf(value);
            if (text == nullptr) {
                return NO_MEMORY;
            }
            text->kind = KIV_KIND_STRING;
            argument = text;
            kind = KIV_KIND_STRING;
        }
    }
    if (kind == KIV_KIND_STRING) {
        return convertText(out, argument);
    }
    if (kind == KIV_KIND_BUFFER) {
        auto *buffer = static_cast<KivBuffer_c *>(argument);
        const std::int32_t count = buffer->limit();
        if (out->resize(count) != KIV_OK) {
            return NO_MEMORY;
        }
        if (count > 0) {
            out->copyIn(buffer->data(), count);
        }
        return KIV_OK;
    }
    return KIV_OK;
}

// The converters that write into the work buffer, with their text handed on
// as the converted bytes.
void resetWork(KivConverted &out)
{
    out.work->clear();
    out.work->rewind(-1);
}

KivStatus workText(KivConverted &out, KivStatus status)
{
    out.bytes = out.work->data();
    out.count = out.work->limit();
    return status;
}

KivStatus convertSignedDirective(KivConverted &out, KivObject_c *argument, std::uint16_t)
{
    out.bytes = out.shortText;
    return convertInteger(out.shortText, out.count, argument, true);
}

KivStatus convertUnsignedDirective(KivConverted &out, KivObject_c *argument, std::uint16_t)
{
    out.bytes = out.shortText;
    return convertInteger(out.shortText, out.count, argument, false);
}

KivStatus convertFixedDirective(KivConverted &out, KivObject_c *argument, std::uint16_t precision)
{
    out.bytes = out.shortText;
    return convertFixed(out.shortText, out.count, argument, precision);
}

KivStatus convertOwnDirective(KivConverted &out, KivObject_c *argument, std::uint16_t precision)
{
    resetWork(out);
    return workText(out, convertOwn(out.work, argument, precision));
}

KivStatus convertHexDirective(KivConverted &out, KivObject_c *argument, std::uint16_t precision)
{
    resetWork(out);
    return workText(out, convertHex(out.work, argument, precision));
}

KivStatus convertTextDirective(KivConverted &out, KivObject_c *argument, std::uint16_t)
{
    resetWork(out);
    return workText(out, convertText(out.work, argument));
}

// The converters by letter, listed once and spread over every byte below.
struct Conversion
{
    char letter;
    KivConverter convert;
};

constexpr Conversion CONVERSIONS[] = {
    {'p', convertOwnDirective},      {'X', convertHexDirective},    {'f', convertFixedDirective},
    {'u', convertUnsignedDirective}, {'d', convertSignedDirective}, {'s', convertTextDirective}};

constexpr KivConverterTable makeConverterTable()
{
    KivConverterTable table{};
    for (const Conversion &conversion : CONVERSIONS) {
        table.byLetter[static_cast<std::uint8_t>(conversion.letter)] = conversion.convert;
    }
    return table;
}

} // namespace

constinit const KivConverterTable KIV_CONVERTERS = makeConverterTable();
