#include "KivUnits.h"

#include <cmath>

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

double kivCardSize(std::uint32_t seconds, double bitrate)
{
    return static_cast<double>(seconds) * bitrate * 0.125 * 0.0009765625;
}

double kivBitrate(double cardSize, std::uint32_t seconds)
{
    if (seconds == 0) {
        return 0.0;
    }
    return cardSize * 1024.0 * 8.0 / static_cast<double>(seconds);
}

std::uint32_t kivSeconds(double cardSize, double bitrate)
{
    if (bitrate == 0.0) {
        return 0;
    }
    return kivSecondsFromQuotient(cardSize * 1024.0 * 8.0 / bitrate);
}

std::uint32_t kivSecondsFromQuotient(double seconds)
{
    if (std::isnan(seconds) || seconds <= 0.0) {
        return 0;
    }
    if (seconds >= 4294967296.0) {
        return UINT32_MAX;
    }
    return static_cast<std::uint32_t>(seconds);
}

double kivMbytesPerSec(double mbitsPerSec)
{
    return mbitsPerSec * 0.125;
}

double kivMbitsPerSec(double mbytesPerSec)
{
    return mbytesPerSec * 8.0;
}
