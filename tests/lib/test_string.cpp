// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string contents(KivString_c &s)
{
    return std::string(s.text(), static_cast<std::size_t>(s.length()));
}

// A string holding `text` verbatim.
struct Text : KivString_c
{
    explicit Text(const char *text, std::int32_t count = -1) { assign(text, count, KIV_NO); }
};

} // namespace

TEST(String, NewStringIsEmptyAndTerminated)
{
    KivString_c s;
    EXPECT_EQ(s.kind, 0);
    EXPECT_EQ(s.length(), 0);
    EXPECT_EQ(s.text()[0], '\0');
    EXPECT_EQ(s.buffer()->size(), 1);
}

TEST(String, AssignVerbatim)
{
    struct Case
    {
        const char *text;
        std::int32_t count, result;
        std::string expected;
    };
    for (const Case &c : {Case{"abc", -1, 3, "abc"}, Case{"abc", 2, 2, "ab"}, Case{"abc", 0, 0, ""},
                          Case{"a\0b", 3, 3, std::string("a\0b", 3)}, Case{"abc", -9, 0, ""}}) {
        Text s("previous text");
        EXPECT_EQ(s.assign(c.text, c.count, KIV_NO), c.result) << c.text;
        EXPECT_EQ(contents(s), c.expected);
        EXPECT_EQ(s.buffer()->size(), s.length() + 1);
        EXPECT_EQ(s.text()[s.length()], '\0');
    }
}

TEST(String, AssignNullFillsWithZeroBytes)
{
    Text s("hello");
    EXPECT_EQ(s.assign(nullptr, 4, KIV_NO), -2);
    EXPECT_EQ(s.length(), 4);
    EXPECT_EQ(contents(s), std::string(4, '\0'));

    // Count -1 leaves the string without storage: it reads as empty.
    EXPECT_EQ(s.assign(nullptr, -1, KIV_NO), -2);
    EXPECT_EQ(s.length(), 0);
    EXPECT_STREQ(s.text(), "");
    EXPECT_EQ(s.assign("back", -1, KIV_NO), 4);
    EXPECT_EQ(contents(s), "back");
}

TEST(String, AssignQuotedUsesTheQuotedForm)
{
    KivString_c s;
    const char bytes[] = {'a', '\n', 1, 'b'};
    EXPECT_EQ(s.assign(bytes, 4, KIV_YES), 11);
    EXPECT_EQ(contents(s), "\"a\\n\"h01\"b\"");
    // Any escape byte other than 253 means quoting.
    EXPECT_EQ(s.assign("x", 1, 0), 3);
    EXPECT_EQ(contents(s), "\"x\"");
    EXPECT_EQ(s.assign("", 0, KIV_YES), -2);
    EXPECT_EQ(s.length(), 0);
}

TEST(String, AssignOwnTextIsSafe)
{
    Text s("abcdef");
    EXPECT_EQ(s.assign(s.text(), -1, KIV_NO), 6);
    EXPECT_EQ(contents(s), "abcdef");
    EXPECT_EQ(s.assign(s.text() + 2, 3, KIV_NO), 3);
    EXPECT_EQ(contents(s), "cde");
    EXPECT_EQ(s.assign(s.text(), 2, KIV_YES), 4);
    EXPECT_EQ(contents(s), "\"cd\"");
}

TEST(String, CopyToReplacesTheTarget)
{
    Text source("hi");
    source.kind = 2;
    Text target("hello");
    EXPECT_EQ(source.copyTo(&target), KIV_OK);
    EXPECT_EQ(contents(target), "hi");
    EXPECT_EQ(target.length(), 2);
    EXPECT_EQ(target.kind, 2);
    EXPECT_EQ(source.copyTo(nullptr), KIV_FAIL);
    KivBuffer_c notAString;
    EXPECT_EQ(source.copyTo(&notAString), KIV_FAIL);

    EXPECT_EQ(source.copyTo(&source), KIV_OK);
    EXPECT_EQ(contents(source), "hi");
}

TEST(String, ObjectCopyToCopiesOnlyKind)
{
    KivObject_c a, b;
    a.kind = 7;
    EXPECT_EQ(a.copyTo(&b), KIV_OK);
    EXPECT_EQ(b.kind, 7);
    EXPECT_EQ(a.copyTo(nullptr), KIV_FAIL);
}

TEST(String, CloneThroughTheBase)
{
    Text source("abc");
    KivObject_c *copy = static_cast<KivObject_c &>(source).create();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(source.copyTo(copy), KIV_OK);
    EXPECT_EQ(contents(*dynamic_cast<KivString_c *>(copy)), "abc");
    delete copy;
}

TEST(String, CompareIgnoresCaseOfAsciiLetters)
{
    struct Case
    {
        const char *self, *other;
        int expected;
    };
    for (const Case &c :
         {Case{"ABC", "abc", 0}, Case{"abc", "abd", 1}, Case{"ab", "abc", 1}, Case{"abc", "ab", -1},
          Case{"", "", 0}, Case{"B", "a", 1}, Case{"a", "B", -1}, Case{"[", "a", 1},
          Case{"\xC3", "a", 1}, Case{"a", "\xC3", -1}, Case{"Yes", "yES", 0}}) {
        Text self(c.self), other(c.other);
        EXPECT_EQ(self.compare(&other), c.expected) << c.self << " vs " << c.other;
    }
}

TEST(String, CompareTextStopsAtZeroAndChecksNull)
{
    Text other("abc");
    EXPECT_EQ(KivString_c::compareText(nullptr, 3, &other), -2);
    EXPECT_EQ(KivString_c::compareText("abc", -1, nullptr), -2);
    EXPECT_EQ(KivString_c::compareText("abcdef", 3, &other), 0);
    Text withZero("a\0c", 3);
    EXPECT_EQ(KivString_c::compareText("a\0x", 3, &withZero), 0);
}

TEST(String, ClearEmpties)
{
    Text s("text");
    s.clear();
    EXPECT_EQ(s.length(), 0);
    EXPECT_STREQ(s.text(), "");
}
