// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// quoteBytes on arbitrary bytes: the text is the canonical quoted form of
// exactly these bytes and reads back with unquoteBytes to them; the same
// through KivString_c::assign with escaping, and when the bytes lie in the
// target itself.
#include "FuzzSupport.h"
#include "oracles/LibraryText.h"
#include "oracles/Quoting.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"

using oracle::Bytes;

namespace {

void checkQuoted(const Bytes &quoted, const Bytes &bytes)
{
    Bytes back;
    FUZZ_CHECK(oracle::readCanonicalQuote(quoted, back) && back == bytes);
    KivBuffer_c target;
    FUZZ_CHECK(unquoteBytes(quoted.data(), &target, static_cast<std::int32_t>(quoted.size())) ==
               KIV_OK);
    FUZZ_CHECK(oracle::bufferBytes(&target) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Bytes bytes(reinterpret_cast<const char *>(data), size);
    const auto count = static_cast<std::int32_t>(size);

    KivString_c text;
    text.assign("old", -1, KIV_NO);
    const KivStatus status = quoteBytes(&text, bytes.data(), count);
    if (size == 0) {
        FUZZ_CHECK(status == KIV_FAIL);
        FUZZ_CHECK(text.length() == 0);
        return 0;
    }
    FUZZ_CHECK(status == KIV_OK);
    const Bytes quoted = oracle::stringText(&text);
    FUZZ_CHECK(text.text()[quoted.size()] == 0);
    checkQuoted(quoted, bytes);

    KivString_c assigned;
    FUZZ_CHECK(assigned.assign(bytes.data(), count, KIV_YES) ==
               static_cast<std::int32_t>(quoted.size()));
    FUZZ_CHECK(oracle::stringText(&assigned) == quoted);

    // Quoting the string's own text again.
    FUZZ_CHECK(quoteBytes(&text, text.text(), text.length()) == KIV_OK);
    checkQuoted(oracle::stringText(&text), quoted);

    KivString_c untouched;
    untouched.assign("kept", -1, KIV_NO);
    FUZZ_CHECK(quoteBytes(&untouched, nullptr, count) == KIV_FAIL);
    FUZZ_CHECK(oracle::stringText(&untouched) == "kept");
    return 0;
}
