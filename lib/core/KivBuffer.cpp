// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivBuffer.h"

#include <cstring>
#include <new>

namespace {

// Storage of `size` bytes plus the zero byte after them, or null.
std::uint8_t *allocateStorage(std::int32_t size)
{
    std::uint8_t *storage = new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size) + 1];
    if (storage != nullptr) {
        storage[size] = 0;
    }
    return storage;
}

} // namespace

KivBuffer_c::~KivBuffer_c()
{
    clear();
    rewind(-1);
}

KivStatus KivBuffer_c::copyTo(KivObject_c *other)
{
    auto *target = dynamic_cast<KivBuffer_c *>(other);
    if (target == nullptr) {
        return KIV_FAIL;
    }
    if (target == this) {
        return KIV_OK;
    }
    target->kind = kind;
    target->clear();
    target->rewind(-1);
    const std::int32_t bytes = limit();
    if (bytes <= 0) {
        return KIV_OK;
    }
    if (target->resize(bytes) != KIV_OK) {
        return KIV_FAIL;
    }
    std::memcpy(target->data_, data_, static_cast<std::size_t>(bytes));
    target->rewind(target->size_);
    return KIV_OK;
}

KivBuffer_c *KivBuffer_c::create() const
{
    return new (std::nothrow) KivBuffer_c;
}

std::int32_t KivBuffer_c::read(void *destination, std::int32_t count)
{
    if (destination == nullptr || cursor_ == nullptr || count <= 0) {
        return 0;
    }
    const std::int32_t n = count < remaining_ ? count : remaining_;
    std::memcpy(destination, cursor_, static_cast<std::size_t>(n));
    seek(position_ + n);
    return n;
}

std::int32_t KivBuffer_c::write(const void *source, std::int32_t count)
{
    if (source == nullptr || cursor_ == nullptr || count <= 0) {
        return 0;
    }
    const std::int32_t n = count < remaining_ ? count : remaining_;
    std::memmove(cursor_, source, static_cast<std::size_t>(n));
    seek(position_ + n);
    return n;
}

KivStatus KivBuffer_c::resize(std::int32_t newSize)
{
    KivStatus status = KIV_OK;
    if (newSize == size_) {
        // Same size: nothing to allocate.
    } else if (newSize <= 0) {
        clear();
    } else {
        std::uint8_t *storage = allocateStorage(newSize);
        if (storage != nullptr) {
            if (data_ != nullptr) {
                const std::int32_t kept = size_ < newSize ? size_ : newSize;
                std::memcpy(storage, data_, static_cast<std::size_t>(kept));
            }
        } else {
            newSize = 0;
            status = KIV_FAIL;
        }
        takeStorage(storage, newSize);
    }
    rewind(size_);
    return status;
}

void KivBuffer_c::clear()
{
    if (data_ != nullptr) {
        if (ownsData_ == KIV_YES) {
            delete[] data_;
        }
        data_ = nullptr;
    }
    size_ = 0;
    // A cursor into released storage would let read, write and copyTo touch
    // freed memory before the caller rewinds.
    cursor_ = nullptr;
    position_ = 0;
    remaining_ = 0;
}

void KivBuffer_c::attach(void *bytes, std::int32_t length)
{
    if (data_ != nullptr) {
        return;
    }
    if (bytes == nullptr) {
        size_ = 0;
        cursor_ = nullptr;
        remaining_ = 0;
        position_ = 0;
        return;
    }
    if (length < 0) {
        length = 0;
    }
    ownsData_ = KIV_NO;
    data_ = static_cast<std::uint8_t *>(bytes);
    cursor_ = data_;
    size_ = length;
    remaining_ = length;
    position_ = 0;
}

std::int32_t KivBuffer_c::copyIn(const void *source, std::int32_t count)
{
    std::int32_t n = 0;
    if (source != nullptr && data_ != nullptr && count > 0) {
        n = count < size_ ? count : size_;
        std::memmove(data_, source, static_cast<std::size_t>(n));
    }
    rewind(n);
    return n;
}

KivStatus KivBuffer_c::padFront(std::int32_t count, std::uint8_t fill)
{
    if (count <= 0 || count > INT32_MAX - size_) {
        return KIV_FAIL;
    }
    const std::int32_t newSize = size_ + count;
    std::uint8_t *storage = allocateStorage(newSize);
    if (storage == nullptr) {
        return KIV_FAIL;
    }
    std::memset(storage, fill, static_cast<std::size_t>(count));
    if (data_ != nullptr) {
        std::memcpy(storage + count, data_, static_cast<std::size_t>(size_));
    }
    takeStorage(storage, newSize);
    rewind(size_);
    return KIV_OK;
}

void KivBuffer_c::takeStorage(std::uint8_t *storage, std::int32_t size)
{
    if (ownsData_ == KIV_YES) {
        delete[] data_;
    }
    data_ = storage;
    size_ = size;
    ownsData_ = KIV_YES;
}

std::int32_t KivBuffer_c::rewind(std::int32_t newLimit)
{
    if (newLimit == -1) {
        newLimit = limit();
    }
    if (newLimit > size_) {
        newLimit = size_;
    }
    if (newLimit < 0) {
        newLimit = 0;
    }
    cursor_ = data_;
    position_ = 0;
    remaining_ = newLimit;
    return newLimit;
}

KivStatus KivBuffer_c::seek(std::int32_t newPosition)
{
    if (data_ == nullptr) {
        cursor_ = nullptr;
        position_ = 0;
        remaining_ = 0;
        return KIV_FAIL;
    }
    const std::int32_t end = limit();
    KivStatus status = KIV_OK;
    if (newPosition < 0) {
        newPosition = 0;
        status = KIV_FAIL;
    } else if (newPosition > end) {
        newPosition = end;
        status = KIV_FAIL;
    }
    remaining_ = end - newPosition;
    position_ = newPosition;
    cursor_ = data_ + position_;
    return status;
}

KivStatus KivBuffer_c::stepForward()
{
    if (cursor_ == nullptr || remaining_ <= 0) {
        return KIV_FAIL;
    }
    ++position_;
    ++cursor_;
    --remaining_;
    return KIV_OK;
}

KivStatus KivBuffer_c::stepBack()
{
    if (cursor_ == nullptr || position_ <= 0) {
        return KIV_FAIL;
    }
    --position_;
    --cursor_;
    ++remaining_;
    return KIV_OK;
}

std::int32_t KivBuffer_c::seekDot()
{
    if (cursor_ == nullptr) {
        return KIV_BAD_COUNT;
    }
    const void *dot = std::memchr(cursor_, '.', static_cast<std::size_t>(remaining_));
    if (dot == nullptr) {
        return KIV_BAD_COUNT;
    }
    seek(static_cast<std::int32_t>(static_cast<const std::uint8_t *>(dot) - data_));
    return position_;
}
