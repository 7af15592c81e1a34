// Operation sequences on three KivValue_c objects checked against the model of
// the typed value and its caches: every read's result and status, and the
// type and valid flags after each step.
#include "FuzzSupport.h"
#include "Models.h"
#include "ValueChecks.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "values/KivValue.h"

#include <cmath>

namespace {

constexpr int kValues = 3;

bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return a == b && std::signbit(a) == std::signbit(b);
}

void checkValue(KivValue_c &value, const model::Value &m)
{
    checkValueState(value, m);
    FUZZ_CHECK(value.intValue() == m.intValue);
    FUZZ_CHECK((value.isSigned() == KIV_YES) == m.isSigned);
    FUZZ_CHECK(sameDouble(value.doubleValue(), m.doubleValue));
    FUZZ_CHECK(value.rounding == m.rounding);
}

void checkText(KivString_c *text, const model::Bytes &expected)
{
    FUZZ_CHECK(text != nullptr);
    FUZZ_CHECK(text->length() == static_cast<std::int32_t>(expected.size()));
    FUZZ_CHECK(std::memcmp(text->text(), expected.data(), expected.size()) == 0);
}

void checkBytes(KivBuffer_c *bytes, const model::Bytes &expected)
{
    FUZZ_CHECK(bytes != nullptr);
    FUZZ_CHECK(bytes->limit() == static_cast<std::int32_t>(expected.size()));
    FUZZ_CHECK(expected.empty() ||
               std::memcmp(bytes->data(), expected.data(), expected.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    KivValue_c values[kValues];
    model::Value models[kValues];
    for (int i = 0; i < kValues; ++i) {
        values[i].kind = static_cast<std::int8_t>(i + 1);
    }
    int steps = 0;
    while (!input.empty() && steps++ < 200) {
        const std::uint8_t op = input.byte();
        const int which = op / 32 % kValues;
        KivValue_c &v = values[which];
        model::Value &m = models[which];
        KivStatus status = 0;
        std::int8_t expectedStatus = 0;
        switch (op % 32) {
        case 0: {
            const std::int8_t n = input.signedByte();
            v.setInt8(n);
            m.setInt8(n);
            break;
        }
        case 1: {
            const std::uint8_t n = input.byte();
            v.setUInt8(n);
            m.setUInt8(n);
            break;
        }
        case 2: {
            const auto n = static_cast<std::int16_t>(input.u16());
            v.setInt16(n);
            m.setInt16(n);
            break;
        }
        case 3: {
            const std::uint16_t n = input.u16();
            v.setUInt16(n);
            m.setUInt16(n);
            break;
        }
        case 4: {
            const std::int32_t n = input.i32();
            v.setInt32(n);
            m.setInt32(n);
            break;
        }
        case 5: {
            const std::uint32_t n = input.u32();
            v.setUInt32(n);
            m.setUInt32(n);
            break;
        }
        case 6: {
            const std::int8_t flag = input.signedByte();
            v.setBool(flag);
            m.setBool(flag);
            break;
        }
        case 7: {
            const double x = input.f64();
            v.setDouble(x);
            m.setDouble(x);
            break;
        }
        case 8: {
            const model::Bytes text = input.shortBytes();
            FUZZ_CHECK(v.setText(text.data(), static_cast<std::int32_t>(text.size())) == KIV_OK);
            m.setText(text);
            break;
        }
        case 9: {
            const model::Bytes text = input.shortBytes();
            KivString_c source;
            source.assign(text.data(), static_cast<std::int32_t>(text.size()), KIV_NO);
            FUZZ_CHECK(v.setText(&source) == KIV_OK);
            m.setText(text);
            break;
        }
        case 10:
            FUZZ_CHECK(v.setText(static_cast<KivString_c *>(nullptr)) == KIV_OK);
            m.setText("");
            break;
        case 11: {
            // The value's own text storage as the source.
            KivStatus ignored = 0;
            FUZZ_CHECK(v.setText(v.toText(&ignored)) == KIV_OK);
            m.setText(model::Bytes(m.toText(expectedStatus)));
            break;
        }
        case 12: {
            const model::Bytes bytes = input.shortBytes();
            const auto count = static_cast<std::int32_t>(bytes.size());
            KivBuffer_c source;
            source.resize(count);
            source.copyIn(bytes.data(), count);
            const std::int32_t limit = input.byte() % (count + 1);
            source.rewind(limit);
            if (limit > 0) {
                source.seek(input.byte() % limit);
            }
            FUZZ_CHECK(v.setBinary(&source) == KIV_OK);
            m.setBinary(bytes.substr(0, static_cast<std::size_t>(limit)));
            break;
        }
        case 13: {
            KivStatus ignored = 0;
            FUZZ_CHECK(v.setBinary(v.toBinary(&ignored)) == KIV_OK);
            m.setBinary(model::Bytes(m.toBinary(expectedStatus)));
            break;
        }
        case 14:
            FUZZ_CHECK(v.setBinary(nullptr) == KIV_OK);
            m.setBinary("");
            break;
        case 15:
            v.clear();
            m.clear();
            break;
        case 16:
        case 17: {
            const std::int32_t n = v.toInt(&status);
            FUZZ_CHECK(n == m.toInt(expectedStatus) && status == expectedStatus);
            break;
        }
        case 18: {
            const double x = v.toDouble(&status);
            FUZZ_CHECK(sameDouble(x, m.toDouble(expectedStatus)) && status == expectedStatus);
            break;
        }
        case 19:
        case 20: {
            KivString_c *text = v.toText(&status);
            checkText(text, m.toText(expectedStatus));
            FUZZ_CHECK(status == expectedStatus);
            break;
        }
        case 21:
        case 22: {
            KivBuffer_c *bytes = v.toBinary(&status);
            checkBytes(bytes, m.toBinary(expectedStatus));
            FUZZ_CHECK(status == expectedStatus);
            break;
        }
        case 23: {
            FUZZ_CHECK(v.toBool(&status) == m.toBool(expectedStatus));
            FUZZ_CHECK(status == expectedStatus);
            break;
        }
        case 24:
        case 25:
        case 26: {
            const std::int32_t type = input.signedByte() % 13;
            FUZZ_CHECK(v.convertTo(type) == m.convertTo(type));
            break;
        }
        case 27: {
            const int from = input.byte() % kValues;
            FUZZ_CHECK(v.copyFrom(&values[from]) == m.copyFrom(models[from]));
            checkValue(values[from], models[from]);
            break;
        }
        case 28: {
            const int to = input.byte() % kValues;
            const std::int8_t expected = to == which ? KIV_OK : models[to].copyFrom(m);
            FUZZ_CHECK(v.copyTo(&values[to]) == expected);
            FUZZ_CHECK(values[to].kind == v.kind);
            break;
        }
        case 29: {
            v.precision = m.precision = input.byte() % 4 == 0 ? input.u16() : input.byte() % 12;
            break;
        }
        case 30:
            v.rounding = m.rounding = input.signedByte() % 6;
            break;
        default: {
            KivString_c notAValue;
            FUZZ_CHECK(v.copyTo(&notAValue) == KIV_FAIL);
            FUZZ_CHECK(v.copyTo(nullptr) == KIV_FAIL);
            FUZZ_CHECK(v.copyFrom(nullptr) == KIV_FAIL);
            KivValue_c *fresh = v.create();
            FUZZ_CHECK(fresh != nullptr && fresh->type() == KivValue_c::TYPE_NONE);
            delete fresh;
            break;
        }
        }
        for (int i = 0; i < kValues; ++i) {
            checkValue(values[i], models[i]);
        }
    }
    return 0;
}
