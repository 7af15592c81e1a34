// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivAudio.h"
#include "calc/KivDisplay.h"
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

TEST(KivUnits, BytesToGigabytesFollowTheUnits)
{
    EXPECT_DOUBLE_EQ(kivGigabytes(1024000000), 1.0); // 1024 MB of 10^6 bytes
    EXPECT_DOUBLE_EQ(kivGigabytes(1000000000, KivCardUnits::Decimal), 1.0);
    EXPECT_DOUBLE_EQ(kivGigabytes(1073741824, KivCardUnits::Gib), 1.0);
    EXPECT_DOUBLE_EQ(kivGigabytes(0), 0.0);
    EXPECT_DOUBLE_EQ(kivGigabytes(-5), 0.0);
    EXPECT_DOUBLE_EQ(kivGigabytes(INT64_MAX, KivCardUnits::Decimal), 9223372036.854775807);
}

// A figure never goes to an exponent: six digits below 10^6, whole digits
// grouped as the language groups them from there, fixed digits when tiny.
TEST(KivDisplay, FiguresHaveNoExponent)
{
    const QLocale c = QLocale::c();
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct
    {
        double x;
        QLocale locale;
        const char *shown;
    } cases[] = {
        {24153.949659375, c, "24153.9"},
        {24153.949659375, de, "24153,9"},
        {999999.4, c, "999999"},
        {999999.6, en, "1,000,000"},
        {1e6, c, "1000000"},
        {1606610.35, en, "1,606,610"},
        {1606610.35, de, "1.606.610"},
        {1.0546875e17, c, "105468750000000000"},
        {0.0001220703125, c, "0.00012207"},
        {0.0000122070313, de, "0,000012207"},
        {1.220703125e-7, c, "0.00000012207"},
        {0, de, "0"},
    };
    for (const auto &row : cases) {
        EXPECT_EQ(kivFigureText(row.x, row.locale), QString::fromUtf8(row.shown)) << row.x;
    }
}

// Every value a message echoes stays on one line and shows what it holds.
TEST(KivDisplay, EscapedKeepsAValueOnOneLine)
{
    const struct
    {
        QString text;
        qsizetype longest;
        const char *shown;
    } cases[] = {
        {QStringLiteral("prores 422"), -1, "prores 422"},
        {QStringLiteral("4\nkivfilesize: fake"), -1, "4\\nkivfilesize: fake"},
        {QStringLiteral("\t\r"), -1, "\\t\\r"},
        {QStringLiteral("\x1b[31mred"), -1, "\\x1b[31mred"},
        {QString(QChar(0)) + QChar(0x7f) + QChar(0x85) + QChar(0x9f), -1, "\\x00\\x7f\\x85\\x9f"},
        {QString(QChar(0x2028)) + QChar(0x2029), -1, "\\u2028\\u2029"},
        {QStringLiteral("caf\u00e9 \u00a0x"), -1, "caf\xc3\xa9 \xc2\xa0x"},
        {QStringLiteral("abcdef"), 3, "abc..."},
        {QStringLiteral("abc"), 3, "abc"},
        {QStringLiteral("a\nbcdef"), 2, "a\\n..."},
        {QStringLiteral("abc"), 0, "..."},
    };
    for (const auto &c : cases) {
        const QString shown = kivEscaped(c.text, c.longest);
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.text.toStdString();
        EXPECT_EQ(kivQuoted(c.text, c.longest), QLatin1Char('"') + shown + QLatin1Char('"'));
        for (const QChar ch : shown) {
            EXPECT_FALSE(kivIsControl(ch)) << c.text.toStdString();
        }
    }
}

TEST(KivAudio, ReadsChannelsBitsAndKilohertzOrRefusesInOneLine)
{
    const struct
    {
        const char *text;
        double mbps; // 0: refused
        const char *error;
    } cases[] = {
        {"4", 4.608, ""},
        {" 2:16 ", 1.536, ""},
        {"2:16:44.1", 1.4112, ""},
        {"1:8:8", 0.064, ""},
        {"64:64:768", 3145.728, ""},
        {"0", 0, "audio \"0\": 1 to 64 channels"},
        {"65", 0, "audio \"65\": 1 to 64 channels"},
        {"2:7", 0, "audio \"2:7\": 8 to 64 bits a sample"},
        {"2:65", 0, "audio \"2:65\": 8 to 64 bits a sample"},
        {"2:24:7.99", 0, "audio \"2:24:7.99\": 8 to 768 kHz"},
        {"2:24:768.1", 0, "audio \"2:24:768.1\": 8 to 768 kHz"},
        {"9999999999", 0, "in digits"},
        {"4:24:48:1", 0, "in digits"},
        {"4:", 0, "in digits"},
        {"", 0, "in digits"},
        {"-2", 0, "in digits"},
        {"2:24:1e3", 0, "in digits"},
        {"2:24:48,0", 0, "in digits"},
        {"\x1b"
         "4",
         0, "audio \"\\x1b4\": write CHANNELS[:BITS[:KHZ]] in digits, as in 4, 2:16 or 8:24:48"},
    };
    for (const auto &c : cases) {
        QString error;
        const std::optional<KivAudio> audio = kivReadAudio(QString::fromUtf8(c.text), error);
        EXPECT_DOUBLE_EQ(audio ? audio->mbps() : 0.0, c.mbps) << c.text;
        EXPECT_TRUE(error.contains(QLatin1String(c.error))) << error.toStdString();
        EXPECT_EQ(audio.has_value(), error.isEmpty()) << c.text;
    }
    EXPECT_EQ((KivAudio{1, 16, 44.1}).text(), QStringLiteral("1 channel of 16-bit 44.1 kHz PCM"));
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
