// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Byte string kept in an owned KivBuffer_c, with a counted terminating zero.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivBuffer_c;

class KivString_c : public KivObject_c
{
public:
    KivString_c();
    ~KivString_c() override;

    // Replaces the target's text with this one. The target must be a
    // KivString_c; a copy onto itself keeps the text and returns KIV_OK.
    KivStatus copyTo(KivObject_c *target) override;
    KivString_c *create() const override;
    // Number of characters; 0 for a string left without storage.
    virtual std::int32_t length() const;

    // Takes `count` bytes of `text` (-1: up to the first zero byte). With
    // `escape` KIV_NO the bytes are stored as they are; any other value
    // stores their quoted form. Returns the new length, or KIV_BAD_COUNT. Assigning the
    // string's own text (or part of it) is safe.
    std::int32_t assign(const char *text, std::int32_t count, std::int8_t escape);
    // The characters, zero-terminated (an empty text for a string without
    // storage). Rewinds the buffer, keeping its limit.
    const char *text();
    void clear();

    // 1 when `other` sorts after this string, 0 when equal ignoring the case of
    // ASCII letters, -1 when it sorts before.
    std::int8_t compare(KivString_c *other);
    // As compare, with `text` (count -1: up to the first zero byte) in the
    // place of this string; KIV_BAD_COUNT for a null text. `other` must not be null.
    static std::int8_t compareText(const char *text, std::int32_t count, KivString_c *other);

    // The owned storage; producers such as quoteBytes and the formatter write
    // into it directly.
    KivBuffer_c *buffer() const { return buffer_; }

private:
    KivBuffer_c *buffer_ = nullptr;
};
