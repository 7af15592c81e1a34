// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Typed value readable as a signed 32-bit integer, a double, text and bytes.
// Each representation is computed on first demand and cached with a valid
// flag; setting the value makes the other representations stale.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivBuffer_c;
class KivString_c;

// Reading a value may fill its caches, so a value belongs to one thread at a
// time even when it is only read. Every reader takes an optional `status`
// that receives KIV_OK, or KIV_FAIL when the representation cannot be produced.
//
// A cache that is stale is computed from the value's own representation (the
// one its type names: the text of a text value, the double of a double value,
// the integer of an integer or boolean value, the bytes of a binary value)
// when that one is current, so what a value with a type reads as does not
// depend on what was read from it before. Otherwise any current
// representation is used (a value converted to TYPE_NONE keeps reading as the
// integer it had cached).
//
// Doubles read as integers saturate: values beyond the 32-bit range give
// INT32_MAX or INT32_MIN (infinities included) and a NaN gives 0, in every
// rounding mode.
class KivValue_c : public KivObject_c
{
public:
    static constexpr std::uint8_t TYPE_NONE = 0;
    static constexpr std::uint8_t TYPE_TEXT = 1;
    static constexpr std::uint8_t TYPE_DOUBLE = 2;
    static constexpr std::uint8_t TYPE_INT8 = 3;
    static constexpr std::uint8_t TYPE_UINT8 = 4;
    static constexpr std::uint8_t TYPE_INT16 = 5;
    static constexpr std::uint8_t TYPE_UINT16 = 6;
    static constexpr std::uint8_t TYPE_INT32 = 7;
    static constexpr std::uint8_t TYPE_UINT32 = 8;
    static constexpr std::uint8_t TYPE_BOOL = 9;
    static constexpr std::uint8_t TYPE_BINARY = 10;

    // How a double becomes an integer; any other value reads as ROUND_DEFAULT.
    static constexpr std::int8_t ROUND_DEFAULT = 0;  // truncate toward zero
    static constexpr std::int8_t ROUND_UP = 1;       // toward plus infinity
    static constexpr std::int8_t ROUND_TRUNCATE = 2; // toward zero
    static constexpr std::int8_t ROUND_NEAREST = 3;  // halves away from zero

    // The empty value: reads as 0, 0.0, empty text and no bytes.
    KivValue_c();
    ~KivValue_c() override;

    // Makes `other` (a KivValue_c) a copy of this value, `kind` included.
    // KIV_FAIL for a null target or one of another class; onto itself a no-op (KIV_OK).
    KivStatus copyTo(KivObject_c *other) override;
    KivValue_c *create() const override;

    // Text reads as its leading decimal integer (wrapping modulo 2^32), or as
    // 1 or 0 when it is a boolean word; bytes are never read as a number
    // (KIV_FAIL). Doubles are rounded by `rounding`, then saturated.
    virtual std::int32_t toInt(KivStatus *status = nullptr);
    // The owned binary storage (valid until the value next changes), or null
    // with KIV_FAIL when it cannot be allocated. Integer types give their 1, 2 or
    // 4 bytes most significant first, text values the bytes their text
    // describes (unquoteBytes), binary values their bytes, the empty value no
    // bytes; doubles and booleans give no bytes and KIV_FAIL.
    virtual KivBuffer_c *toBinary(KivStatus *status = nullptr);
    // The owned text storage, or null with KIV_FAIL when it cannot be allocated.
    // Doubles are written with `precision` fraction digits, booleans as
    // "true" or "false", bytes in their quoted form (quoteBytes).
    virtual KivString_c *toText(KivStatus *status = nullptr);
    // Text reads as a decimal number with a fraction (no boolean words).
    double toDouble(KivStatus *status = nullptr);
    // KIV_YES when toInt gives exactly 1, else KIV_NO.
    std::int8_t toBool(KivStatus *status = nullptr);

    void setInt8(std::int8_t v);
    void setUInt8(std::uint8_t v);
    void setInt16(std::int16_t v);
    void setUInt16(std::uint16_t v);
    void setInt32(std::int32_t v);
    void setUInt32(std::uint32_t v);
    // True only for the flag byte KIV_YES.
    void setBool(std::int8_t flag);
    void setDouble(double x);
    // Copies the characters of `source` (null: empty text); the value's own
    // text storage keeps its contents. KIV_FAIL when memory is exhausted: the value
    // is then a text value that reads as empty text (KIV_FAIL for numbers).
    KivStatus setText(KivString_c *source);
    // As above with `length` characters (-1: up to the first zero byte).
    KivStatus setText(const char *characters, std::int32_t length);
    // Copies the bytes of `source` below its limit (null: no bytes); any
    // buffer, the value's own storage included, may be given. KIV_FAIL when memory
    // is exhausted: the value is then left empty (TYPE_NONE, nothing valid).
    KivStatus setBinary(KivBuffer_c *source);
    // The empty value; `precision` and `rounding` stay.
    void clear();

    // Turns the value into `newType` (0 to 10; otherwise KIV_FAIL, unchanged).
    // Returns 2 also when the current contents cannot be read in the new type;
    // the value then has nothing valid and reads as empty. Running out of
    // memory returns KIV_FAIL: without a storage object the value is unchanged,
    // otherwise it reads as empty.
    KivStatus convertTo(std::int32_t newType);
    // Makes this value a copy of `source` (type, contents, precision and a
    // rounding below 4), leaving `kind`. KIV_OK, also when a conversion left
    // the source with nothing readable in its type: the copy then has that
    // type and nothing valid too, and reads as the source does (a double
    // converted to bytes gives no bytes and KIV_FAIL). A source of TYPE_NONE
    // gives the empty value. A copy from itself changes nothing (KIV_OK);
    // KIV_FAIL only for a null source or when memory is exhausted.
    KivStatus copyFrom(KivValue_c *source);

    // Storage objects, created empty on first use; null only when memory is
    // exhausted.
    KivString_c *textStorage();
    KivBuffer_c *binaryStorage();

    std::uint8_t type() const { return type_; }
    std::int32_t intValue() const { return intValue_; }
    std::int8_t isSigned() const { return isSigned_; }
    double doubleValue() const { return doubleValue_; }
    std::int8_t intValid() const { return intValid_; }
    std::int8_t doubleValid() const { return doubleValid_; }
    std::int8_t textValid() const { return textValid_; }
    std::int8_t binaryValid() const { return binaryValid_; }

    // Fraction digits when the double is written as text. Values above 9
    // (32768 and more included, the field being unsigned) count as 9.
    std::uint16_t precision = 2;
    std::int8_t rounding = ROUND_DEFAULT;

private:
    bool isIntegerType() const { return type_ >= TYPE_INT8 && type_ <= TYPE_UINT32; }
    void destroyStorage();
    void setInteger(std::uint8_t newType, std::int32_t v, std::int8_t sign);
    std::int32_t intFromDouble();
    std::int32_t intFromText(KivStatus *status);
    double doubleFromText(KivStatus *status);
    KivStatus textFromInt();
    KivStatus textFromDouble();
    KivStatus textFromBinary();
    KivStatus binaryFromText(KivBuffer_c *storage);
    KivStatus binaryFromInt(KivBuffer_c *storage);

    std::uint8_t type_ = TYPE_NONE;
    std::int32_t intValue_ = 0;
    std::int8_t isSigned_ = KIV_YES;
    std::int8_t intValid_ = KIV_YES;
    double doubleValue_ = 0.0;
    std::int8_t doubleValid_ = KIV_YES;
    std::int8_t textValid_ = KIV_YES;
    std::int8_t binaryValid_ = KIV_YES;
    KivString_c *text_ = nullptr;
    KivBuffer_c *binary_ = nullptr;
};
