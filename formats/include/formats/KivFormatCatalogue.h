// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The catalogue of recording formats: the built-in one, compiled in from
// data/formats.json, plus the user's own files, with lookup by typed name,
// filtering for a listing and the families a chooser shows first.
//
// A typical caller:
//   KivFormatLoad load = kivLoadFormats(extraFiles);   // warnings to stderr
//   QString error;
//   std::optional<KivFormat> format = load.catalogue.lookup(typed, error);
//   std::optional<KivFormatRate> rate = kivFormatRate(*format, frame, fps, error);
//
// Formats file (the built-in one and the user's, UTF-8 JSON, at most 1 MiB):
//   {"formats": [ENTRY, ...]}   other members of the object are ignored
// ENTRY, an object of these members and no others:
//   "id"       lowercase letters and digits in words joined by '-', <= 64
//   "name", "family", "source"   one-line texts, not empty, <= 300 characters
//   "note"     optional one-line text
//   "nature"   "target", "constant", "max" or "average"
//   "audio"    true or false: the figure includes the recorded audio
//   "kind"     "table", "per-frame" or "fixed", with:
//     table      "rates": [fps, ...] rising; "sizes": [{"frame": "1920x1080",
//                "mbps": [one figure per rate]}, ...]
//     per-frame  "sizes": [{"frame": "1920x1080", "bytes": bytes per frame}, ...]
//     fixed      "mbps": figure, or "mbytesPerMinute": MB (10^6 bytes) per
//                minute, which becomes MB x 8 / 60 Mbit/s
//   "onlyListedSizes"  optional, table and per-frame: true when no other
//                frame sizes exist
// Frames are read by kivReadFrameSize; rates lie within
// kivMinFrameRate..kivMaxFrameRate; 1 to 64 rates and sizes, each frame once;
// Mbit/s from 0.001 to 10^7, bytes per frame from 1 to 10^10.
#pragma once

#include "formats/KivFormats.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Files larger than this are not read.
inline constexpr qint64 kivMaxFormatsFileBytes = 1024 * 1024;

class KivFormatCatalogue
{
public:
    // An empty catalogue.
    KivFormatCatalogue() = default;

    // The built-in catalogue, read from the library's resource on the first
    // call and kept (thread-safe). Empty only if the resource is missing from
    // the program, which kivLoadFormats reports.
    static const KivFormatCatalogue &builtIn();

    // Adds the entries of a formats file's contents. An entry whose id is
    // already in the catalogue replaces it where it stands; new entries go to
    // the end in file order. Each fault gives one line in `warnings` naming
    // `origin`, the entry and what is wrong, and skips only that entry (or
    // the whole file, if it is not a JSON object with a "formats" list; after
    // 20 lines one more says how many further entries were skipped). Returns
    // the number of entries added or replaced.
    int addJson(const QByteArray &json, const QString &origin, QStringList &warnings);
    // Reads the file at `path` and adds it as above; a file that cannot be
    // read, a folder or one over kivMaxFormatsFileBytes gives one line.
    int addFile(const QString &path, QStringList &warnings);

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

// A typed name as ids are written: lowercase, with every run of blanks, '_'
// and '-' made one '-' and none at either end.
QString kivNormalizeFormatName(const QString &text);
// Whether `text` is a valid id: lowercase ASCII letters and digits in words
// joined by single '-', at most 64 characters.
bool kivIsFormatId(const QString &text);

// The user's own formats file: kivfilesizecalculator/formats.json under
// QStandardPaths::GenericConfigLocation ($XDG_CONFIG_HOME, by default
// ~/.config), the same for the dialog and the command line; empty if the
// system has no such place.
QString kivUserFormatsPath();

struct KivFormatLoad
{
    KivFormatCatalogue catalogue;
    QStringList warnings; // one line each, for stderr or a message box
};

// The built-in catalogue, then the user's file if it exists, then each of
// `extraFiles` in order (a later entry replaces an earlier one with its id).
// Files that are missing or faulty give warnings; the rest always loads.
KivFormatLoad kivLoadFormats(const QStringList &extraFiles = {});
