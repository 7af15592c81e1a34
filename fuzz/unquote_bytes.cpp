// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// unquoteBytes two ways per input. The bytes build text in the forms it reads
// (quoted runs with escapes, hexadecimal and decimal bytes, separators, now
// and then a stray byte), which must give the bytes it was built from. The
// same bytes as arbitrary text must leave the target the documented shape,
// never write past it, give the same with an explicit count, with -1 and from
// the target's own storage, and produce bytes that quote and read back.
#include "FuzzSupport.h"
#include "oracles/LibraryText.h"
#include "oracles/Quoting.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"

using oracle::Bytes;

namespace {

// The target's size is the count and its limit the bytes produced, followed
// by the zero byte that storage always has.
Bytes checkTarget(const KivBuffer_c &target, std::int32_t count)
{
    FUZZ_CHECK(target.size() == count);
    FUZZ_CHECK(target.position() == 0);
    FUZZ_CHECK(target.limit() >= 0 && target.limit() <= count);
    if (count > 0) {
        FUZZ_CHECK(target.data()[target.limit()] == 0);
    }
    return oracle::bufferBytes(&target);
}

struct Result
{
    Bytes bytes;
    KivStatus status;
};

Result unquote(const Bytes &text, std::int32_t count)
{
    KivBuffer_c target;
    target.resize(7); // earlier contents are replaced
    const KivStatus status = unquoteBytes(text.c_str(), &target, count);
    FUZZ_CHECK(status == KIV_OK || status == KIV_FAIL);
    const std::size_t zero = text.find('\0');
    const std::size_t read = zero == Bytes::npos ? text.size() : zero;
    return {checkTarget(target, count == -1 ? static_cast<std::int32_t>(read) : count), status};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const oracle::QuotedText built = oracle::buildQuotedText(input);
    const Result fromBuilt = unquote(built.text, static_cast<std::int32_t>(built.text.size()));
    FUZZ_CHECK(fromBuilt.bytes == built.bytes);
    FUZZ_CHECK(fromBuilt.status == (built.malformed ? KIV_FAIL : KIV_OK));
    const Result builtByZero = unquote(built.text, -1);
    FUZZ_CHECK(builtByZero.bytes == built.bytes && builtByZero.status == fromBuilt.status);

    const Bytes text(reinterpret_cast<const char *>(data), size);
    const auto count = static_cast<std::int32_t>(size);
    const Result whole = unquote(text, count);
    const Bytes head = text.substr(0, text.find('\0'));
    const Result byZero = unquote(text, -1);
    const Result headCounted = unquote(head, static_cast<std::int32_t>(head.size()));
    FUZZ_CHECK(byZero.bytes == headCounted.bytes && byZero.status == headCounted.status);

    // The text read from the target's own storage.
    if (count > 0) {
        KivBuffer_c own;
        own.resize(count);
        own.copyIn(text.data(), count);
        const KivStatus status =
            unquoteBytes(reinterpret_cast<const char *>(own.data()), &own, count);
        FUZZ_CHECK(status == whole.status && checkTarget(own, count) == whole.bytes);
    }

    // Whatever came out quotes in canonical form and reads back.
    const Bytes quoted = oracle::quotedText(whole.bytes);
    FUZZ_CHECK(unquote(quoted, static_cast<std::int32_t>(quoted.size())).bytes == whole.bytes);

    KivBuffer_c target;
    FUZZ_CHECK(unquoteBytes(nullptr, &target, count) == KIV_FAIL);
    FUZZ_CHECK(unquoteBytes(text.data(), nullptr, count) == KIV_FAIL);
    FUZZ_CHECK(unquoteBytes(text.data(), &target, -2) == KIV_FAIL && target.size() == 0);
    return 0;
}
