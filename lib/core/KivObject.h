// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Root object of the Kiv class library, and the status codes and flag bytes
// that every library operation uses.
#pragma once

#include <cstdint>

// Result of library operations. Failures never throw.
using KivStatus = std::int8_t;

inline constexpr KivStatus KIV_OK = 2;    // success
inline constexpr KivStatus KIV_FAIL = -2; // failure (byte 254)

// The library's two-state flag bytes. A tested flag compares one of the two
// values; any other byte counts as the other state.
inline constexpr std::int8_t KIV_YES = 3;
inline constexpr std::int8_t KIV_NO = -3; // byte 253

// Counts, lengths and positions use KIV_BAD_COUNT for failure.
inline constexpr std::int32_t KIV_BAD_COUNT = -2;

// Tags by which the formatter tells its argument objects apart.
inline constexpr std::int8_t KIV_KIND_RAW = 0;
inline constexpr std::int8_t KIV_KIND_VALUE = 1;
inline constexpr std::int8_t KIV_KIND_STRING = 2;
inline constexpr std::int8_t KIV_KIND_BUFFER = 3;

class KivObject_c
{
public:
    KivObject_c() = default;
    virtual ~KivObject_c() = default;

    KivObject_c(const KivObject_c &) = delete;
    KivObject_c &operator=(const KivObject_c &) = delete;

    // Copies `kind` into `target`; subclasses then copy their contents.
    // KIV_FAIL for a null target, and in subclasses for a target of another class.
    virtual KivStatus copyTo(KivObject_c *target);

    // A new object of the same class in its freshly constructed state, owned
    // by the caller, or null when memory is exhausted. Together with copyTo
    // this clones an object whose class the caller does not know.
    virtual KivObject_c *create() const;

    std::int8_t kind = 0;
};
