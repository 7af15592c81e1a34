// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"
#include "values/KivValue.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using V = KivValue_c;
using Bytes = std::vector<int>;

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string textOf(V &v, KivStatus *status = nullptr)
{
    KivString_c *t = v.toText(status);
    return t == nullptr ? "<null>" : std::string(t->text(), static_cast<std::size_t>(t->length()));
}

Bytes bytesOf(V &v, KivStatus *status = nullptr)
{
    KivBuffer_c *b = v.toBinary(status);
    Bytes out;
    for (std::int32_t i = 0; b != nullptr && i < b->limit(); ++i) {
        out.push_back(b->data()[i]);
    }
    return out;
}

// Valid flags as a string "itdb": upper case for yes, '-' for no.
std::string flags(const V &v)
{
    std::string s;
    s += v.intValid() == KIV_YES ? 'I' : '-';
    s += v.doubleValid() == KIV_YES ? 'D' : '-';
    s += v.textValid() == KIV_YES ? 'T' : '-';
    s += v.binaryValid() == KIV_YES ? 'B' : '-';
    return s;
}

// Sets `v` through the setter of an integer type or TYPE_BOOL (n: the flag).
void setAs(V &v, std::uint8_t type, std::int64_t n)
{
    const auto bits = static_cast<std::uint32_t>(n);
    const std::function<void()> setters[] = {[&] { v.setInt8(static_cast<std::int8_t>(bits)); },
                                             [&] { v.setUInt8(static_cast<std::uint8_t>(bits)); },
                                             [&] { v.setInt16(static_cast<std::int16_t>(bits)); },
                                             [&] { v.setUInt16(static_cast<std::uint16_t>(bits)); },
                                             [&] { v.setInt32(static_cast<std::int32_t>(bits)); },
                                             [&] { v.setUInt32(bits); },
                                             [&] { v.setBool(static_cast<std::int8_t>(bits)); }};
    setters[type - V::TYPE_INT8]();
}

} // namespace

TEST(Value, NewValueIsEmpty)
{
    V v;
    KivStatus s[4] = {0, 0, 0, 0};
    EXPECT_EQ(v.toInt(&s[0]), 0);
    EXPECT_EQ(v.toDouble(&s[1]), 0.0);
    EXPECT_EQ(textOf(v, &s[2]), "");
    EXPECT_EQ(bytesOf(v, &s[3]), Bytes{});
    for (KivStatus status : s) {
        EXPECT_EQ(status, KIV_OK);
    }
    EXPECT_EQ(v.type(), V::TYPE_NONE);
    EXPECT_EQ(flags(v), "IDTB");
    EXPECT_EQ(v.kind, 0);
    EXPECT_EQ(v.precision, 2);
    EXPECT_EQ(v.rounding, V::ROUND_DEFAULT);
}

TEST(Value, IntegerSetters)
{
    struct Case
    {
        std::uint8_t type;
        std::int64_t input;
        std::int32_t integer;
        double real;
        std::string text;
        Bytes bytes; // none: status 254
    };
    for (const Case &c : {
             Case{V::TYPE_UINT32, 4000000000, -294967296, 4e9, "4000000000", {0xEE, 0x6B, 0x28, 0}},
             Case{V::TYPE_INT32, -7, -7, -7, "-7", {0xFF, 0xFF, 0xFF, 0xF9}},
             Case{V::TYPE_INT32, INT32_MIN, INT32_MIN, INT32_MIN, "-2147483648", {0x80, 0, 0, 0}},
             Case{V::TYPE_UINT32, 16909060, 16909060, 16909060, "16909060", {1, 2, 3, 4}},
             Case{V::TYPE_UINT8, 200, 200, 200, "200", {0xC8}},
             Case{V::TYPE_INT8, -128, -128, -128, "-128", {0x80}},
             Case{V::TYPE_INT16, -2, -2, -2, "-2", {0xFF, 0xFE}},
             Case{V::TYPE_UINT16, 258, 258, 258, "258", {0x01, 0x02}},
             Case{V::TYPE_BOOL, KIV_YES, 1, 1, "true", {}},
             Case{V::TYPE_BOOL, KIV_NO, 0, 0, "false", {}},
             Case{V::TYPE_BOOL, 1, 0, 0, "false", {}},
         }) {
        // The bytes are the same whether or not the text was read first.
        for (bool textFirst : {false, true}) {
            V v;
            setAs(v, c.type, c.input);
            EXPECT_EQ(v.type(), c.type);
            KivStatus status = 0;
            if (textFirst) {
                EXPECT_EQ(textOf(v, &status), c.text);
            }
            EXPECT_EQ(bytesOf(v, &status), c.bytes) << c.text;
            EXPECT_EQ(status, c.bytes.empty() ? KIV_FAIL : KIV_OK) << c.text;
            EXPECT_EQ(textOf(v, &status), c.text);
            EXPECT_EQ(status, KIV_OK);
            EXPECT_EQ(v.toInt(), c.integer);
            EXPECT_EQ(v.toDouble(&status), c.real) << c.text;
            EXPECT_EQ(status, KIV_OK);
            EXPECT_EQ(v.toBool(), c.integer == 1 ? KIV_YES : KIV_NO);
        }
    }
    V two;
    two.setInt32(2);
    EXPECT_EQ(two.toBool(), KIV_NO);
}

TEST(Value, TextReadAsNumbers)
{
    struct Case
    {
        const char *text;
        std::int32_t integer;
        KivStatus intStatus;
        double real;
        KivStatus realStatus;
    };
    for (const Case &c : {
             Case{"42abc", 42, KIV_OK, 42, KIV_OK},
             Case{"x42", 0, KIV_FAIL, 42, KIV_OK},
             Case{"-42", -42, KIV_OK, -42, KIV_OK},
             Case{"Yes", 1, KIV_OK, 0, KIV_FAIL},
             Case{"ON", 1, KIV_OK, 0, KIV_FAIL},
             Case{"1", 1, KIV_OK, 1, KIV_OK},
             Case{"off", 0, KIV_OK, 0, KIV_FAIL},
             Case{"Disabled", 0, KIV_OK, 0, KIV_FAIL},
             Case{"yes ", 0, KIV_FAIL, 0, KIV_FAIL},
             Case{"12.5", 12, KIV_OK, 12.5, KIV_OK},
             Case{"2.7", 2, KIV_OK, 2.7, KIV_OK},
             Case{"", 0, KIV_FAIL, 0, KIV_FAIL},
             // More digits than 32 bits hold wrap modulo 2^32.
             Case{"4294967297", 1, KIV_OK, 4294967297.0, KIV_OK},
             Case{"-4294967297", -1, KIV_OK, -4294967297.0, KIV_OK},
         }) {
        // Neither reading depends on whether the other came first.
        for (bool intFirst : {true, false}) {
            V v;
            v.rounding = V::ROUND_NEAREST;
            KivString_c source;
            source.assign(c.text, -1, KIV_NO);
            EXPECT_EQ(v.setText(&source), KIV_OK);
            EXPECT_EQ(v.type(), V::TYPE_TEXT);
            KivStatus intStatus = 0, realStatus = 0;
            std::int32_t integer = 0;
            double real = 0;
            if (intFirst) {
                integer = v.toInt(&intStatus);
            }
            real = v.toDouble(&realStatus);
            if (!intFirst) {
                integer = v.toInt(&intStatus);
            }
            EXPECT_EQ(integer, c.integer) << c.text;
            EXPECT_EQ(intStatus, c.intStatus) << c.text;
            EXPECT_DOUBLE_EQ(real, c.real) << c.text;
            EXPECT_EQ(realStatus, c.realStatus) << c.text;
            EXPECT_EQ(textOf(v), c.text);
        }
    }
}

TEST(Value, DoubleReadAsText)
{
    struct Case
    {
        double x;
        std::uint16_t precision;
        const char *text;
    };
    for (const Case &c :
         {Case{-3.14159, 2, "-3.14"}, Case{-3.14159, 4, "-3.1416"}, Case{-3.14159, 0, "-3.1"},
          Case{-3.14159, 40000, "-3.141590000"}, Case{-0.0, 2, "0.00"}, Case{2.7, 2, "2.70"},
          Case{std::numeric_limits<double>::quiet_NaN(), 2, "0.00"},
          Case{1e10, 2, "10000000000.00"}, Case{4294967295.5, 2, "4294967295.50"},
          Case{-1e20, 0, "-100000000000000000000.0"}, Case{-kInf, 2, "-inf"},
          // Whole doubles of any size: only their text read back is checked.
          Case{-5.777688233555309e+147, 2, nullptr}, Case{0x1.fffffffffffffp+1023, 0, nullptr},
          Case{0x1.0000000000001p+80, 9, nullptr}}) {
        V v;
        v.setDouble(c.x);
        v.precision = c.precision;
        v.toInt(); // an integer read first must not shape the text
        const std::string text = textOf(v);
        if (c.text != nullptr) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(bytesOf(v), Bytes{});
        // The text of a whole double reads back as that double.
        if (std::isfinite(c.x) && c.x == std::trunc(c.x)) {
            V back;
            back.setText(text.c_str(), -1);
            EXPECT_EQ(back.toDouble(), c.x) << text;
        }
    }
}

TEST(Value, DoubleReadAsIntegerInEveryRounding)
{
    struct Case
    {
        double x;
        std::int32_t byMode[4]; // ROUND_DEFAULT, UP, TRUNCATE, NEAREST
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Case &c : {
             Case{2.5, {2, 3, 2, 3}},
             Case{-2.5, {-2, -2, -2, -3}},
             Case{2.4, {2, 3, 2, 2}},
             Case{2147483647.5, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}},
             Case{-2147483648.7, {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}},
             Case{3e9, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}},
             Case{-3e9, {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}},
             Case{kInf, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}},
             Case{-kInf, {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}},
             Case{nan, {0, 0, 0, 0}},
         }) {
        for (std::int8_t mode = 0; mode < 4; ++mode) {
            V v;
            v.setDouble(c.x);
            v.rounding = mode;
            KivStatus status = 0;
            EXPECT_EQ(v.toInt(&status), c.byMode[mode]) << c.x << " mode " << int(mode);
            EXPECT_EQ(status, KIV_OK);
            EXPECT_EQ(flags(v), "ID--");
        }
        // Unknown modes read as the default.
        for (std::int8_t mode : {std::int8_t{4}, std::int8_t{-1}}) {
            V v;
            v.setDouble(c.x);
            v.rounding = mode;
            EXPECT_EQ(v.toInt(), c.byMode[0]);
        }
    }
}

TEST(Value, SettersInvalidateCaches)
{
    KivString_c text;
    text.assign("7", -1, KIV_NO);
    KivBuffer_c bytes;
    bytes.resize(2);
    bytes.copyIn("ab", 2);
    // 0 to 6 stand for the integer types and TYPE_BOOL.
    const std::function<void(V &)> others[] = {
        [](V &v) { v.setDouble(1.5); }, [&](V &v) { v.setText(&text); },
        [](V &v) { v.setText("12", 1); }, [&](V &v) { v.setBinary(&bytes); },
        [](V &v) { v.clear(); }};
    const char *otherFlags[] = {"-D--", "--T-", "--T-", "---B", "IDTB"};
    const std::uint8_t otherTypes[] = {V::TYPE_DOUBLE, V::TYPE_TEXT, V::TYPE_TEXT, V::TYPE_BINARY,
                                       V::TYPE_NONE};
    for (int i = 0; i < 12; ++i) {
        V v;
        v.setUInt16(258);
        v.toDouble();
        v.toText();
        v.toBinary();
        ASSERT_EQ(flags(v), "IDTB");
        v.precision = 5;
        v.rounding = 3;
        KivBuffer_c *binary = v.binaryStorage();
        const auto type = static_cast<std::uint8_t>(i < 7 ? V::TYPE_INT8 + i : otherTypes[i - 7]);
        if (i < 7) {
            setAs(v, type, 1);
        } else {
            others[i - 7](v);
        }
        EXPECT_EQ(flags(v), i < 7 ? "I---" : otherFlags[i - 7]) << i;
        EXPECT_EQ(v.type(), type);
        EXPECT_EQ(v.precision, 5);
        EXPECT_EQ(v.rounding, 3);
        if (type == V::TYPE_TEXT) { // setText keeps the binary storage object
            EXPECT_EQ(v.binaryStorage(), binary);
        }
    }
}

TEST(Value, ConvertTo)
{
    struct Case
    {
        std::function<void(V &)> set;
        std::int32_t newType;
        std::string text;
        std::int32_t integer;
        const char *flags;
    };
    const Case cases[] = {
        {[](V &v) { v.setText("300", -1); }, V::TYPE_UINT8, "44", 44, "I---"},
        {[](V &v) { v.setText("-1", -1); }, V::TYPE_UINT16, "65535", 65535, "I---"},
        {[](V &v) { v.setText("yes", -1); }, V::TYPE_BOOL, "true", 1, "I---"},
        {[](V &v) { v.setUInt32(4000000000u); }, V::TYPE_INT32, "-294967296", -294967296, "I---"},
        {[](V &v) { v.setInt8(-1); }, V::TYPE_UINT32, "4294967295", -1, "I---"},
        {[](V &v) { v.setUInt16(258); }, V::TYPE_TEXT, "258", 258, "--T-"},
        {[](V &v) { v.setUInt16(258); }, V::TYPE_DOUBLE, "258.00", 258, "-D--"},
        {[](V &v) { v.setDouble(2.5); }, V::TYPE_TEXT, "2.50", 2, "--T-"},
        {[](V &v) { v.setDouble(2.5); }, V::TYPE_NONE, "", 0, "----"},
        {[](V &v) { v.setInt16(-3); }, V::TYPE_NONE, "-3", -3, "I---"},
    };
    for (const Case &c : cases) {
        V v;
        c.set(v);
        EXPECT_EQ(v.convertTo(c.newType), KIV_OK);
        EXPECT_EQ(v.type(), c.newType);
        EXPECT_EQ(flags(v), c.flags) << c.text;
        EXPECT_EQ(textOf(v), c.text);
        EXPECT_EQ(v.toInt(), c.integer) << c.text;
    }

    // The double 2.5 to TYPE_INT32 by rounding mode; -2.5 rounds up to -2.
    const std::int32_t expected[4] = {2, 3, 2, 3};
    for (std::int8_t mode = 0; mode < 4; ++mode) {
        V v;
        v.rounding = mode;
        v.setDouble(2.5);
        v.convertTo(V::TYPE_INT32);
        EXPECT_EQ(v.toInt(), expected[mode]);
        v.setDouble(-2.5);
        v.convertTo(V::TYPE_INT32);
        EXPECT_EQ(v.toInt(), mode == 3 ? -3 : -2);
    }
}

TEST(Value, ConvertToRefusesAndFails)
{
    for (std::int32_t bad : {11, 255, 256 + V::TYPE_TEXT, -1}) {
        V v;
        v.setUInt16(7);
        EXPECT_EQ(v.convertTo(bad), KIV_FAIL);
        EXPECT_EQ(v.type(), V::TYPE_UINT16);
        EXPECT_EQ(flags(v), "I---");
    }
    V same;
    same.setDouble(1.5);
    same.toText();
    EXPECT_EQ(same.convertTo(V::TYPE_DOUBLE), KIV_OK);
    EXPECT_EQ(flags(same), "-DT-");

    // Contents without bytes are no memory failure: a boolean whose text was
    // read converts to no bytes with 2.
    V flag;
    flag.setBool(KIV_YES);
    flag.toText();
    EXPECT_EQ(flag.convertTo(V::TYPE_BINARY), KIV_OK);
    EXPECT_EQ(flag.type(), V::TYPE_BINARY);

    // Text that is no number: the conversion reports 2 but leaves nothing
    // valid, and the next read empties the value.
    V v;
    v.setText("abc", -1);
    EXPECT_EQ(v.convertTo(V::TYPE_INT32), KIV_OK);
    EXPECT_EQ(flags(v), "----");
    KivStatus status = 0;
    EXPECT_EQ(v.toInt(&status), 0);
    EXPECT_EQ(status, KIV_OK);
    EXPECT_EQ(v.type(), V::TYPE_NONE);
}

TEST(Value, BinaryValues)
{
    const std::uint8_t raw[] = {'A', 0x01, '"', 0xFF, 'z'};
    KivBuffer_c source;
    source.resize(sizeof raw);
    source.copyIn(raw, sizeof raw);
    source.rewind(4); // only the bytes below the limit are taken

    V v;
    EXPECT_EQ(v.setBinary(&source), KIV_OK);
    EXPECT_EQ(bytesOf(v), (Bytes{'A', 0x01, '"', 0xFF}));
    KivString_c quoted;
    quoteBytes(&quoted, raw, 4);
    KivStatus status = 0;
    EXPECT_EQ(textOf(v, &status), quoted.text());
    EXPECT_EQ(status, KIV_OK);
    EXPECT_EQ(v.toInt(&status), 0);
    EXPECT_EQ(status, KIV_FAIL);
    EXPECT_EQ(v.toDouble(&status), 0.0);
    EXPECT_EQ(status, KIV_FAIL);

    // The quoted text converts back to the same bytes.
    V back;
    back.setText(v.toText());
    EXPECT_EQ(back.convertTo(V::TYPE_BINARY), KIV_OK);
    EXPECT_EQ(bytesOf(back), (Bytes{'A', 0x01, '"', 0xFF}));

    V none;
    EXPECT_EQ(none.setBinary(nullptr), KIV_OK);
    EXPECT_EQ(bytesOf(none, &status), Bytes{});
    EXPECT_EQ(status, KIV_OK);
    EXPECT_EQ(textOf(none, &status), "");
    EXPECT_EQ(status, KIV_OK);

    V word;
    word.setUInt16(258);
    word.convertTo(V::TYPE_BINARY);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(bytesOf(word, &status), (Bytes{1, 2}));
        EXPECT_EQ(status, KIV_OK);
    }
}

TEST(Value, OwnStorageAsSource)
{
    V v;
    v.setText("hello", -1);
    EXPECT_EQ(v.setText(v.toText()), KIV_OK);
    EXPECT_EQ(textOf(v), "hello");
    EXPECT_EQ(v.setText(v.toText()->text() + 1, 3), KIV_OK);
    EXPECT_EQ(textOf(v), "ell");

    // The bytes of the value's own text storage, and its own binary storage.
    EXPECT_EQ(v.setBinary(v.toText()->buffer()), KIV_OK);
    EXPECT_EQ(bytesOf(v), (Bytes{'e', 'l', 'l', 0}));
    EXPECT_EQ(v.setBinary(v.toBinary()), KIV_OK);
    EXPECT_EQ(bytesOf(v), (Bytes{'e', 'l', 'l', 0}));

    EXPECT_EQ(v.copyTo(&v), KIV_OK);
    EXPECT_EQ(v.copyFrom(&v), KIV_OK);
    EXPECT_EQ(v.type(), V::TYPE_BINARY);
    EXPECT_EQ(bytesOf(v), (Bytes{'e', 'l', 'l', 0}));
}

TEST(Value, CopyFromEveryType)
{
    KivBuffer_c raw;
    raw.resize(3);
    raw.copyIn("\x01\x02\x03", 3);
    for (std::uint8_t type = V::TYPE_NONE; type <= V::TYPE_BINARY; ++type) {
        V source;
        if (type == V::TYPE_TEXT) {
            source.setText("4 cats", -1);
        } else if (type == V::TYPE_DOUBLE) {
            source.setDouble(-1.25);
        } else if (type == V::TYPE_BINARY) {
            source.setBinary(&raw);
        } else if (type != V::TYPE_NONE) {
            setAs(source, type, type == V::TYPE_BOOL ? KIV_YES : -70000 - type);
        }
        source.precision = 3;
        source.rounding = V::ROUND_UP;
        source.kind = KIV_KIND_VALUE;
        V copy;
        copy.setText("old", -1);
        EXPECT_EQ(source.copyTo(&copy), KIV_OK);
        EXPECT_EQ(copy.type(), source.type());
        EXPECT_EQ(copy.kind, KIV_KIND_VALUE);
        EXPECT_EQ(copy.precision, 3);
        EXPECT_EQ(copy.rounding, V::ROUND_UP);
        EXPECT_EQ(textOf(copy), textOf(source));
        EXPECT_EQ(copy.toInt(), source.toInt()) << textOf(source);
        EXPECT_EQ(bytesOf(copy), bytesOf(source)) << textOf(source);
    }

    // Sources left with nothing readable in their type copy faithfully (2):
    // the copy has the type and reads as the source, no bytes with 254.
    using Setup = std::function<void(V &)>;
    const struct
    {
        Setup set;
        std::uint8_t type;
    } hollow[] = {
        {[](V &v) { v.setDouble(1.5); }, V::TYPE_BINARY},
        {[](V &v) { v.setText("zz", -1); }, V::TYPE_BINARY},
        {[](V &v) { v.setBool(KIV_YES); }, V::TYPE_BINARY},
        {[&raw](V &v) { v.setBinary(&raw); }, V::TYPE_DOUBLE},
        {[&raw](V &v) { v.setBinary(&raw); }, V::TYPE_INT8},
        {[](V &v) { v.setText("x9", -1); }, V::TYPE_UINT32},
    };
    for (const auto &h : hollow) {
        V source, copy;
        h.set(source);
        source.convertTo(h.type);
        EXPECT_EQ(copy.copyFrom(&source), KIV_OK);
        EXPECT_EQ(copy.type(), h.type);
        KivStatus status = 0;
        EXPECT_EQ(bytesOf(copy, &status), Bytes{});
        EXPECT_EQ(status, KIV_FAIL);
        EXPECT_EQ(textOf(copy), textOf(source));
        EXPECT_EQ(textOf(copy), "");
    }

    V source, copy;
    source.rounding = 9; // not a mode: the target keeps its own
    copy.rounding = V::ROUND_NEAREST;
    EXPECT_EQ(copy.copyFrom(&source), KIV_OK);
    EXPECT_EQ(copy.rounding, V::ROUND_NEAREST);
    source.rounding = -1;
    copy.copyFrom(&source);
    EXPECT_EQ(copy.rounding, -1);

    KivString_c notAValue;
    EXPECT_EQ(source.copyTo(nullptr), KIV_FAIL);
    EXPECT_EQ(source.copyTo(&notAValue), KIV_FAIL);
    EXPECT_EQ(copy.copyFrom(nullptr), KIV_FAIL);

    KivObject_c *created = source.create();
    ASSERT_NE(dynamic_cast<V *>(created), nullptr);
    EXPECT_EQ(flags(*static_cast<V *>(created)), "IDTB");
    delete created;
}

TEST(Value, AllocationFailure)
{
    // With allocations failing from the N-th one on, every operation either
    // gives its normal result or reports 254; nothing crashes or leaks.
    for (int n = 0; n < 8; ++n) {
        KivStatus status = 0;
        {
            V v;
            v.setUInt16(258);
            KivAllocHook::failAt(n + 1, true);
            const std::string text = textOf(v, &status);
            KivAllocHook::disarm();
            EXPECT_TRUE(status == KIV_OK ? text == "258" : text == "<null>" || text.empty()) << n;
            if (status == KIV_FAIL) {
                EXPECT_EQ(v.textValid(), KIV_NO);
            }
        }
        {
            V v;
            v.setUInt16(258);
            KivAllocHook::failAt(n + 1, true);
            const Bytes bytes = bytesOf(v, &status);
            KivAllocHook::disarm();
            EXPECT_EQ(bytes, status == KIV_OK ? (Bytes{1, 2}) : Bytes{}) << n;
        }
        {
            V v;
            KivAllocHook::failAt(n + 1, true);
            const KivStatus set = v.setText("123", -1);
            KivAllocHook::disarm();
            EXPECT_EQ(v.type(), V::TYPE_TEXT);
            EXPECT_EQ(v.toInt(&status), set == KIV_OK ? 123 : 0) << n;
            EXPECT_EQ(status, set);
            EXPECT_EQ(textOf(v), set == KIV_OK ? "123" : "");
        }
        {
            KivBuffer_c raw;
            raw.resize(2);
            raw.copyIn("ab", 2);
            V v;
            KivAllocHook::failAt(n + 1, true);
            const KivStatus set = v.setBinary(&raw);
            KivAllocHook::disarm();
            EXPECT_EQ(v.type(), set == KIV_OK ? V::TYPE_BINARY : V::TYPE_NONE) << n;
            EXPECT_EQ(bytesOf(v).size(), set == KIV_OK ? 2u : 0u);
        }
    }
    V v;
    KivAllocHook::failAt(1, true);
    EXPECT_EQ(v.textStorage(), nullptr);
    EXPECT_EQ(v.binaryStorage(), nullptr);
    KivAllocHook::failAt(2, true); // the string object but not its buffer
    EXPECT_EQ(v.textStorage(), nullptr);
    KivAllocHook::disarm();
    EXPECT_NE(v.textStorage(), nullptr);
}
