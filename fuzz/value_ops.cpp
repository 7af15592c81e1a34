// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Operation sequences on three KivValue_c objects. After every step each
// value must read as the meaning of what was set, converted or copied into
// it (oracles/ValueReads.h), whatever was read from it before; copies return
// KIV_OK and have their source's type.
#include "FuzzSupport.h"
#include "oracles/ValueChanges.h"

#include "core/KivBuffer.h"
#include "core/KivString.h"
#include "values/KivValue.h"

using oracle::Bytes;
using oracle::Expect;
using oracle::Rep;

namespace {

constexpr int kValues = 3;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    KivValue_c values[kValues];
    Expect expects[kValues];
    for (int i = 0; i < kValues; ++i) {
        values[i].kind = static_cast<std::int8_t>(i + 1);
    }
    int steps = 0;
    while (!input.empty() && steps++ < 200) {
        const std::uint8_t op = input.byte();
        const int which = op / 32 % kValues;
        KivValue_c &v = values[which];
        Expect &e = expects[which];
        oracle::noteClearing(v, e);
        bool justSet = true;
        switch (op % 32) {
        case 0: {
            const std::int8_t n = input.signedByte();
            v.setInt8(n);
            e.setInteger(KivValue_c::TYPE_INT8, n, true);
            break;
        }
        case 1: {
            const std::uint8_t n = input.byte();
            v.setUInt8(n);
            e.setInteger(KivValue_c::TYPE_UINT8, n, false);
            break;
        }
        case 2: {
            const auto n = static_cast<std::int16_t>(input.u16());
            v.setInt16(n);
            e.setInteger(KivValue_c::TYPE_INT16, n, true);
            break;
        }
        case 3: {
            const std::uint16_t n = input.u16();
            v.setUInt16(n);
            e.setInteger(KivValue_c::TYPE_UINT16, n, false);
            break;
        }
        case 4: {
            const std::int32_t n = input.i32();
            v.setInt32(n);
            e.setInteger(KivValue_c::TYPE_INT32, n, true);
            break;
        }
        case 5: {
            const std::uint32_t n = input.u32();
            v.setUInt32(n);
            e.setInteger(KivValue_c::TYPE_UINT32, static_cast<std::int32_t>(n), false);
            break;
        }
        case 6: {
            const std::int8_t flag = input.signedByte();
            v.setBool(flag);
            e.setInteger(KivValue_c::TYPE_BOOL, flag == KIV_YES ? 1 : 0, true);
            break;
        }
        case 7: {
            const double x = input.f64();
            v.setDouble(x);
            e.setDouble(x);
            break;
        }
        case 8: {
            const Bytes text = input.shortBytes();
            FUZZ_CHECK(v.setText(text.data(), static_cast<std::int32_t>(text.size())) == KIV_OK);
            e.setText(text);
            break;
        }
        case 9: {
            const Bytes text = input.shortBytes();
            KivString_c source;
            source.assign(text.data(), static_cast<std::int32_t>(text.size()), KIV_NO);
            FUZZ_CHECK(v.setText(&source) == KIV_OK);
            e.setText(text);
            break;
        }
        case 10:
            FUZZ_CHECK(v.setText(static_cast<KivString_c *>(nullptr)) == KIV_OK);
            e.setText("");
            break;
        case 11: {
            // The value's own text storage as the source.
            FUZZ_CHECK(v.setText(v.toText()) == KIV_OK);
            if (e.kind != Expect::UNKNOWN) {
                e.setText(oracle::expectedReads(e).text);
            }
            break;
        }
        case 12: {
            const Bytes bytes = input.shortBytes();
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
            e.setBinary(bytes.substr(0, static_cast<std::size_t>(limit)));
            break;
        }
        case 13: {
            // The value's own binary storage, whatever its reading left there.
            FUZZ_CHECK(v.setBinary(v.toBinary()) == KIV_OK);
            if (e.kind != Expect::UNKNOWN) {
                e.setBinary(oracle::expectedReads(e).bytes);
            }
            break;
        }
        case 14:
            FUZZ_CHECK(v.setBinary(nullptr) == KIV_OK);
            e.setBinary("");
            break;
        case 15:
            v.clear();
            e.become(Expect::EMPTY, KivValue_c::TYPE_NONE);
            break;
        case 16:
        case 17:
            oracle::checkRead(v, e, Rep::NUMBER);
            justSet = false;
            break;
        case 18:
            oracle::checkRead(v, e, Rep::REAL);
            justSet = false;
            break;
        case 19:
        case 20:
            oracle::checkRead(v, e, Rep::TEXT);
            justSet = false;
            break;
        case 21:
        case 22:
            oracle::checkRead(v, e, Rep::BYTES);
            justSet = false;
            break;
        case 23: {
            KivStatus status = 0;
            const std::int8_t flag = v.toBool(&status);
            if (e.kind != Expect::UNKNOWN) {
                const oracle::Reads r = oracle::expectedReads(e);
                FUZZ_CHECK(status == r.numberStatus);
                FUZZ_CHECK(status != KIV_OK || flag == (r.number == 1 ? KIV_YES : KIV_NO));
            }
            justSet = false;
            break;
        }
        case 24:
        case 25:
        case 26: {
            const std::int32_t type = input.signedByte() % 13;
            const bool intCached = oracle::flagSet(v.intValid());
            const KivStatus status = v.convertTo(type);
            FUZZ_CHECK(status == (type >= 0 && type <= 10 ? KIV_OK : KIV_FAIL));
            if (status == KIV_OK) {
                oracle::expectConversion(e, type, intCached);
            }
            justSet = false;
            break;
        }
        case 27:
        case 28: {
            // copyFrom into this value, or copyTo from it.
            const int other = input.byte() % kValues;
            const bool into = op % 32 == 27;
            KivValue_c &target = into ? v : values[other];
            KivValue_c &source = into ? values[other] : v;
            Expect &targetExpect = into ? e : expects[other];
            const Expect &sourceExpect = into ? expects[other] : e;
            const std::uint8_t type = source.type();
            const std::int8_t kind = target.kind;
            FUZZ_CHECK((into ? target.copyFrom(&source) : source.copyTo(&target)) == KIV_OK);
            FUZZ_CHECK(target.type() == type);
            FUZZ_CHECK(target.kind == (into || other == which ? kind : source.kind));
            if (other != which) {
                oracle::expectCopy(targetExpect, sourceExpect);
            }
            justSet = false;
            break;
        }
        case 29:
            v.precision = input.byte() % 4 == 0 ? input.u16() : input.byte() % 12;
            oracle::notePrecision(v, e, v.precision);
            justSet = false;
            break;
        case 30:
            v.rounding = input.signedByte() % 6;
            oracle::noteRounding(v, e, v.rounding);
            justSet = false;
            break;
        default: {
            KivString_c notAValue;
            FUZZ_CHECK(v.copyTo(&notAValue) == KIV_FAIL);
            FUZZ_CHECK(v.copyTo(nullptr) == KIV_FAIL);
            FUZZ_CHECK(v.copyFrom(nullptr) == KIV_FAIL);
            KivValue_c *fresh = v.create();
            FUZZ_CHECK(fresh != nullptr && fresh->type() == KivValue_c::TYPE_NONE);
            oracle::checkRead(*fresh, Expect(), Rep::TEXT);
            oracle::checkRead(*fresh, Expect(), Rep::BYTES);
            delete fresh;
            justSet = false;
            break;
        }
        }
        oracle::checkState(v, e, justSet);
        for (int i = 0; i < kValues; ++i) {
            oracle::checkState(values[i], expects[i]);
        }
    }
    return 0;
}
