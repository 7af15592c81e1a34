// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The bytes of the library's strings and buffers as std::string.
#pragma once

#include "core/KivBuffer.h"
#include "core/KivString.h"

#include <string>

namespace oracle {

using Bytes = std::string;

// The bytes below a buffer's limit.
inline Bytes bufferBytes(const KivBuffer_c *buffer)
{
    if (buffer == nullptr || buffer->data() == nullptr || buffer->limit() <= 0) {
        return {};
    }
    return Bytes(reinterpret_cast<const char *>(buffer->data()),
                 static_cast<std::size_t>(buffer->limit()));
}

inline Bytes stringText(KivString_c *string)
{
    return string != nullptr ? Bytes(string->text(), static_cast<std::size_t>(string->length()))
                             : Bytes();
}

} // namespace oracle
