// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivPacking.h"

namespace {

// ceil(a / b) for a >= 0 and b > 0.
std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

const KivPackingRule &kivPackingRule(KivPacking packing)
{
    for (const KivPackingRule &rule : KIV_PACKINGS) {
        if (rule.packing == packing) {
            return rule;
        }
    }
    return KIV_PACKINGS[0];
}

std::optional<KivPacking> kivPackingNamed(const QString &id)
{
    for (const KivPackingRule &rule : KIV_PACKINGS) {
        if (id == QLatin1String(rule.id)) {
            return rule.packing;
        }
    }
    return std::nullopt;
}

std::int64_t kivPackedFrameBytes(KivPacking packing, const KivFrameSize &frame)
{
    if (!frame.isValid()) {
        return 0;
    }
    const KivPackingRule &rule = kivPackingRule(packing);
    if (rule.acrossRows) {
        return ceilDiv(frame.pixels() * rule.bytes, rule.pixels) + rule.headerBytes;
    }
    const std::int64_t row =
        ceilDiv(ceilDiv(std::int64_t(frame.width) * rule.bytes, rule.pixels), rule.rowAlign) *
        rule.rowAlign;
    return row * frame.height + rule.headerBytes;
}
