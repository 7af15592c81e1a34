// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivDigits.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const KivBuffer_c &buffer)
{
    return Bytes(buffer.data(), buffer.data() + buffer.limit());
}

// Unquotes `text` (its whole length unless `count` is given) and checks the
// buffer's shape: size `count`, limit the bytes produced, a zero after them.
KivStatus unquote(const std::string &text, Bytes *out, std::int32_t count = -3)
{
    KivBuffer_c buffer;
    const std::int32_t n = count == -3 ? static_cast<std::int32_t>(text.size()) : count;
    const KivStatus status = unquoteBytes(text.c_str(), &buffer, n);
    *out = bytesOf(buffer);
    if (n > 0) {
        EXPECT_EQ(buffer.size(), n);
        EXPECT_EQ(buffer.position(), 0);
        EXPECT_EQ(buffer.data()[buffer.limit()], 0);
    }
    return status;
}

TEST(Codecs, DecodeEscape)
{
    struct Case
    {
        const char *text;
        std::int32_t count;
        std::int32_t used;
        std::uint8_t byte;
    };
    const Case cases[] = {{"\\", 1, 1, 92},   {"n", 1, 1, 10},      {"r", 1, 1, 13},
                          {"t", 1, 1, 9},     {"\"", 1, 1, 34},     {"'", 1, 1, 39},
                          {"%", 1, 1, 37},    {"x41", 3, 3, 0x41},  {"xfF", 9, 3, 255},
                          {"x4G", 3, 3, 64},  {"x4", 2, -2, 0xEE},  {"x41", 2, -2, 0xEE},
                          {"N", 1, -2, 0xEE}, {"X41", 3, -2, 0xEE}, {"q", 1, -2, 0xEE},
                          {"n", 0, -2, 0xEE}, {"n", -1, -2, 0xEE}};
    for (const Case &c : cases) {
        std::uint8_t byte = 0xEE;
        EXPECT_EQ(decodeEscape(c.text, c.count, &byte), c.used) << c.text << " " << c.count;
        EXPECT_EQ(byte, c.byte) << c.text;
    }
    std::uint8_t byte = 0;
    EXPECT_EQ(decodeEscape(nullptr, 1, &byte), -2);
    EXPECT_EQ(decodeEscape("n", 1, nullptr), -2);
}

TEST(Codecs, EscapeIndexCoversExactlyTheSevenBytes)
{
    const std::uint8_t escapable[] = {92, 10, 13, 9, 34, 39, 37};
    for (int byte = 0; byte < 256; ++byte) {
        std::int32_t expected = -2;
        for (std::int32_t i = 0; i < 7; ++i) {
            if (escapable[i] == byte) {
                expected = i;
            }
        }
        EXPECT_EQ(escapeIndex(static_cast<std::uint8_t>(byte)), expected) << byte;
    }
}

TEST(Codecs, QuoteBytes)
{
    struct Case
    {
        Bytes input;
        const char *text;
    };
    const Case cases[] = {{{'a', '\n', 1, 'b'}, "\"a\\n\"h01\"b\""},
                          {{0, 255}, "h00hFF"},
                          {{'a', '"', 'b'}, "\"a\\\"b\""},
                          {{'\\', '\r', '\t', '\'', '%'}, "\"\\\\\\r\\t\\'\\%\""},
                          {{' ', '~', 127, 31, 'x'}, "\" ~\"h7Fh1F\"x\""},
                          {{128}, "h80"}};
    for (const Case &c : cases) {
        KivString_c s;
        s.assign("old text", -1, KIV_NO);
        ASSERT_EQ(quoteBytes(&s, c.input.data(), static_cast<std::int32_t>(c.input.size())),
                  KIV_OK);
        EXPECT_STREQ(s.text(), c.text);
        EXPECT_EQ(s.length(), static_cast<std::int32_t>(std::strlen(c.text)));
    }
}

TEST(Codecs, QuoteBytesFailures)
{
    const char bytes[] = "ab";
    for (const std::int32_t count : {0, -1, -5, INT_MIN}) {
        KivString_c s;
        s.assign("keep", -1, KIV_NO);
        EXPECT_EQ(quoteBytes(&s, bytes, count), KIV_FAIL) << count;
        EXPECT_EQ(s.length(), 0);
        EXPECT_STREQ(s.text(), "");
    }
    KivString_c s;
    s.assign("keep", -1, KIV_NO);
    EXPECT_EQ(quoteBytes(&s, nullptr, 2), KIV_FAIL);
    EXPECT_STREQ(s.text(), "keep");
    EXPECT_EQ(quoteBytes(nullptr, bytes, 2), KIV_FAIL);
}

TEST(Codecs, QuoteBytesOfOwnText)
{
    KivString_c s;
    s.assign("a\nb\x01", -1, KIV_NO);
    ASSERT_EQ(quoteBytes(&s, s.text(), s.length()), KIV_OK);
    EXPECT_STREQ(s.text(), "\"a\\nb\"h01");
}

TEST(Codecs, UnquoteBytes)
{
    struct Case
    {
        std::string text;
        Bytes bytes;
        KivStatus status;
    };
    const Case cases[] = {{"41 42,43_44", {41, 42, 43, 44}, KIV_OK},
                          {"h41$42 0x43", {65, 66, 67}, KIV_OK},
                          {"\\x41\\X42 0X43H44", {0x41, 0x42, 0x43, 0x44}, KIV_OK},
                          {"\"ab\"h0A", {'a', 'b', 10}, KIV_OK},
                          {"h4", {4}, KIV_OK},
                          {"h4,5", {4, 5}, KIV_OK},
                          {"h4z7", {4, 7}, KIV_OK},
                          {"h4\"a\"", {4, 'a'}, KIV_OK},
                          {"h\"ab\"", {'a', 'b'}, KIV_OK},
                          {"256", {25, 6}, KIV_OK},
                          {"255", {255}, KIV_OK},
                          {"999", {99, 9}, KIV_OK},
                          {"007 0", {7, 0}, KIV_OK},
                          {"\"a\\n\\x41\\x4\"", {'a', 10, 0x41, 0x40}, KIV_OK},
                          {"\"open", {'o', 'p', 'e', 'n'}, KIV_OK},
                          {"1 z 2", {1, 2}, KIV_FAIL},
                          {"hz", {}, KIV_FAIL},
                          {"0x", {}, KIV_FAIL},
                          {"\\", {}, KIV_FAIL},
                          {"\\7", {7}, KIV_FAIL},
                          // An escape outside the table fails wherever it stands.
                          {"\"a\\qb\"", {'a', 'b'}, KIV_FAIL},
                          {"\"a\\q\" 5", {'a', 5}, KIV_FAIL},
                          {"\"a\\x4", {'a', '4'}, KIV_FAIL}};
    for (const Case &c : cases) {
        Bytes out;
        EXPECT_EQ(unquote(c.text, &out), c.status) << c.text;
        EXPECT_EQ(out, c.bytes) << c.text;
    }
}

TEST(Codecs, UnquoteBytesCounts)
{
    Bytes out;
    EXPECT_EQ(unquote("4142", &out, 2), KIV_OK);
    EXPECT_EQ(out, Bytes{41});
    EXPECT_EQ(unquote(std::string("\"a\0b\"", 5), &out, 5), KIV_OK);
    EXPECT_EQ(out, (Bytes{'a', 0, 'b'}));
    EXPECT_EQ(unquote("41", &out, -1), KIV_OK);
    EXPECT_EQ(out, Bytes{41});

    for (const std::int32_t count : {0, -2, INT_MIN}) {
        KivBuffer_c buffer;
        buffer.resize(4);
        EXPECT_EQ(unquoteBytes("41", &buffer, count), count == 0 ? KIV_OK : KIV_FAIL) << count;
        EXPECT_EQ(buffer.size(), 0);
        EXPECT_EQ(buffer.limit(), 0);
    }
    KivBuffer_c buffer;
    buffer.resize(3);
    EXPECT_EQ(unquoteBytes(nullptr, &buffer, 2), KIV_FAIL);
    EXPECT_EQ(buffer.size(), 3);
    EXPECT_EQ(unquoteBytes("41", nullptr, 2), KIV_FAIL);

    // The text may be the target's own bytes, which resizing would release.
    buffer.resize(6);
    std::memcpy(buffer.data(), "\"ab\"", 4);
    EXPECT_EQ(unquoteBytes(reinterpret_cast<const char *>(buffer.data()), &buffer, 4), KIV_OK);
    EXPECT_EQ(bytesOf(buffer), (Bytes{'a', 'b'}));
}

void expectRoundTrip(const Bytes &input)
{
    KivString_c s;
    ASSERT_EQ(quoteBytes(&s, input.data(), static_cast<std::int32_t>(input.size())), KIV_OK);
    Bytes out;
    EXPECT_EQ(unquote(s.text(), &out), KIV_OK) << s.text();
    EXPECT_EQ(out, input) << s.text();
}

TEST(Codecs, QuotedFormReadsBack)
{
    for (int byte = 0; byte < 256; ++byte) {
        expectRoundTrip(Bytes{static_cast<std::uint8_t>(byte)});
    }
    std::mt19937 random(20240611u);
    for (int round = 0; round < 400; ++round) {
        Bytes input(1 + random() % 48);
        // Half the strings mostly printable, so that quoted runs get long.
        const bool printable = round % 2 == 0;
        for (std::uint8_t &b : input) {
            b = static_cast<std::uint8_t>(printable && random() % 8 != 0 ? 32 + random() % 95
                                                                         : random() % 256);
        }
        expectRoundTrip(input);
    }
}

TEST(Codecs, DecimalDigits)
{
    struct Case
    {
        std::uint32_t n;
        std::int32_t capacity;
        const char *digits; // null: does not fit
    };
    const Case cases[] = {{0, 1, "0"},
                          {7, 0, nullptr},
                          {999, 2, nullptr},
                          {999, 3, "999"},
                          {1000, 3, nullptr},
                          {10, 2, "10"},
                          {4294967295u, 10, "4294967295"},
                          {4294967295u, 9, nullptr}};
    for (const Case &c : cases) {
        char area[128];
        std::memset(area, '#', sizeof area);
        std::int32_t written = 99;
        char *end = decimalDigits(area, c.capacity, c.n, &written);
        if (c.digits == nullptr) {
            EXPECT_EQ(end, nullptr) << c.n;
            EXPECT_EQ(written, 0);
            EXPECT_EQ(area[0], '#');
            continue;
        }
        const auto length = static_cast<std::int32_t>(std::strlen(c.digits));
        EXPECT_EQ(end, area + length) << c.n;
        EXPECT_EQ(written, length);
        EXPECT_STREQ(area, c.digits);
        EXPECT_EQ(area[length + 1], '#') << "wrote past the zero byte";
    }
    char area[4];
    EXPECT_EQ(decimalDigits(area, 3, 5, nullptr), area + 1);
    EXPECT_EQ(decimalDigits(nullptr, 3, 5, nullptr), nullptr);
}

TEST(Codecs, ParseUnsigned)
{
    struct Case
    {
        const char *text;
        std::int32_t count;
        std::uint32_t value;
        KivStatus status;
    };
    const Case cases[] = {{"123", -1, 123, KIV_OK},
                          {"  -+x42y7", -1, 42, KIV_OK},
                          {"4294967295", -1, 4294967295u, KIV_OK},
                          {"4294967296", -1, 0, KIV_OK},
                          {"123", 2, 12, KIV_OK},
                          {"1\0"
                           "2",
                           3, 1, KIV_OK},
                          {"a5", 1, 0, KIV_FAIL},
                          {"abc", -1, 0, KIV_FAIL},
                          {"", -1, 0, KIV_FAIL},
                          {"12", 0, 0, KIV_FAIL},
                          {"12", -2, 0, KIV_FAIL},
                          {nullptr, 3, 0, KIV_FAIL}};
    for (const Case &c : cases) {
        KivStatus status = 0;
        EXPECT_EQ(parseUnsigned(&status, c.count, c.text), c.value) << c.text;
        EXPECT_EQ(status, c.status) << c.text;
    }
    EXPECT_EQ(parseUnsigned(nullptr, -1, "8"), 8u);
}

TEST(Codecs, ParseSigned)
{
    struct Case
    {
        const char *text;
        std::int32_t count;
        std::int32_t value;
        KivStatus status;
    };
    const Case cases[] = {{"-12", -1, -12, KIV_OK},
                          {"--12", -1, -12, KIV_OK},
                          {" 12", -1, 12, KIV_FAIL},
                          {"-a12", -1, 12, KIV_FAIL},
                          {"a-12", -1, -12, KIV_FAIL},
                          {"12abc", -1, 12, KIV_OK},
                          {"abc", -1, 0, KIV_FAIL},
                          {"-", -1, 0, KIV_FAIL},
                          {"-12", 2, -1, KIV_OK},
                          {"-2147483648", -1, INT_MIN, KIV_OK},
                          {"2147483648", -1, INT_MIN, KIV_OK},
                          {"-4294967295", -1, 1, KIV_OK},
                          {"-12", 0, 0, KIV_FAIL},
                          {"-12", -9, 0, KIV_FAIL},
                          {nullptr, -1, 0, KIV_FAIL}};
    for (const Case &c : cases) {
        KivStatus status = 0;
        EXPECT_EQ(parseSigned(c.text, c.count, &status), c.value) << c.text;
        EXPECT_EQ(status, c.status) << c.text;
    }
}

TEST(Codecs, HexEncode)
{
    const std::uint8_t bytes[] = {0x00, 0xAB, 0xFF, 0x1C};
    struct Case
    {
        std::int32_t capacity;
        std::int32_t count;
        KivStatus status;
        const char *out;
    };
    const Case cases[] = {{8, 4, KIV_OK, "00ABFF1C##"},
                          {7, 4, KIV_FAIL, "##########"},
                          {9, 1, KIV_OK, "00########"},
                          {0, 0, KIV_OK, "##########"},
                          {-1, 0, KIV_FAIL, "##########"},
                          {8, -1, KIV_FAIL, "##########"},
                          {INT_MAX, INT_MAX, KIV_FAIL, "##########"}};
    for (const Case &c : cases) {
        char out[11];
        std::memset(out, '#', 10);
        out[10] = 0;
        EXPECT_EQ(hexEncode(c.capacity, c.count, out, bytes), c.status) << c.capacity;
        EXPECT_STREQ(out, c.out) << c.capacity;
    }
    EXPECT_EQ(hexEncode(8, 1, nullptr, bytes), KIV_FAIL);
}

TEST(Codecs, HexDigits)
{
    const std::pair<const char *, int> pairs[] = {{"4G", 64}, {"ff", 255}, {"Fa", 250},
                                                  {"zz", 0},  {"G4", 4},   {"09", 9}};
    for (const auto &[pair, value] : pairs) {
        EXPECT_EQ(hexPairValue(pair), value) << pair;
    }
    EXPECT_EQ(hexPairValue(nullptr), 0);

    for (int byte = 0; byte < 256; ++byte) {
        char out[3] = {'#', '#', '#'};
        char expected[3];
        std::snprintf(expected, sizeof expected, "%02X", byte);
        EXPECT_EQ(byteToHex(out, static_cast<std::uint8_t>(byte)), KIV_OK);
        EXPECT_EQ(std::string(out, 3), std::string(expected, 2) + "#");
        EXPECT_EQ(hexPairValue(out), byte);
    }
    EXPECT_EQ(byteToHex(nullptr, 1), KIV_FAIL);
}

} // namespace
