// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A recording format of the catalogue: an entry with its published figures,
// what they mean and where they come from. Bitrates are SI Mbit/s (10^6 bits
// per second).
//
// Three kinds of entry:
//   Table     Mbit/s per listed frame size and listed frame rate (ProRes).
//   PerFrame  bytes per frame per listed frame size; Mbit/s = bytes x 8 x
//             fps / 10^6 at any rate (DNxHR, DNxHD).
//   Fixed     one Mbit/s; the mode fixes its frame size and rate (cameras).
// The bitrate an entry gives at a frame size and rate is in KivFormatRate.h.
#pragma once

#include "calc/KivTyped.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

enum class KivFormatKind : std::uint8_t
{
    Table,
    PerFrame,
    Fixed,
};

// What the published figure means.
enum class KivRateNature : std::uint8_t
{
    Target,   // the rate the encoder aims at; simple pictures come in lower
    Constant, // a fixed size per frame; exact
    Max,      // the most the mode records; averages come in lower
    Average,  // what the maker says a typical recording averages
};

// One listed frame size of a Table or PerFrame entry.
struct KivFormatSize
{
    KivFrameSize frame;
    QList<double> mbps;       // Table: Mbit/s at each of KivFormat::rates, in order
    double bytesPerFrame = 0; // PerFrame

    friend bool operator==(const KivFormatSize &, const KivFormatSize &) = default;
};

struct KivFormat
{
    QString id;     // lowercase words joined by '-': "prores-422-hq"
    QString name;   // for display: "ProRes 422 HQ"
    QString family; // for a chooser's first list: "Apple ProRes"
    QString source; // where the figures come from
    QString note;   // may be empty
    KivRateNature nature = KivRateNature::Max;
    bool audio = false; // the figure includes the recorded audio
    KivFormatKind kind = KivFormatKind::Fixed;
    bool onlyListedSizes = false; // Table, PerFrame: no other frame sizes exist
    QList<double> rates;          // Table: listed frame rates, rising
    QList<KivFormatSize> sizes;   // Table, PerFrame: listed frame sizes, at least one
    double mbps = 0;              // Fixed: the mode's Mbit/s

    // The listed frame sizes, in catalogue order (empty for Fixed).
    QList<KivFrameSize> listedSizes() const;

    friend bool operator==(const KivFormat &, const KivFormat &) = default;
};

// The words of the catalogue file: "table", "per-frame", "fixed"; "target",
// "constant", "max", "average".
QString kivFormatKindName(KivFormatKind kind);
QString kivRateNatureName(KivRateNature nature);

// Whether `text` is a valid id: lowercase ASCII letters and digits in words
// joined by single '-', at most 64 characters.
bool kivIsFormatId(const QString &text);

// A typed name as ids are written: lowercase, with every run of blanks, '_'
// and '-' made one '-' and none at either end.
QString kivNormalizeFormatName(const QString &text);
