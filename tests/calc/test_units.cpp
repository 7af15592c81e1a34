// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivUnits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Q = KivQuantity;

struct ComputeCase
{
    Q last;
    Q previous;
    Q computed;
};

TEST(KivUnits, QuantityToComputeCoversEveryEditState)
{
    const ComputeCase cases[] = {
        {Q::Bitrate, Q::Time, Q::CardSize},
        {Q::Bitrate, Q::CardSize, Q::Time},
        {Q::Bitrate, Q::None, Q::Time},
        {Q::CardSize, Q::Time, Q::Bitrate},
        {Q::CardSize, Q::Bitrate, Q::Time},
        {Q::CardSize, Q::None, Q::Time},
        {Q::Time, Q::CardSize, Q::Bitrate},
        {Q::Time, Q::Bitrate, Q::CardSize},
        {Q::Time, Q::None, Q::CardSize},
        {Q::None, Q::None, Q::None},
        // States the dialog never reaches still give a defined answer.
        {Q::None, Q::Bitrate, Q::None},
        {Q::Bitrate, Q::Bitrate, Q::Time},
        {Q::CardSize, Q::CardSize, Q::Time},
        {Q::Time, Q::Time, Q::CardSize},
    };
    for (const ComputeCase &c : cases) {
        EXPECT_EQ(kivQuantityToCompute(c.last, c.previous), c.computed)
            << int(c.last) << ", " << int(c.previous);
    }
}

TEST(KivUnits, CardSizeBitrateAndSecondsAgree)
{
    EXPECT_DOUBLE_EQ(kivCardSize(3600, 6.0), 2.63671875);
    EXPECT_DOUBLE_EQ(kivCardSize(144000, 1.0), 17.578125);
    EXPECT_DOUBLE_EQ(kivCardSize(4294967295u, 8192.0), 4294967295.0);
    EXPECT_DOUBLE_EQ(kivCardSize(0, 6.0), 0.0);
    EXPECT_DOUBLE_EQ(kivBitrate(4.0, 3600), 32768.0 / 3600.0);
    EXPECT_DOUBLE_EQ(kivBitrate(4.0, 0), 0.0);
    EXPECT_DOUBLE_EQ(kivBitrate(1.0, 4294967295u), 8192.0 / 4294967295.0);
    EXPECT_EQ(kivSeconds(8.0, 6.0), 10922u);
    EXPECT_EQ(kivSeconds(16.0, 1.0), 131072u);
    EXPECT_EQ(kivSeconds(4.0, 0.0), 0u);
    EXPECT_EQ(kivSeconds(4.0, -0.0), 0u);
    EXPECT_EQ(kivSeconds(-8.0, 6.0), 0u);
    EXPECT_EQ(kivSeconds(8.0, -6.0), 0u);
    EXPECT_EQ(kivSeconds(-8.0, -6.0), 10922u);
    EXPECT_EQ(kivSeconds(524288.0, 1.0), 4294967295u);
    EXPECT_EQ(kivSeconds(1.0, 1e-300), 4294967295u);
    EXPECT_EQ(kivSeconds(std::nan(""), 1.0), 0u);
    EXPECT_EQ(kivSeconds(1.0, std::nan("")), 0u);
}

TEST(KivUnits, SecondsFromQuotientTruncatesAndSaturates)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double quotient;
        std::uint32_t seconds;
    } cases[] = {
        {10922.67, 10922},
        {0.99, 0},
        {-0.5, 0},
        {-10922.67, 0},
        {-1e300, 0},
        {-inf, 0},
        {std::nan(""), 0},
        {4294967295.0, 4294967295u},
        {4294967295.9, 4294967295u},
        {4294967296.0, 4294967295u},
        {1e19, 4294967295u},
        {inf, 4294967295u},
        {2147483648.5, 2147483648u},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(kivSecondsFromQuotient(c.quotient), c.seconds) << c.quotient;
    }
}

TEST(KivUnits, EveryWayOfCountingAGigabyte)
{
    using U = KivCardUnits;
    EXPECT_EQ(kivMbitPerGb(U::Kiv), 8192.0);
    EXPECT_EQ(kivMbitPerGb(U::Decimal), 8000.0);
    EXPECT_EQ(kivMbitPerGb(U::Gib), 1073741824.0 * 8 / 1e6);
    // 64 GB at 100 Mbit/s: 5242.88 s, 5120 s and 5497.558 s.
    EXPECT_EQ(kivSeconds(64, 100), 5242u);
    EXPECT_EQ(kivSeconds(64, 100, U::Decimal), 5120u);
    EXPECT_EQ(kivSeconds(64, 100, U::Gib), 5497u);
    EXPECT_DOUBLE_EQ(kivSecondsQuotient(64, 100, U::Decimal), 5120.0);
    EXPECT_TRUE(std::isinf(kivSecondsQuotient(1, 0)));
    for (const U units : {U::Kiv, U::Decimal, U::Gib}) {
        // A card size, its time and back give the card size again.
        const double cardSize = kivCardSize(5120, 100, units);
        EXPECT_DOUBLE_EQ(kivBitrate(cardSize, 5120, units), 100.0);
        EXPECT_DOUBLE_EQ(kivSecondsQuotient(cardSize, 100, units), 5120.0);
    }
    EXPECT_DOUBLE_EQ(kivCardSize(5120, 100, U::Decimal), 64.0);
}

TEST(KivUnits, MbitsAndMbytesConvert)
{
    EXPECT_DOUBLE_EQ(kivMbytesPerSec(12.0), 1.5);
    EXPECT_DOUBLE_EQ(kivMbitsPerSec(8.0), 64.0);
    EXPECT_DOUBLE_EQ(kivMbitsPerSec(kivMbytesPerSec(9.1)), 9.1);
}

// Bytes to the dialog's GB and MB: 1 MB = 8 Mbit = 10^6 bytes, 1 GB = 1024 MB.
TEST(KivUnits, BytesToGigabytesAndMegabytes)
{
    EXPECT_DOUBLE_EQ(kivMegabytes(24347), 0.024347);
    EXPECT_DOUBLE_EQ(kivMegabytes(1024000000), 1024.0);
    EXPECT_DOUBLE_EQ(kivGigabytes(1024000000), 1.0);
    EXPECT_EQ(kivMegabytes(-5), 0.0);
    EXPECT_EQ(kivMegabytes(0), 0.0);
}

} // namespace
