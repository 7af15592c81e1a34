// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The quoted form of bytes from both sides: a strict reader of what
// quoteBytes writes (and quoteBytes' text held to it), and text in the forms
// unquoteBytes reads, built from the fuzzer's bytes together with the bytes
// it stands for.
#pragma once

#include "FuzzSupport.h"
#include "oracles/Digits.h"
#include "oracles/LibraryText.h"

#include "core/KivEscapes.h"
#include "core/KivString.h"

#include <cstring>
#include <string>

namespace oracle {

using Bytes = std::string;

// Backslash escapes: the letter and the byte it stands for.
inline constexpr char kEscapeLetters[] = {'\\', 'n', 'r', 't', '"', '\'', '%'};
inline constexpr char kEscapedBytes[] = {'\\', '\n', '\r', '\t', '"', '\'', '%'};

inline int escapeOf(char byte)
{
    for (int i = 0; i < 7; ++i) {
        if (kEscapedBytes[i] == byte) {
            return i;
        }
    }
    return -1;
}

// Bytes that quoteBytes writes inside double quotes.
inline bool quotable(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 32 && b <= 126) || escapeOf(byte) >= 0;
}

inline int escapeLetterIndex(char letter)
{
    for (int i = 0; i < 7; ++i) {
        if (kEscapeLetters[i] == letter) {
            return i;
        }
    }
    return -1;
}

inline int upperHexDigit(char c)
{
    const char *at = c != 0 ? std::strchr("0123456789ABCDEF", c) : nullptr;
    return at != nullptr ? static_cast<int>(at - "0123456789ABCDEF") : -1;
}

// Reads `quoted` as quoteBytes writes it and nothing else: non-empty quoted
// runs, never two in a row, holding printable bytes and the escapes of the
// escapable ones, and 'h' with two upper-case digits for each other byte.
// False when the text strays from that form.
inline bool readCanonicalQuote(const Bytes &quoted, Bytes &bytes)
{
    bytes.clear();
    bool afterRun = false;
    std::size_t i = 0;
    while (i < quoted.size()) {
        if (quoted[i] == 'h') {
            if (i + 2 >= quoted.size()) {
                return false;
            }
            const int high = upperHexDigit(quoted[i + 1]);
            const int low = upperHexDigit(quoted[i + 2]);
            if (high < 0 || low < 0 || quotable(static_cast<char>(high * 16 + low))) {
                return false;
            }
            bytes += static_cast<char>(high * 16 + low);
            i += 3;
            afterRun = false;
            continue;
        }
        if (quoted[i] != '"' || afterRun) {
            return false;
        }
        const std::size_t start = bytes.size();
        for (++i; i < quoted.size() && quoted[i] != '"'; ++i) {
            const char c = quoted[i];
            if (c == '\\') {
                if (++i == quoted.size()) {
                    return false;
                }
                const int e = escapeLetterIndex(quoted[i]);
                if (e < 0) {
                    return false;
                }
                bytes += kEscapedBytes[e];
            } else if (!quotable(c) || escapeOf(c) >= 0) {
                return false;
            } else {
                bytes += c;
            }
        }
        if (i == quoted.size() || bytes.size() == start) {
            return false;
        }
        ++i;
        afterRun = true;
    }
    return true;
}

// Text for unquoteBytes and the bytes it stands for. `malformed` tells that a
// stray byte outside quotes was put in, which fails the reading but is
// skipped without ending it.
struct QuotedText
{
    Bytes text;
    Bytes bytes;
    bool malformed = false;
};

inline char hexDigit(int value, bool lower)
{
    return (lower ? "0123456789abcdef" : "0123456789ABCDEF")[value & 15];
}

// Builds up to 64 pieces: quoted runs (plain bytes, escapes and \xHH), bytes
// in hexadecimal after h, H, $, 0x, 0X, \x or \X, decimal bytes of one to
// three digits, separators, and (rarely) a stray byte.
inline QuotedText buildQuotedText(FuzzInput &input)
{
    static const char *const prefixes[] = {"h", "H", "$", "0x", "0X", "\\x", "\\X"};
    static const char strays[] = "gGzZ!#&*+/;<=>?@[]^`{|}~()";
    QuotedText q;
    bool afterDecimal = false; // a digit now would lengthen that number
    for (int piece = 0; piece < 64 && !input.empty(); ++piece) {
        const std::uint8_t op = input.byte();
        const std::uint8_t b = input.byte();
        const bool lower = (op & 64) != 0;
        switch (op % 16) {
        case 0:
        case 1:
        case 2:
        case 3: {
            q.text += '"';
            const int items = 1 + op / 16 % 4;
            for (int k = 0; k < items; ++k) {
                const std::uint8_t item = k == 0 ? b : input.byte();
                const std::uint8_t kind = input.byte() % 4;
                if (kind == 0) {
                    const int e = item % 7;
                    q.text += '\\';
                    q.text += kEscapeLetters[e];
                    q.bytes += kEscapedBytes[e];
                } else if (kind == 1) {
                    q.text += "\\x";
                    q.text += hexDigit(item >> 4, lower);
                    q.text += hexDigit(item, !lower);
                    q.bytes += static_cast<char>(item);
                } else {
                    char c = static_cast<char>(32 + item % 95);
                    if (c == '"' || c == '\\') {
                        c = '~';
                    }
                    q.text += c;
                    q.bytes += c;
                }
            }
            q.text += '"';
            afterDecimal = false;
            break;
        }
        case 4:
        case 5:
        case 6:
        case 7: {
            const char *prefix = prefixes[op / 16 % 7];
            if (afterDecimal && prefix[0] == '0') {
                q.text += ' ';
            }
            q.text += prefix;
            q.text += hexDigit(b >> 4, lower);
            q.text += hexDigit(b, (op & 128) != 0);
            q.bytes += static_cast<char>(b);
            afterDecimal = false;
            break;
        }
        case 8:
        case 9:
        case 10:
        case 11: {
            if (afterDecimal) {
                q.text += " ,_"[op / 16 % 3];
            }
            // Zero-padded to three digits, or without leading zeros.
            const int digits = b >= 100 ? 3 : (b >= 10 ? 2 : 1);
            const int width = (op & 128) != 0 ? 3 : digits;
            q.text += Bytes(static_cast<std::size_t>(width - digits), '0');
            q.text += unsignedText(b);
            q.bytes += static_cast<char>(b);
            afterDecimal = true;
            break;
        }
        case 12:
        case 13:
        case 14:
            q.text += " ,_"[b % 3];
            afterDecimal = false;
            break;
        default:
            if (b % 8 == 0) {
                q.text += strays[op / 16 % (sizeof strays - 1)];
                q.malformed = true;
                afterDecimal = false;
            }
            break;
        }
    }
    return q;
}

// quoteBytes' text, held to the canonical quoted form.
inline Bytes quotedText(const Bytes &bytes)
{
    if (bytes.empty()) {
        return {};
    }
    KivString_c text;
    FUZZ_CHECK(quoteBytes(&text, bytes.data(), static_cast<std::int32_t>(bytes.size())) == KIV_OK);
    const Bytes quoted = stringText(&text);
    Bytes back;
    FUZZ_CHECK(readCanonicalQuote(quoted, back) && back == bytes);
    return quoted;
}

} // namespace oracle
