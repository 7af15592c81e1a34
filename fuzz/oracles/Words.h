// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The boolean words the library reads: five pairs of a false and a true
// word, compared without the case of ASCII letters.
#pragma once

#include <cstdint>
#include <string>

namespace oracle {

inline constexpr const char *kBoolWords[5][2] = {
    {"false", "true"}, {"off", "on"}, {"no", "yes"}, {"disabled", "enabled"}, {"0", "1"}};

inline bool sameWordIgnoringCase(const std::string &text, const char *word)
{
    const std::string w(word);
    if (text.size() != w.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(w[i])) {
            return false;
        }
    }
    return true;
}

// 1 for a true word, 0 for a false word, -1 for neither; `pair` 0 to 4 looks
// at one pair, 5 at all of them.
inline int boolWord(const std::string &text, int pair)
{
    for (int p = 0; p < 5; ++p) {
        if (pair != 5 && pair != p) {
            continue;
        }
        for (int truth = 0; truth < 2; ++truth) {
            if (sameWordIgnoringCase(text, kBoolWords[p][truth])) {
                return truth;
            }
        }
    }
    return -1;
}

} // namespace oracle
