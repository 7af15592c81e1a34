// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Unit arithmetic of the calculator, shared by the dialog and the command
// line. The dialog's rule (KivCardUnits::Kiv): 1 GB = 1024 MB and 1 MB = 8
// Mbit, so 1 GB = 8192 Mbit and seconds = card size x 8192 / bitrate.
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

// How a gigabyte of card size is counted.
enum class KivCardUnits : std::uint8_t
{
    Kiv,     // 1 GB = 1024 MB, 1 MB = 8 Mbit: 8192 Mbit
    Decimal, // 1 GB = 10^9 bytes, as card labels count: 8000 Mbit of 10^6 bits
    Gib,     // 1 GiB = 2^30 bytes, as most systems show capacity: 8589.934592 Mbit
};

// Mbit in one GB (GiB) of `units`.
double kivMbitPerGb(KivCardUnits units);

// The quantity that "Calculate" produces after `last` and, before it,
// `previous` were edited: the one that is neither. With only one quantity
// edited (`previous` None), bitrate or card size gives the time and the time
// gives the card size; with nothing edited (`last` None) the result is None.
// A `previous` equal to `last` counts as None.
KivQuantity kivQuantityToCompute(KivQuantity last, KivQuantity previous);

// Card size that `seconds` at `bitrate` Mbit/s fill: a plain product.
double kivCardSize(std::uint32_t seconds, double bitrate, KivCardUnits units = KivCardUnits::Kiv);

// Bitrate in Mbit/s that fills `cardSize` in `seconds`; 0 for 0 seconds.
double kivBitrate(double cardSize, std::uint32_t seconds, KivCardUnits units = KivCardUnits::Kiv);

// Seconds, not yet a count, that `cardSize` lasts at `bitrate` Mbit/s: an
// infinity or NaN for a bitrate of 0.
double kivSecondsQuotient(double cardSize, double bitrate, KivCardUnits units = KivCardUnits::Kiv);

// Whole seconds that `cardSize` lasts at `bitrate` Mbit/s; 0 for a bitrate of
// 0. The quotient goes through kivSecondsFromQuotient.
std::uint32_t kivSeconds(double cardSize, double bitrate, KivCardUnits units = KivCardUnits::Kiv);

// A quotient of seconds as a count: truncated toward zero, saturating at 0
// below (negative quotients) and at 4294967295 above; NaN gives 0.
std::uint32_t kivSecondsFromQuotient(double seconds);

// Mbit/s to MB/s and back.
double kivMbytesPerSec(double mbitsPerSec);
double kivMbitsPerSec(double mbytesPerSec);
