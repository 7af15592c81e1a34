// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The model that buffer_ops checks KivBuffer_c against: bytes, a cursor and a
// limit, bytes left undefined by a resize marked unknown, and whether the
// buffer views foreign bytes, which must never be released and change only
// through the buffer.
#pragma once

#include "FuzzSupport.h"

#include "core/KivBuffer.h"

#include <algorithm>
#include <vector>

namespace buffer_model {

inline constexpr int kUnknown = -1;
inline constexpr std::int32_t kForeignSize = 64;

struct ModelBuffer
{
    bool hasData = false;
    bool owns = true;
    bool viewsForeign = false;
    std::vector<int> bytes; // kUnknown where the content is not defined
    std::int32_t position = 0;
    std::int32_t remaining = 0;
    std::int8_t kind = 0;

    std::int32_t size() const { return static_cast<std::int32_t>(bytes.size()); }
    std::int32_t limit() const { return position + remaining; }

    void rewind(std::int32_t newLimit)
    {
        if (newLimit == -1) {
            newLimit = limit();
        }
        if (newLimit > size()) {
            newLimit = size();
        }
        if (newLimit < 0) {
            newLimit = 0;
        }
        position = 0;
        remaining = hasData ? newLimit : 0;
    }
    void clear()
    {
        hasData = false;
        viewsForeign = false;
        bytes.clear();
        position = 0;
        remaining = 0;
    }
    void resize(std::int32_t n)
    {
        if (n != size()) {
            if (n <= 0) {
                clear();
            } else {
                bytes.resize(static_cast<std::size_t>(n), kUnknown);
                hasData = true;
                owns = true;
                viewsForeign = false;
            }
        }
        rewind(size());
    }
    // The cursor goes to the place within [0, limit] nearest to `p`, the limit
    // stays, and only a place inside counts as reached. Without bytes there is
    // no place to go to.
    std::int8_t seek(std::int32_t p)
    {
        const std::int32_t end = hasData ? limit() : 0;
        position = std::clamp(p, 0, end);
        remaining = end - position;
        return hasData && position == p ? KIV_OK : KIV_FAIL;
    }
};

struct Foreign
{
    std::uint8_t bytes[kForeignSize + 1];
};

inline void checkBuffer(const KivBuffer_c &buffer, const ModelBuffer &m, const Foreign &foreign)
{
    FUZZ_CHECK(buffer.size() == m.size());
    FUZZ_CHECK((buffer.data() != nullptr) == m.hasData);
    FUZZ_CHECK((buffer.ownsData() == KIV_YES) == m.owns);
    FUZZ_CHECK(buffer.position() == m.position);
    FUZZ_CHECK(buffer.remaining() == m.remaining);
    FUZZ_CHECK(buffer.kind == m.kind);
    FUZZ_CHECK(buffer.cursor() == (m.hasData ? buffer.data() + m.position : nullptr));
    if (!m.hasData) {
        return;
    }
    FUZZ_CHECK((buffer.data() == foreign.bytes) == m.viewsForeign);
    for (std::int32_t i = 0; i < m.size(); ++i) {
        FUZZ_CHECK(m.bytes[i] == kUnknown || buffer.data()[i] == m.bytes[i]);
    }
    if (m.owns) {
        FUZZ_CHECK(buffer.data()[m.size()] == 0);
    }
}

// The pieces that cutting `bytes` at every ':' gives.
inline std::vector<std::vector<int>> modelSplit(const std::vector<int> &bytes)
{
    std::vector<std::vector<int>> pieces;
    std::vector<int> piece;
    for (int b : bytes) {
        if (b == ':') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece.push_back(b);
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

// A length byte and up to 64 bytes of input, then a fixed pattern.
inline void fillScratch(FuzzInput &input, std::uint8_t (&scratch)[256])
{
    const std::size_t have = input.byte() % 65;
    for (std::size_t i = 0; i < sizeof scratch; ++i) {
        scratch[i] = i < have ? input.byte() : static_cast<std::uint8_t>(i);
    }
}

// The source of a copyIn or write: the scratch area or, when `from` asks for
// it, the buffer's own storage, with `count` cut to what that storage holds.
inline const std::uint8_t *pickSource(std::uint8_t from, const std::uint8_t *scratch,
                                      const KivBuffer_c &b, const ModelBuffer &m,
                                      std::int32_t &count)
{
    if (from < 128 || !m.hasData || m.size() <= 0) {
        return scratch;
    }
    const std::int32_t offset = from % m.size();
    if (count > m.size() - offset) {
        count = m.size() - offset;
    }
    return b.data() + offset;
}

// The `n` source bytes as the model sees them before the call changes them.
inline std::vector<int> sourceBytes(const std::uint8_t *source, const std::uint8_t *scratch,
                                    const KivBuffer_c &b, const ModelBuffer &m, std::int32_t n)
{
    std::vector<int> bytes;
    for (std::int32_t i = 0; i < n; ++i) {
        bytes.push_back(source == scratch
                            ? scratch[i]
                            : m.bytes[static_cast<std::size_t>(source - b.data() + i)]);
    }
    return bytes;
}

} // namespace buffer_model
