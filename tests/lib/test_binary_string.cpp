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

namespace {

TEST(BinaryString, StartsEmpty)
{
    KivBinaryString_c b;
    ASSERT_NE(nullptr, b.output);
    ASSERT_NE(nullptr, b.formatString);
    ASSERT_NE(nullptr, b.arguments);
    EXPECT_EQ(0, b.formatString->length());
    EXPECT_EQ(0, b.arguments->count());
    EXPECT_EQ(KIV_YES, b.arguments->ownsPayloads);
    EXPECT_EQ(0, b.output->size());
}

TEST(BinaryString, AddsNumbersAsTheNarrowestUnsignedValue)
{
    const struct
    {
        std::uint32_t n;
        std::uint8_t type;
    } cases[] = {
        {0, KivValue_c::TYPE_UINT8},
        {255, KivValue_c::TYPE_UINT8},
        {256, KivValue_c::TYPE_UINT16},
        {65535, KivValue_c::TYPE_UINT16},
        {65536, KivValue_c::TYPE_UINT32},
        {4294967295u, KivValue_c::TYPE_UINT32},
        {2147483648u, KivValue_c::TYPE_UINT32},
    };
    KivBinaryString_c b;
    for (const auto &c : cases) {
        b.addUnsigned(c.n);
    }
    ASSERT_EQ(static_cast<std::int32_t>(std::size(cases)), b.arguments->count());
    KivNode_c *node = b.arguments->first();
    for (const auto &c : cases) {
        ASSERT_NE(nullptr, node);
        auto *v = dynamic_cast<KivValue_c *>(node->payload);
        ASSERT_NE(nullptr, v) << c.n;
        EXPECT_EQ(KIV_KIND_VALUE, v->kind) << c.n;
        EXPECT_EQ(c.type, v->type()) << c.n;
        EXPECT_EQ(c.n, static_cast<std::uint32_t>(v->toInt())) << c.n;
        EXPECT_EQ(static_cast<double>(c.n), v->toDouble()) << c.n;
        node = node->next;
    }
}

TEST(BinaryString, RendersArgumentsInTheOrderAdded)
{
    KivBinaryString_c b;
    b.formatString->assign("%02d:%02d:%02d", -1, KIV_NO);
    b.addUnsigned(1);
    b.addUnsigned(2);
    b.addUnsigned(5);
    KivString_c out;
    ASSERT_EQ(KIV_OK, b.renderString(&out));
    EXPECT_STREQ("01:02:05", out.text());
    // Adding after a rendering links the value after the current node.
    b.formatString->assign("%d %d %d %d", -1, KIV_NO);
    b.addUnsigned(9);
    ASSERT_EQ(KIV_OK, b.renderString(&out));
    EXPECT_STREQ("1 2 5 9", out.text());
}

// Destroying the binary string releases every value added and the storage
// that rendering cached in them.
TEST(BinaryString, DestructionReleasesEverything)
{
    const long before = KivAllocHook::liveBlocks();
    long during = 0;
    {
        KivBinaryString_c b;
        for (std::uint32_t n : {7u, 300u, 70000u}) {
            b.addUnsigned(n);
        }
        b.formatString->assign("%s %X %p", -1, KIV_NO);
        KivString_c out;
        b.renderString(&out);
        b.render(nullptr);
        during = KivAllocHook::liveBlocks();
    }
    EXPECT_GT(during, before + 6);
    EXPECT_EQ(before, KivAllocHook::liveBlocks());
}

// A member whose allocation failed stays null; nothing crashes or leaks, and
// rendering either fails with an empty text or renders every argument held.
TEST(BinaryString, SurvivesExhaustedMemory)
{
    int failures = 0;
    for (int n = 0;; ++n) {
        const long before = KivAllocHook::liveBlocks();
        KivAllocHook::failAt(n + 1);
        bool hit = false;
        bool complete = false;
        bool noTemplate = false;
        KivStatus status = KIV_FAIL;
        char text[16] = {};
        {
            KivBinaryString_c b;
            const bool assigned =
                b.formatString != nullptr && b.formatString->assign("%d-%d", -1, KIV_NO) == 5;
            b.addUnsigned(4);
            b.addUnsigned(700);
            KivString_c out;
            status = b.renderString(&out);
            if (out.length() < 15) {
                std::memcpy(text, out.text(), static_cast<std::size_t>(out.length()));
            }
            complete = assigned && b.arguments != nullptr && b.arguments->count() == 2;
            noTemplate = b.formatString == nullptr;
            hit = KivAllocHook::allocations() > n;
        }
        KivAllocHook::disarm();
        EXPECT_EQ(before, KivAllocHook::liveBlocks()) << n;
        EXPECT_TRUE(!noTemplate || status == KIV_FAIL) << n;
        // A number whose value cannot be created is dropped silently, and a
        // template that cannot be stored is empty.
        if (status == KIV_OK && complete) {
            EXPECT_STREQ("4-700", text) << n;
        } else if (status != KIV_OK) {
            EXPECT_STREQ("", text) << n;
            ++failures;
        }
        if (!hit) {
            break;
        }
    }
    EXPECT_GT(failures, 3);
}

} // namespace
