// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "core/KivString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Checks the cursor invariants that every buffer operation must keep.
void expectInvariants(const KivBuffer_c &b)
{
    EXPECT_GE(b.position(), 0);
    EXPECT_LE(b.position(), b.limit());
    EXPECT_LE(b.limit(), b.size());
    if (b.data() != nullptr) {
        EXPECT_EQ(b.cursor(), b.data() + b.position());
    } else {
        EXPECT_EQ(b.size(), 0);
    }
}

std::string bytesOf(const KivBuffer_c &b, std::int32_t n)
{
    return std::string(reinterpret_cast<const char *>(b.data()), static_cast<std::size_t>(n));
}

void fill(KivBuffer_c &b, const char *text)
{
    const auto n = static_cast<std::int32_t>(std::strlen(text));
    ASSERT_EQ(b.resize(n), KIV_OK);
    ASSERT_EQ(b.copyIn(text, n), n);
}

} // namespace

TEST(Buffer, NewBufferIsEmptyAndOwning)
{
    KivBuffer_c b;
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.size(), 0);
    EXPECT_EQ(b.data(), nullptr);
    EXPECT_EQ(b.cursor(), nullptr);
    EXPECT_EQ(b.ownsData(), KIV_YES);
    expectInvariants(b);
}

TEST(Buffer, ResizeKeepsLeadingBytesAndTerminates)
{
    KivBuffer_c b;
    fill(b, "abcdef");
    ASSERT_EQ(b.seek(3), KIV_OK);
    ASSERT_EQ(b.resize(6), KIV_OK); // same size: rewinds to the whole size
    EXPECT_EQ(b.position(), 0);
    EXPECT_EQ(b.limit(), 6);
    EXPECT_EQ(bytesOf(b, 6), "abcdef");

    ASSERT_EQ(b.resize(3), KIV_OK);
    EXPECT_EQ(bytesOf(b, 4), std::string("abc\0", 4));
    ASSERT_EQ(b.resize(8), KIV_OK);
    EXPECT_EQ(bytesOf(b, 3), "abc");
    EXPECT_EQ(b.data()[8], 0);
    expectInvariants(b);

    for (std::int32_t n : {0, -5}) {
        fill(b, "xy");
        ASSERT_EQ(b.resize(n), KIV_OK);
        EXPECT_EQ(b.data(), nullptr);
        EXPECT_EQ(b.size(), 0);
        expectInvariants(b);
    }
}

TEST(Buffer, SeekClampsAndReports)
{
    KivBuffer_c b;
    EXPECT_EQ(b.seek(0), KIV_FAIL); // no storage
    EXPECT_EQ(b.cursor(), nullptr);
    fill(b, "0123456789");
    b.rewind(6);
    struct Case
    {
        std::int32_t to, position;
        KivStatus status;
    };
    for (const Case c : {Case{-1, 0, KIV_FAIL}, Case{7, 6, KIV_FAIL}, Case{4, 4, KIV_OK},
                         Case{6, 6, KIV_OK}, Case{0, 0, KIV_OK}}) {
        EXPECT_EQ(b.seek(c.to), c.status) << c.to;
        EXPECT_EQ(b.position(), c.position) << c.to;
        EXPECT_EQ(b.limit(), 6) << "the limit stays where it was";
        expectInvariants(b);
    }
}

TEST(Buffer, RewindKeepsOrCutsTheLimit)
{
    KivBuffer_c b;
    fill(b, "hello");
    b.rewind(3);
    b.seek(2);
    EXPECT_EQ(b.rewind(-1), 3);
    EXPECT_EQ(b.position(), 0);
    EXPECT_EQ(b.rewind(b.size() + 5), 5);
    EXPECT_EQ(b.rewind(-7), 0); // any other negative limit reads as empty
    expectInvariants(b);
}

TEST(Buffer, StepsRefuseAtTheEnds)
{
    KivBuffer_c b;
    EXPECT_EQ(b.stepForward(), KIV_FAIL);
    EXPECT_EQ(b.stepBack(), KIV_FAIL);
    fill(b, "ab");
    EXPECT_EQ(b.stepBack(), KIV_FAIL);
    EXPECT_EQ(b.stepForward(), KIV_OK);
    EXPECT_EQ(b.stepForward(), KIV_OK);
    EXPECT_EQ(b.stepForward(), KIV_FAIL);
    EXPECT_EQ(b.position(), 2);
    EXPECT_EQ(b.stepBack(), KIV_OK);
    EXPECT_EQ(b.position(), 1);
    expectInvariants(b);
}

TEST(Buffer, ReadAndWriteStopAtTheLimit)
{
    KivBuffer_c b;
    fill(b, "..........");
    b.rewind(6);
    b.seek(2);
    EXPECT_EQ(b.write("0123456789", 10), 4);
    EXPECT_EQ(b.position(), 6);
    EXPECT_EQ(bytesOf(b, 10), "..0123....");
    EXPECT_EQ(b.write("x", 1), 0);
    EXPECT_EQ(b.write(nullptr, 1), 0);

    b.seek(1);
    char out[16] = {};
    EXPECT_EQ(b.read(out, 100), 5);
    EXPECT_STREQ(out, ".0123");
    EXPECT_EQ(b.read(out, 1), 0);
    EXPECT_EQ(b.read(nullptr, 1), 0);
    EXPECT_EQ(b.read(out, -1), 0);
    expectInvariants(b);

    KivBuffer_c empty;
    EXPECT_EQ(empty.read(out, 1), 0);
    EXPECT_EQ(empty.write("a", 1), 0);
}

TEST(Buffer, SeekDotFindsTheNextPoint)
{
    struct Case
    {
        const char *text;
        std::int32_t from, limit, expected, positionAfter;
    };
    for (const Case c :
         {Case{"12:30:15.5", 0, 10, 8, 8}, Case{"12:30:15", 3, 8, -2, 3}, Case{"1.2.3", 2, 5, 3, 3},
          Case{"1.2.3", 0, 1, -2, 0}, Case{".5", 0, 2, 0, 0}}) {
        KivBuffer_c b;
        fill(b, c.text);
        b.rewind(c.limit);
        b.seek(c.from);
        EXPECT_EQ(b.seekDot(), c.expected) << c.text;
        EXPECT_EQ(b.position(), c.positionAfter) << c.text;
        expectInvariants(b);
    }
    KivBuffer_c empty;
    EXPECT_EQ(empty.seekDot(), -2);
}

TEST(Buffer, AttachViewsForeignBytesWithoutOwningThem)
{
    char text[] = "foreign";
    {
        KivBuffer_c b;
        b.attach(text, 7);
        EXPECT_EQ(b.ownsData(), KIV_NO);
        EXPECT_EQ(b.size(), 7);
        EXPECT_EQ(b.remaining(), 7);
        char other[] = "x";
        b.attach(other, 1); // already has storage: no change
        EXPECT_EQ(b.data(), reinterpret_cast<std::uint8_t *>(text));
        b.clear();
        EXPECT_EQ(b.data(), nullptr);
        b.attach(text, 7);
    } // destruction must not release the foreign bytes (ASan would report it)
    EXPECT_STREQ(text, "foreign");

    KivBuffer_c b;
    b.attach(nullptr, 5);
    EXPECT_EQ(b.size(), 0);
    EXPECT_EQ(b.data(), nullptr);

    // Resizing a view copies into storage of its own.
    b.attach(text, 4);
    ASSERT_EQ(b.resize(6), KIV_OK);
    EXPECT_EQ(b.ownsData(), KIV_YES);
    EXPECT_EQ(bytesOf(b, 4), "fore");
    EXPECT_NE(b.data(), reinterpret_cast<std::uint8_t *>(text));
}

TEST(Buffer, CopyInNeverGrows)
{
    KivBuffer_c b;
    EXPECT_EQ(b.copyIn("abc", 3), 0);
    fill(b, "xxxx");
    EXPECT_EQ(b.copyIn("abcdef", 6), 4);
    EXPECT_EQ(b.limit(), 4);
    EXPECT_EQ(b.copyIn("z", 1), 1);
    EXPECT_EQ(b.limit(), 1);
    EXPECT_EQ(bytesOf(b, 4), "zbcd");
    EXPECT_EQ(b.copyIn(nullptr, 2), 0);
    EXPECT_EQ(b.copyIn("q", -3), 0);
    expectInvariants(b);
}

TEST(Buffer, PadFrontPrependsFill)
{
    KivBuffer_c b;
    fill(b, "7");
    EXPECT_EQ(b.padFront(3, ' '), KIV_OK);
    EXPECT_EQ(b.size(), 4);
    EXPECT_EQ(bytesOf(b, 5), std::string("   7\0", 5));
    EXPECT_EQ(b.limit(), 4);
    EXPECT_EQ(b.padFront(0, 'x'), KIV_FAIL);
    EXPECT_EQ(b.padFront(-1, 'x'), KIV_FAIL);
    EXPECT_EQ(b.size(), 4);

    KivBuffer_c empty;
    EXPECT_EQ(empty.padFront(2, 0), KIV_OK);
    EXPECT_EQ(bytesOf(empty, 2), std::string("\0\0", 2));
}

TEST(Buffer, CopyToCopiesBelowTheLimitFromTheStart)
{
    KivBuffer_c source;
    fill(source, "abcdef");
    source.kind = 3;
    source.rewind(4);
    source.seek(2);
    KivBuffer_c target;
    fill(target, "zzzzzzzzzz");
    ASSERT_EQ(source.copyTo(&target), KIV_OK);
    EXPECT_EQ(target.kind, 3);
    EXPECT_EQ(target.size(), 4);
    EXPECT_EQ(target.limit(), 4);
    EXPECT_EQ(bytesOf(target, 5), std::string("abcd\0", 5));

    source.rewind(0);
    ASSERT_EQ(source.copyTo(&target), KIV_OK);
    EXPECT_EQ(target.size(), 0);

    EXPECT_EQ(source.copyTo(nullptr), KIV_FAIL);
    KivString_c notABuffer;
    EXPECT_EQ(source.copyTo(&notABuffer), KIV_FAIL);
}

TEST(Buffer, CopyOntoItselfKeepsTheBytes)
{
    KivBuffer_c b;
    fill(b, "keep");
    EXPECT_EQ(b.copyTo(&b), KIV_OK);
    EXPECT_EQ(b.size(), 4);
    EXPECT_EQ(bytesOf(b, 4), "keep");
}

TEST(Buffer, CreateCloneThroughTheBase)
{
    KivBuffer_c source;
    fill(source, "clone");
    KivObject_c *base = &source;
    KivObject_c *copy = base->create();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(base->copyTo(copy), KIV_OK);
    auto *buffer = dynamic_cast<KivBuffer_c *>(copy);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(bytesOf(*buffer, 5), "clone");
    delete copy;
}

TEST(Buffer, ClearLeavesNoCursorIntoReleasedStorage)
{
    // Without a rewind after clear, the reader, the writer and copyTo must
    // find an empty buffer rather than the released bytes.
    KivBuffer_c b;
    fill(b, "released");
    ASSERT_EQ(b.seek(3), KIV_OK);
    b.clear();
    expectInvariants(b);
    EXPECT_EQ(b.cursor(), nullptr);
    EXPECT_EQ(b.limit(), 0);
    char out[8] = {};
    EXPECT_EQ(b.read(out, 5), 0);
    EXPECT_EQ(b.write("abc", 3), 0);
    EXPECT_EQ(b.stepForward(), KIV_FAIL);
    EXPECT_EQ(b.stepBack(), KIV_FAIL);
    EXPECT_EQ(b.seekDot(), KIV_BAD_COUNT);
    KivBuffer_c copy;
    EXPECT_EQ(b.copyTo(&copy), KIV_OK);
    EXPECT_EQ(copy.size(), 0);
}
