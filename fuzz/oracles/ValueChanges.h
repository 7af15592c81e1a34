// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How the meaning of a typed value follows conversions and copies, and the
// valid flags and type that a value with that meaning shows.
#pragma once

#include "oracles/ValueReads.h"

namespace oracle {

inline bool flagSet(std::int8_t flag)
{
    return flag == KIV_YES;
}

// A value left with nothing valid becomes the empty value on a numeric read.
inline void noteClearing(const KivValue_c &value, Expect &e)
{
    if (e.kind == Expect::HOLLOW && value.type() == KivValue_c::TYPE_NONE &&
        flagSet(value.intValid()) && flagSet(value.doubleValid()) && flagSet(value.textValid()) &&
        flagSet(value.binaryValid())) {
        e.become(Expect::EMPTY, KivValue_c::TYPE_NONE);
    }
}

// Type, precision, rounding and valid flags: a value's own representation
// is valid, a value with nothing valid has no flag set. With `justSet`, after
// a setter, the other representations must be stale.
inline void checkState(const KivValue_c &value, Expect &e, bool justSet = false)
{
    noteClearing(value, e);
    FUZZ_CHECK(value.precision == e.precision && value.rounding == e.rounding);
    if (e.kind == Expect::UNKNOWN) {
        return;
    }
    FUZZ_CHECK(value.type() == e.type);
    const bool flags[4] = {flagSet(value.intValid()), flagSet(value.doubleValid()),
                           flagSet(value.textValid()), flagSet(value.binaryValid())};
    int own = -1;
    switch (e.kind) {
    case Expect::EMPTY:
        FUZZ_CHECK(flags[0] && flags[1] && flags[2] && flags[3]);
        return;
    case Expect::HOLLOW:
        FUZZ_CHECK(!flags[0] && !flags[1] && !flags[2] && !flags[3]);
        return;
    case Expect::DOUBLE:
        own = 1;
        break;
    case Expect::TEXT:
        own = 2;
        break;
    case Expect::BINARY:
        own = 3;
        break;
    default:
        own = 0;
        break;
    }
    FUZZ_CHECK(flags[own]);
    for (int i = 0; justSet && i < 4; ++i) {
        FUZZ_CHECK(i == own || !flags[i]);
    }
}

// A change of precision or rounding leaves a double's cached text or integer.
inline void notePrecision(const KivValue_c &value, Expect &e, std::uint16_t precision)
{
    if (e.kind == Expect::DOUBLE && flagSet(value.textValid()) && !e.cachedText) {
        e.cachedText = expectedReads(e).text;
    }
    e.precision = precision;
}

inline void noteRounding(const KivValue_c &value, Expect &e, std::int8_t rounding)
{
    if (e.kind == Expect::DOUBLE && flagSet(value.intValid()) && !e.cachedInt) {
        e.cachedInt = expectedReads(e).number;
    }
    e.rounding = rounding;
}

// convertTo(`type`) with 0 <= type <= 10, given whether the value had its
// integer cached before: the new type's reading of the contents, or nothing
// valid when they do not read in that type.
inline void expectConversion(Expect &e, std::int32_t type, bool intCached)
{
    const auto t = static_cast<std::uint8_t>(type);
    if (t == e.type || e.kind == Expect::UNKNOWN) {
        e.type = t;
        return;
    }
    const Reads r = expectedReads(e);
    const bool hollow = e.kind == Expect::HOLLOW;
    const bool numberOk = r.numberStatus == KIV_OK;
    const bool sign = e.kind == Expect::INTEGER || e.kind == Expect::CACHED_INT
                          ? e.isSigned
                          : e.kind != Expect::TEXT || signedReading(e.s).ok;
    const auto bits = static_cast<std::uint32_t>(r.number);
    switch (t) {
    case KivValue_c::TYPE_TEXT:
        if (hollow) {
            e.become(Expect::HOLLOW, t);
        } else {
            e.setText(r.text);
        }
        break;
    case KivValue_c::TYPE_DOUBLE:
        if (r.realStatus == KIV_OK) {
            e.setDouble(r.real);
        } else {
            e.become(Expect::HOLLOW, t);
        }
        break;
    case KivValue_c::TYPE_BINARY:
        if (r.bytesStatus == KIV_OK) {
            e.setBinary(r.bytes);
        } else {
            e.become(Expect::HOLLOW, t);
        }
        break;
    case KivValue_c::TYPE_BOOL:
        if (numberOk) {
            e.setInteger(t, r.number == 1 ? 1 : 0, true);
        } else {
            e.become(Expect::HOLLOW, t);
        }
        break;
    case KivValue_c::TYPE_NONE:
        if (intCached) {
            FUZZ_CHECK(numberOk);
            e.become(Expect::CACHED_INT, t);
            e.n = r.number;
            e.isSigned = sign;
        } else {
            e.become(Expect::HOLLOW, t);
        }
        break;
    default:
        if (!numberOk) {
            e.become(Expect::HOLLOW, t);
        } else if (t == KivValue_c::TYPE_INT8) {
            e.setInteger(t, static_cast<std::int8_t>(bits), true);
        } else if (t == KivValue_c::TYPE_UINT8) {
            e.setInteger(t, static_cast<std::uint8_t>(bits), false);
        } else if (t == KivValue_c::TYPE_INT16) {
            e.setInteger(t, static_cast<std::int16_t>(bits), true);
        } else if (t == KivValue_c::TYPE_UINT16) {
            e.setInteger(t, static_cast<std::uint16_t>(bits), false);
        } else {
            e.setInteger(t, r.number, t == KivValue_c::TYPE_INT32);
        }
        break;
    }
}

// copyFrom: type, contents, precision and a rounding below 4; the copy
// reads as the source, without the caches that outlived a change of the
// source's precision or rounding. A source left with nothing valid gives a
// copy with nothing valid of the same type; a TYPE_NONE source, also one
// keeping a cached integer, gives the empty value.
inline void expectCopy(Expect &target, const Expect &source)
{
    const std::int8_t rounding = source.rounding < 4 ? source.rounding : target.rounding;
    target = source;
    target.cachedText.reset();
    target.cachedInt.reset();
    target.rounding = rounding;
    if (source.type == KivValue_c::TYPE_NONE &&
        (source.kind == Expect::CACHED_INT || source.kind == Expect::HOLLOW)) {
        target.become(Expect::EMPTY, KivValue_c::TYPE_NONE);
    }
}

} // namespace oracle
