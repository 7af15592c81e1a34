// unquoteBytes on arbitrary text: the bytes, the status and the target's
// shape agree with the model, with an explicit count, with -1 and with the
// text lying in the target's own storage.
#include "FuzzSupport.h"
#include "Models.h"

#include "core/KivBuffer.h"
#include "core/KivEscapes.h"

namespace {

void checkTarget(const KivBuffer_c &target, std::int32_t count, const model::Unquoted &expected)
{
    FUZZ_CHECK(target.size() == count);
    FUZZ_CHECK(target.position() == 0);
    FUZZ_CHECK(target.limit() == static_cast<std::int32_t>(expected.bytes.size()));
    if (count > 0) {
        FUZZ_CHECK(std::memcmp(target.data(), expected.bytes.data(), expected.bytes.size()) == 0);
        FUZZ_CHECK(target.data()[target.limit()] == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const model::Bytes text(reinterpret_cast<const char *>(data), size);
    const auto count = static_cast<std::int32_t>(size);
    const model::Unquoted expected = model::unquote(text);
    const KivStatus status = expected.ok ? KIV_OK : KIV_FAIL;

    KivBuffer_c target;
    target.resize(7); // earlier contents are replaced
    FUZZ_CHECK(unquoteBytes(text.data(), &target, count) == status);
    checkTarget(target, count, expected);

    // Up to the first zero byte.
    const model::Bytes head = text.substr(0, text.find('\0'));
    const model::Unquoted headExpected = model::unquote(head);
    KivBuffer_c byZero;
    FUZZ_CHECK(unquoteBytes(text.c_str(), &byZero, -1) == (headExpected.ok ? KIV_OK : KIV_FAIL));
    checkTarget(byZero, static_cast<std::int32_t>(head.size()), headExpected);

    // The text read from the target's own storage.
    if (count > 0) {
        KivBuffer_c own;
        own.resize(count);
        own.copyIn(text.data(), count);
        FUZZ_CHECK(unquoteBytes(reinterpret_cast<const char *>(own.data()), &own, count) == status);
        checkTarget(own, count, expected);
    }

    FUZZ_CHECK(unquoteBytes(nullptr, &target, count) == KIV_FAIL);
    FUZZ_CHECK(unquoteBytes(text.data(), nullptr, count) == KIV_FAIL);
    return 0;
}
