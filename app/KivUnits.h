// Unit arithmetic of the calculator: 1 GB = 1024 MB and 1 MB = 8 Mbit, so
// 1 GB = 8192 Mbit and seconds = card size x 8192 / bitrate.
#pragma once

#include <cstdint>

// The three quantities of the first group, and None for "no field".
enum class KivQuantity : std::uint8_t
{
    None,
    Bitrate,  // Mbit/s
    CardSize, // GB
    Time,     // whole seconds
};

// The quantity that "Calculate" produces after `last` and, before it,
// `previous` were edited: the one that is neither. With only one quantity
// edited (`previous` None), bitrate or card size gives the time and the time
// gives the card size; with nothing edited (`last` None) the result is None.
// A `previous` equal to `last` counts as None.
KivQuantity kivQuantityToCompute(KivQuantity last, KivQuantity previous);

// Card size in GB that `seconds` at `bitrate` Mbit/s fill: a plain product.
double kivCardSize(std::uint32_t seconds, double bitrate);

// Bitrate in Mbit/s that fills `cardSize` GB in `seconds`; 0 for 0 seconds.
double kivBitrate(double cardSize, std::uint32_t seconds);

// Whole seconds that `cardSize` GB last at `bitrate` Mbit/s; 0 for a bitrate
// of 0. The quotient goes through kivSecondsFromQuotient.
std::uint32_t kivSeconds(double cardSize, double bitrate);

// A quotient of seconds as a count: truncated toward zero, saturating at 0
// below (negative quotients) and at 4294967295 above; NaN gives 0.
std::uint32_t kivSecondsFromQuotient(double seconds);

// Mbit/s to MB/s and back.
double kivMbytesPerSec(double mbitsPerSec);
double kivMbitsPerSec(double mbytesPerSec);
