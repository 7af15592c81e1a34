// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivString.h"
#include "values/KivConversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Text : KivString_c
{
    explicit Text(const char *text, std::int32_t count = -1) { assign(text, count, KIV_NO); }
};

// formatFixedSigned into a large area; checks the count and the returned end.
std::string fixed(double x, std::uint16_t precision)
{
    char out[KIV_FIXED_TEXT_CAPACITY];
    std::int32_t count = -1;
    char *end = formatFixedSigned(x, sizeof out, out, &count, precision);
    if (end == nullptr) {
        return "<null>";
    }
    EXPECT_EQ(end - out, count);
    EXPECT_EQ(*end, '\0');
    return std::string(out, static_cast<std::size_t>(count));
}

} // namespace

TEST(Conversions, BoolFromText)
{
    struct Case
    {
        const char *text;
        std::int32_t pair;
        std::int8_t expected;
    };
    for (const Case &c :
         {Case{"TRUE", 5, KIV_YES}, Case{"Off", 5, KIV_NO}, Case{"1", 5, KIV_YES},
          Case{"Enabled", 5, KIV_YES}, Case{"dIsAbLeD", 5, KIV_NO}, Case{"No", 5, KIV_NO},
          Case{"0", 5, KIV_NO}, Case{"2", 5, KIV_FAIL}, Case{"", 5, KIV_FAIL},
          Case{"truee", 5, KIV_FAIL}, Case{"yes ", 5, KIV_FAIL}, Case{"y", 5, KIV_FAIL},
          Case{"on", 1, KIV_YES}, Case{"on", 0, KIV_FAIL}, Case{"false", 0, KIV_NO},
          Case{"false", 4, KIV_FAIL}, Case{"yes", 6, KIV_FAIL}, Case{"yes", -1, KIV_FAIL}}) {
        Text t(c.text);
        EXPECT_EQ(boolFromText(&t, c.pair), c.expected) << c.text << " pair " << c.pair;
    }
    Text withZero("1\0", 2);
    EXPECT_EQ(boolFromText(&withZero, 5), KIV_FAIL);
    EXPECT_EQ(boolFromText(nullptr, 5), KIV_FAIL);
}

TEST(Conversions, BoolToText)
{
    for (std::int8_t flag : {KIV_YES, KIV_NO, std::int8_t{0}, std::int8_t{1}}) {
        Text t("previous");
        EXPECT_EQ(boolToText(&t, flag), KIV_OK);
        EXPECT_STREQ(t.text(), flag == KIV_YES ? "true" : "false");
    }
    EXPECT_EQ(boolToText(nullptr, KIV_YES), KIV_FAIL);
}

TEST(Conversions, FormatFixed)
{
    struct Case
    {
        double x;
        std::uint16_t precision;
        const char *expected;
    };
    for (const Case &c : {
             Case{3.14159, 2, "3.14"},
             Case{2.5, 2, "2.50"},
             Case{0.999, 2, "1.00"},
             Case{0.096, 2, "0.10"},
             Case{0.0096, 2, "0.01"},
             Case{0.004, 2, "0.00"},
             Case{0.05, 2, "0.05"},
             Case{7, 2, "7.00"},
             Case{2.675, 2, "2.67"},
             Case{0.0996, 3, "0.100"},
             Case{7, 0, "7.0"},
             Case{0.05, 0, "0.1"},
             Case{0.96, 0, "1.0"},
             Case{3.14159, 12, "3.141590000"},
             Case{3.14159, 32768, "3.141590000"},
             Case{0.5, 65535, "0.500000000"},
             Case{0.9999999999, 9, "1.000000000"},
             Case{0, 9, "0.000000000"},
             Case{-0.5, 2, "-0.50"},
             Case{-3.14159, 4, "-3.1416"},
             Case{-0.0, 2, "0.00"},
             // Whole parts are exact at any size; infinity is "inf", NaN is 0.
             Case{4294967294.999, 2, "4294967295.00"},
             Case{4294967295.0, 2, "4294967295.00"},
             Case{4294967295.5, 2, "4294967295.50"},
             Case{4294967295.25, 1, "4294967295.3"},
             Case{4294967295.999, 2, "4294967296.00"},
             Case{9999999999.9999, 3, "10000000000.000"},
             Case{1e10, 2, "10000000000.00"},
             Case{4503599627370495.5, 1, "4503599627370495.5"},
             Case{1e20, 2, "100000000000000000000.00"},
             Case{-0x1p64, 0, "-18446744073709551616.0"},
             Case{1e23, 0, "99999999999999991611392.0"},
             Case{kInf, 1, "inf"},
             Case{-kInf, 1, "-inf"},
             Case{kNaN, 2, "0.00"},
             Case{-kNaN, 2, "0.00"},
         }) {
        EXPECT_EQ(fixed(c.x, c.precision), c.expected) << c.x << " precision " << c.precision;
    }

    // The whole part of any double is snprintf's; the longest fits the
    // documented capacity.
    for (double x : {0x1p53, 0x1p63 + 0x1p11, 1e25, 0x1.fffffffffffffp1023, 123456789e250}) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", x);
        EXPECT_EQ(fixed(x, 2), expected);
    }
    char longest[KIV_FIXED_TEXT_CAPACITY];
    std::int32_t count = 0;
    ASSERT_NE(formatFixedSigned(-0x1.fffffffffffffp1023, sizeof longest, longest, &count, 9),
              nullptr);
    EXPECT_EQ(count, KIV_FIXED_TEXT_CAPACITY - 1);

    // Unsigned formatFixed reads a negative number as 0.
    char out[16];
    EXPECT_NE(formatFixed(out, sizeof out, 2, -3.5, nullptr), nullptr);
    EXPECT_STREQ(out, "0.00");
}

TEST(Conversions, FormatFixedCapacity)
{
    // Each text fits in exactly length + 1 bytes; with one byte less the
    // result is null and nothing is written beyond the area.
    struct Case
    {
        double x;
        std::uint16_t precision;
    };
    for (const Case &c :
         {Case{3.14159, 2}, Case{0.0096, 2}, Case{0.05, 3}, Case{7, 4}, Case{-0.5, 2},
          Case{4294967295.0, 9}, Case{0.999, 2}, Case{-1e25, 1}, Case{kInf, 2}}) {
        const std::string expected = fixed(c.x, c.precision);
        const auto length = static_cast<std::int32_t>(expected.size());
        for (std::int32_t capacity = 0; capacity <= length + 1; ++capacity) {
            char out[40];
            std::memset(out, '#', sizeof out);
            std::int32_t count = -1;
            char *end = formatFixedSigned(c.x, capacity, out, &count, c.precision);
            EXPECT_EQ(out[capacity], '#') << expected << " capacity " << capacity;
            if (capacity > length) {
                ASSERT_NE(end, nullptr);
                EXPECT_EQ(std::string(out, static_cast<std::size_t>(count)), expected);
            } else {
                EXPECT_EQ(end, nullptr) << expected << " capacity " << capacity;
            }
        }
    }
    EXPECT_EQ(formatFixed(nullptr, 10, 2, 1.0, nullptr), nullptr);
    EXPECT_EQ(formatFixedSigned(-1.0, 10, nullptr, nullptr, 2), nullptr);
}

TEST(Conversions, ParseDecimal)
{
    // 148 digits: the whole text of a double that reading digit by digit in
    // double arithmetic got wrong in its last places.
    static const char LONG_WHOLE[] =
        "-57776882335553092176760243873688401166455842006848118816170672624838738329081716409745"
        "58178148519719886629050300853515506706931929767073649788977152";
    const std::string BEYOND_DOUBLES = "1" + std::string(329, '0') + ".5";
    const std::string LEADING_ZEROS = std::string(330, '0') + "7.25";
    struct Case
    {
        const char *text;
        std::int32_t length;
        double expected;
        KivStatus status;
    };
    for (const Case &c : {
             Case{"-12.75", -1, -12.75, KIV_OK},
             Case{"12,5", -1, 12, KIV_OK},
             Case{"abc", -1, 0, KIV_FAIL},
             Case{"", -1, 0, KIV_FAIL},
             Case{"x-5", -1, -5, KIV_OK},
             Case{"-x5", -1, 5, KIV_OK},
             Case{"- 5", -1, 5, KIV_OK},
             Case{".5", -1, 5, KIV_OK},
             Case{"1.2.3", -1, 1.2, KIV_OK},
             Case{"12.", -1, 12, KIV_OK},
             Case{"0.125", -1, 0.125, KIV_OK},
             Case{"123", 2, 12, KIV_OK},
             Case{"12.75", 4, 12.7, KIV_OK},
             Case{"abc5", 3, 0, KIV_FAIL},
             Case{"5", -7, 0, KIV_FAIL},
             Case{"12345678901.5", -1, 12345678901.5, KIV_OK},
             Case{"4294967296", -1, 4294967296.0, KIV_OK},
             // Long whole parts read as strtod reads them, to the last bit.
             Case{"12345678901234567891", -1, 12345678901234567891.0, KIV_OK},
             Case{LONG_WHOLE, -1, -5.777688233555309e+147, KIV_OK},
             Case{LONG_WHOLE + 1, 30, 577768823355530921767602438736.0, KIV_OK},
             Case{BEYOND_DOUBLES.c_str(), -1, HUGE_VAL, KIV_OK},
             Case{LEADING_ZEROS.c_str(), -1, 7.25, KIV_OK},
         }) {
        KivStatus status = 0;
        EXPECT_EQ(parseDecimal(c.text, c.length, &status), c.expected) << c.text;
        EXPECT_EQ(status, c.status) << c.text;
    }
    KivStatus status = 0;
    EXPECT_EQ(parseDecimal(nullptr, -1, &status), 0.0);
    EXPECT_EQ(status, KIV_FAIL);
    EXPECT_EQ(parseDecimal("7", -1, nullptr), 7.0);
}

TEST(Conversions, Rounding)
{
    struct Case
    {
        double x, up, truncated, nearest;
    };
    for (const Case &c : {
             Case{2.1, 3, 2, 2},
             Case{2.0, 2, 2, 2},
             Case{-2.9, -2, -2, -3},
             Case{2.5, 3, 2, 3},
             Case{2.4999, 3, 2, 2},
             Case{-2.5, -2, -2, -3},
             Case{0.49999999999999994, 1, 0, 0},
             Case{4294967294.5, 4294967295.0, 4294967294.0, 4294967295.0},
             // Beyond 32 bits the results are still the rounded numbers.
             Case{4294967295.5, 4294967296.0, 4294967295.0, 4294967296.0},
             Case{-4294967295.5, -4294967295.0, -4294967295.0, -4294967296.0},
             Case{1e10, 1e10, 1e10, 1e10},
             Case{4503599627370495.5, 4503599627370496.0, 4503599627370495.0, 4503599627370496.0},
             Case{-4503599627370495.5, -4503599627370495.0, -4503599627370495.0,
                  -4503599627370496.0},
             Case{-1e300, -1e300, -1e300, -1e300},
             Case{kInf, kInf, kInf, kInf},
             Case{-kInf, -kInf, -kInf, -kInf},
         }) {
        EXPECT_EQ(roundUp(c.x), c.up) << c.x;
        EXPECT_EQ(roundTruncate(c.x), c.truncated) << c.x;
        EXPECT_EQ(roundNearest(c.x), c.nearest) << c.x;
    }
    // Nearest agrees with the C library's round, sign of zero included.
    for (int k = -4096; k <= 4096; ++k) {
        for (const double x : {k / 8.0, k / 8.0 + 1e-9, k * 1234567.891, std::ldexp(k, 40) + 0.5}) {
            EXPECT_EQ(roundNearest(x), std::round(x)) << x;
            EXPECT_EQ(std::signbit(roundNearest(x)), std::signbit(std::round(x))) << x;
        }
    }
    for (double (*round)(double) : {roundUp, roundTruncate, roundNearest}) {
        EXPECT_EQ(round(0.0), 0.0);
        EXPECT_TRUE(std::signbit(round(-0.0)));
        EXPECT_TRUE(std::isnan(round(kNaN)));
    }
}
