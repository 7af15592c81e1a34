// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Byte buffer with exact-size storage, a cursor and a limit; readable and
// writable through the KivReader_c and KivWriter_c interfaces.
#pragma once

#include "core/KivObject.h"

#include <cstdint>

class KivList_c;

class KivReader_c
{
public:
    virtual ~KivReader_c() = default;
    // Copies up to `count` bytes at the cursor into `destination`; returns the
    // number copied.
    virtual std::int32_t read(void *destination, std::int32_t count) = 0;
};

class KivWriter_c
{
public:
    virtual ~KivWriter_c() = default;
    // Copies up to `count` bytes from `source` to the cursor; returns the
    // number copied. Never grows the storage.
    virtual std::int32_t write(const void *source, std::int32_t count) = 0;
};

// Invariants: 0 <= position <= limit <= size, where limit = position +
// remaining; cursor == data + position whenever data is not null. Storage the
// buffer allocates has size + 1 bytes with a zero byte at offset size, so the
// contents can always be read as zero-terminated text.
class KivBuffer_c : public KivObject_c, public KivReader_c, public KivWriter_c
{
public:
    KivBuffer_c() = default;
    ~KivBuffer_c() override;

    // Copies the bytes below this buffer's limit (from its start) into
    // `other`, which must be a KivBuffer_c. A copy onto itself keeps the
    // contents and returns KIV_OK.
    KivStatus copyTo(KivObject_c *other) override;
    KivBuffer_c *create() const override;

    std::int32_t read(void *destination, std::int32_t count) override;
    std::int32_t write(const void *source, std::int32_t count) override;

    // Storage. resize keeps the first min(old, new) bytes and rewinds to the
    // whole new size; a failed resize leaves the buffer empty (KIV_FAIL).
    KivStatus resize(std::int32_t newSize);
    // Releases owned storage and leaves the buffer empty with no cursor
    // (position and limit 0), so no cursor points into released storage.
    void clear();
    // Views `length` foreign bytes without owning them. Only applies to a
    // buffer without storage; null `bytes` leaves the buffer empty.
    void attach(void *bytes, std::int32_t length);
    // Copies min(count, size) bytes to the start and rewinds with the limit at
    // the number copied.
    std::int32_t copyIn(const void *source, std::int32_t count);
    // Grows the storage at the front by `count` bytes of `fill` (KIV_FAIL and
    // unchanged if count <= 0 or memory is exhausted).
    KivStatus padFront(std::int32_t count, std::uint8_t fill);

    // Cursor.
    std::int32_t rewind(std::int32_t limit);
    KivStatus seek(std::int32_t newPosition);
    KivStatus stepForward();
    KivStatus stepBack();
    // Position of the next '.' at or after the cursor and below the limit,
    // with the cursor left on it; KIV_BAD_COUNT (cursor unmoved) when there is none.
    std::int32_t seekDot();

    // Cuts the bytes from the cursor at every ':' into new buffers appended to
    // `pieces` (a list that owns its payloads). Returns the number of pieces
    // added, or KIV_BAD_COUNT.
    std::int32_t split(KivList_c *pieces, std::int32_t maxCount);

    std::int32_t size() const { return size_; }
    std::uint8_t *data() const { return data_; }
    std::int8_t ownsData() const { return ownsData_; }
    std::uint8_t *cursor() const { return cursor_; }
    std::int32_t remaining() const { return remaining_; }
    std::int32_t position() const { return position_; }
    std::int32_t limit() const { return position_ + remaining_; }

private:
    // Replaces the storage with `storage` of `size` bytes, now owned,
    // releasing the old storage when it was owned.
    void takeStorage(std::uint8_t *storage, std::int32_t size);

    std::int32_t size_ = 0;
    std::uint8_t *data_ = nullptr;
    std::int8_t ownsData_ = KIV_YES;
    std::uint8_t *cursor_ = nullptr;
    std::int32_t remaining_ = 0;
    std::int32_t position_ = 0;
};
