// quoteBytes on arbitrary bytes: the text agrees with the model and always
// reads back with unquoteBytes to the same bytes; also through
// KivString_c::assign with escaping and with the bytes in the target itself.
#include "FuzzSupport.h"
#include "Models.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"
#include "core/KivString.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const model::Bytes bytes(reinterpret_cast<const char *>(data), size);
    const auto count = static_cast<std::int32_t>(size);
    const model::Bytes quoted = model::quote(bytes);

    KivString_c text;
    text.assign("old", -1, KIV_NO);
    const KivStatus status = quoteBytes(&text, bytes.data(), count);
    if (size == 0) {
        FUZZ_CHECK(status == KIV_FAIL);
        FUZZ_CHECK(text.length() == 0);
        return 0;
    }
    FUZZ_CHECK(status == KIV_OK);
    FUZZ_CHECK(text.length() == static_cast<std::int32_t>(quoted.size()));
    FUZZ_CHECK(std::memcmp(text.text(), quoted.data(), quoted.size()) == 0);
    FUZZ_CHECK(text.text()[quoted.size()] == 0);

    KivBuffer_c back;
    FUZZ_CHECK(unquoteBytes(text.text(), &back, text.length()) == KIV_OK);
    FUZZ_CHECK(back.limit() == count);
    FUZZ_CHECK(std::memcmp(back.data(), bytes.data(), size) == 0);

    KivString_c assigned;
    FUZZ_CHECK(assigned.assign(bytes.data(), count, KIV_YES) ==
               static_cast<std::int32_t>(quoted.size()));
    FUZZ_CHECK(assigned.compare(&text) == 0);

    // Quoting the string's own text again.
    const model::Bytes twice = model::quote(quoted);
    FUZZ_CHECK(quoteBytes(&text, text.text(), text.length()) == KIV_OK);
    FUZZ_CHECK(text.length() == static_cast<std::int32_t>(twice.size()));
    FUZZ_CHECK(std::memcmp(text.text(), twice.data(), twice.size()) == 0);
    return 0;
}
