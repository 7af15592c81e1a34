// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivString.h"
#include "time/KivTime.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
std::string textOf(KivString_c &s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

std::string formatted(std::uint32_t seconds, const std::string &pattern,
                      KivStatus expected = KIV_OK)
{
    KivTime_c time;
    time.setSeconds(seconds, 0);
    KivString_c out;
    out.assign("old", -1, KIV_NO);
    EXPECT_EQ(expected, time.format(&out, pattern.c_str())) << pattern;
    return textOf(out);
}

TEST(KivTime, ParsesPiecesFromTheRight)
{
    struct Case
    {
        std::string text;
        std::uint32_t seconds;
        std::int32_t milliseconds;
    };
    const Case cases[] = {
        {"01:02:05", 3725, 0},
        {"1:30", 90, 0},
        {"45", 45, 0},
        {"", 0, 0},
        {"abc", 0, 0},
        {"1:2:3:4", 7384, 0},
        {"1:2:", 62, 0},
        {":30", 30, 0},
        {"-1:00", 60, 0},
        {" 1 : 2 : 3 ", 3723, 0},
        {"00:00:00", 0, 0},
        {"2:00:00.250", 7200, 250},
        {"1.5:30", 1, 5},
        {".5", 5, 0},
        {"10.", 10, 0},
        {".5:30", 330, 0},
        {"1:2:3.4.5", 3723, 4},
        {"::", 0, 0},
        {"12ab34:x9y8", 729, 0},
        {"4294967296", 0, 0},
        {"1193047:0:0", 1904, 0},
        {"0.4294967295", 0, -1},
        {std::string("1\0002:3", 5), 63, 0},
        {std::string("7\0.8", 4), 7, 8},
    };
    for (const Case &c : cases) {
        KivString_c text;
        text.assign(c.text.data(), static_cast<std::int32_t>(c.text.size()), KIV_NO);
        KivTime_c time;
        time.setSeconds(99, 99);
        EXPECT_EQ(KIV_OK, time.parse(&text)) << c.text;
        EXPECT_EQ(c.seconds, time.seconds()) << c.text;
        EXPECT_EQ(c.milliseconds, time.milliseconds()) << c.text;
    }
    KivTime_c time;
    time.setSeconds(5, 6);
    EXPECT_EQ(KIV_FAIL, time.parse(nullptr));
    EXPECT_EQ(0u, time.seconds());
    EXPECT_EQ(0, time.milliseconds());
}

TEST(KivTime, BreaksDownIntoCalendarFields)
{
    struct Case
    {
        std::uint32_t seconds;
        std::int32_t milliseconds;
        KivTimeFields_c f;
    };
    const Case cases[] = {
        {0, 0, {1970, 0, 0, 0, 0, 0, 0}},
        {951782400, 0, {2000, 1, 28, 0, 0, 0, 0}},
        {1700000000, 7, {2023, 10, 13, 22, 13, 20, 7}},
        {4107456000u, 0, {2100, 1, 27, 0, 0, 0, 0}},
        {4107542400u, 0, {2100, 2, 0, 0, 0, 0, 0}},
        {4291747199u, 0, {2105, 11, 30, 23, 59, 59, 0}},
        {4291747200u, 65537, {2106, 0, 0, 0, 0, 0, 1}},
        {4294967295u, -1, {2106, 1, 6, 6, 28, 15, -1}},
        {86399, 0x18000, {1970, 0, 0, 23, 59, 59, -32768}},
    };
    for (const Case &c : cases) {
        KivTime_c time;
        time.setSeconds(c.seconds, c.milliseconds);
        KivTimeFields_c f;
        ASSERT_EQ(KIV_OK, time.breakDown(&f)) << c.seconds;
        const auto all = [](const KivTimeFields_c &t) {
            return std::vector<int>{t.year,   t.month,  t.day,        t.hour,
                                    t.minute, t.second, t.millisecond};
        };
        EXPECT_EQ(all(c.f), all(f)) << c.seconds;
    }
    EXPECT_EQ(KIV_FAIL, KivTime_c().breakDown(nullptr));
}

TEST(KivTime, FormatsByPattern)
{
    const std::string a252(252, 'a'), a253(253, 'a'), a254(254, 'a'), a256(256, 'a');
    struct Case
    {
        std::uint32_t seconds;
        std::string pattern, expected;
    };
    const Case cases[] = {
        {0, "H:i:s", "00:00:00"},
        {86399, "H:i:s", "23:59:59"},
        {86400, "H:i:s", "00:00:00"},
        {90000, "H:i:s", "01:00:00"},
        {3725, "H:i:s", "01:02:05"},
        {131072, "H:i:s", "12:24:32"},
        {3725, "Y-m-d", "1970-01-01"},
        {0, "d.m.Y", "01.01.1970"},
        {951782400, "d.m.Y", "29.02.2000"},
        {4107456000u, "d.m.Y", "28.02.2100"},
        {4107542400u, "d.m.Y", "01.03.2100"},
        {4294967295u, "Y-m-d H:i:s", "2106-02-07 06:28:15"},
        {3725, "", ""},
        {3725, "hISDMy", "hISDMy"},
        {3725, "\\H\\i", "Hi"},
        {3725, "H\\", "01"},
        // Backslashes and '%' that reach the template keep the formatter's meaning.
        {3725, "\\\\n", "\n"},
        {3725, "\\\\%", "%"},
        {3725, "a\\\\qb", "ab"},
        {3725, "a\\\\", "a"},
        {3725, "\\\\x41", "A"},
        {3725, "\\\\x4", "@"},
        {3725, "\\\\H", "%02d"},
        {3725, "H%sd", "0102d01"},
        {3725, "a%b", "a"},
        {3725, "%uH", "100"},
        {3725, "%XY", "07B20000"},
        {3725, "%XH\\\\x", "0100"},
        {3725, "%4pH",
         std::string("\0\0\0\1"
                     "00",
                     6)},
        {3725, "%.3fYH", "1970.000000100"},
        {3725, "%f%.0f%.12fHis", "1.002.05.000000000000000"},
        {3725, "%.40000fH", "1.00000000000"},
        {3725, "%\\sY", "19700000"},
        {3725, "%5\\ds%-5\\dH", "    5015d00"},
        {3725, "%4294967299\\dH%4294967295\\dH", "  10100"},
        {3725, "%1.2.\\dH", "d00"},
        {3725, "%3qH", "00"},
        // The template holds 256 characters.
        {3725, a256 + "xyz", a256},
        {3725, a252 + "H", a252 + "01"},
        {3725, a253 + "H", a253},
        {3725, a254 + "H", a254},
        {3725, "%u" + a254 + "s", "5" + a254},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, formatted(c.seconds, c.pattern)) << c.pattern;
    }
    // A conversion with no argument left renders as its padding.
    EXPECT_EQ("   ", formatted(0, "%3u"));
    EXPECT_EQ(std::string("\0\0", 2), formatted(0, "%2p"));
    EXPECT_EQ("   ", formatted(0, "%3q"));
    // Output too long for a string fails and empties it.
    EXPECT_EQ("", formatted(3725, "%2147483647\\dH", KIV_FAIL));
    EXPECT_EQ(KIV_FAIL, KivTime_c().format(nullptr, "H"));
}

TEST(KivTime, FormatsDurations)
{
    const std::pair<std::uint32_t, std::string> cases[] = {
        {0, "00:00:00"},      {3599, "00:59:59"},    {131072, "36:24:32"},
        {144000, "40:00:00"}, {360000, "100:00:00"}, {4294967295u, "1193046:28:15"},
    };
    for (const auto &[seconds, expected] : cases) {
        KivTime_c time;
        time.setSeconds(seconds, 999);
        KivString_c out;
        out.assign("old text", -1, KIV_NO);
        EXPECT_EQ(KIV_OK, time.formatDuration(&out));
        EXPECT_EQ(expected, textOf(out));
    }
    EXPECT_EQ(KIV_FAIL, KivTime_c().formatDuration(nullptr));
}

// A failed allocation anywhere on the way gives 254 with an empty result (or
// a zero time), unless it is recovered from; then the result comes out whole.
TEST(KivTime, ExhaustedMemoryFailsCleanly)
{
    KivTime_c time;
    time.setSeconds(131072, 0);
    const std::string parsed = "12:34:56.789";
    for (int operation = 0; operation < 3; ++operation) {
        int failures = 0;
        for (int n = 0;; ++n) {
            KivString_c out;
            out.assign(operation == 2 ? parsed.c_str() : "old", -1, KIV_NO);
            KivTime_c read;
            read.setSeconds(1, 1);
            KivAllocHook::failAt(n + 1);
            const KivStatus status = operation == 0   ? time.format(&out, "H:i:s")
                                     : operation == 1 ? time.formatDuration(&out)
                                                      : read.parse(&out);
            KivAllocHook::disarm();
            if (status != KIV_OK) {
                ++failures;
                EXPECT_EQ(KIV_FAIL, status) << operation << " " << n;
                if (operation == 2) {
                    EXPECT_EQ(0u, read.seconds()) << n;
                    EXPECT_EQ(0, read.milliseconds()) << n;
                } else {
                    EXPECT_EQ("", textOf(out)) << operation << " " << n;
                }
            } else if (operation == 2) {
                EXPECT_EQ(45296u, read.seconds()) << n;
                EXPECT_EQ(789, read.milliseconds()) << n;
            } else {
                EXPECT_EQ(operation == 1 ? "36:24:32" : "12:24:32", textOf(out)) << n;
            }
            if (KivAllocHook::allocations() <= n) {
                EXPECT_EQ(KIV_OK, status) << operation;
                break;
            }
        }
        EXPECT_GT(failures, 2) << operation;
    }
}

} // namespace
