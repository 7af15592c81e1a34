// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Unit arithmetic of the calculator, shared by the dialog and the command
// line. The dialog's rule (KivCardUnits::Kiv): 1 GB = 1024 MB and 1 MB = 8
// Mbit, so 1 GB = 8192 Mbit and seconds = card size x 8192 / bitrate.
#pragma once

#include <cstdint>
#include <string_view>

// The three quantities of the first group, and None for "no field".
enum class KivQuantity : std::uint8_t
{
    None,
    Bitrate,  // Mbit/s
    CardSize, // GB
    Time,     // whole seconds
};

// How a gigabyte of card size is counted; KIV_CARD_UNITS describes each.
enum class KivCardUnits : std::uint8_t
{
    Kiv,
    Decimal,
    Gib,
};

struct KivCardUnit
{
    KivCardUnits units;
    const char *name;   // as typed after --units
    const char *label;  // the unit a card size is shown in
    const char *rule;   // the rule in words, as answers state it
    const char *counts; // who counts this way, in words, as the help says it
    double mbitPerGb;   // Mbit of 10^6 bits in one GB (GiB)
    double gbPerLarge;  // GB (GiB) in one TB (TiB), as the rule counts
};

// Every way of counting a gigabyte, the default (the dialog's) first.
inline constexpr KivCardUnit KIV_CARD_UNITS[] = {
    {KivCardUnits::Kiv, "kiv", "GB", "1 GB = 1024 MB, 1 MB = 8 Mbit",
     "the default, as the dialog counts: 1 GB = 1024 MB, 1 MB = 8 Mbit", 8192.0, 1024.0},
    {KivCardUnits::Decimal, "decimal", "GB", "1 GB = 10^9 bytes = 8000 Mbit",
     "1 GB = 10^9 bytes, as card labels count", 8000.0, 1000.0},
    {KivCardUnits::Gib, "gib", "GiB", "1 GiB = 2^30 bytes = 8589.934592 Mbit",
     "1 GiB = 2^30 bytes, as most systems show a card's capacity", 8589.934592, 1024.0},
};

// The description of `units`.
const KivCardUnit &kivCardUnit(KivCardUnits units);

// The way of counting named `name` (exactly as KIV_CARD_UNITS spells it), or
// null.
const KivCardUnit *kivFindCardUnit(std::string_view name);

// Mbit in one GB (GiB) of `units`.
double kivMbitPerGb(KivCardUnits units);

// The longest recording a count of whole seconds holds, 1193046:28:15.
inline constexpr std::uint32_t KIV_LONGEST_SECONDS = UINT32_MAX;

// Whether `seconds`, a quotient not yet truncated, lies in [0,
// KIV_LONGEST_SECONDS + 1), so that truncated it is a count; NaN does not.
bool kivIsCountable(double seconds);

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

// GB (GiB) of `units` that `bytes` fill: bytes x 8 / 10^6 Mbit over the
// Mbit in one GB; negative counts give 0.
double kivGigabytes(std::int64_t bytes, KivCardUnits units = KivCardUnits::Kiv);

// GB (GiB) of `units` that `mbps` Mbit/s fill in `seconds`: Mbit/s x seconds
// over the Mbit in one GB. For whole seconds the same as kivCardSize; here
// the seconds may be any length (a whole shoot's footage) or a fraction.
double kivGigabytesAt(double mbps, double seconds, KivCardUnits units = KivCardUnits::Kiv);

// MB of the dialog's rule (1 GB = 1024 MB) that `bytes` fill: 10^6 bytes
// each; negative counts give 0.
double kivMegabytes(std::int64_t bytes);

// Mbit/s to MB/s and back.
double kivMbytesPerSec(double mbitsPerSec);
double kivMbitsPerSec(double mbytesPerSec);
