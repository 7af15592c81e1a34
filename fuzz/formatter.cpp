// The formatter with an arbitrary template and argument list against the
// model: renderString's text, a second render() into the default output, and
// the argument values' caches afterwards.
// Input: the number of arguments, each argument's description, then the
// template (all the remaining bytes).
#include "FuzzSupport.h"
#include "Models.h"
#include "ValueChecks.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "format/KivBinaryString.h"
#include "values/KivList.h"
#include "values/KivValue.h"

#include <vector>

namespace {

// Wider paddings are legitimate but make the target that large; such inputs
// are skipped so that a run stays within memory and time.
constexpr std::size_t kMaxOutput = 1 << 22;

// Decodes one argument into a library object and its model. Returns null for
// an argument added through addUnsigned (already in `binary`).
KivObject_c *decodeArgument(FuzzInput &input, KivBinaryString_c &binary, model::Argument &m)
{
    const int what = input.byte() % 15;
    if (what == 0) {
        const std::uint32_t n = input.u32();
        binary.addUnsigned(n);
        m.value = model::unsignedArgument(n);
        return nullptr;
    }
    if (what <= 11) {
        auto *value = new KivValue_c;
        value->kind = KIV_KIND_VALUE;
        model::Value &v = m.value;
        switch (what) {
        case 1: {
            const std::int8_t n = input.signedByte();
            value->setInt8(n);
            v.setInt8(n);
            break;
        }
        case 2: {
            const std::uint8_t n = input.byte();
            value->setUInt8(n);
            v.setUInt8(n);
            break;
        }
        case 3: {
            const auto n = static_cast<std::int16_t>(input.u16());
            value->setInt16(n);
            v.setInt16(n);
            break;
        }
        case 4: {
            const std::uint16_t n = input.u16();
            value->setUInt16(n);
            v.setUInt16(n);
            break;
        }
        case 5: {
            const std::int32_t n = input.i32();
            value->setInt32(n);
            v.setInt32(n);
            break;
        }
        case 6: {
            const std::uint32_t n = input.u32();
            value->setUInt32(n);
            v.setUInt32(n);
            break;
        }
        case 7: {
            const double x = input.f64();
            value->setDouble(x);
            v.setDouble(x);
            break;
        }
        case 8: {
            const model::Bytes text = input.shortBytes();
            value->setText(text.data(), static_cast<std::int32_t>(text.size()));
            v.setText(text);
            break;
        }
        case 9: {
            const std::int8_t flag = input.signedByte();
            value->setBool(flag);
            v.setBool(flag);
            break;
        }
        case 10: {
            const model::Bytes bytes = input.shortBytes();
            KivBuffer_c source;
            source.resize(static_cast<std::int32_t>(bytes.size()));
            source.copyIn(bytes.data(), static_cast<std::int32_t>(bytes.size()));
            value->setBinary(&source);
            v.setBinary(bytes);
            break;
        }
        default:
            break;
        }
        // Optionally a conversion, a precision and a rounding mode.
        const std::uint8_t extra = input.byte();
        if ((extra & 15) <= 10) {
            value->convertTo(extra & 15);
            v.convertTo(extra & 15);
        }
        value->precision = v.precision = static_cast<std::uint16_t>(extra >> 4);
        value->rounding = v.rounding = static_cast<std::int8_t>(extra >> 4 & 3);
        return value;
    }
    if (what == 12 || what == 13) {
        const model::Bytes bytes = input.shortBytes();
        const auto count = static_cast<std::int32_t>(bytes.size());
        if (what == 12) {
            auto *string = new KivString_c;
            string->assign(bytes.data(), count, KIV_NO);
            string->kind = KIV_KIND_STRING;
            m.cls = model::Argument::STRING;
            m.kind = KIV_KIND_STRING;
            m.bytes = bytes;
            return string;
        }
        auto *buffer = new KivBuffer_c;
        buffer->resize(count);
        buffer->copyIn(bytes.data(), count);
        const std::int32_t limit = input.byte() % (count + 1);
        buffer->rewind(limit);
        buffer->kind = KIV_KIND_BUFFER;
        m.cls = model::Argument::BUFFER;
        m.kind = KIV_KIND_BUFFER;
        m.bytes = bytes.substr(0, static_cast<std::size_t>(limit));
        return buffer;
    }
    // An object whose kind need not match its class.
    const int cls = input.byte() % 4;
    const std::int8_t kind = input.signedByte();
    KivObject_c *object = nullptr;
    if (cls == 0) {
        object = new KivValue_c;
        m.cls = model::Argument::VALUE;
    } else if (cls == 1) {
        object = new KivString_c;
        m.cls = model::Argument::STRING;
    } else if (cls == 2) {
        object = new KivBuffer_c;
        m.cls = model::Argument::BUFFER;
    } else {
        object = new KivList_c;
        m.cls = model::Argument::OTHER;
    }
    object->kind = kind;
    m.kind = kind;
    return object;
}

void checkBytes(const std::uint8_t *data, std::int32_t size, const model::Bytes &expected)
{
    FUZZ_CHECK(size == static_cast<std::int32_t>(expected.size()));
    FUZZ_CHECK(size == 0 || std::memcmp(data, expected.data(), expected.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    KivBinaryString_c binary;
    std::vector<model::Argument> arguments;
    const int count = input.byte() % 9;
    for (int i = 0; i < count; ++i) {
        model::Argument m;
        KivObject_c *object = decodeArgument(input, binary, m);
        if (object != nullptr) {
            FUZZ_CHECK(binary.arguments->insert(object) == KIV_OK);
        }
        arguments.push_back(m);
    }
    const model::Bytes tpl = input.rest();

    // The model runs first and decides whether the input is affordable.
    std::vector<model::Argument> first = arguments;
    const model::Rendered expected = model::render(tpl + '\0', first);
    if (expected.largestWidth > model::kModelWidthLimit || expected.bytes.size() > kMaxOutput) {
        return 0;
    }

    const auto length = static_cast<std::int32_t>(tpl.size());
    FUZZ_CHECK(binary.formatString->assign(tpl.data(), length, KIV_NO) == length);
    KivString_c out;
    out.assign("previous text", -1, KIV_NO);
    FUZZ_CHECK(binary.renderString(&out) == KIV_OK);
    model::Bytes text = expected.bytes;
    if (expected.closed) {
        text.pop_back();
    }
    checkBytes(reinterpret_cast<const std::uint8_t *>(out.text()), out.length(), text);
    FUZZ_CHECK(out.text()[text.size()] == 0);
    FUZZ_CHECK(binary.formatString->length() == length);

    // Rendering again starts from the first argument; the arguments keep what
    // the first rendering left in them.
    const model::Rendered again = model::render(tpl + '\0', first);
    KivBuffer_c *output = binary.render(nullptr);
    FUZZ_CHECK(output == binary.output);
    checkBytes(output->data(), output->size(), again.bytes);
    FUZZ_CHECK(output->limit() == output->size());

    KivNode_c *node = binary.arguments->first();
    for (const model::Argument &m : first) {
        FUZZ_CHECK(node != nullptr);
        if (m.cls == model::Argument::VALUE && m.kind == KIV_KIND_VALUE) {
            checkValueState(*static_cast<KivValue_c *>(node->payload), m.value);
        }
        node = node->next;
    }
    FUZZ_CHECK(node == nullptr);
    FUZZ_CHECK(binary.renderString(nullptr) == KIV_FAIL);
    return 0;
}
