// KivTime_c::parse on arbitrary text against the counts of the model.
#include "FuzzSupport.h"
#include "Models.h"

#include "core/KivString.h"
#include "time/KivTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const model::Bytes text(reinterpret_cast<const char *>(data), size);
    KivString_c string;
    string.assign(text.data(), static_cast<std::int32_t>(size), KIV_NO);
    KivTime_c time;
    time.setSeconds(123, 456);
    FUZZ_CHECK(time.parse(&string) == KIV_OK);
    const model::Time expected = model::parseTime(text);
    FUZZ_CHECK(time.seconds() == expected.seconds);
    FUZZ_CHECK(time.milliseconds() == static_cast<std::int32_t>(expected.milliseconds));
    FUZZ_CHECK(string.length() == static_cast<std::int32_t>(size));
    FUZZ_CHECK(std::memcmp(string.text(), text.data(), size) == 0);

    FUZZ_CHECK(time.parse(nullptr) == KIV_FAIL);
    FUZZ_CHECK(time.seconds() == 0 && time.milliseconds() == 0);
    return 0;
}
