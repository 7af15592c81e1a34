// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The catalogue of recording formats, as loaded (KivFormatLoad.h): lookup by
// typed name, filtering for a listing and the families a chooser shows first.
//
// A typical caller:
//   KivFormatLoad load = kivLoadFormats(extraFiles);   // warnings to stderr
//   QString error;
//   std::optional<KivFormatChoice> choice =
//       kivChooseFormat(load.catalogue, typed, frame, fps, error, audio);
#pragma once

#include "calc/KivAudio.h"
#include "catalogue/KivFormat.h"
#include "catalogue/KivFormatRate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A point at which a format is known by a name: "DNxHD 145" is dnxhd-1237
// at 1920x1080 and 29.97 fps, among others.
struct KivFormatNamed
{
    KivFormat format;
    KivFrameSize frame;
    double fps = 0;
};

class KivFormatCatalogue
{
public:
    // An empty catalogue.
    KivFormatCatalogue() = default;

    // Adds `formats`: an entry whose id is already in the catalogue replaces
    // it where it stands; new entries go to the end in their order. Returns
    // the number added or replaced.
    int add(const QList<KivFormat> &formats);

    // Every entry, in catalogue order.
    const QList<KivFormat> &formats() const { return formats_; }
    int size() const { return int(formats_.size()); }

    // The entry whose id, or else one of whose aliases, or else whose name
    // (alone or after its maker, the family's first word) has the words of
    // `name` (kivFormatWords): "ProRes 422 HQ", "Apple ProRes 422 HQ",
    // "PRORES_422_HQ" and "ProRes422HQ" find prores-422-hq; "dnxhd-sq" finds
    // the entry it was the id of. The first such entry in catalogue order.
    std::optional<KivFormat> find(const QString &name) const;
    // As find; else the one entry to which every word of `name` belongs (a
    // word of its id, aliases, name or maker): "prores hq" and "422hq" find
    // prores-422-hq. Otherwise returns nothing and sets `error` to one line:
    //   format "iphone 4k" fits 3 entries: iphone-hevc-4k24, iphone-hevc-4k30 or iphone-hevc-4k60
    //   unknown format "prores-422-hg"; did you mean prores-422-hq, prores-422-lt or prores-422?
    //   unknown format "xyz"
    // A list of more than 10 ends with "and N more".
    std::optional<KivFormat> lookup(const QString &name, QString &error) const;
    // Entries to which every word of `name` belongs, closest first: fewest
    // words of their own that `name` lacks, then the id nearest in edit
    // distance to the normalized name, then catalogue order. None for a name
    // without words.
    QList<KivFormat> withWords(const QString &name) const;
    // The points at which entries are known by `name` (KivFormat::names,
    // compared by words, alone or after the maker), in catalogue order: each
    // listed size of the entry at the name's rate.
    QList<KivFormatNamed> named(const QString &name) const;
    // Up to `count` ids close to `name`, closest first: those within an edit
    // distance of max(3, length / 2) of the normalized name and sharing a
    // character with it (ties in catalogue order), or, when there are none,
    // the first entries that filter(name) gives.
    QStringList suggestions(const QString &name, int count = 3) const;

    // Entries whose normalized id, alias, name, family or a name they are
    // known by contains the normalized `word`, in catalogue order; an empty
    // word gives every entry.
    QList<KivFormat> filter(const QString &word) const;
    // The families in order of their first entry, and the entries of one.
    QStringList families() const;
    QList<KivFormat> inFamily(const QString &family) const;

private:
    QList<KivFormat> formats_;
};

// A recording format found by a typed name, with the frame size and rate
// asked for (or that its name implies) and the bitrate it gives there, and
// the PCM audio added on top.
struct KivFormatChoice
{
    KivFormat format;
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    KivFormatRate rate;
    std::optional<KivAudio> audio;

    // The format's figure plus the audio's: what a card holds.
    double mbps() const { return rate.mbps + (audio ? audio->mbps() : 0.0); }
};

// Finds `name` in `catalogue` and computes its rate at `frame` and `fps`,
// with `audio` added. In turn: an entry that find() gives; else the points
// that named() gives, kept to `frame` and `fps` where given; a name that is
// left at one frame size and rate chooses it (where a progressive and an
// interlaced entry share the point, their figures agree and the first is
// taken), and the choice's frame and fps say which; else lookup()'s entry.
// On a refusal returns nothing with `error` set to one line (the lookup's,
// kivFormatRate's, or one of these):
//   "DNxHD 145" exists at 1920x1080 at 29.97 fps, 1440x1080 at 29.97 fps or 1280x720 at 59.94 fps;
//   give the frame size "DNxHD 36" exists at 1920x1080 at 23.976 or 25 fps, not 30
//   sony-xavc-s-4k-100m: its figure includes the recorded audio; no audio can be added
std::optional<KivFormatChoice> kivChooseFormat(const KivFormatCatalogue &catalogue,
                                               const QString &name,
                                               std::optional<KivFrameSize> frame,
                                               std::optional<double> fps, QString &error,
                                               std::optional<KivAudio> audio = std::nullopt);
