// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Small byte helpers shared across the library: ASCII digit, letter and
// case tests, counts of -1 resolved to a text's length, and the overlap test
// that guards copies out of storage about to be released.
#pragma once

#include "core/KivObject.h"

#include <cstddef>
#include <cstdint>

namespace kiv {

inline bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

inline std::uint8_t lowerCase(std::uint8_t c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<std::uint8_t>(c + ('a' - 'A')) : c;
}

// Value of a hexadecimal digit character (either case), or -1.
inline int hexDigitValue(std::uint8_t c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Resolves a count of -1 to the length of the zero-terminated text. A text too
// long to be counted gives KIV_BAD_COUNT, as does any other negative count
// passed on unchanged.
inline std::int32_t resolveCount(const char *text, std::int32_t count)
{
    if (count != -1) {
        return count;
    }
    std::int32_t n = 0;
    while (n < INT32_MAX && text[n] != 0) {
        ++n;
    }
    return n < INT32_MAX ? n : KIV_BAD_COUNT;
}

// Whether `count` bytes at `bytes` lie (partly) in the `size` bytes at
// `storage` (null: nothing).
inline bool overlaps(const void *bytes, std::int32_t count, const void *storage, std::size_t size)
{
    if (storage == nullptr || count <= 0) {
        return false;
    }
    const auto first = reinterpret_cast<std::uintptr_t>(bytes);
    const auto start = reinterpret_cast<std::uintptr_t>(storage);
    return first < start + size && start < first + static_cast<std::uintptr_t>(count);
}

} // namespace kiv
