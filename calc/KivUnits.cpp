// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivUnits.h"

const KivCardUnit &kivCardUnit(KivCardUnits units)
{
    for (const KivCardUnit &unit : KIV_CARD_UNITS) {
        if (unit.units == units) {
            return unit;
        }
    }
    return KIV_CARD_UNITS[0];
}

const KivCardUnit *kivFindCardUnit(std::string_view name)
{
    for (const KivCardUnit &unit : KIV_CARD_UNITS) {
        if (name == unit.name) {
            return &unit;
        }
    }
    return nullptr;
}

double kivMbitPerGb(KivCardUnits units)
{
    return kivCardUnit(units).mbitPerGb;
}

bool kivIsCountable(double seconds)
{
    return seconds >= 0.0 && seconds < static_cast<double>(KIV_LONGEST_SECONDS) + 1.0;
}

KivQuantity kivQuantityToCompute(KivQuantity last, KivQuantity previous)
{
    switch (last) {
    case KivQuantity::Bitrate:
        return previous == KivQuantity::Time ? KivQuantity::CardSize : KivQuantity::Time;
    case KivQuantity::CardSize:
        return previous == KivQuantity::Time ? KivQuantity::Bitrate : KivQuantity::Time;
    case KivQuantity::Time:
        return previous == KivQuantity::CardSize ? KivQuantity::Bitrate : KivQuantity::CardSize;
    case KivQuantity::None:
        break;
    }
    return KivQuantity::None;
}

double kivCardSize(std::uint32_t seconds, double bitrate, KivCardUnits units)
{
    if (units == KivCardUnits::Kiv) {
        // 1/8 and 1/1024 in this order, as the dialog has always scaled.
        return static_cast<double>(seconds) * bitrate * 0.125 * 0.0009765625;
    }
    return static_cast<double>(seconds) * bitrate / kivMbitPerGb(units);
}

double kivBitrate(double cardSize, std::uint32_t seconds, KivCardUnits units)
{
    if (seconds == 0) {
        return 0.0;
    }
    return cardSize * kivMbitPerGb(units) / static_cast<double>(seconds);
}

double kivSecondsQuotient(double cardSize, double bitrate, KivCardUnits units)
{
    return cardSize * kivMbitPerGb(units) / bitrate;
}

std::uint32_t kivSeconds(double cardSize, double bitrate, KivCardUnits units)
{
    if (bitrate == 0.0) {
        return 0;
    }
    return kivSecondsFromQuotient(kivSecondsQuotient(cardSize, bitrate, units));
}

std::uint32_t kivSecondsFromQuotient(double seconds)
{
    if (kivIsCountable(seconds)) {
        return static_cast<std::uint32_t>(seconds);
    }
    return seconds > 0.0 ? KIV_LONGEST_SECONDS : 0;
}

double kivGigabytes(std::int64_t bytes, KivCardUnits units)
{
    return bytes > 0 ? static_cast<double>(bytes) * 8.0 / 1e6 / kivMbitPerGb(units) : 0.0;
}

double kivGigabytesAt(double mbps, double seconds, KivCardUnits units)
{
    return mbps * seconds / kivMbitPerGb(units);
}

double kivMegabytes(std::int64_t bytes)
{
    return kivGigabytes(bytes) * 1024.0;
}

double kivMbytesPerSec(double mbitsPerSec)
{
    return mbitsPerSec * 0.125;
}

double kivMbitsPerSec(double mbytesPerSec)
{
    return mbytesPerSec * 8.0;
}
