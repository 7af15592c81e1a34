// parseDecimal on arbitrary text: the model's value and status exactly, and
// the correctly rounded value of the digits read (strtod) within a small
// relative error.
#include "FuzzSupport.h"
#include "Models.h"

#include "values/KivConversions.h"

#include <cmath>

namespace {

// The sign, digits and point that the reading takes, as strtod text.
model::Bytes numberText(const model::Bytes &text)
{
    std::size_t i = 0;
    while (i < text.size() && !model::isDigit(text[i])) {
        ++i;
    }
    model::Bytes out = i > 0 && text[i - 1] == '-' ? "-" : "";
    while (i < text.size() && model::isDigit(text[i])) {
        out += text[i++];
    }
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        while (i < text.size() && model::isDigit(text[i])) {
            out += text[i++];
        }
    }
    return out;
}

void check(const model::Bytes &text, std::int32_t count, const char *characters)
{
    const model::Decimal expected = model::parseDecimal(text);
    KivStatus status = 0;
    const double x = parseDecimal(characters, count, &status);
    FUZZ_CHECK(status == (expected.ok ? KIV_OK : KIV_FAIL));
    FUZZ_CHECK(x == expected.value && std::signbit(x) == std::signbit(expected.value));
    if (!expected.ok) {
        return;
    }
    const double exact = std::strtod(numberText(text).c_str(), nullptr);
    if (std::isinf(x) || std::isinf(exact)) {
        // Only numbers at the edge of the double range may round differently.
        FUZZ_CHECK(std::fabs(std::isinf(x) ? exact : x) > 1e307);
        return;
    }
    FUZZ_CHECK(std::fabs(x - exact) <= 1e-12 * std::fabs(exact));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const model::Bytes text(reinterpret_cast<const char *>(data), size);
    check(text, static_cast<std::int32_t>(size), text.data());
    check(text.substr(0, text.find('\0')), -1, text.c_str());
    KivStatus status = 0;
    FUZZ_CHECK(parseDecimal(text.c_str(), -5, &status) == 0.0 && status == KIV_FAIL);
    FUZZ_CHECK(parseDecimal(nullptr, -1, &status) == 0.0 && status == KIV_FAIL);
    return 0;
}
