// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivFileName.h"

namespace {

constexpr char16_t RAW_BYTE = 0xDC00;

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `p` (of `left` bytes) and its
// code point, or 0 where it is not one.
qsizetype validSequence(const unsigned char *p, qsizetype left, char32_t &code)
{
    const unsigned char c = p[0];
    qsizetype length = 0;
    char32_t least = 0;
    if (c < 0x80) {
        code = c;
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
        least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
        least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (left < length) {
        return 0;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if (!isContinuation(p[i])) {
            return 0;
        }
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool isRawByte(char16_t u)
{
    return u >= RAW_BYTE + 0x80 && u <= RAW_BYTE + 0xFF;
}

} // namespace

QString kivDecodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        char32_t code = 0;
        const qsizetype length = validSequence(p + i, bytes.size() - i, code);
        if (length == 0) {
            name += QChar(char16_t(RAW_BYTE + p[i]));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            name += QChar(QChar::highSurrogate(code));
            name += QChar(QChar::lowSurrogate(code));
        } else {
            name += QChar(char16_t(code));
        }
        i += length;
    }
    return name;
}

QByteArray kivEncodeFileName(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    const auto put = [&bytes](char32_t code) {
        if (code < 0x80) {
            bytes += char(code);
        } else if (code < 0x800) {
            bytes += char(0xC0 | (code >> 6));
            bytes += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += char(0xE0 | (code >> 12));
            bytes += char(0x80 | ((code >> 6) & 0x3F));
            bytes += char(0x80 | (code & 0x3F));
        } else {
            bytes += char(0xF0 | (code >> 18));
            bytes += char(0x80 | ((code >> 12) & 0x3F));
            bytes += char(0x80 | ((code >> 6) & 0x3F));
            bytes += char(0x80 | (code & 0x3F));
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            put(QChar::surrogateToUcs4(u, name[i + 1].unicode()));
            ++i;
        } else if (isRawByte(u)) {
            bytes += char(u - RAW_BYTE);
        } else if (QChar::isSurrogate(u)) {
            put(0xFFFD);
        } else {
            put(u);
        }
    }
    return bytes;
}

bool kivHasRawBytes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            ++i;
        } else if (isRawByte(u)) {
            return true;
        }
    }
    return false;
}

bool kivIsUrl(QStringView path)
{
    qsizetype scheme = 0;
    for (; scheme < path.size(); ++scheme) {
        const char16_t u = path[scheme].unicode();
        const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
        const bool later = (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
        if (!letter && !(scheme > 0 && later)) {
            break;
        }
    }
    return scheme >= 2 && scheme < path.size() && path[scheme] == u':';
}
