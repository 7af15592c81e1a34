// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What a typed value reads as, from the meaning of its contents rather than
// from its caches: the integer, double, text and bytes (with their statuses)
// that text, numbers and bytes stand for. Lower-level readers of the library
// serve as references where the value is documented to use them (parseDecimal,
// unquoteBytes, quoteBytes, formatFixedSigned); each of those is checked on
// its own, the text ones here on every use.
#pragma once

#include "FuzzSupport.h"
#include "oracles/Digits.h"
#include "oracles/Fixed.h"
#include "oracles/LibraryText.h"
#include "oracles/Quoting.h"
#include "oracles/Words.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "values/KivConversions.h"
#include "values/KivValue.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace oracle {

// The value's integer reading of text: the leading decimal integer (nothing
// but '-' before the digits), else 1 or 0 for a boolean word.
inline Number textInteger(const Bytes &text)
{
    const Number n = signedReading(text);
    if (n.ok) {
        return n;
    }
    const int word = boolWord(text, 5);
    return {word == 1 ? 1u : 0u, word >= 0};
}

// A double read as an integer: the whole number the mode rounds it to (1 up,
// 3 to nearest with halves away from zero, anything else toward zero), or the
// 32-bit integer nearest to it where it lies outside; a NaN reads 0.
inline std::int32_t roundedInt(double x, std::int8_t rounding)
{
    const long double whole =
        rounding == 1 ? std::ceil(x) : (rounding == 3 ? std::round(x) : std::trunc(x));
    if (whole != whole) {
        return 0;
    }
    const long double nearest = std::clamp<long double>(whole, INT32_MIN, INT32_MAX);
    return static_cast<std::int32_t>(nearest);
}

inline bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return a == b && std::signbit(a) == std::signbit(b);
}

struct Reads
{
    Bytes text;
    KivStatus textStatus = KIV_OK;
    std::int32_t number = 0;
    KivStatus numberStatus = KIV_OK;
    double real = 0.0;
    KivStatus realStatus = KIV_OK;
    Bytes bytes;
    KivStatus bytesStatus = KIV_OK;
};

// The meaning of a value's contents. A value that a conversion could not
// read is left with nothing valid (HOLLOW): it reads as empty, its bytes with
// KIV_FAIL, until a numeric read clears it to the empty value. One turned into
// TYPE_NONE keeps just the integer it had cached (CACHED_INT). A double's text
// and integer, once cached, outlive a change of precision or rounding.
struct Expect
{
    enum Kind
    {
        EMPTY,
        INTEGER,
        BOOL,
        DOUBLE,
        TEXT,
        BINARY,
        CACHED_INT,
        HOLLOW,
        UNKNOWN
    };
    Kind kind = EMPTY;
    std::uint8_t type = KivValue_c::TYPE_NONE;
    std::int32_t n = 0;
    bool isSigned = true;
    double x = 0.0;
    Bytes s; // TEXT: the text; BINARY: the bytes
    std::optional<Bytes> cachedText;
    std::optional<std::int32_t> cachedInt;
    std::uint16_t precision = 2;
    std::int8_t rounding = 0;

    void become(Kind k, std::uint8_t t)
    {
        kind = k;
        type = t;
        n = 0;
        isSigned = true;
        x = 0.0;
        s.clear();
        cachedText.reset();
        cachedInt.reset();
    }
    void setInteger(std::uint8_t t, std::int32_t v, bool sign)
    {
        become(t == KivValue_c::TYPE_BOOL ? BOOL : INTEGER, t);
        n = v;
        isSigned = sign;
    }
    void setDouble(double v)
    {
        become(DOUBLE, KivValue_c::TYPE_DOUBLE);
        x = v;
    }
    void setText(const Bytes &text)
    {
        become(TEXT, KivValue_c::TYPE_TEXT);
        s = text;
    }
    void setBinary(const Bytes &bytes)
    {
        become(BINARY, KivValue_c::TYPE_BINARY);
        s = bytes;
    }
};

inline bool isIntegerType(std::int32_t type)
{
    return type >= KivValue_c::TYPE_INT8 && type <= KivValue_c::TYPE_UINT32;
}

// Bytes of an integer type, most significant first.
inline Bytes integerBytes(std::uint8_t type, std::uint32_t bits)
{
    const int count =
        type <= KivValue_c::TYPE_UINT8 ? 1 : (type <= KivValue_c::TYPE_UINT16 ? 2 : 4);
    Bytes out;
    for (int i = count - 1; i >= 0; --i) {
        out += static_cast<char>(bits >> (8 * i) & 0xFF);
    }
    return out;
}

inline Reads expectedReads(const Expect &e)
{
    Reads r;
    const auto bits = static_cast<std::uint32_t>(e.n);
    switch (e.kind) {
    case Expect::INTEGER:
    case Expect::CACHED_INT:
        r.text = e.isSigned ? signedText(e.n) : unsignedText(bits);
        r.number = e.n;
        r.real = e.isSigned ? static_cast<double>(e.n) : static_cast<double>(bits);
        if (e.kind == Expect::INTEGER) {
            r.bytes = integerBytes(e.type, bits);
        } else {
            r.bytesStatus = KIV_FAIL;
        }
        break;
    case Expect::BOOL:
        r.text = e.n == 1 ? "true" : "false";
        r.number = e.n;
        r.real = e.n;
        r.bytesStatus = KIV_FAIL;
        break;
    case Expect::DOUBLE:
        r.text = e.cachedText ? *e.cachedText : fixedText(e.x, e.precision);
        r.number = e.cachedInt ? *e.cachedInt : roundedInt(e.x, e.rounding);
        r.real = e.x;
        r.bytesStatus = KIV_FAIL;
        break;
    case Expect::TEXT: {
        r.text = e.s;
        const Number n = textInteger(e.s);
        r.number = static_cast<std::int32_t>(n.bits);
        r.numberStatus = n.ok ? KIV_OK : KIV_FAIL;
        const auto length = static_cast<std::int32_t>(e.s.size());
        r.real = parseDecimal(e.s.data(), length, &r.realStatus);
        KivBuffer_c bytes;
        r.bytesStatus = unquoteBytes(e.s.data(), &bytes, length);
        r.bytes = bufferBytes(&bytes);
        break;
    }
    case Expect::BINARY:
        r.text = quotedText(e.s);
        r.numberStatus = r.realStatus = KIV_FAIL;
        r.bytes = e.s;
        break;
    case Expect::HOLLOW:
        r.bytesStatus = KIV_FAIL;
        break;
    default:
        break;
    }
    return r;
}

enum class Rep
{
    TEXT,
    NUMBER,
    REAL,
    BYTES
};

// Reads one representation of `value` and compares it with `e`; numbers
// that come with KIV_FAIL mean nothing and are not compared.
inline void checkRead(KivValue_c &value, const Expect &e, Rep rep)
{
    const Reads want = e.kind == Expect::UNKNOWN ? Reads() : expectedReads(e);
    KivStatus status = 0;
    switch (rep) {
    case Rep::TEXT: {
        const Bytes text = stringText(value.toText(&status));
        FUZZ_CHECK(e.kind == Expect::UNKNOWN || (status == want.textStatus && text == want.text));
        break;
    }
    case Rep::NUMBER: {
        const std::int32_t n = value.toInt(&status);
        FUZZ_CHECK(e.kind == Expect::UNKNOWN ||
                   (status == want.numberStatus && (status != KIV_OK || n == want.number)));
        break;
    }
    case Rep::REAL: {
        const double x = value.toDouble(&status);
        FUZZ_CHECK(e.kind == Expect::UNKNOWN ||
                   (status == want.realStatus && (status != KIV_OK || sameDouble(x, want.real))));
        break;
    }
    case Rep::BYTES: {
        const Bytes bytes = bufferBytes(value.toBinary(&status));
        FUZZ_CHECK(e.kind == Expect::UNKNOWN ||
                   (status == want.bytesStatus && bytes == want.bytes));
        break;
    }
    }
}

} // namespace oracle
