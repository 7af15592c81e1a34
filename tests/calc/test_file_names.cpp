// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// File names as bytes: decoded into a QString and encoded back without loss,
// whatever the bytes, and shown on one line with the bytes that are not
// UTF-8 escaped.
#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"

#include <gtest/gtest.h>

namespace {

QString units(std::initializer_list<char16_t> codes)
{
    QString text;
    for (const char16_t code : codes) {
        text += QChar(code);
    }
    return text;
}

TEST(KivFileName, DecodesUtf8AndEscapesEveryOtherByte)
{
    const struct
    {
        QByteArray bytes;
        QString name;
        bool raw; // holds a byte that is not UTF-8
    } rows[] = {
        {"C0001.MP4", "C0001.MP4", false},
        {"Caf\xc3\xa9", u"Café"_qs, false},
        {"\xf0\x9f\x8e\xa5", units({0xD83C, 0xDFA5}), false},    // a supplementary character
        {"\xf4\x8f\xbf\xbf", units({0xDBFF, 0xDFFF}), false},    // the last code point
        {"a\xff", units({u'a', 0xDCFF}), true},                  // never in UTF-8
        {"\xc3", units({0xDCC3}), true},                         // cut short at the end
        {"\xc3(", units({0xDCC3, u'('}), true},                  // a continuation missing
        {"\xc0\xaf", units({0xDCC0, 0xDCAF}), true},             // overlong '/'
        {"\xe0\x80\xaf", units({0xDCE0, 0xDC80, 0xDCAF}), true}, // overlong, three bytes
        {"\xed\xa0\x80", units({0xDCED, 0xDCA0, 0xDC80}), true}, // a surrogate
        {"\xf4\x90\x80\x80", units({0xDCF4, 0xDC90, 0xDC80, 0xDC80}), true}, // beyond U+10FFFF
        {"\x80x", units({0xDC80, u'x'}), true},                              // a lone continuation
    };
    for (const auto &row : rows) {
        EXPECT_EQ(kivDecodeFileName(row.bytes), row.name) << row.bytes.toHex().constData();
        EXPECT_EQ(kivEncodeFileName(row.name), row.bytes) << row.bytes.toHex().constData();
        EXPECT_EQ(kivHasRawBytes(row.name), row.raw) << row.bytes.toHex().constData();
    }
}

// Every string of one or two bytes, and of three over the bytes that start
// and continue sequences, comes back as it went.
TEST(KivFileName, EveryShortByteStringRoundTrips)
{
    const auto roundTrips = [](std::initializer_list<int> codes) {
        QByteArray bytes;
        for (const int code : codes) {
            bytes += static_cast<char>(code);
        }
        return kivEncodeFileName(kivDecodeFileName(bytes)) == bytes;
    };
    for (int a = 1; a < 256; ++a) {
        ASSERT_TRUE(roundTrips({a})) << a;
        for (int b = 1; b < 256; ++b) {
            ASSERT_TRUE(roundTrips({a, b})) << a << ' ' << b;
        }
    }
    for (int a = 0xC0; a < 256; ++a) {
        for (int b = 0x7F; b < 0xC2; ++b) {
            for (int c = 0x7F; c < 0xC2; ++c) {
                ASSERT_TRUE(roundTrips({a, b, c}));
                ASSERT_TRUE(roundTrips({a, b, c, 0x80}));
            }
        }
    }
}

TEST(KivFileName, OtherLoneSurrogatesEncodeAsReplacement)
{
    EXPECT_EQ(kivEncodeFileName(units({u'a', 0xD800, u'b'})), QByteArray("a\xef\xbf\xbd"
                                                                         "b"));
    EXPECT_EQ(kivEncodeFileName(units({0xDC7F})), QByteArray("\xef\xbf\xbd"));
    EXPECT_EQ(kivEncodeFileName(units({0xD83C})), QByteArray("\xef\xbf\xbd"));
    EXPECT_FALSE(kivHasRawBytes(units({0xD83C, 0xDCFF}))); // a pair, not a byte
}

TEST(KivEscaped, ShowsRawBytesAndLoneSurrogatesOnOneLine)
{
    const struct
    {
        QString text;
        QString shown;
    } rows[] = {
        {kivDecodeFileName("/card\xff/C0001.MP4"), "/card\\xff/C0001.MP4"},
        {kivDecodeFileName("\xc3\xa9\xc3"), u"é\\xc3"_qs},
        {units({0xD83C, 0xDFA5}), units({0xD83C, 0xDFA5})},
        {units({0xD83C, 0xDCFF}), units({0xD83C, 0xDCFF})}, // a pair whose half looks like a byte
        {units({0xD800, u'x'}), "\\ud800x"},
        {units({u'x', 0xDC10}), "x\\udc10"},
        {"a\nb\x7f", "a\\nb\\x7f"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(kivEscaped(row.text), row.shown);
    }
}

// A URL is a scheme of two or more characters before a colon; a drive letter
// or a colon after anything else is a path.
TEST(KivFileName, UrlsAreSchemesOfTwoOrMoreCharacters)
{
    const struct
    {
        const char *path;
        bool url;
    } rows[] = {
        {"file:///card/C0001.MP4", true},
        {"http://example.com/a.mp4", true},
        {"svn+ssh://host/x", true},
        {"a1.b-c:rest", true},
        {"C:/clips/a.mp4", false},
        {"c:", false},
        {"1http://x", false},
        {"/card/a:b.mp4", false},
        {"clip.mp4", false},
        {"http", false},
        {"", false},
        {"-x:y", false},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(kivIsUrl(QString::fromLatin1(row.path)), row.url) << row.path;
    }
}

} // namespace
