// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivDigits.h"

#include "core/KivBytes.h"

char *decimalDigits(char *out, std::int32_t capacity, std::uint32_t n, std::int32_t *written)
{
    std::int32_t unused = 0;
    std::int32_t *digits = written != nullptr ? written : &unused;
    *digits = 0;
    if (out == nullptr || capacity < 1) {
        return nullptr;
    }
    std::int32_t length = 1;
    for (std::uint32_t rest = n / 10; rest != 0; rest /= 10) {
        ++length;
    }
    if (length > capacity) {
        return nullptr;
    }
    out[length] = 0;
    for (std::int32_t at = length - 1; at >= 0; --at) {
        out[at] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    *digits = length;
    return out + length;
}

std::uint32_t parseUnsigned(KivStatus *status, std::int32_t count, const char *text)
{
    KivStatus result = KIV_FAIL;
    std::uint32_t value = 0;
    if (text != nullptr) {
        count = kiv::resolveCount(text, count);
        std::int32_t i = 0;
        while (i < count && !kiv::isDigit(static_cast<std::uint8_t>(text[i]))) {
            ++i;
        }
        if (i < count) {
            result = KIV_OK;
        }
        while (i < count && kiv::isDigit(static_cast<std::uint8_t>(text[i]))) {
            value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
            ++i;
        }
    }
    if (status != nullptr) {
        *status = result;
    }
    return value;
}

std::int32_t parseSigned(const char *text, std::int32_t count, KivStatus *status)
{
    bool negative = false;
    bool stray = false;
    if (text != nullptr) {
        count = kiv::resolveCount(text, count);
        for (std::int32_t i = 0; i < count && !kiv::isDigit(static_cast<std::uint8_t>(text[i]));
             ++i) {
            negative = text[i] == '-';
            stray = stray || !negative;
        }
    }
    KivStatus result = KIV_FAIL;
    const std::uint32_t magnitude = parseUnsigned(&result, count, text);
    if (result == KIV_OK && stray) {
        result = KIV_FAIL;
    }
    if (status != nullptr) {
        *status = result;
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}
