// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Replays recorded time cases: reading texts, writing by patterns and writing
// durations must give the recorded counts, texts and statuses.
#include "core/KivString.h"
#include "time/KivTime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#ifndef KIV_TIME_CASES
#error "KIV_TIME_CASES must name the recorded cases file"
#endif

namespace {

// Bytes from hexadecimal digits; "-" is the empty text.
std::string unhex(const std::string &digits)
{
    std::string bytes;
    if (digits == "-") {
        return bytes;
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::string textOf(KivString_c &s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

TEST(TimeCompare, ReplaysRecordedCases)
{
    std::ifstream file(KIV_TIME_CASES);
    ASSERT_TRUE(file.is_open()) << KIV_TIME_CASES;
    int counts[3] = {0, 0, 0};
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        std::string tag;
        in >> tag;
        if (tag == "P") {
            std::string text;
            std::uint32_t seconds = 0;
            std::int32_t milliseconds = 0;
            int status = 0;
            ASSERT_TRUE(in >> text >> seconds >> milliseconds >> status) << number;
            const std::string bytes = unhex(text);
            KivString_c s;
            s.assign(bytes.data(), static_cast<std::int32_t>(bytes.size()), KIV_NO);
            KivTime_c time;
            time.setSeconds(123, 456);
            EXPECT_EQ(status, time.parse(&s)) << "line " << number;
            EXPECT_EQ(seconds, time.seconds()) << "line " << number;
            EXPECT_EQ(milliseconds, time.milliseconds()) << "line " << number;
            ++counts[0];
        } else if (tag == "F" || tag == "D") {
            std::uint32_t seconds = 0;
            std::string pattern = "-", output;
            int status = 0;
            ASSERT_TRUE(in >> seconds) << number;
            if (tag == "F") {
                ASSERT_TRUE(in >> pattern) << number;
            }
            ASSERT_TRUE(in >> status >> output) << number;
            KivTime_c time;
            time.setSeconds(seconds, 0);
            KivString_c out;
            out.assign("previous", -1, KIV_NO);
            const KivStatus result =
                tag == "F" ? time.format(&out, unhex(pattern).c_str()) : time.formatDuration(&out);
            EXPECT_EQ(status, result) << "line " << number;
            EXPECT_EQ(unhex(output), textOf(out)) << "line " << number;
            ++counts[tag == "F" ? 1 : 2];
        } else {
            ADD_FAILURE() << "line " << number << ": unknown tag " << tag;
        }
    }
    // A truncated file must not pass unnoticed.
    EXPECT_GT(counts[0], 1000);
    EXPECT_GT(counts[1], 1000);
    EXPECT_GT(counts[2], 100);
}

} // namespace
