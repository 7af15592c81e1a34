// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The catalogue of recording formats, as loaded (KivFormatLoad.h): lookup by
// typed name, filtering for a listing and the families a chooser shows first.
//
// A typical caller:
//   KivFormatLoad load = kivLoadFormats(extraFiles);   // warnings to stderr
//   QString error;
//   std::optional<KivFormatChoice> choice =
//       kivChooseFormat(load.catalogue, typed, frame, fps, error);
#pragma once

#include "catalogue/KivFormat.h"
#include "catalogue/KivFormatRate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

    // The entry whose id, or else whose name (alone or after its maker, the
    // family's first word), equals `name` after kivNormalizeFormatName
    // ("ProRes 422 HQ", "Apple ProRes 422 HQ" and "PRORES_422_HQ" find
    // prores-422-hq).
    std::optional<KivFormat> find(const QString &name) const;
    // As find; when nothing is found sets `error` to one line:
    //   unknown format "prores-422-hg"; did you mean prores-422-hq, prores-422-lt or prores-422?
    //   unknown format "xyz"
    std::optional<KivFormat> lookup(const QString &name, QString &error) const;
    // Up to `count` ids close to `name`, closest first: those within an edit
    // distance of max(3, length / 2) of the normalized name (ties in
    // catalogue order), or, when there are none, the first entries that
    // filter(name) gives.
    QStringList suggestions(const QString &name, int count = 3) const;

    // Entries whose normalized id, name or family contains the normalized
    // `word`, in catalogue order; an empty word gives every entry.
    QList<KivFormat> filter(const QString &word) const;
    // The families in order of their first entry, and the entries of one.
    QStringList families() const;
    QList<KivFormat> inFamily(const QString &family) const;

private:
    QList<KivFormat> formats_;
};

// A recording format found by a typed name, with the frame size and rate
// asked for and the bitrate it gives there.
struct KivFormatChoice
{
    KivFormat format;
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    KivFormatRate rate;
};

// Looks `name` up in `catalogue` and computes its rate at `frame` and `fps`;
// on a refusal returns nothing with `error` set to one line (the lookup's or
// kivFormatRate's).
std::optional<KivFormatChoice> kivChooseFormat(const KivFormatCatalogue &catalogue,
                                               const QString &name,
                                               std::optional<KivFrameSize> frame,
                                               std::optional<double> fps, QString &error);
