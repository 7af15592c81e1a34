// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The typed value's readers, which fill its caches on demand, and its
// conversion between types.
#include "core/KivBuffer.h"
#include "core/KivDigits.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "values/KivConversions.h"
#include "values/KivValue.h"

namespace {

void report(KivStatus *status, KivStatus value)
{
    if (status != nullptr) {
        *status = value;
    }
}

// Truncation toward zero, saturated to the signed 32-bit range; NaN gives 0.
std::int32_t saturatedInt(double x)
{
    if (x != x) {
        return 0;
    }
    if (x >= 2147483647.0) {
        return INT32_MAX;
    }
    if (x <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(x);
}

} // namespace

// Readers

std::int32_t KivValue_c::intFromDouble()
{
    double x = doubleValue_;
    switch (rounding) {
    case ROUND_UP:
        x = roundUp(x);
        break;
    case ROUND_TRUNCATE:
        x = roundTruncate(x);
        break;
    case ROUND_NEAREST:
        x = roundNearest(x);
        break;
    default:
        break;
    }
    intValue_ = saturatedInt(x);
    isSigned_ = KIV_YES;
    intValid_ = KIV_YES;
    return intValue_;
}

std::int32_t KivValue_c::intFromText(KivStatus *status)
{
    const char *characters = text_ != nullptr ? text_->text() : "";
    const std::int32_t length = text_ != nullptr ? text_->length() : 0;
    KivStatus parsed = KIV_OK;
    intValue_ = parseSigned(characters, length, &parsed);
    if (parsed == KIV_OK) {
        isSigned_ = KIV_YES;
        intValid_ = KIV_YES;
        return intValue_;
    }
    const std::int8_t word = boolFromText(text_, KIV_BOOL_ALL_PAIRS);
    intValue_ = word == KIV_YES ? 1 : 0;
    if (word == KIV_YES || word == KIV_NO) {
        isSigned_ = KIV_NO;
        intValid_ = KIV_YES;
    } else {
        report(status, KIV_FAIL);
    }
    return intValue_;
}

std::int32_t KivValue_c::toInt(KivStatus *status)
{
    report(status, KIV_OK);
    if (intValid_ == KIV_YES) {
        return intValue_;
    }
    if (type_ == TYPE_TEXT && textValid_ == KIV_YES) {
        return intFromText(status);
    }
    if (type_ == TYPE_BINARY && binaryValid_ == KIV_YES) {
        report(status, KIV_FAIL);
        return intValue_;
    }
    if (doubleValid_ == KIV_YES) {
        return intFromDouble();
    }
    if (textValid_ == KIV_YES) {
        return intFromText(status);
    }
    if (binaryValid_ == KIV_YES) {
        report(status, KIV_FAIL);
        return intValue_;
    }
    clear();
    return 0;
}

double KivValue_c::doubleFromText(KivStatus *status)
{
    const char *characters = text_ != nullptr ? text_->text() : "";
    const std::int32_t length = text_ != nullptr ? text_->length() : 0;
    KivStatus parsed = KIV_OK;
    const double x = parseDecimal(characters, length, &parsed);
    if (parsed != KIV_OK) {
        doubleValue_ = 0.0;
        report(status, KIV_FAIL);
        return 0.0;
    }
    doubleValue_ = x;
    doubleValid_ = KIV_YES;
    return x;
}

double KivValue_c::toDouble(KivStatus *status)
{
    report(status, KIV_OK);
    if (doubleValid_ == KIV_YES) {
        return doubleValue_;
    }
    if (type_ == TYPE_TEXT && textValid_ == KIV_YES) {
        return doubleFromText(status);
    }
    if (type_ == TYPE_BINARY && binaryValid_ == KIV_YES) {
        report(status, KIV_FAIL);
        return doubleValue_;
    }
    if (intValid_ == KIV_YES) {
        doubleValue_ = isSigned_ == KIV_YES
                           ? static_cast<double>(intValue_)
                           : static_cast<double>(static_cast<std::uint32_t>(intValue_));
        doubleValid_ = KIV_YES;
        return doubleValue_;
    }
    if (textValid_ == KIV_YES) {
        return doubleFromText(status);
    }
    if (binaryValid_ == KIV_YES) {
        report(status, KIV_FAIL);
        return doubleValue_;
    }
    clear();
    return 0.0;
}

std::int8_t KivValue_c::toBool(KivStatus *status)
{
    return toInt(status) == 1 ? KIV_YES : KIV_NO;
}

KivStatus KivValue_c::textFromInt()
{
    if (type_ == TYPE_BOOL) {
        return boolToText(text_, intValue_ == 1 ? KIV_YES : KIV_NO);
    }
    char work[64];
    char *at = work;
    std::uint32_t magnitude = static_cast<std::uint32_t>(intValue_);
    if (isSigned_ == KIV_YES && intValue_ < 0) {
        *at++ = '-';
        magnitude = 0u - magnitude;
    }
    char *end = decimalDigits(at, static_cast<std::int32_t>(sizeof work) - 2, magnitude, nullptr);
    if (end == nullptr) {
        return KIV_FAIL;
    }
    const auto length = static_cast<std::int32_t>(end - work);
    return text_->assign(work, length, KIV_NO) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

KivStatus KivValue_c::textFromDouble()
{
    char work[KIV_FIXED_TEXT_CAPACITY];
    std::int32_t length = 0;
    if (formatFixedSigned(doubleValue_, sizeof work, work, &length, precision) == nullptr) {
        return KIV_FAIL;
    }
    return text_->assign(work, length, KIV_NO) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

KivStatus KivValue_c::textFromBinary()
{
    const std::int32_t count = binary_ != nullptr ? binary_->limit() : 0;
    if (count <= 0) {
        text_->clear();
        return KIV_OK;
    }
    const auto *bytes = reinterpret_cast<const char *>(binary_->data());
    return text_->assign(bytes, count, KIV_YES) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

KivString_c *KivValue_c::toText(KivStatus *status)
{
    report(status, KIV_OK);
    KivString_c *storage = textStorage();
    if (storage == nullptr) {
        report(status, KIV_FAIL);
        return nullptr;
    }
    if (textValid_ == KIV_YES) {
        return storage;
    }
    KivStatus result = KIV_OK;
    if (type_ == TYPE_DOUBLE && doubleValid_ == KIV_YES) {
        result = textFromDouble();
    } else if (intValid_ == KIV_YES) {
        result = textFromInt();
    } else if (doubleValid_ == KIV_YES) {
        result = textFromDouble();
    } else if (binaryValid_ == KIV_YES) {
        result = textFromBinary();
    } else {
        storage->clear();
        return storage;
    }
    if (result == KIV_OK) {
        textValid_ = KIV_YES;
    } else {
        report(status, KIV_FAIL);
    }
    return storage;
}

KivStatus KivValue_c::binaryFromText(KivBuffer_c *storage)
{
    const char *characters = text_ != nullptr ? text_->text() : "";
    const std::int32_t length = text_ != nullptr ? text_->length() : 0;
    return unquoteBytes(characters, storage, length);
}

KivStatus KivValue_c::binaryFromInt(KivBuffer_c *storage)
{
    std::int32_t count = 0;
    switch (type_) {
    case TYPE_INT8:
    case TYPE_UINT8:
        count = 1;
        break;
    case TYPE_INT16:
    case TYPE_UINT16:
        count = 2;
        break;
    case TYPE_INT32:
    case TYPE_UINT32:
        count = 4;
        break;
    default:
        storage->resize(0);
        return KIV_FAIL;
    }
    if (storage->resize(count) != KIV_OK) {
        return KIV_FAIL;
    }
    const auto bits = static_cast<std::uint32_t>(intValue_);
    for (std::int32_t i = 0; i < count; ++i) {
        storage->data()[i] = static_cast<std::uint8_t>(bits >> (8 * (count - 1 - i)));
    }
    return KIV_OK;
}

KivBuffer_c *KivValue_c::toBinary(KivStatus *status)
{
    report(status, KIV_OK);
    KivBuffer_c *storage = binaryStorage();
    if (storage == nullptr) {
        report(status, KIV_FAIL);
        return nullptr;
    }
    if (binaryValid_ == KIV_YES) {
        return storage;
    }
    // Only a text value's own text becomes bytes; text derived from a number
    // would make the bytes depend on whether it had been read.
    KivStatus result = KIV_FAIL;
    if (isIntegerType() && intValid_ == KIV_YES) {
        result = binaryFromInt(storage);
    } else if (type_ == TYPE_TEXT && textValid_ == KIV_YES) {
        result = binaryFromText(storage);
    } else if (intValid_ == KIV_YES) {
        result = binaryFromInt(storage);
    } else {
        storage->clear();
        storage->rewind(0);
    }
    if (result == KIV_OK) {
        binaryValid_ = KIV_YES;
    } else {
        report(status, KIV_FAIL);
    }
    return storage;
}

// Conversion

KivStatus KivValue_c::convertTo(std::int32_t newType)
{
    if (newType < TYPE_NONE || newType > TYPE_BINARY) {
        return KIV_FAIL;
    }
    if (newType == type_) {
        return KIV_OK;
    }
    KivStatus read = KIV_OK;
    // Running out of memory is reported, unlike contents that do not read in
    // the new type. Without a storage object the value stays as it was.
    bool noMemory = false;
    switch (newType) {
    case TYPE_TEXT: {
        // Numbers always have a text, and bytes one when there are any.
        const bool noBytes = textValid_ != KIV_YES && intValid_ != KIV_YES &&
                             doubleValid_ != KIV_YES &&
                             (binary_ == nullptr || binary_->limit() <= 0);
        if (toText(&read) == nullptr) {
            return KIV_FAIL;
        }
        noMemory = read != KIV_OK && !noBytes;
        intValid_ = doubleValid_ = binaryValid_ = KIV_NO;
        break;
    }
    case TYPE_DOUBLE:
        toDouble(&read);
        intValid_ = textValid_ = binaryValid_ = KIV_NO;
        break;
    case TYPE_BINARY: {
        // An integer's bytes fail only for lack of memory, and so does a text
        // whose bytes have no storage after the reading.
        const bool fromInteger = isIntegerType() && intValid_ == KIV_YES;
        const bool fromText = !fromInteger && type_ == TYPE_TEXT && textValid_ == KIV_YES &&
                              text_ != nullptr && text_->length() > 0;
        KivBuffer_c *bytes = toBinary(&read);
        if (bytes == nullptr) {
            return KIV_FAIL;
        }
        noMemory = read != KIV_OK && (fromInteger || (fromText && bytes->data() == nullptr));
        intValid_ = doubleValid_ = textValid_ = KIV_NO;
        break;
    }
    case TYPE_BOOL: {
        const std::int8_t flag = toBool(&read);
        if (read == KIV_OK) {
            setBool(flag);
        }
        textValid_ = doubleValid_ = binaryValid_ = KIV_NO;
        break;
    }
    case TYPE_NONE:
        textValid_ = doubleValid_ = binaryValid_ = KIV_NO;
        break;
    default: {
        // The integer types take the low bits of the integer.
        const std::int32_t v = toInt(&read);
        if (read == KIV_OK) {
            const auto bits = static_cast<std::uint32_t>(v);
            switch (newType) {
            case TYPE_INT8:
                setInt8(static_cast<std::int8_t>(bits));
                break;
            case TYPE_UINT8:
                setUInt8(static_cast<std::uint8_t>(bits));
                break;
            case TYPE_INT16:
                setInt16(static_cast<std::int16_t>(bits));
                break;
            case TYPE_UINT16:
                setUInt16(static_cast<std::uint16_t>(bits));
                break;
            case TYPE_INT32:
                setInt32(v);
                break;
            default:
                setUInt32(bits);
                break;
            }
        }
        textValid_ = doubleValid_ = binaryValid_ = KIV_NO;
        break;
    }
    }
    type_ = static_cast<std::uint8_t>(newType);
    return noMemory ? KIV_FAIL : KIV_OK;
}
