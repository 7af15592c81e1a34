// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// KivBuffer_c::split lives here, not with the buffer in core/: its pieces go into a list.
#include "core/KivBuffer.h"
#include "values/KivList.h"

#include <new>

namespace {

// Appends a new buffer holding `length` bytes at `bytes` to `pieces`. On
// failure nothing is left behind: a piece that was inserted is removed again
// (the list owns it), one that was not is destroyed here.
KivStatus addPiece(KivList_c *pieces, const std::uint8_t *bytes, std::int32_t length)
{
    auto *piece = new (std::nothrow) KivBuffer_c;
    if (piece == nullptr) {
        return KIV_FAIL;
    }
    if (pieces->insert(piece) != KIV_OK) {
        delete piece;
        return KIV_FAIL;
    }
    if (piece->resize(length) != KIV_OK || piece->copyIn(bytes, length) != length) {
        pieces->remove();
        return KIV_FAIL;
    }
    return KIV_OK;
}

} // namespace

std::int32_t KivBuffer_c::split(KivList_c *pieces, std::int32_t maxCount)
{
    if (pieces == nullptr || pieces->ownsPayloads != KIV_YES) {
        return KIV_BAD_COUNT;
    }
    std::int32_t n = remaining_;
    if (maxCount > 0 && maxCount <= remaining_) {
        n = maxCount;
    }
    if (n <= 0 || cursor_ == nullptr) {
        return 0;
    }

    std::int32_t added = 0;
    std::int32_t start = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        if (cursor_[i] != ':') {
            continue;
        }
        if (addPiece(pieces, cursor_ + start, i - start) != KIV_OK) {
            return KIV_BAD_COUNT;
        }
        ++added;
        start = i + 1;
    }
    if (start < n) {
        if (addPiece(pieces, cursor_ + start, n - start) != KIV_OK) {
            return KIV_BAD_COUNT;
        }
        ++added;
    }
    return added;
}
