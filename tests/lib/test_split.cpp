// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"
#include "values/KivList.h"

#include "KivAllocHook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void fill(KivBuffer_c &b, const char *text)
{
    const auto n = static_cast<std::int32_t>(std::strlen(text));
    ASSERT_EQ(b.resize(n), KIV_OK);
    ASSERT_EQ(b.copyIn(text, n), n);
}

// The pieces from first to last, checking the list's links, that the last
// piece is current, and that every piece is rewound over exactly its bytes.
std::vector<std::string> piecesOf(const KivList_c &list)
{
    std::vector<std::string> pieces;
    const KivNode_c *previous = nullptr;
    for (const KivNode_c *node = list.first(); node != nullptr; node = node->next) {
        EXPECT_EQ(node->prev, previous);
        previous = node;
        auto *piece = dynamic_cast<const KivBuffer_c *>(node->payload);
        if (piece == nullptr) {
            ADD_FAILURE() << "payload is not a buffer";
            continue;
        }
        EXPECT_EQ(piece->position(), 0);
        EXPECT_EQ(piece->limit(), piece->size());
        EXPECT_EQ(piece->ownsData(), KIV_YES);
        if (piece->size() == 0) {
            EXPECT_EQ(piece->data(), nullptr);
            pieces.emplace_back();
        } else {
            EXPECT_EQ(piece->data()[piece->size()], 0);
            pieces.emplace_back(reinterpret_cast<const char *>(piece->data()),
                                static_cast<std::size_t>(piece->size()));
        }
    }
    EXPECT_EQ(list.last(), previous);
    EXPECT_EQ(list.current(), list.last());
    EXPECT_EQ(static_cast<std::size_t>(list.count()), pieces.size());
    return pieces;
}

} // namespace

TEST(Split, CutsTheScannedRangeAtEveryColon)
{
    struct Case
    {
        const char *text;
        std::int32_t from, limit, maxCount, result;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"10:20:30", 0, 8, 0, 3, {"10", "20", "30"}},
        {"10:20:", 0, 6, 0, 2, {"10", "20"}},
        {":5", 0, 2, 0, 2, {"", "5"}},
        {"::", 0, 2, 0, 2, {"", ""}},
        {":", 0, 1, 0, 1, {""}},
        {"a::b", 0, 4, 0, 3, {"a", "", "b"}},
        {"abc", 0, 3, 0, 1, {"abc"}},
        {"", 0, 0, 0, 0, {}},
        {"1:2:3", 0, 5, 3, 2, {"1", "2"}},
        {"1:2:3", 0, 5, 2, 1, {"1"}},
        {"1:2:3", 0, 5, 1, 1, {"1"}},
        {"1:2:3", 0, 5, 5, 3, {"1", "2", "3"}},
        {"1:2:3", 0, 5, 6, 3, {"1", "2", "3"}},
        {"1:2:3", 0, 5, -2, 3, {"1", "2", "3"}},
        {"10:20:30", 3, 8, 0, 2, {"20", "30"}},
        {"10:20:30", 2, 8, 0, 3, {"", "20", "30"}},
        {"10:20:30", 0, 5, 0, 2, {"10", "20"}},
        {"10:20:30", 3, 7, 3, 1, {"20"}},
        {"10:20:30", 8, 8, 0, 0, {}},
        {"10:20:30", 0, 0, 4, 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" from " << c.from << " limit "
                                        << c.limit << " max " << c.maxCount);
        KivBuffer_c source;
        fill(source, c.text);
        source.rewind(c.limit);
        source.seek(c.from);
        KivList_c list;
        EXPECT_EQ(source.split(&list, c.maxCount), c.result);
        EXPECT_EQ(piecesOf(list), c.pieces);
        EXPECT_EQ(source.position(), c.from) << "the source's cursor must not move";
        EXPECT_EQ(source.limit(), c.limit);
    }
}

TEST(Split, InsertsAfterTheCurrentNode)
{
    KivBuffer_c source;
    fill(source, "b:c");
    KivList_c list;
    for (const char *text : {"a", "d"}) {
        auto *piece = new KivBuffer_c;
        fill(*piece, text);
        ASSERT_EQ(list.insert(piece), KIV_OK);
    }
    list.toFirst();
    EXPECT_EQ(source.split(&list, 0), 2);
    list.toLast();
    EXPECT_EQ(piecesOf(list), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(Split, RefusesAListThatDoesNotOwnItsItems)
{
    KivBuffer_c source;
    fill(source, "1:2");
    EXPECT_EQ(source.split(nullptr, 0), -2);
    for (std::int8_t owns : {KIV_NO, std::int8_t{0}}) {
        KivList_c list;
        list.ownsPayloads = owns;
        EXPECT_EQ(source.split(&list, 0), -2);
        EXPECT_EQ(list.count(), 0);
    }
}

// How the time value reads "hours:minutes:seconds.fraction": split up to the
// point, then take the pieces from the end.
TEST(Split, PiecesReadBackFromTheEnd)
{
    char text[] = "1:30:15.250";
    KivBuffer_c source;
    source.attach(text, static_cast<std::int32_t>(std::strlen(text)));
    const std::int32_t dot = source.seekDot();
    ASSERT_EQ(dot, 7);
    source.rewind(-1);
    KivList_c list;
    ASSERT_EQ(source.split(&list, dot), 3);
    for (const char *expected : {"15", "30", "1"}) {
        ASSERT_NE(list.toLast(), nullptr);
        auto *piece = dynamic_cast<KivBuffer_c *>(list.currentPayload());
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(std::string(reinterpret_cast<char *>(piece->data()),
                              static_cast<std::size_t>(piece->size())),
                  expected);
        EXPECT_EQ(list.remove(), KIV_OK);
    }
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.toLast(), nullptr);
    EXPECT_STREQ(text, "1:30:15.250") << "the source is only read";
}

// Every allocation split makes is failed in turn: the result is -2, the
// pieces finished before stay, and nothing leaks.
TEST(Split, FailsCleanlyWhenMemoryRunsOut)
{
    struct Case
    {
        const char *text;
        std::vector<std::string> pieces;
        int allocations; // piece, node and (for non-empty pieces) storage
    };
    for (const Case &c :
         {Case{"10:20:30", {"10", "20", "30"}, 9}, Case{":5::", {"", "5", ""}, 7}}) {
        SCOPED_TRACE(c.text);
        int failures = 0;
        bool succeeded = false;
        for (int k = 0; k < 64 && !succeeded; ++k) {
            SCOPED_TRACE(k);
            const long blocksBefore = KivAllocHook::liveBlocks();
            std::int32_t result;
            {
                KivBuffer_c source;
                fill(source, c.text);
                KivList_c list;
                KivAllocHook::failAt(k + 1);
                result = source.split(&list, 0);
                KivAllocHook::disarm();
                const std::vector<std::string> got = piecesOf(list);
                ASSERT_LE(got.size(), c.pieces.size());
                EXPECT_TRUE(std::equal(got.begin(), got.end(), c.pieces.begin()));
                if (result == -2) {
                    ++failures;
                } else {
                    EXPECT_EQ(result, static_cast<std::int32_t>(c.pieces.size()));
                }
                EXPECT_EQ(source.position(), 0);
            }
            EXPECT_EQ(KivAllocHook::liveBlocks(), blocksBefore);
            succeeded = result != -2;
        }
        EXPECT_TRUE(succeeded);
        EXPECT_EQ(failures, c.allocations);
    }
}
