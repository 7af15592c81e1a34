// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Formatter arguments decoded from the fuzzer's bytes. The same bytes decode
// twice, into the list that is rendered and into twins that the checks read
// the way the directives are documented to, so that each argument's reading
// happens on an object with the same history.
#pragma once

#include "FuzzSupport.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

namespace oracle {

// A value argument: set from the input, optionally converted, with a
// precision and a rounding mode.
inline KivValue_c *decodeValue(FuzzInput &input, int what)
{
    auto *value = new KivValue_c;
    value->kind = KIV_KIND_VALUE;
    switch (what) {
    case 1:
        value->setInt8(input.signedByte());
        break;
    case 2:
        value->setUInt8(input.byte());
        break;
    case 3:
        value->setInt16(static_cast<std::int16_t>(input.u16()));
        break;
    case 4:
        value->setUInt16(input.u16());
        break;
    case 5:
        value->setInt32(input.i32());
        break;
    case 6:
        value->setUInt32(input.u32());
        break;
    case 7:
        value->setDouble(input.f64());
        break;
    case 8: {
        const std::string text = input.shortBytes();
        value->setText(text.data(), static_cast<std::int32_t>(text.size()));
        break;
    }
    case 9:
        value->setBool(input.signedByte());
        break;
    case 10: {
        const std::string bytes = input.shortBytes();
        KivBuffer_c source;
        source.resize(static_cast<std::int32_t>(bytes.size()));
        source.copyIn(bytes.data(), static_cast<std::int32_t>(bytes.size()));
        value->setBinary(&source);
        break;
    }
    default:
        break;
    }
    const std::uint8_t extra = input.byte();
    if ((extra & 15) <= 10) {
        value->convertTo(extra & 15);
    }
    value->precision = static_cast<std::uint16_t>(extra >> 4);
    value->rounding = static_cast<std::int8_t>(extra >> 4 & 3);
    return value;
}

// Up to eight arguments into `binary`: numbers added with addUnsigned,
// values, strings, buffers with a limit, and objects of any class with any
// kind.
inline void decodeArguments(FuzzInput &input, KivBinaryString_c &binary)
{
    const int count = input.byte() % 9;
    for (int i = 0; i < count; ++i) {
        const int what = input.byte() % 15;
        KivObject_c *object = nullptr;
        if (what == 0) {
            binary.addUnsigned(input.u32());
            continue;
        }
        if (what <= 11) {
            object = decodeValue(input, what);
        } else if (what <= 13) {
            const std::string bytes = input.shortBytes();
            const auto size = static_cast<std::int32_t>(bytes.size());
            if (what == 12) {
                auto *string = new KivString_c;
                string->assign(bytes.data(), size, KIV_NO);
                string->kind = KIV_KIND_STRING;
                object = string;
            } else {
                auto *buffer = new KivBuffer_c;
                buffer->resize(size);
                buffer->copyIn(bytes.data(), size);
                buffer->rewind(input.byte() % (size + 1));
                buffer->kind = KIV_KIND_BUFFER;
                object = buffer;
            }
        } else {
            const int cls = input.byte() % 4;
            object = cls == 0   ? static_cast<KivObject_c *>(new KivValue_c)
                     : cls == 1 ? static_cast<KivObject_c *>(new KivString_c)
                     : cls == 2 ? static_cast<KivObject_c *>(new KivBuffer_c)
                                : static_cast<KivObject_c *>(new KivList_c);
            object->kind = input.signedByte();
        }
        FUZZ_CHECK(binary.arguments->insert(object) == KIV_OK);
    }
}

// Whether a value argument is left with nothing valid: its reading may then
// change its type, so a second rendering need not repeat the first.
inline bool anyHollowValue(KivBinaryString_c &binary)
{
    for (KivNode_c *node = binary.arguments->first(); node != nullptr; node = node->next) {
        auto *value = dynamic_cast<KivValue_c *>(node->payload);
        if (value != nullptr && value->intValid() != KIV_YES && value->doubleValid() != KIV_YES &&
            value->textValid() != KIV_YES && value->binaryValid() != KIV_YES) {
            return true;
        }
    }
    return false;
}

} // namespace oracle
