// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "format/KivBinaryString.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivFormatter.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <new>

KivBinaryString_c::KivBinaryString_c()
{
    output = new (std::nothrow) KivBuffer_c;
    formatString = new (std::nothrow) KivString_c;
    // A string that could not get its own buffer can never hold a template.
    if (formatString != nullptr && formatString->buffer() == nullptr) {
        delete formatString;
        formatString = nullptr;
    }
    arguments = new (std::nothrow) KivList_c;
}

KivBinaryString_c::~KivBinaryString_c()
{
    delete arguments;
    delete formatString;
    delete output;
}

void KivBinaryString_c::addUnsigned(std::uint32_t n)
{
    if (arguments == nullptr) {
        return;
    }
    auto *value = new (std::nothrow) KivValue_c;
    if (value == nullptr) {
        return;
    }
    value->kind = KIV_KIND_VALUE;
    value->setUInt32(n);
    if (n < 256) {
        value->convertTo(KivValue_c::TYPE_UINT8);
    } else if (n < 65536) {
        value->convertTo(KivValue_c::TYPE_UINT16);
    }
    if (arguments->insert(value) != KIV_OK) {
        delete value;
    }
}

KivBuffer_c *KivBinaryString_c::render(KivBuffer_c *target)
{
    if (target == nullptr) {
        target = output;
    }
    if (target == nullptr) {
        return nullptr;
    }
    bool closed = false;
    return formatInto(formatString, arguments, target, INT32_MAX, closed);
}

KivStatus KivBinaryString_c::renderString(KivString_c *target)
{
    if (target == nullptr || target->buffer() == nullptr) {
        return KIV_FAIL;
    }
    KivBuffer_c *buffer = target->buffer();
    bool closed = false;
    // The text keeps room for its terminating zero.
    bool ok = formatInto(formatString, arguments, buffer, INT32_MAX - 1, closed) != nullptr;
    const std::int32_t size = buffer->size();
    if (ok && !closed) {
        // Stopped inside a directive or escape: close the text so that
        // the string keeps every rendered byte.
        ok = size < INT32_MAX && buffer->resize(size + 1) == KIV_OK;
        if (ok) {
            buffer->data()[size] = 0;
        }
    }
    if (!ok) {
        target->clear();
        return KIV_FAIL;
    }
    buffer->rewind(buffer->size());
    return KIV_OK;
}
