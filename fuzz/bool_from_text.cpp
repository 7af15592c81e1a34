// boolFromText on arbitrary text and every word pair against the model.
#include "FuzzSupport.h"
#include "Models.h"

#include "core/KivString.h"
#include "values/KivConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const model::Bytes text(reinterpret_cast<const char *>(data), size);
    KivString_c string;
    FUZZ_CHECK(string.assign(text.data(), static_cast<std::int32_t>(size), KIV_NO) ==
               static_cast<std::int32_t>(size));
    for (std::int32_t pair : {-1, 0, 1, 2, 3, 4, 5, 6, 255, INT32_MIN}) {
        FUZZ_CHECK(boolFromText(&string, pair) == model::boolFromText(text, pair));
    }
    FUZZ_CHECK(boolFromText(nullptr, 5) == KIV_FAIL);
    return 0;
}
