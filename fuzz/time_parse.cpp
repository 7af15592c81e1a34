// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// KivTime_c::parse two ways per input. The bytes build "hours:minutes:seconds"
// text from known numbers, each piece with stray bytes around its first run of
// digits, with more pieces on the left and an optional ".milliseconds"; it
// must read back as those numbers. The same bytes as arbitrary text must
// parse, leave the text alone, and read the part before the first '.' as the
// whole text does.
#include "FuzzSupport.h"
#include "oracles/Digits.h"
#include "oracles/LibraryText.h"

#include "core/KivString.h"
#include "time/KivTime.h"

using oracle::Bytes;

namespace {

// Bytes that are neither digits nor ':' nor '.'.
const char kStray[] = "ab -+/xZ\t;";

Bytes stray(FuzzInput &input, int most)
{
    Bytes out;
    for (int n = input.byte() % (most + 1); n > 0; --n) {
        out += kStray[input.byte() % (sizeof kStray - 1)];
    }
    return out;
}

// A run of digits worth `value` modulo 2^32: its decimal digits after up to
// three zeros, or a long run of digits from the input.
Bytes digitsOf(FuzzInput &input, std::uint32_t &value)
{
    const std::uint8_t form = input.byte();
    Bytes digits;
    if (form % 4 == 3) {
        for (int n = 1 + form / 4 % 40; n > 0; --n) {
            digits += static_cast<char>('0' + input.byte() % 10);
        }
    } else {
        digits =
            Bytes(form % 4, '0') + oracle::unsignedText(form / 4 % 2 ? input.u32() : input.byte());
    }
    value = oracle::digitsModulo32(digits);
    return digits;
}

struct Time
{
    std::uint32_t seconds = 0;
    std::uint32_t milliseconds = 0;
};

Time parse(const Bytes &text)
{
    KivString_c string;
    string.assign(text.data(), static_cast<std::int32_t>(text.size()), KIV_NO);
    KivTime_c time;
    time.setSeconds(123, 456);
    FUZZ_CHECK(time.parse(&string) == KIV_OK);
    FUZZ_CHECK(oracle::stringText(&string) == text);
    return {time.seconds(), static_cast<std::uint32_t>(time.milliseconds())};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const int pieces = 1 + input.byte() % 5;
    std::uint32_t fields[5] = {0, 0, 0, 0, 0};
    Bytes text;
    for (int i = 0; i < pieces; ++i) {
        // A piece without digits reads as 0; the last one is never empty, as
        // text ending in ':' drops that piece.
        const std::uint8_t shape = input.byte();
        Bytes piece = stray(input, 2);
        if (shape % 4 != 0) {
            piece += digitsOf(input, fields[i]) + (shape & 4 ? stray(input, 2) : "");
            if ((shape & 8) != 0) {
                piece += "x" + oracle::unsignedText(input.byte());
            }
        } else if (piece.empty() && i == pieces - 1) {
            piece = "x";
        }
        text += (i > 0 ? ":" : "") + piece;
    }
    std::uint32_t milliseconds = 0;
    if ((input.byte() & 1) != 0) {
        text += "." + stray(input, 2) + digitsOf(input, milliseconds) + stray(input, 3);
    }
    const std::uint32_t seconds = fields[pieces - 1] +
                                  (pieces > 1 ? 60u * fields[pieces - 2] : 0u) +
                                  (pieces > 2 ? 3600u * fields[pieces - 3] : 0u);
    const Time built = parse(text);
    FUZZ_CHECK(built.seconds == seconds && built.milliseconds == milliseconds);

    const Bytes raw(reinterpret_cast<const char *>(data), size);
    const Time whole = parse(raw);
    const std::size_t dot = raw.find('.');
    if (dot != Bytes::npos && dot > 0) {
        FUZZ_CHECK(parse(raw.substr(0, dot)).seconds == whole.seconds);
        FUZZ_CHECK(whole.milliseconds == oracle::unsignedReading(raw.substr(dot + 1)).bits);
    } else {
        FUZZ_CHECK(whole.milliseconds == 0);
    }

    KivTime_c time;
    time.setSeconds(123, 456);
    FUZZ_CHECK(time.parse(nullptr) == KIV_FAIL);
    FUZZ_CHECK(time.seconds() == 0 && time.milliseconds() == 0);
    return 0;
}
