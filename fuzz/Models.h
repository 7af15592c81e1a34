// Small models of the library's rules for the fuzz targets to check against.
// They are written from the documented rules with standard C++ only and never
// call the library, so a difference points at one side or the other.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace model {

using Bytes = std::string;

constexpr std::int8_t OK = 2;
constexpr std::int8_t FAIL = -2;
constexpr std::int8_t YES = 3;
constexpr std::int8_t NO = -3;

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int hexDigit(char c)
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

inline Bytes hex(const Bytes &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    Bytes out;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// --- integers -------------------------------------------------------------

struct Unsigned
{
    std::uint32_t value;
    bool ok;
};

// The first run of digits, wrapping modulo 2^32; no digit fails.
inline Unsigned parseUnsigned(const Bytes &text)
{
    std::size_t i = 0;
    while (i < text.size() && !isDigit(text[i])) {
        ++i;
    }
    if (i == text.size()) {
        return {0, false};
    }
    std::uint32_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    return {value, true};
}

struct Signed
{
    std::int32_t value;
    bool ok;
};

// Negative when the last byte before the digits is '-'; any other byte there
// fails the parse but keeps the number.
inline Signed parseSigned(const Bytes &text)
{
    bool negative = false;
    bool stray = false;
    for (std::size_t i = 0; i < text.size() && !isDigit(text[i]); ++i) {
        negative = text[i] == '-';
        if (!negative) {
            stray = true;
        }
    }
    const Unsigned u = parseUnsigned(text);
    const std::uint32_t bits = negative ? 0u - u.value : u.value;
    return {static_cast<std::int32_t>(bits), u.ok && !stray};
}

inline Bytes decimal(std::uint32_t n)
{
    return std::to_string(n);
}

inline Bytes signedDecimal(std::int32_t n)
{
    if (n >= 0) {
        return std::to_string(n);
    }
    return "-" + std::to_string(0u - static_cast<std::uint32_t>(n));
}

// --- decimal numbers with a fraction ---------------------------------------

struct Decimal
{
    double value;
    bool ok;
};

// Skips to the first digit (the byte just before it gives the sign), reads
// digits, then after one point the fraction digits, in double arithmetic.
inline Decimal parseDecimal(const Bytes &text)
{
    std::size_t i = 0;
    double sign = 1.0;
    while (i < text.size() && !isDigit(text[i])) {
        ++i;
    }
    if (i == text.size()) {
        return {0.0, false};
    }
    if (i > 0 && text[i - 1] == '-') {
        sign = -1.0;
    }
    double whole = 0.0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        whole = whole * 10.0 + (text[i] - '0');
    }
    double fraction = 0.0;
    if (i < text.size() && text[i] == '.') {
        double divisor = 10.0;
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            fraction += (text[i] - '0') / divisor;
            divisor *= 10.0;
        }
    }
    return {sign * (whole + fraction), true};
}

// --- boolean words ----------------------------------------------------------

inline std::int8_t boolFromText(const Bytes &text, std::int32_t pair)
{
    static const char *const words[5][2] = {
        {"false", "true"}, {"off", "on"}, {"no", "yes"}, {"disabled", "enabled"}, {"0", "1"}};
    const auto same = [&text](const char *word) {
        if (text.size() != std::strlen(word)) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
            if (c != word[i]) {
                return false;
            }
        }
        return true;
    };
    const auto one = [&](int p) -> std::int8_t {
        if (same(words[p][1])) {
            return YES;
        }
        if (same(words[p][0])) {
            return NO;
        }
        return FAIL;
    };
    if (pair == 5) {
        for (int p = 4; p >= 0; --p) {
            if (one(p) != FAIL) {
                return one(p);
            }
        }
        return FAIL;
    }
    if (pair < 0 || pair > 4) {
        return FAIL;
    }
    return one(pair);
}

// --- fixed-point text -------------------------------------------------------

inline int digitCount(std::uint32_t n)
{
    return static_cast<int>(std::to_string(n).size());
}

// The whole part (exact, NaN as 0, infinity "inf"), a point and
// max(precision, 1) fraction digits, precision capped at 9, the last digit
// rounded half up on the scaled binary value.
inline Bytes fixed(double x, std::uint16_t precision)
{
    const int p0 = precision > 9 ? 9 : precision;
    int p = p0;
    if (!(x > 0.0)) {
        x = 0.0;
    }
    if (std::isinf(x)) {
        return "inf";
    }
    double whole = std::trunc(x);
    double frac = x - whole;
    int lead = 0;
    std::uint32_t digits = 0;
    if (frac != 0.0) {
        lead = -1;
        double d = 0.0;
        do {
            frac *= 10.0;
            d = std::trunc(frac);
            ++lead;
            --p;
        } while (d == 0.0 && p > 0);
        if (d != 0.0) {
            while (p > 0) {
                frac *= 10.0;
                d = std::trunc(frac);
                --p;
            }
        }
        digits = static_cast<std::uint32_t>(d);
        if (frac - d >= 0.5) {
            const int before = digitCount(digits);
            ++digits;
            lead += before - digitCount(digits);
            if (lead == -1) {
                whole += 1.0;
                digits = 0;
                lead = p0 - 1;
            }
        }
    }
    char wholeText[400];
    std::snprintf(wholeText, sizeof wholeText, "%.0f", whole);
    Bytes out = Bytes(wholeText) + ".";
    out += Bytes(static_cast<std::size_t>(lead > 0 ? lead : 0), '0');
    out += decimal(digits);
    if (p > 1) {
        out += Bytes(static_cast<std::size_t>(p - 1), '0');
    }
    return out;
}

inline Bytes fixedSigned(double x, std::uint16_t precision)
{
    return x < 0.0 ? "-" + fixed(-x, precision) : fixed(x, precision);
}

// --- quoted bytes -----------------------------------------------------------

inline const char escapeLetters[] = {'\\', 'n', 'r', 't', '"', '\'', '%', 'x'};
inline const std::uint8_t escapeBytes[] = {92, 10, 13, 9, 34, 39, 37};

inline int escapable(std::uint8_t byte)
{
    for (int i = 0; i < 7; ++i) {
        if (escapeBytes[i] == byte) {
            return i;
        }
    }
    return -1;
}

inline Bytes quote(const Bytes &bytes)
{
    Bytes out;
    bool inRun = false;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        const int e = escapable(b);
        if (e >= 0 || (b >= 32 && b <= 126)) {
            if (!inRun) {
                out += '"';
            }
            inRun = true;
            if (e >= 0) {
                out += '\\';
                out += escapeLetters[e];
            } else {
                out += c;
            }
        } else {
            if (inRun) {
                out += '"';
            }
            inRun = false;
            out += 'h';
            out += hex(Bytes(1, c));
        }
    }
    if (inRun) {
        out += '"';
    }
    return out;
}

// An escape after a backslash: `count` characters are available at `text`.
// Returns the characters used (0 when it is not an escape) and the byte.
inline int escape(const char *text, std::size_t count, std::uint8_t &byte)
{
    if (count == 0) {
        return 0;
    }
    for (int i = 0; i < 8; ++i) {
        if (text[0] != escapeLetters[i]) {
            continue;
        }
        if (i < 7) {
            byte = escapeBytes[i];
            return 1;
        }
        if (count < 3) {
            return 0;
        }
        const int high = hexDigit(text[1]);
        const int low = hexDigit(text[2]);
        byte = static_cast<std::uint8_t>((high < 0 ? 0 : high) * 16 + (low < 0 ? 0 : low));
        return 3;
    }
    return 0;
}

struct Unquoted
{
    Bytes bytes;
    bool ok;
};

inline Unquoted unquote(const Bytes &text)
{
    Bytes out;
    bool ok = true;
    bool quoted = false;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
                ++i;
            } else if (c == '\\') {
                std::uint8_t byte = 0;
                const int used = escape(text.data() + i + 1, n - i - 1, byte);
                if (used > 0) {
                    out += static_cast<char>(byte);
                } else {
                    ok = false;
                }
                i += 1 + static_cast<std::size_t>(used > 0 ? used : 1);
            } else {
                out += c;
                ++i;
            }
            continue;
        }
        std::size_t prefix = 0;
        if (c == 'h' || c == 'H' || c == '$') {
            prefix = 1;
        } else if ((c == '0' || c == '\\') && i + 1 < n &&
                   (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            prefix = 2;
        }
        if (prefix > 0) {
            const std::size_t at = i + prefix;
            if (at >= n) {
                ok = false;
                break;
            }
            const int high = hexDigit(text[at]);
            if (high >= 0) {
                const int low = at + 1 < n ? hexDigit(text[at + 1]) : -1;
                if (low >= 0) {
                    out += static_cast<char>(high * 16 + low);
                } else {
                    out += static_cast<char>(high);
                    if (at + 1 < n && text[at + 1] == '"') {
                        quoted = true;
                    }
                }
                i = at + 2;
            } else if (text[at] == '"') {
                quoted = true;
                i = at + 1;
            } else {
                ok = false;
                i = at + 1;
            }
        } else if (c == '"') {
            quoted = true;
            ++i;
        } else if (c == ' ' || c == ',' || c == '_') {
            ++i;
        } else if (isDigit(c)) {
            std::size_t end = i;
            int value = 0;
            while (end < n && end - i < 3 && isDigit(text[end])) {
                value = value * 10 + (text[end++] - '0');
            }
            if (value > 255) {
                value /= 10;
                --end;
            }
            out += static_cast<char>(value);
            i = end;
        } else {
            ok = false;
            ++i;
        }
    }
    return {out, ok};
}

// --- the typed value and its caches -----------------------------------------

constexpr std::uint8_t TNONE = 0, TTEXT = 1, TDOUBLE = 2, TINT8 = 3, TUINT8 = 4, TINT16 = 5,
                       TUINT16 = 6, TINT32 = 7, TUINT32 = 8, TBOOL = 9, TBINARY = 10;

inline bool integerType(std::uint8_t t)
{
    return t >= TINT8 && t <= TUINT32;
}

// A typed value with a cached integer, double, text and bytes. Each
// representation is valid or stale; a stale one is recomputed from the value's
// own representation when that is valid, else from any valid one.
struct Value
{
    std::uint8_t type = TNONE;
    std::int32_t intValue = 0;
    bool isSigned = true;
    bool intValid = true;
    double doubleValue = 0.0;
    bool doubleValid = true;
    bool textValid = true;
    bool binaryValid = true;
    Bytes text;
    Bytes binary;
    std::uint16_t precision = 2;
    std::int8_t rounding = 0;

    void setAllStale() { intValid = doubleValid = textValid = binaryValid = false; }

    void clear()
    {
        type = TNONE;
        intValue = 0;
        isSigned = true;
        doubleValue = 0.0;
        intValid = doubleValid = textValid = binaryValid = true;
        text.clear();
        binary.clear();
    }

    void setInteger(std::uint8_t t, std::int32_t v, bool sign)
    {
        type = t;
        intValue = v;
        isSigned = sign;
        doubleValue = 0.0;
        setAllStale();
        intValid = true;
        text.clear();
        binary.clear();
    }
    void setInt8(std::int8_t v) { setInteger(TINT8, v, true); }
    void setUInt8(std::uint8_t v) { setInteger(TUINT8, v, false); }
    void setInt16(std::int16_t v) { setInteger(TINT16, v, true); }
    void setUInt16(std::uint16_t v) { setInteger(TUINT16, v, false); }
    void setInt32(std::int32_t v) { setInteger(TINT32, v, true); }
    void setUInt32(std::uint32_t v) { setInteger(TUINT32, static_cast<std::int32_t>(v), false); }
    void setBool(std::int8_t flag) { setInteger(TBOOL, flag == YES ? 1 : 0, true); }
    void setDouble(double x)
    {
        type = TDOUBLE;
        doubleValue = x;
        intValue = 0;
        isSigned = true;
        setAllStale();
        doubleValid = true;
        text.clear();
        binary.clear();
    }
    void setText(const Bytes &t)
    {
        type = TTEXT;
        intValid = doubleValid = binaryValid = false;
        textValid = true;
        text = t;
    }
    void setBinary(const Bytes &b)
    {
        type = TBINARY;
        doubleValue = 0.0;
        intValue = 0;
        isSigned = true;
        setAllStale();
        binaryValid = true;
        text.clear();
        binary = b;
    }

    std::int32_t intFromText(std::int8_t &status)
    {
        const Signed s = parseSigned(text);
        intValue = s.value;
        if (s.ok) {
            isSigned = true;
            intValid = true;
            return intValue;
        }
        const std::int8_t word = boolFromText(text, 5);
        intValue = word == YES ? 1 : 0;
        if (word == FAIL) {
            status = FAIL;
        } else {
            isSigned = false;
            intValid = true;
        }
        return intValue;
    }

    std::int32_t intFromDouble()
    {
        double x = doubleValue;
        if (rounding == 1) {
            x = std::ceil(x);
        } else if (rounding == 2) {
            x = std::trunc(x);
        } else if (rounding == 3) {
            x = std::round(x);
        }
        if (std::isnan(x)) {
            intValue = 0;
        } else if (x >= 2147483647.0) {
            intValue = 2147483647;
        } else if (x <= -2147483648.0) {
            intValue = -2147483647 - 1;
        } else {
            intValue = static_cast<std::int32_t>(x);
        }
        isSigned = true;
        intValid = true;
        return intValue;
    }

    std::int32_t toInt(std::int8_t &status)
    {
        status = OK;
        if (intValid) {
            return intValue;
        }
        if (type == TTEXT && textValid) {
            return intFromText(status);
        }
        if (type == TBINARY && binaryValid) {
            status = FAIL;
            return intValue;
        }
        if (doubleValid) {
            return intFromDouble();
        }
        if (textValid) {
            return intFromText(status);
        }
        if (binaryValid) {
            status = FAIL;
            return intValue;
        }
        clear();
        return 0;
    }

    double doubleFromText(std::int8_t &status)
    {
        const Decimal d = parseDecimal(text);
        if (!d.ok) {
            doubleValue = 0.0;
            status = FAIL;
            return 0.0;
        }
        doubleValue = d.value;
        doubleValid = true;
        return doubleValue;
    }

    double toDouble(std::int8_t &status)
    {
        status = OK;
        if (doubleValid) {
            return doubleValue;
        }
        if (type == TTEXT && textValid) {
            return doubleFromText(status);
        }
        if (type == TBINARY && binaryValid) {
            status = FAIL;
            return doubleValue;
        }
        if (intValid) {
            doubleValue = isSigned ? static_cast<double>(intValue)
                                   : static_cast<double>(static_cast<std::uint32_t>(intValue));
            doubleValid = true;
            return doubleValue;
        }
        if (textValid) {
            return doubleFromText(status);
        }
        if (binaryValid) {
            status = FAIL;
            return doubleValue;
        }
        clear();
        return 0.0;
    }

    const Bytes &toText(std::int8_t &status)
    {
        status = OK;
        if (textValid) {
            return text;
        }
        if (type == TDOUBLE && doubleValid) {
            text = fixedSigned(doubleValue, precision);
        } else if (intValid) {
            text = type == TBOOL ? Bytes(intValue == 1 ? "true" : "false")
                   : isSigned    ? signedDecimal(intValue)
                                 : decimal(static_cast<std::uint32_t>(intValue));
        } else if (doubleValid) {
            text = fixedSigned(doubleValue, precision);
        } else if (binaryValid) {
            text = quote(binary);
        } else {
            text.clear();
            return text;
        }
        textValid = true;
        return text;
    }

    bool binaryFromInt()
    {
        int count = 0;
        if (type == TINT8 || type == TUINT8) {
            count = 1;
        } else if (type == TINT16 || type == TUINT16) {
            count = 2;
        } else if (type == TINT32 || type == TUINT32) {
            count = 4;
        }
        binary.clear();
        const auto bits = static_cast<std::uint32_t>(intValue);
        for (int i = count - 1; i >= 0; --i) {
            binary += static_cast<char>(bits >> (8 * i) & 0xFF);
        }
        return count > 0;
    }

    const Bytes &toBinary(std::int8_t &status)
    {
        status = OK;
        if (binaryValid) {
            return binary;
        }
        bool ok = false;
        if (integerType(type) && intValid) {
            ok = binaryFromInt();
        } else if (type == TTEXT && textValid) {
            const Unquoted u = unquote(text);
            binary = u.bytes;
            ok = u.ok;
        } else if (intValid) {
            ok = binaryFromInt();
        } else {
            binary.clear();
        }
        if (ok) {
            binaryValid = true;
        } else {
            status = FAIL;
        }
        return binary;
    }

    std::int8_t toBool(std::int8_t &status) { return toInt(status) == 1 ? YES : NO; }

    std::int8_t convertTo(std::int32_t newType)
    {
        if (newType < 0 || newType > 10) {
            return FAIL;
        }
        if (newType == type) {
            return OK;
        }
        std::int8_t read = OK;
        switch (newType) {
        case TTEXT:
            toText(read);
            intValid = doubleValid = binaryValid = false;
            break;
        case TDOUBLE:
            toDouble(read);
            intValid = textValid = binaryValid = false;
            break;
        case TBINARY:
            toBinary(read);
            intValid = doubleValid = textValid = false;
            break;
        case TBOOL: {
            const std::int8_t flag = toBool(read);
            if (read == OK) {
                setBool(flag);
            }
            textValid = doubleValid = binaryValid = false;
            break;
        }
        case TNONE:
            textValid = doubleValid = binaryValid = false;
            break;
        default: {
            const std::int32_t v = toInt(read);
            const auto bits = static_cast<std::uint32_t>(v);
            if (read == OK) {
                if (newType == TINT8) {
                    setInt8(static_cast<std::int8_t>(bits & 0xFF));
                } else if (newType == TUINT8) {
                    setUInt8(static_cast<std::uint8_t>(bits & 0xFF));
                } else if (newType == TINT16) {
                    setInt16(static_cast<std::int16_t>(bits & 0xFFFF));
                } else if (newType == TUINT16) {
                    setUInt16(static_cast<std::uint16_t>(bits & 0xFFFF));
                } else if (newType == TINT32) {
                    setInt32(v);
                } else {
                    setUInt32(bits);
                }
            }
            textValid = doubleValid = binaryValid = false;
            break;
        }
        }
        type = static_cast<std::uint8_t>(newType);
        return OK;
    }

    // Copies type, contents, precision and a rounding below 4; a source with
    // nothing readable is copied as it is. Memory never runs out here: 2.
    std::int8_t copyFrom(Value &source)
    {
        if (&source == this) {
            return OK;
        }
        precision = source.precision;
        if (source.rounding < 4) {
            rounding = source.rounding;
        }
        std::int8_t read = OK;
        switch (source.type) {
        case TNONE:
            clear();
            break;
        case TDOUBLE:
            setDouble(source.toDouble(read));
            break;
        case TBOOL:
            setText(source.toText(read));
            convertTo(TBOOL);
            break;
        case TBINARY: {
            const Bytes bytes = source.toBinary(read);
            setBinary(read == OK ? bytes : Bytes());
            binaryValid = read == OK;
            break;
        }
        case TTEXT:
            setText(source.toText(read));
            textValid = source.textValid;
            break;
        default: {
            const std::uint8_t t = source.type;
            setInt32(source.toInt(read));
            convertTo(t);
            break;
        }
        }
        return OK;
    }
};

// The type that holds `n` when a number argument is added for the formatter.
inline Value unsignedArgument(std::uint32_t n)
{
    Value v;
    v.setUInt32(n);
    if (n < 256) {
        v.convertTo(TUINT8);
    } else if (n < 65536) {
        v.convertTo(TUINT16);
    }
    return v;
}

// --- the formatter ----------------------------------------------------------

// An argument: an object of some class tagged with a kind. Only a kind that
// matches the class is readable; every other argument is a raw one without a
// datum.
struct Argument
{
    enum Class
    {
        VALUE,
        STRING,
        BUFFER,
        OTHER
    };
    Class cls = VALUE;
    std::int8_t kind = 1;
    Value value; // VALUE
    Bytes bytes; // STRING: the characters; BUFFER: the bytes below the limit
    int readKind() const
    {
        if (kind == 1 && cls == VALUE) {
            return 1;
        }
        if (kind == 2 && cls == STRING) {
            return 2;
        }
        if (kind == 3 && cls == BUFFER) {
            return 3;
        }
        return 0;
    }
};

// Widths above this stop the model's rendering (see Rendered::largestWidth).
constexpr std::int64_t kModelWidthLimit = 1 << 12;

struct Rendered
{
    Bytes bytes;                   // what render() leaves in its target
    bool closed = false;           // the template's own zero byte ended the output
    std::int64_t largestWidth = 0; // above kModelWidthLimit: rendering stopped there
};

// One conversion; false when it fails (nothing is then added for it).
inline bool convert(int letter, Argument &argument, std::uint16_t precision, Bytes &out)
{
    const int kind = argument.readKind();
    Value &value = argument.value;
    std::int8_t status = OK;
    out.clear();
    switch (letter) {
    case 'd':
    case 'u': {
        std::int32_t n = 0;
        if (kind == 1) {
            n = value.toInt(status);
            if (status != OK) {
                return false;
            }
        } else if (kind == 2) {
            Value reader;
            reader.setText(argument.bytes);
            n = reader.toInt(status);
        } else if (kind == 3) {
            const Bytes &b = argument.bytes;
            std::uint32_t bits = 0;
            for (std::size_t i = 0; i < 4 && i < b.size(); ++i) {
                bits = bits << 8 | static_cast<std::uint8_t>(b[b.size() - 1 - i]);
            }
            n = static_cast<std::int32_t>(bits);
        }
        out = letter == 'u' ? decimal(static_cast<std::uint32_t>(n)) : signedDecimal(n);
        return true;
    }
    case 'f': {
        double x = 0.0;
        if (kind == 1) {
            value.precision = precision;
            x = value.toDouble(status);
            if (status != OK) {
                return false;
            }
        } else if (kind == 2) {
            Value reader;
            reader.setText(argument.bytes);
            x = reader.toDouble(status);
        } else if (kind == 3) {
            return false;
        }
        out = fixedSigned(x, precision);
        return true;
    }
    case 'X': {
        if (kind == 2 || kind == 3) {
            out = hex(argument.bytes);
            return true;
        }
        if (kind != 1) {
            return true;
        }
        value.precision = precision;
        if (integerType(value.type)) {
            out = hex(value.toBinary(status));
            return true;
        }
        switch (value.type) {
        case TNONE:
            out = "00";
            return true;
        case TTEXT:
            out = hex(value.toText(status));
            return true;
        case TDOUBLE: {
            const double x = value.toDouble(status);
            std::uint64_t bits = 0;
            std::memcpy(&bits, &x, sizeof bits);
            Bytes little;
            for (int i = 0; i < 8; ++i) {
                little += static_cast<char>(bits >> (8 * i) & 0xFF);
            }
            out = hex(little);
            return true;
        }
        case TBOOL:
            out = value.toInt(status) == 1 ? "01" : "00";
            return true;
        default:
            return false;
        }
    }
    case 's':
        if (kind == 1) {
            out = value.toText(status);
            return true;
        }
        if (kind == 2 || kind == 3) {
            out = argument.bytes;
            return true;
        }
        return false;
    case 'p':
        if (kind == 1) {
            value.precision = precision;
            out = integerType(value.type) ? value.toBinary(status) : value.toText(status);
            return true;
        }
        if (kind == 2 || kind == 3) {
            out = argument.bytes;
        }
        return true;
    default:
        return false;
    }
}

// Renders `tpl` (its characters followed by the zero byte) with `arguments`,
// one per conversion in order.
inline Rendered render(const Bytes &tpl, std::vector<Argument> &arguments)
{
    Rendered result;
    Bytes &out = result.bytes;
    std::size_t next = 0;
    Argument *current = arguments.empty() ? nullptr : &arguments[0];
    const std::size_t n = tpl.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = tpl[i];
        if (c == '\\') {
            std::uint8_t byte = 0;
            const int used = escape(tpl.data() + i + 1, n - i - 1, byte);
            if (used > 0) {
                out += static_cast<char>(byte);
            }
            i += 1 + static_cast<std::size_t>(used > 0 ? used : 1);
            result.closed = false;
            continue;
        }
        if (c != '%') {
            out += c;
            result.closed = i == n - 1;
            ++i;
            continue;
        }
        result.closed = false;
        char fill = ' ';
        Bytes width, precisionDigits;
        bool hasWidth = false, hasPrecision = false, afterPoint = false;
        char letter = 0;
        for (++i; i < n; ++i) {
            const char d = tpl[i];
            if (isDigit(d) && !afterPoint) {
                if (!hasWidth && d == '0') {
                    fill = '0';
                } else {
                    hasWidth = true;
                    width += d;
                }
            } else if (d == '.' && !afterPoint) {
                afterPoint = true;
            } else if (isDigit(d)) {
                hasPrecision = true;
                precisionDigits += d;
            } else {
                letter = std::strchr("pXfuds", d) != nullptr && d != 0 ? d : 0;
                ++i;
                break;
            }
        }
        std::uint16_t precision = 2;
        if (hasPrecision) {
            precision = static_cast<std::uint16_t>(parseUnsigned(precisionDigits).value & 0xFFFF);
        }
        Bytes text;
        bool ok = true;
        if (current != nullptr) {
            ok = convert(letter, *current, precision, text);
        }
        if (ok && hasWidth) {
            const auto w = static_cast<std::int32_t>(parseUnsigned(width).value);
            if (w > static_cast<std::int64_t>(text.size())) {
                if (w > result.largestWidth) {
                    result.largestWidth = w;
                }
                // A padding this wide is legitimate but too large to model:
                // the caller skips such a template.
                if (w > kModelWidthLimit) {
                    return result;
                }
                const char pad = letter == 'p' ? 0 : fill;
                text = Bytes(static_cast<std::size_t>(w) - text.size(), pad) + text;
            }
        }
        if (ok) {
            out += text;
        }
        if (next + 1 < arguments.size()) {
            current = &arguments[++next];
        } else {
            current = nullptr;
        }
    }
    return result;
}

// --- time -------------------------------------------------------------------

struct TimeFields
{
    int year, month, day, hour, minute, second;
};

// Calendar fields of a count of seconds from 1970-01-01 (proleptic Gregorian
// calendar, days counted from the civil era).
inline TimeFields breakDown(std::uint32_t seconds)
{
    const std::int64_t days = seconds / 86400;
    const std::int64_t rest = seconds % 86400;
    const std::int64_t z = days + 719468;
    const std::int64_t era = z / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year),
            static_cast<int>(month - 1),
            static_cast<int>(day),
            static_cast<int>(rest / 3600),
            static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60)};
}

struct Time
{
    std::uint32_t seconds;
    std::uint32_t milliseconds;
};

inline Time parseTime(const Bytes &text)
{
    const std::size_t dot = text.find('.');
    const bool fraction = dot != Bytes::npos && dot > 0;
    const Bytes fields = fraction ? text.substr(0, dot) : text;
    std::vector<Bytes> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == ':') {
            pieces.push_back(fields.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < fields.size()) {
        pieces.push_back(fields.substr(start));
    }
    std::uint32_t parts[3] = {0, 0, 0};
    for (int k = 0; k < 3 && !pieces.empty(); ++k) {
        parts[k] = parseUnsigned(pieces.back()).value;
        pieces.pop_back();
    }
    Time t{parts[0] + 60u * parts[1] + 3600u * parts[2], 0};
    if (fraction) {
        t.milliseconds = parseUnsigned(text.substr(dot + 1)).value;
    }
    return t;
}

// The template that a time pattern gives (at most 256 characters) and the
// numbers of its letters.
inline Bytes timeTemplate(const Bytes &pattern, std::uint32_t seconds,
                          std::vector<std::uint32_t> &numbers)
{
    const TimeFields f = breakDown(seconds);
    Bytes tpl;
    const auto put = [&tpl](const Bytes &piece) {
        for (char c : piece) {
            if (tpl.size() < 256) {
                tpl += c;
            }
        }
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        switch (c) {
        case 'H':
            put("%02d");
            numbers.push_back(static_cast<std::uint32_t>(f.hour));
            break;
        case 'i':
            put("%02d");
            numbers.push_back(static_cast<std::uint32_t>(f.minute));
            break;
        case 's':
            put("%02d");
            numbers.push_back(static_cast<std::uint32_t>(f.second));
            break;
        case 'd':
            put("%02d");
            numbers.push_back(static_cast<std::uint32_t>(f.day + 1));
            break;
        case 'm':
            put("%02d");
            numbers.push_back(static_cast<std::uint32_t>(f.month + 1));
            break;
        case 'Y':
            put("%04d");
            numbers.push_back(static_cast<std::uint32_t>(f.year));
            break;
        case '\\':
            if (i + 1 < pattern.size()) {
                put(Bytes(1, pattern[++i]));
            }
            break;
        default:
            put(Bytes(1, c));
            break;
        }
    }
    return tpl;
}

} // namespace model
