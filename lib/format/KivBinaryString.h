// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A template for the formatter together with its arguments and a default
// output buffer.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivBuffer_c;
class KivList_c;
class KivString_c;

class KivBinaryString_c
{
public:
    // Creates output, formatString and arguments (an owning list), in that
    // order. A member whose allocation fails stays null; every operation
    // checks for that.
    KivBinaryString_c();
    virtual ~KivBinaryString_c();

    KivBinaryString_c(const KivBinaryString_c &) = delete;
    KivBinaryString_c &operator=(const KivBinaryString_c &) = delete;

    // Appends `n` as a value argument (kind 1) of the smallest unsigned type
    // that holds it. Dropped silently when memory is exhausted.
    void addUnsigned(std::uint32_t n);

    // Renders formatString with the arguments into `target` (output when
    // null), replacing its contents; the template language is the
    // formatter's (format/KivFormatter.h). Returns the target, or null when
    // memory ran out on the way, when padding cannot fit, or when there is no
    // target or template.
    KivBuffer_c *render(KivBuffer_c *target);

    // Renders into `target`'s text. The text always ends with its
    // terminating zero: a rendering that stops inside a directive or
    // escape keeps all its bytes. KIV_FAIL for a null target; KIV_FAIL with the target
    // empty when rendering failed.
    KivStatus renderString(KivString_c *target);

    KivList_c *arguments = nullptr;
    KivString_c *formatString = nullptr;
    KivBuffer_c *output = nullptr;
};
