// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "core/KivString.h"

#include "core/KivBuffer.h"
#include "core/KivBytes.h"
#include "core/KivEscapes.h"

#include <cstddef>
#include <cstring>
#include <new>

KivString_c::KivString_c() : buffer_(new(std::nothrow) KivBuffer_c)
{
    if (buffer_ != nullptr && buffer_->resize(1) == KIV_OK && buffer_->data() != nullptr) {
        buffer_->data()[0] = 0;
    }
}

KivString_c::~KivString_c()
{
    delete buffer_;
}

KivStatus KivString_c::copyTo(KivObject_c *target)
{
    auto *other = dynamic_cast<KivString_c *>(target);
    if (other == nullptr) {
        return KIV_FAIL;
    }
    if (other == this) {
        return KIV_OK;
    }
    other->kind = kind;
    return other->assign(text(), length(), KIV_NO) == KIV_BAD_COUNT ? KIV_FAIL : KIV_OK;
}

KivString_c *KivString_c::create() const
{
    return new (std::nothrow) KivString_c;
}

std::int32_t KivString_c::length() const
{
    if (buffer_ == nullptr || buffer_->size() <= 0) {
        return 0;
    }
    return buffer_->size() - 1;
}

std::int32_t KivString_c::assign(const char *source, std::int32_t count, std::int8_t escape)
{
    if (buffer_ == nullptr) {
        return KIV_BAD_COUNT;
    }
    if (source == nullptr) {
        if (count < -1 || count == INT32_MAX) {
            count = -1;
        }
        buffer_->resize(count + 1);
        if (buffer_->data() != nullptr) {
            std::memset(buffer_->data(), 0, static_cast<std::size_t>(buffer_->size()));
        }
        return KIV_BAD_COUNT;
    }
    if (count == -1) {
        count = static_cast<std::int32_t>(std::strlen(source));
    } else if (count < 0) {
        count = 0; // no other negative count has a meaning: take nothing
    }

    // The text may lie in this string's own storage, which resizing releases:
    // take it from a private copy then.
    if (kiv::overlaps(source, count, buffer_->data(),
                      static_cast<std::size_t>(buffer_->size()) + 1)) {
        char *copy = new (std::nothrow) char[static_cast<std::size_t>(count)];
        if (copy == nullptr) {
            return KIV_BAD_COUNT;
        }
        std::memcpy(copy, source, static_cast<std::size_t>(count));
        const std::int32_t result = assign(copy, count, escape);
        delete[] copy;
        return result;
    }

    if (escape == KIV_NO) {
        if (count == INT32_MAX || buffer_->resize(count + 1) != KIV_OK) {
            return KIV_BAD_COUNT;
        }
        const std::int32_t copied = buffer_->copyIn(source, count);
        buffer_->data()[copied] = 0;
        buffer_->rewind(buffer_->size());
        return copied;
    }
    // quoteBytes fills a string and assign quotes through it: the two call each other by design.
    return quoteBytes(this, source, count) == KIV_OK ? length() : KIV_BAD_COUNT;
}

const char *KivString_c::text()
{
    if (buffer_ == nullptr || buffer_->data() == nullptr) {
        return "";
    }
    buffer_->rewind(-1);
    return reinterpret_cast<const char *>(buffer_->data());
}

void KivString_c::clear()
{
    if (buffer_ != nullptr && buffer_->resize(1) == KIV_OK && buffer_->data() != nullptr) {
        buffer_->data()[0] = 0;
    }
}

std::int8_t KivString_c::compare(KivString_c *other)
{
    return compareText(text(), length(), other);
}

std::int8_t KivString_c::compareText(const char *text, std::int32_t count, KivString_c *other)
{
    if (text == nullptr || other == nullptr) {
        return KIV_BAD_COUNT;
    }
    if (count == -1) {
        count = static_cast<std::int32_t>(std::strlen(text));
    } else if (count < 0) {
        count = 0;
    }
    const std::int32_t otherLength = other->length();
    const std::int32_t n = otherLength < count ? otherLength : count;
    if (n > 0) {
        const auto *a = reinterpret_cast<const std::uint8_t *>(other->text());
        const auto *b = reinterpret_cast<const std::uint8_t *>(text);
        for (std::int32_t i = 0; i < n; ++i) {
            if (a[i] == b[i]) {
                if (b[i] == 0) {
                    break;
                }
                continue;
            }
            if (kiv::lowerCase(a[i]) == kiv::lowerCase(b[i])) {
                continue;
            }
            return static_cast<std::int8_t>(a[i]) > static_cast<std::int8_t>(b[i]) ? 1 : -1;
        }
    }
    if (otherLength > count) {
        return 1;
    }
    return otherLength == count ? 0 : -1;
}
