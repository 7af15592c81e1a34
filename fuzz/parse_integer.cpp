// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// parseUnsigned and parseSigned on arbitrary text against strtoull on the
// first run of digits (modulo 2^32) and the bytes before it, with an explicit
// count, a shorter count, -1 and invalid counts; decimalDigits against
// printf's digits, read back with both parsers.
#include "FuzzSupport.h"
#include "oracles/Digits.h"

#include "core/KivDigits.h"

#include <cstring>

using oracle::Bytes;

namespace {

void checkCount(const Bytes &text, std::int32_t count)
{
    const Bytes seen = count == -1 ? text.substr(0, text.find('\0'))
                                   : text.substr(0, static_cast<std::size_t>(count));
    const oracle::Number u = oracle::unsignedReading(seen);
    KivStatus status = 0;
    FUZZ_CHECK(parseUnsigned(&status, count, text.c_str()) == u.bits);
    FUZZ_CHECK(status == (u.ok ? KIV_OK : KIV_FAIL));

    const oracle::Number s = oracle::signedReading(seen);
    status = 0;
    FUZZ_CHECK(parseSigned(text.c_str(), count, &status) == static_cast<std::int32_t>(s.bits));
    FUZZ_CHECK(status == (s.ok ? KIV_OK : KIV_FAIL));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Bytes text(reinterpret_cast<const char *>(data), size);
    const auto count = static_cast<std::int32_t>(size);
    checkCount(text, count);
    checkCount(text, count / 2);
    checkCount(text, -1);

    for (std::int32_t bad : {-2, -100, INT32_MIN}) {
        KivStatus status = 0;
        FUZZ_CHECK(parseUnsigned(&status, bad, text.c_str()) == 0 && status == KIV_FAIL);
        FUZZ_CHECK(parseSigned(text.c_str(), bad, &status) == 0 && status == KIV_FAIL);
    }
    KivStatus status = 0;
    FUZZ_CHECK(parseUnsigned(&status, count, nullptr) == 0 && status == KIV_FAIL);
    FUZZ_CHECK(parseSigned(nullptr, count, &status) == 0 && status == KIV_FAIL);

    // decimalDigits: the first four bytes are the number, the fifth the capacity.
    FuzzInput input(data, size);
    const std::uint32_t n = input.u32();
    const std::int32_t capacity = input.signedByte() % 12;
    const Bytes digits = oracle::unsignedText(n);
    char out[16];
    std::memset(out, 'z', sizeof out);
    std::int32_t written = -1;
    char *end = decimalDigits(out, capacity, n, &written);
    if (capacity < static_cast<std::int32_t>(digits.size())) {
        FUZZ_CHECK(end == nullptr && written == 0);
        FUZZ_CHECK(out[0] == 'z');
    } else {
        FUZZ_CHECK(end == out + digits.size());
        FUZZ_CHECK(written == static_cast<std::int32_t>(digits.size()));
        FUZZ_CHECK(std::memcmp(out, digits.data(), digits.size()) == 0 && *end == 0);
        FUZZ_CHECK(out[digits.size() + 1] == 'z');
        // The digits read back, also as a signed number with printf's sign.
        FUZZ_CHECK(parseUnsigned(&status, -1, out) == n && status == KIV_OK);
        const Bytes signedDigits = oracle::signedText(static_cast<std::int32_t>(n));
        FUZZ_CHECK(parseSigned(signedDigits.c_str(), -1, &status) == static_cast<std::int32_t>(n) &&
                   status == KIV_OK);
    }
    return 0;
}
