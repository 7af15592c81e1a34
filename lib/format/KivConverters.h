// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The formatter's conversions: one converter per conversion letter of
// "pXfuds", each turning the argument of one directive into its bytes.
#pragma once

#include "core/KivObject.h"
#include "values/KivConversions.h"

#include <cstdint>

class KivBuffer_c;

// Where every converter leaves its text: `bytes` and `count` point into
// `shortText` for the numbers of 'd', 'u' and 'f', written on the stack, and
// into the `work` buffer for the texts and bytes of 'p', 'X' and 's', which
// may be of any length.
struct KivConverted
{
    char shortText[KIV_FIXED_TEXT_CAPACITY];
    KivBuffer_c *work = nullptr;
    const void *bytes = nullptr;
    std::int32_t count = 0;
};

// A converter's result beside KIV_OK and KIV_FAIL (which only drops the
// directive's text): storage could not be had, which fails the rendering.
inline constexpr KivStatus KIV_CONVERT_NO_MEMORY = -4;

// Converts `argument` (kind 1 value, 2 string, 3 buffer; any other kind, or
// a class that does not match the kind, carries no readable datum) with the
// directive's `precision`.
using KivConverter = KivStatus (*)(KivConverted &out, KivObject_c *argument,
                                   std::uint16_t precision);

// The one table from conversion letter to converter: the converter of each
// of "pXfuds", null for every other byte (a directive that ends with one
// converts nothing).
struct KivConverterTable
{
    KivConverter byLetter[256];
};
extern const KivConverterTable KIV_CONVERTERS;
