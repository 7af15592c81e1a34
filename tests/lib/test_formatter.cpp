// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

using Arguments = std::function<void(KivBinaryString_c &)>;

void add(KivBinaryString_c &b, KivObject_c *argument, std::int8_t kind)
{
    argument->kind = kind;
    ASSERT_EQ(KIV_OK, b.arguments->insert(argument));
}

// Argument makers: a value set by `set`, a string, a buffer, and bare objects.
Arguments value(const std::function<void(KivValue_c &)> &set)
{
    return [set](KivBinaryString_c &b) {
        auto *v = new KivValue_c;
        set(*v);
        add(b, v, KIV_KIND_VALUE);
    };
}
Arguments u32(std::uint32_t n)
{
    return value([n](KivValue_c &v) { v.setUInt32(n); });
}
Arguments number(double x)
{
    return value([x](KivValue_c &v) { v.setDouble(x); });
}
Arguments text(const std::string &t)
{
    return value([t](KivValue_c &v) { v.setText(t.data(), static_cast<std::int32_t>(t.size())); });
}
Arguments string(const std::string &t, std::int8_t kind = KIV_KIND_STRING)
{
    return [t, kind](KivBinaryString_c &b) {
        auto *s = new KivString_c;
        s->assign(t.data(), static_cast<std::int32_t>(t.size()), KIV_NO);
        add(b, s, kind);
    };
}
Arguments buffer(const std::string &bytes, std::int32_t limit = -1)
{
    return [bytes, limit](KivBinaryString_c &b) {
        auto *buf = new KivBuffer_c;
        buf->resize(static_cast<std::int32_t>(bytes.size()));
        buf->copyIn(bytes.data(), static_cast<std::int32_t>(bytes.size()));
        if (limit >= 0) {
            buf->rewind(limit);
        }
        add(b, buf, KIV_KIND_BUFFER);
    };
}
Arguments object(std::int8_t kind)
{
    return [kind](KivBinaryString_c &b) { add(b, new KivObject_c, kind); };
}
Arguments numbers(std::initializer_list<std::uint32_t> list)
{
    const std::vector<std::uint32_t> all(list);
    return [all](KivBinaryString_c &b) {
        for (const std::uint32_t n : all) {
            b.addUnsigned(n);
        }
    };
}
// `make` once per directive of a template of `n` directives.
Arguments times(int n, const Arguments &make)
{
    return [n, make](KivBinaryString_c &b) {
        for (int i = 0; i < n; ++i) {
            make(b);
        }
    };
}
Arguments all(std::initializer_list<Arguments> list)
{
    const std::vector<Arguments> makers(list);
    return [makers](KivBinaryString_c &b) {
        for (const Arguments &make : makers) {
            make(b);
        }
    };
}

void prepare(KivBinaryString_c &b, const std::string &tpl, const Arguments &args)
{
    b.formatString->assign(tpl.data(), static_cast<std::int32_t>(tpl.size()), KIV_NO);
    if (args) {
        args(b);
    }
}

// The bytes render() produces, or "<null>".
std::string rendered(const std::string &tpl, const Arguments &args)
{
    KivBinaryString_c b;
    prepare(b, tpl, args);
    KivBuffer_c *out = b.render(nullptr);
    if (out == nullptr) {
        return "<null>";
    }
    EXPECT_EQ(b.output, out);
    return std::string(reinterpret_cast<const char *>(out->data()),
                       static_cast<std::size_t>(out->size()));
}

const std::string NUL(1, '\0');

struct Case
{
    std::string tpl;
    Arguments args;
    std::string expected;
};

void check(const Case (&cases)[], std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(cases[i].expected, rendered(cases[i].tpl, cases[i].args))
            << "case " << i << ": " << cases[i].tpl;
    }
}

TEST(Formatter, RendersTheDocumentedExamples)
{
    const Case cases[] = {
        {"%02d:%02d:%02d", numbers({1, 2, 3}), "01:02:03" + NUL},
        {"%04d", numbers({42}), "0042" + NUL},
        {"%02d", numbers({5}), "05" + NUL},
        {"%02d", numbers({123}), "123" + NUL},
        {"%4d", numbers({7}), "   7" + NUL},
        {"%3d", nullptr, "   " + NUL},
        {"%7.2f", number(1.125), "   1.13" + NUL},
        {"%d", u32(4294967295u), "-1" + NUL},
        {"%u", u32(4294967295u), "4294967295" + NUL},
        {"%.3f", number(2.0), "2.000" + NUL},
        {"%f", number(2.0), "2.00" + NUL},
        {"%.0f", number(2.5), "2.5" + NUL},
        {"%f", number(1e10), "10000000000.00" + NUL},
        {"%.1f", number(-1e30), "-1000000000000000019884624838656.0" + NUL},
        {"%X", numbers({258}), "0102" + NUL},
        {"%X", string("Az"), "417A" + NUL},
        {"%4p", numbers({65}), std::string(3, '\0') + "A" + NUL},
        {"\\%%d", numbers({7}), "%7" + NUL},
        {"%d%%", numbers({7, 8}), "7" + NUL},
        {"%d%%%d", numbers({7, 8, 9}), "79" + NUL},
        {"abc", nullptr, "abc" + NUL},
        {"", nullptr, NUL},
        // The terminating zero swallowed by a directive or an escape.
        {"%", numbers({1}), ""},
        {"%0", numbers({1}), ""},
        {"ab%0", nullptr, "ab"},
        {"ab\\", nullptr, "ab"},
        {"\\x4", nullptr, "@"},
        {"\\x", nullptr, NUL},
    };
    check(cases, std::size(cases));
}

TEST(Formatter, ParsesDirectivesAndEscapes)
{
    const Case cases[] = {
        {"%00005d", numbers({42}), "00042" + NUL},
        {"%010d", numbers({42}), "0000000042" + NUL},
        {"%0.5f", numbers({1}), "1.00000" + NUL},
        {"%08.3f", number(-1.5), "00-1.500" + NUL},
        {"%5.3.d", numbers({1}), "d" + NUL},
        {"%.d", numbers({12}), "12" + NUL},
        {"%2d", numbers({12345}), "12345" + NUL},
        // Width and precision digits wrap in 32 bits; the precision keeps 16.
        {"%4294967299d", numbers({7}), "  7" + NUL},
        {"%4294967295d", numbers({7}), "7" + NUL},
        {"%.65538f", numbers({1}), "1.00" + NUL},
        {"%.4294967297f", numbers({1}), "1.0" + NUL},
        {"%.32768f", numbers({1}), "1.000000000" + NUL},
        {"%.12f", number(0.5), "0.500000000" + NUL},
        // Letters are case-sensitive; other bytes end with no output.
        {"%x|%D|%d", numbers({1, 2, 3}), "||3" + NUL},
        {"%-5d", numbers({1}), "5d" + NUL},
        {"%-5d%d", numbers({1, 2}), "5d2" + NUL},
        {"%5q", numbers({1}), NUL},
        {"a\\tb\\n\\r\\\"\\'\\\\", nullptr, "a\tb\n\r\"'\\" + NUL},
        {"\\x41\\x7a\\xg1", nullptr, "Az\x01" + NUL},
        {"[\\q]", nullptr, "[]" + NUL},
        {std::string("a\0b", 3), nullptr, std::string("a\0b", 3) + NUL},
    };
    check(cases, std::size(cases));
}

TEST(Formatter, ArgumentCursorMovesOncePerDirective)
{
    const Case cases[] = {
        {"%d %d %d", numbers({1, 2}), "1 2 " + NUL},
        {"%3d|%d|%2d", numbers({5}), "  5||  " + NUL},
        {"%2p|%3X", nullptr, std::string(2, '\0') + "|   " + NUL},
        {"%d%d%d%d", numbers({1, 2}), "12" + NUL},
        {"%d", numbers({1, 2, 3}), "1" + NUL},
        // A failed conversion still consumes its argument.
        {"a%sb%dc", all({object(KIV_KIND_RAW), numbers({5})}), "ab5c" + NUL},
        {"%s|%d|%f", all({object(9), numbers({5}), text("x")}), "|5|" + NUL},
        {"%3s%3X%d", all({object(KIV_KIND_RAW), object(KIV_KIND_RAW), numbers({4})}), "   4" + NUL},
    };
    check(cases, std::size(cases));

    // Rendering again starts again from the first argument.
    KivBinaryString_c b;
    prepare(b, "%d-%d", numbers({3, 4}));
    KivString_c out;
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(KIV_OK, b.renderString(&out));
        EXPECT_STREQ("3-4", out.text());
    }
    EXPECT_EQ(2, b.arguments->count());
}

TEST(Formatter, ReadsEachKindByItsLetter)
{
    const std::string bytes("\x01\x02\x03\x04\x05", 5);
    const Case cases[] = {
        // Values.
        {"%d|%u|%s", times(3, value([](KivValue_c &v) { v.setInt32(-5); })),
         "-5|4294967291|-5" + NUL},
        {"%d", value([](KivValue_c &v) { v.setInt32(INT32_MIN); }), "-2147483648" + NUL},
        {"%d|%u", times(2, number(2.9)), "2|2" + NUL},
        {"%d|%f|%s", times(3, text("12ab")), "12|12.00|12ab" + NUL},
        {"%f|%d|", times(2, text("abc")), "||" + NUL},
        {"%d|%X|%s", times(3, value([](KivValue_c &v) { v.setBool(KIV_YES); })), "1|01|true" + NUL},
        {"%d|%X|%f|%s|%p", times(5, value([](KivValue_c &) {})), "0|00|0.00||" + NUL},
        {"%X|%X|%X",
         all({numbers({65}), value([](KivValue_c &v) { v.setInt32(-5); }), number(1.0)}),
         "41|FFFFFFFB|000000000000F03F" + NUL},
        {"%X|%p", times(2, text("Az")), "417A|Az" + NUL},
        {"%f|%.1p|%s", times(3, number(2.5)), "2.50|2.5|2.50" + NUL},
        {"%p|%3p", all({numbers({258}), numbers({70000})}),
         std::string("\x01\x02|\x00\x01\x11\x70", 7) + NUL},
        {"%X|%p|%s|%d", times(4, value([](KivValue_c &v) {
                                  KivBuffer_c raw;
                                  raw.resize(2);
                                  raw.copyIn("hi", 2);
                                  v.setBinary(&raw);
                              })),
         "|\"hi\"|\"hi\"|" + NUL},
        // Strings.
        {"%d|%u|%f|%X|%p|%s", times(6, string("-12x")),
         "-12|4294967284|-12.00|2D313278|-12x|-12x" + NUL},
        {"%X|%s|%4s", times(3, string("")), "||    " + NUL},
        // Buffers: bytes up to the limit; 'd' and 'u' read the last four
        // little-endian, 'f' fails.
        {"%d|%X|%s|%f", times(4, buffer(bytes)), "84148994|0102030405|" + bytes + "|" + NUL},
        {"%d|%u|%X", times(3, buffer("\xff\xff\xff\xff\xee", 4)), "-1|4294967295|FFFFFFFF" + NUL},
        {"%u", buffer("\xff\xfe\x01", 2), "65279" + NUL},
        {"%d|%X|%s|%3p", times(4, buffer("")), "0|||" + std::string(3, '\0') + NUL},
        // Raw and unknown kinds carry nothing readable; 's' fails on them.
        {"%d|%u|%f|%X|%p|%s", times(6, object(KIV_KIND_RAW)), "0|0|0.00|||" + NUL},
        {"%d|%u|%f|%X|%p|%s", times(6, object(9)), "0|0|0.00|||" + NUL},
        {"%2X|%2p|%2s", times(3, object(-1)), "  |" + std::string(2, '\0') + "|" + NUL},
        // A kind that the object's class does not have reads as unknown.
        {"%d|%s", times(2, string("7", KIV_KIND_VALUE)), "0|" + NUL},
        {"%s|%d", times(2, object(KIV_KIND_STRING)), "|0" + NUL},
        {"%X|%d", times(2, string("77", KIV_KIND_BUFFER)), "|0" + NUL},
    };
    check(cases, std::size(cases));
}

TEST(Formatter, BufferArgumentKeepsCursorOnTheBytesRead)
{
    KivBinaryString_c b;
    prepare(b, "%d", buffer(std::string("\x01\x02\x03\x04\x05\x06", 6), 5));
    ASSERT_NE(nullptr, b.render(nullptr));
    auto *arg = static_cast<KivBuffer_c *>(b.arguments->currentPayload());
    EXPECT_EQ(1, arg->position());
    EXPECT_EQ(5, arg->limit());
}

TEST(Formatter, RenderStringReplacesTheText)
{
    KivBinaryString_c b;
    prepare(b, "%02d:%02d:%02d", numbers({1, 2, 3}));
    KivString_c out;
    out.assign("previous text", -1, KIV_NO);
    ASSERT_EQ(KIV_OK, b.renderString(&out));
    EXPECT_STREQ("01:02:03", out.text());
    EXPECT_EQ(8, out.length());
    EXPECT_EQ(9, out.buffer()->limit());
    EXPECT_EQ(KIV_FAIL, b.renderString(nullptr));

    // A rendering that stops inside a directive or escape keeps every
    // byte, trailing zero bytes from the conversions included.
    const Case cases[] = {
        {"ab%", nullptr, "ab"},
        {"%", nullptr, ""},
        {"%4p%", numbers({0}), std::string(4, '\0')},
        {"\\x00%", nullptr, NUL},
        {"\\x00\\", nullptr, NUL},
        {"x\\x00", nullptr, "x" + NUL},
        {"%2p", numbers({0}), std::string(2, '\0')},
    };
    for (const Case &c : cases) {
        KivBinaryString_c s;
        prepare(s, c.tpl, c.args);
        KivString_c target;
        ASSERT_EQ(KIV_OK, s.renderString(&target)) << c.tpl;
        EXPECT_EQ(static_cast<std::int32_t>(c.expected.size()), target.length()) << c.tpl;
        EXPECT_EQ(c.expected, std::string(target.text(), c.expected.size())) << c.tpl;
        EXPECT_EQ(0, target.text()[target.length()]) << c.tpl;
    }
}

// A failed allocation, for the target's growth or for a conversion's
// storage, fails the whole rendering: 254 and an empty target, or null from
// render(). Some failures are recovered from (a new string's first storage,
// say); those give the whole text. Nothing in between is accepted.
TEST(Formatter, ExhaustedMemoryFailsTheRendering)
{
    const Case cases[] = {
        {"%02d:%02d:%02d", numbers({1, 2, 3}), "01:02:03"},
        {"<%s|%d|%7.2f>", all({string("str"), string("-4"), string("1.125")}), "<str|-4|   1.13>"},
        {"%X %s %p %.1f", all({numbers({258}), numbers({9}), text("t"), text("2.25")}),
         "0102 9 t 2.3"},
        {"%4p%X", all({numbers({65}), buffer("ab")}), std::string(3, '\0') + "A6162"},
        {"%.3f|%s|%p|%X", all({number(0.5), number(0.25), number(1), value([](KivValue_c &) {})}),
         "0.500|0.25|1.00|00"},
        {"a\\tb%", nullptr, "a\tb"},
    };
    for (const Case &c : cases) {
        const std::string whole = rendered(c.tpl, c.args);
        EXPECT_EQ(0, whole.compare(0, c.expected.size(), c.expected)) << c.tpl;
        for (const bool intoString : {true, false}) {
            int failures = 0;
            // Fail allocation n only, for n = 0, 1, ... until the rendering
            // makes fewer allocations than that.
            for (int n = 0;; ++n) {
                KivBinaryString_c b;
                prepare(b, c.tpl, c.args);
                KivString_c out;
                out.assign("old", -1, KIV_NO);
                KivAllocHook::failAt(n + 1);
                const KivStatus status = intoString ? b.renderString(&out) : KIV_OK;
                KivBuffer_c *buffer = intoString ? nullptr : b.render(nullptr);
                KivAllocHook::disarm();
                const bool hit = KivAllocHook::allocations() > n;

                std::string got = "<null>";
                if (intoString) {
                    got.assign(out.text(), static_cast<std::size_t>(out.length()));
                } else if (buffer != nullptr) {
                    got.assign(reinterpret_cast<const char *>(buffer->data()),
                               static_cast<std::size_t>(buffer->size()));
                }
                const std::string full = intoString ? c.expected : whole;
                const bool lost = intoString ? status == KIV_FAIL && got.empty() : got == "<null>";
                EXPECT_TRUE(got == full || (hit && lost))
                    << c.tpl << (intoString ? " string" : " buffer") << " allocation " << n;
                EXPECT_TRUE(!intoString || (status == KIV_OK) == (got == full)) << c.tpl;
                failures += lost ? 1 : 0;
                if (!hit) {
                    break;
                }
            }
            EXPECT_GT(failures, 0) << c.tpl;
        }
    }
}

} // namespace
