// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A recording format of the catalogue: an entry with its published figures,
// what they mean and where they come from. Bitrates are SI Mbit/s (10^6 bits
// per second).
//
// Four kinds of entry:
//   Table     Mbit/s per listed frame size and listed frame rate (ProRes);
//             a size need not have a figure at every rate.
//   PerFrame  bytes per frame per listed frame size; Mbit/s = bytes x 8 x
//             fps / 10^6 at any rate, or only at the listed rates where the
//             entry lists them (DNxHR, DNxHD).
//   Fixed     one Mbit/s; the mode fixes its frame size and rate (cameras).
//   Formula   bytes per frame from a pixel packing (KivPacking.h), exact at
//             any frame size and rate (uncompressed video, ARRIRAW).
// The bitrate an entry gives at a frame size and rate is in KivFormatRate.h.
#pragma once

#include "calc/KivTyped.h"
#include "catalogue/KivPacking.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

enum class KivFormatKind : std::uint8_t
{
    Table,
    PerFrame,
    Fixed,
    Formula,
};

// What the published figure means, in its source's words.
enum class KivRateNature : std::uint8_t
{
    Target,      // the rate the encoder aims at; simple pictures come in lower
    Constant,    // a fixed size per frame; exact
    Max,         // the most the mode records; averages come in lower
    Average,     // what the maker says a typical recording averages
    Approximate, // the maker's figure written "approx.": neither a bound nor an average
    Net,         // the net video rate, as the source states it
    Nominal,     // the rate the format is known by; the source says no more
};

// One listed frame size of a Table or PerFrame entry.
struct KivFormatSize
{
    KivFrameSize frame;
    // Table: Mbit/s at each of KivFormat::rates, in order; 0 where the
    // source lists no figure at that rate.
    QList<double> mbps;
    double bytesPerFrame = 0; // PerFrame

    friend bool operator==(const KivFormatSize &, const KivFormatSize &) = default;
};

// A name a format is known by at one of its listed rates: "DNxHD 145" is
// dnxhd-1237 at 29.97 fps (and other entries at other rates and sizes).
struct KivFormatName
{
    QString name;
    double fps = 0;

    friend bool operator==(const KivFormatName &, const KivFormatName &) = default;
};

struct KivFormat
{
    QString id;          // lowercase words joined by '-': "prores-422-hq"
    QStringList aliases; // former ids that still find it: "dnxhd-sq"
    QString name;        // for display: "ProRes 422 HQ"
    QString family;      // for a chooser's first list: "Apple ProRes"
    QString source;      // where the figures come from
    QString note;        // may be empty
    KivRateNature nature = KivRateNature::Max;
    bool audio = false;        // the figure includes the recorded audio
    std::optional<bool> alpha; // whether the figure includes an alpha channel, where it says
    KivFormatKind kind = KivFormatKind::Fixed;
    bool onlyListedSizes = false;           // Table, PerFrame: no other frame sizes exist
    bool onlyListedRates = false;           // Table, PerFrame: no other frame rates exist
    QList<double> rates;                    // Table: listed frame rates, rising; PerFrame: the
                                            // only rates, rising, when onlyListedRates
    QList<KivFormatSize> sizes;             // Table, PerFrame: listed frame sizes, at least one
    QList<KivFormatName> names;             // PerFrame: names at listed rates, may be empty
    double mbps = 0;                        // Fixed: the mode's Mbit/s
    KivPacking packing = KivPacking::Uyvy8; // Formula
    QString file; // the formats file the entry was read from; empty when built in

    // The listed frame sizes, in catalogue order (empty for Fixed and Formula).
    QList<KivFrameSize> listedSizes() const;
    // The rates at which `size` has a figure: a Table's rates with a figure
    // in that row, a PerFrame entry's listed rates (empty: any rate).
    QList<double> ratesOf(const KivFormatSize &size) const;

    friend bool operator==(const KivFormat &, const KivFormat &) = default;
};

// The words of the catalogue file: "table", "per-frame", "fixed", "formula";
// "target", "constant", "max", "average", "approximate", "net", "nominal".
QString kivFormatKindName(KivFormatKind kind);
QString kivRateNatureName(KivRateNature nature);
// The kind or nature named `name` exactly as above, or nothing.
std::optional<KivFormatKind> kivFormatKindNamed(const QString &name);
std::optional<KivRateNature> kivRateNatureNamed(const QString &name);

// Whether `text` is a valid id: lowercase ASCII letters and digits in words
// joined by single '-', at most 64 characters.
bool kivIsFormatId(const QString &text);

// A typed name as ids are written: lowercase, with every run of blanks, '_'
// and '-' made one '-' and none at either end.
QString kivNormalizeFormatName(const QString &text);

// The words of a name as lookup compares them: lowercase runs of letters and
// runs of digits, in order; everything else separates ("ProRes 422HQ" and
// "prores-422-hq" are prores, 422, hq; "XAVC S 4K" is xavc, s, 4, k).
QStringList kivFormatWords(const QString &text);
