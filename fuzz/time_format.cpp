// KivTime_c::format with an arbitrary count and pattern against the model's
// calendar, template and rendering; formatDuration alongside.
// Input: four bytes of seconds, four of milliseconds, then the pattern (up to
// its first zero byte).
#include "FuzzSupport.h"
#include "Models.h"

#include "core/KivString.h"
#include "time/KivTime.h"

namespace {

// The text a string holds after rendering: without the template's own zero
// byte, which ends the string.
model::Bytes stringText(const model::Rendered &rendered)
{
    model::Bytes text = rendered.bytes;
    if (rendered.closed) {
        text.pop_back();
    }
    return text;
}

void checkText(KivString_c &out, const model::Bytes &expected)
{
    FUZZ_CHECK(out.length() == static_cast<std::int32_t>(expected.size()));
    FUZZ_CHECK(std::memcmp(out.text(), expected.data(), expected.size()) == 0);
    FUZZ_CHECK(out.text()[expected.size()] == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint32_t seconds = input.u32();
    const std::int32_t milliseconds = input.i32();
    const model::Bytes rest = input.rest();
    const model::Bytes pattern = rest.substr(0, rest.find('\0'));

    KivTime_c time;
    time.setSeconds(seconds, milliseconds);

    KivTimeFields_c fields;
    FUZZ_CHECK(time.breakDown(&fields) == KIV_OK);
    const model::TimeFields f = model::breakDown(seconds);
    FUZZ_CHECK(fields.year == f.year && fields.month == f.month && fields.day == f.day);
    FUZZ_CHECK(fields.hour == f.hour && fields.minute == f.minute && fields.second == f.second);
    FUZZ_CHECK(fields.millisecond ==
               static_cast<std::int16_t>(static_cast<std::uint32_t>(milliseconds) & 0xFFFF));

    std::vector<std::uint32_t> numbers;
    const model::Bytes tpl = model::timeTemplate(pattern, seconds, numbers);
    std::vector<model::Argument> arguments;
    for (std::uint32_t n : numbers) {
        model::Argument argument;
        argument.value = model::unsignedArgument(n);
        arguments.push_back(argument);
    }
    const model::Rendered rendered = model::render(tpl + '\0', arguments);
    // A '%' and digits in the pattern may ask for a legitimately huge padding.
    if (rendered.largestWidth > model::kModelWidthLimit) {
        return 0;
    }

    KivString_c out;
    out.assign("previous text", -1, KIV_NO);
    FUZZ_CHECK(time.format(&out, pattern.c_str()) == KIV_OK);
    checkText(out, stringText(rendered));
    FUZZ_CHECK(time.format(nullptr, pattern.c_str()) == KIV_FAIL);

    FUZZ_CHECK(time.formatDuration(&out) == KIV_OK);
    const auto twoDigits = [](std::uint32_t n) { return (n < 10 ? "0" : "") + model::decimal(n); };
    checkText(out, twoDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
                       twoDigits(seconds % 60));
    return 0;
}
