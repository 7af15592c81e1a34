// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// boolFromText on arbitrary text and every word pair, and on each of the ten
// words with the case of its letters taken from the input, against the word
// list; boolToText writes the first pair's words.
#include "FuzzSupport.h"
#include "oracles/LibraryText.h"
#include "oracles/Words.h"

#include "core/KivString.h"
#include "values/KivConversions.h"

using oracle::Bytes;

namespace {

std::int8_t expected(const Bytes &text, std::int32_t pair)
{
    if (pair < 0 || pair > 5) {
        return KIV_FAIL;
    }
    const int word = oracle::boolWord(text, pair);
    return word == 1 ? KIV_YES : (word == 0 ? KIV_NO : KIV_FAIL);
}

void check(const Bytes &text)
{
    KivString_c string;
    FUZZ_CHECK(string.assign(text.data(), static_cast<std::int32_t>(text.size()), KIV_NO) ==
               static_cast<std::int32_t>(text.size()));
    for (std::int32_t pair : {-1, 0, 1, 2, 3, 4, 5, 6, 255, INT32_MIN}) {
        FUZZ_CHECK(boolFromText(&string, pair) == expected(text, pair));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Bytes text(reinterpret_cast<const char *>(data), size);
    check(text);

    FuzzInput input(data, size);
    for (int pair = 0; pair < 5; ++pair) {
        for (int truth = 0; truth < 2; ++truth) {
            Bytes mixed(oracle::kBoolWords[pair][truth]);
            const std::uint8_t cases = input.byte();
            for (std::size_t i = 0; i < mixed.size(); ++i) {
                if ((cases >> (i % 8) & 1) != 0 && mixed[i] >= 'a' && mixed[i] <= 'z') {
                    mixed[i] = static_cast<char>(mixed[i] - 'a' + 'A');
                }
            }
            check(mixed);
            KivString_c string;
            string.assign(mixed.data(), static_cast<std::int32_t>(mixed.size()), KIV_NO);
            const std::int8_t flag = truth == 1 ? KIV_YES : KIV_NO;
            FUZZ_CHECK(boolFromText(&string, pair) == flag);
            FUZZ_CHECK(boolFromText(&string, 5) == flag);
            check(mixed + text.substr(0, 1));
        }
    }
    FUZZ_CHECK(boolFromText(nullptr, 5) == KIV_FAIL);

    KivString_c words;
    for (std::int8_t flag : {KIV_YES, KIV_NO, static_cast<std::int8_t>(input.byte())}) {
        FUZZ_CHECK(boolToText(&words, flag) == KIV_OK);
        FUZZ_CHECK(oracle::stringText(&words) == (flag == KIV_YES ? "true" : "false"));
    }
    FUZZ_CHECK(boolToText(nullptr, KIV_YES) == KIV_FAIL);
    return 0;
}
