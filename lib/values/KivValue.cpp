// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Construction, storage objects, setters and copying of the typed value; its
// readers and type conversion are in KivValueRead.cpp.
#include "values/KivValue.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"

#include <cstring>
#include <new>

KivValue_c::KivValue_c() = default;

KivValue_c::~KivValue_c()
{
    destroyStorage();
}

void KivValue_c::destroyStorage()
{
    delete text_;
    text_ = nullptr;
    delete binary_;
    binary_ = nullptr;
}

KivStatus KivValue_c::copyTo(KivObject_c *other)
{
    auto *target = dynamic_cast<KivValue_c *>(other);
    if (target == nullptr) {
        return KIV_FAIL;
    }
    if (target == this) {
        return KIV_OK;
    }
    target->kind = kind;
    return target->copyFrom(this);
}

KivValue_c *KivValue_c::create() const
{
    return new (std::nothrow) KivValue_c;
}

KivString_c *KivValue_c::textStorage()
{
    if (text_ == nullptr) {
        text_ = new (std::nothrow) KivString_c;
        // A string whose own buffer could not be allocated cannot hold text.
        if (text_ != nullptr && text_->buffer() == nullptr) {
            delete text_;
            text_ = nullptr;
        }
    }
    return text_;
}

KivBuffer_c *KivValue_c::binaryStorage()
{
    if (binary_ == nullptr) {
        binary_ = new (std::nothrow) KivBuffer_c;
    }
    return binary_;
}

// Setters

void KivValue_c::clear()
{
    destroyStorage();
    type_ = TYPE_NONE;
    intValue_ = 0;
    isSigned_ = KIV_YES;
    doubleValue_ = 0.0;
    intValid_ = doubleValid_ = textValid_ = binaryValid_ = KIV_YES;
}

void KivValue_c::setInteger(std::uint8_t newType, std::int32_t v, std::int8_t sign)
{
    destroyStorage();
    type_ = newType;
    intValue_ = v;
    isSigned_ = sign;
    doubleValue_ = 0.0;
    intValid_ = KIV_YES;
    doubleValid_ = textValid_ = binaryValid_ = KIV_NO;
}

void KivValue_c::setInt8(std::int8_t v)
{
    setInteger(TYPE_INT8, v, KIV_YES);
}
void KivValue_c::setUInt8(std::uint8_t v)
{
    setInteger(TYPE_UINT8, v, KIV_NO);
}
void KivValue_c::setInt16(std::int16_t v)
{
    setInteger(TYPE_INT16, v, KIV_YES);
}
void KivValue_c::setUInt16(std::uint16_t v)
{
    setInteger(TYPE_UINT16, v, KIV_NO);
}
void KivValue_c::setInt32(std::int32_t v)
{
    setInteger(TYPE_INT32, v, KIV_YES);
}

void KivValue_c::setUInt32(std::uint32_t v)
{
    setInteger(TYPE_UINT32, static_cast<std::int32_t>(v), KIV_NO);
}

void KivValue_c::setBool(std::int8_t flag)
{
    setInteger(TYPE_BOOL, flag == KIV_YES ? 1 : 0, KIV_YES);
}

void KivValue_c::setDouble(double x)
{
    destroyStorage();
    type_ = TYPE_DOUBLE;
    doubleValue_ = x;
    intValue_ = 0;
    isSigned_ = KIV_YES;
    doubleValid_ = KIV_YES;
    intValid_ = textValid_ = binaryValid_ = KIV_NO;
}

KivStatus KivValue_c::setText(const char *characters, std::int32_t length)
{
    type_ = TYPE_TEXT;
    intValid_ = doubleValid_ = binaryValid_ = KIV_NO;
    textValid_ = KIV_YES;
    // Without storage the value stays a text value that reads as empty text.
    KivString_c *storage = textStorage();
    if (storage == nullptr) {
        return KIV_FAIL;
    }
    if (characters == nullptr) {
        storage->clear();
        return KIV_OK;
    }
    return storage->assign(characters, length, KIV_NO) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

KivStatus KivValue_c::setText(KivString_c *source)
{
    if (source != nullptr && source == text_) {
        type_ = TYPE_TEXT;
        intValid_ = doubleValid_ = binaryValid_ = KIV_NO;
        textValid_ = KIV_YES;
        return KIV_OK;
    }
    if (source == nullptr) {
        return setText(nullptr, 0);
    }
    return setText(source->text(), source->length());
}

KivStatus KivValue_c::setBinary(KivBuffer_c *source)
{
    // The source may be this value's own storage: release the old storage
    // objects only after the bytes have been copied.
    KivString_c *oldText = text_;
    KivBuffer_c *oldBinary = binary_;
    text_ = nullptr;
    binary_ = nullptr;
    type_ = TYPE_BINARY;
    doubleValue_ = 0.0;
    intValue_ = 0;
    isSigned_ = KIV_YES;
    intValid_ = doubleValid_ = textValid_ = KIV_NO;
    binaryValid_ = KIV_YES;

    KivStatus result = KIV_OK;
    if (source != nullptr) {
        const std::int32_t count = source->limit();
        KivBuffer_c *storage = binaryStorage();
        if (storage == nullptr || storage->resize(count) != KIV_OK) {
            binaryValid_ = KIV_NO;
            type_ = TYPE_NONE;
            result = KIV_FAIL;
        } else if (count > 0) {
            std::memcpy(storage->data(), source->data(), static_cast<std::size_t>(count));
        }
    }
    delete oldText;
    delete oldBinary;
    return result;
}

// Copy

KivStatus KivValue_c::copyFrom(KivValue_c *source)
{
    if (source == nullptr) {
        return KIV_FAIL;
    }
    if (source == this) {
        return KIV_OK;
    }
    precision = source->precision;
    if (source->rounding < 4) {
        rounding = source->rounding;
    }
    // Only running out of memory fails a copy. A typed source left with
    // nothing valid by a conversion that could not read its contents (a
    // double turned into bytes, say) is copied as it is, so that the copy
    // reads as the source does, not as a zero of the type.
    if (source->type_ != TYPE_NONE && source->intValid_ != KIV_YES &&
        source->doubleValid_ != KIV_YES && source->textValid_ != KIV_YES &&
        source->binaryValid_ != KIV_YES) {
        destroyStorage();
        type_ = source->type_;
        intValue_ = 0;
        isSigned_ = KIV_YES;
        doubleValue_ = 0.0;
        intValid_ = doubleValid_ = textValid_ = binaryValid_ = KIV_NO;
        return KIV_OK;
    }
    KivStatus read = KIV_OK;
    KivStatus written = KIV_OK;
    const std::uint8_t sourceType = source->type_;
    switch (sourceType) {
    case TYPE_NONE:
        clear();
        break;
    case TYPE_DOUBLE:
        setDouble(source->toDouble());
        break;
    case TYPE_BOOL:
        // The text of a boolean fails only for lack of memory.
        written = setText(source->toText(&read));
        convertTo(TYPE_BOOL);
        break;
    case TYPE_BINARY: {
        // Bytes fail only for lack of memory once something is valid.
        KivBuffer_c *bytes = source->toBinary(&read);
        written = bytes != nullptr ? setBinary(bytes) : setBinary(nullptr);
        break;
    }
    case TYPE_TEXT:
        // As for a boolean: a text value always has a text unless memory
        // runs out.
        written = setText(source->toText(&read));
        break;
    default:
        setInt32(source->toInt());
        convertTo(sourceType);
        break;
    }
    return read == KIV_OK && written == KIV_OK ? KIV_OK : KIV_FAIL;
}
