// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The formatter, two ways per input. The bytes after the arguments build a
// template from pieces whose output is known by construction: literal bytes,
// escapes, and directives whose text follows from their argument as
// documented ('d' and 'u' its integer in decimal, 'f' its double in fixed
// point, 's' its text, 'p' its own bytes, 'X' their hexadecimal digits),
// padded to exactly max(width, length). The same bytes are then rendered as
// an arbitrary template, which must render the same a second time and leave
// the template as it was.
// Input: the number of arguments and their descriptions, then the template.
#include "FuzzSupport.h"
#include "oracles/Arguments.h"
#include "oracles/ValueReads.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "values/KivConversions.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <cstring>
#include <optional>

namespace {

using oracle::Bytes;

std::optional<Bytes> valueText(char letter, KivValue_c &value, std::uint16_t precision)
{
    KivStatus status = KIV_OK;
    switch (letter) {
    case 'd':
    case 'u': {
        const std::int32_t n = value.toInt(&status);
        if (status != KIV_OK) {
            return std::nullopt;
        }
        return letter == 'd' ? oracle::signedText(n)
                             : oracle::unsignedText(static_cast<std::uint32_t>(n));
    }
    case 'f': {
        value.precision = precision;
        const double x = value.toDouble(&status);
        if (status != KIV_OK) {
            return std::nullopt;
        }
        return oracle::fixedText(x, precision);
    }
    case 's':
        return oracle::stringText(value.toText());
    case 'p':
        value.precision = precision;
        if (oracle::isIntegerType(value.type())) {
            return oracle::bufferBytes(value.toBinary());
        }
        return oracle::stringText(value.toText());
    case 'X':
        value.precision = precision;
        if (oracle::isIntegerType(value.type())) {
            return oracle::hexText(oracle::bufferBytes(value.toBinary()));
        }
        switch (value.type()) {
        case KivValue_c::TYPE_NONE:
            return Bytes("00");
        case KivValue_c::TYPE_TEXT:
            return oracle::hexText(oracle::stringText(value.toText()));
        case KivValue_c::TYPE_DOUBLE: {
            // The double's eight bytes, least significant first.
            const double x = value.toDouble();
            std::uint64_t bits = 0;
            std::memcpy(&bits, &x, sizeof bits);
            Bytes bytes;
            for (int i = 0; i < 8; ++i) {
                bytes += static_cast<char>(bits >> (8 * i) & 0xFF);
            }
            return oracle::hexText(bytes);
        }
        case KivValue_c::TYPE_BOOL:
            return Bytes(value.toInt() == 1 ? "01" : "00");
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

// What a directive writes for `argument`, or nothing when it fails. Only a
// kind that its class has makes an argument readable.
std::optional<Bytes> directiveText(char letter, KivObject_c *argument, std::uint16_t precision)
{
    auto *value = argument->kind == KIV_KIND_VALUE ? dynamic_cast<KivValue_c *>(argument) : nullptr;
    if (value != nullptr) {
        return valueText(letter, *value, precision);
    }
    auto *string =
        argument->kind == KIV_KIND_STRING ? dynamic_cast<KivString_c *>(argument) : nullptr;
    auto *buffer =
        argument->kind == KIV_KIND_BUFFER ? dynamic_cast<KivBuffer_c *>(argument) : nullptr;
    const Bytes bytes =
        string != nullptr ? oracle::stringText(string) : oracle::bufferBytes(buffer);
    switch (letter) {
    case 'd':
    case 'u': {
        std::uint32_t bits = 0;
        if (string != nullptr) {
            const oracle::Number n = oracle::textInteger(bytes);
            bits = n.ok ? n.bits : 0;
        }
        // A buffer: its last four bytes at most, the one just below the
        // limit most significant.
        for (std::size_t i = 0; buffer != nullptr && i < 4 && i < bytes.size(); ++i) {
            bits = bits << 8 | static_cast<std::uint8_t>(bytes[bytes.size() - 1 - i]);
        }
        return letter == 'd' ? oracle::signedText(static_cast<std::int32_t>(bits))
                             : oracle::unsignedText(bits);
    }
    case 'f': {
        if (buffer != nullptr) {
            return std::nullopt;
        }
        KivStatus status = KIV_OK;
        const double x =
            parseDecimal(bytes.data(), static_cast<std::int32_t>(bytes.size()), &status);
        return oracle::fixedText(status == KIV_OK ? x : 0.0, precision);
    }
    case 's':
        if (string == nullptr && buffer == nullptr) {
            return std::nullopt;
        }
        return bytes;
    case 'p':
        return bytes;
    case 'X':
        return oracle::hexText(bytes);
    default:
        return std::nullopt;
    }
}

struct Built
{
    Bytes tpl;
    Bytes expected;
};

// Up to 48 pieces; each directive takes the next of `twins` (none once they
// run out: then it converts nothing and only pads).
Built buildTemplate(FuzzInput &input, KivList_c &twins)
{
    static const char letters[] = "pXfuds";
    static const char strangers[] = "aAzZ!:-#";
    KivNode_c *next = twins.first();
    Built b;
    for (int piece = 0; piece < 48 && !input.empty(); ++piece) {
        const std::uint8_t op = input.byte();
        if (op % 4 == 0) {
            for (int i = 0; i < 1 + op / 4 % 8; ++i) {
                char c = static_cast<char>(input.byte());
                c = c == '%' || c == '\\' ? static_cast<char>(c ^ 0x40) : c;
                b.tpl += c;
                b.expected += c;
            }
            continue;
        }
        if (op % 4 == 1) {
            const std::uint8_t e = input.byte();
            if (e % 8 < 7) {
                b.tpl += '\\';
                b.tpl += oracle::kEscapeLetters[e % 8];
                b.expected += oracle::kEscapedBytes[e % 8];
            } else {
                const std::uint8_t byte = input.byte();
                b.tpl += "\\x";
                b.tpl += oracle::hexDigit(byte >> 4, (op & 64) != 0);
                b.tpl += oracle::hexDigit(byte, (op & 128) != 0);
                b.expected += static_cast<char>(byte);
            }
            continue;
        }
        // %[0][width][.precision]letter; an unknown letter gets no width.
        const std::uint8_t shape = input.byte();
        const std::uint8_t l = input.byte();
        const bool known = l % 16 != 15;
        const char letter = known ? letters[l % 6] : strangers[l / 16 % 8];
        const bool hasWidth = known && (shape & 4) != 0;
        const std::uint32_t width = (shape & 8) != 0 ? 1 + input.u16() % 3000 : 1 + input.byte();
        const bool hasPrecision = (shape & 16) != 0;
        const std::uint16_t precision = (shape & 32) != 0 ? input.u16() : input.byte() % 16;
        b.tpl += '%';
        b.tpl += Bytes(shape % 3, '0');
        if (hasWidth) {
            b.tpl += oracle::unsignedText(width);
        }
        if (hasPrecision) {
            b.tpl += (shape & 64) != 0 ? ".0" : ".";
            b.tpl += oracle::unsignedText(precision);
        }
        b.tpl += letter;
        KivObject_c *argument = next != nullptr ? next->payload : nullptr;
        next = next != nullptr ? next->next : nullptr;
        std::optional<Bytes> text = Bytes();
        if (argument != nullptr) {
            text = directiveText(letter, argument, hasPrecision ? precision : 2);
        }
        if (!text) {
            continue;
        }
        if (hasWidth && width > text->size()) {
            const char fill = letter == 'p' ? '\0' : (shape % 3 != 0 ? '0' : ' ');
            b.expected += Bytes(width - text->size(), fill);
        }
        b.expected += *text;
    }
    return b;
}

// Widths of five digits or more are legitimate but make outputs that large:
// such arbitrary templates are not rendered.
bool hugeWidth(const Bytes &tpl)
{
    for (std::size_t at = tpl.find('%'); at != Bytes::npos; at = tpl.find('%', at + 1)) {
        const std::size_t end = tpl.find_first_not_of(oracle::kDigitSet, at + 1);
        if ((end == Bytes::npos ? tpl.size() : end) - at > 5) {
            return true;
        }
    }
    return false;
}

Bytes assignTemplate(KivBinaryString_c &binary, const Bytes &tpl)
{
    const auto length = static_cast<std::int32_t>(tpl.size());
    FUZZ_CHECK(binary.formatString->assign(tpl.data(), length, KIV_NO) == length);
    return tpl;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A built template.
    {
        FuzzInput input(data, size);
        FuzzInput again = input;
        KivBinaryString_c binary;
        KivBinaryString_c twins;
        oracle::decodeArguments(input, binary);
        oracle::decodeArguments(again, twins);
        const Built built = buildTemplate(input, *twins.arguments);
        assignTemplate(binary, built.tpl);
        KivString_c out;
        out.assign("previous text", -1, KIV_NO);
        FUZZ_CHECK(binary.renderString(&out) == KIV_OK);
        FUZZ_CHECK(oracle::stringText(&out) == built.expected);
        FUZZ_CHECK(out.text()[out.length()] == 0);
    }

    // The rest as an arbitrary template.
    FuzzInput input(data, size);
    KivBinaryString_c binary;
    oracle::decodeArguments(input, binary);
    const Bytes tpl = input.rest();
    if (hugeWidth(tpl)) {
        return 0;
    }
    assignTemplate(binary, tpl);
    const bool repeatable = !oracle::anyHollowValue(binary);
    KivString_c out;
    out.assign("previous text", -1, KIV_NO);
    FUZZ_CHECK(binary.renderString(&out) == KIV_OK);
    FUZZ_CHECK(out.text()[out.length()] == 0);
    FUZZ_CHECK(oracle::stringText(binary.formatString) == tpl);
    // Rendering again starts from the first argument; the text is what the
    // bytes give without the template's own closing zero, if it was copied.
    KivBuffer_c *output = binary.render(nullptr);
    FUZZ_CHECK(output == binary.output && output->limit() == output->size());
    const Bytes rendered = oracle::bufferBytes(output);
    const Bytes text = oracle::stringText(&out);
    FUZZ_CHECK(!repeatable || text == rendered || text + '\0' == rendered);
    FUZZ_CHECK(binary.renderString(nullptr) == KIV_FAIL);
    return 0;
}
