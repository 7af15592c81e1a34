// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Loading the catalogue of recording formats: the built-in one, compiled in
// from data/formats.json, then the user's own file, then any named files.
//
// Formats file (the built-in one and the user's, UTF-8 JSON, at most 1 MiB):
//   {"formats": [ENTRY, ...]}   other members of the object are ignored
// ENTRY, an object of these members and no others:
//   "id"       lowercase letters and digits in words joined by '-', <= 64
//   "aliases"  optional: former ids that still find the entry, as ids
//   "name", "family", "source"   one-line texts, not empty, <= 300 characters
//   "note"     optional one-line text
//   "nature"   "target", "constant", "max", "average", "approximate", "net"
//              or "nominal" (KivRateNature)
//   "audio"    true or false: the figure includes the recorded audio
//   "alpha"    optional, true or false: the figure includes an alpha channel
//   "kind"     "table", "per-frame", "fixed" or "formula", with:
//     table      "rates": [fps, ...] rising; "sizes": [{"frame": "1920x1080",
//                "mbps": [one figure or null per rate]}, ...], null where the
//                source lists no figure, at least one figure a size;
//                optional "onlyListedSizes" and "onlyListedRates", true when
//                no other frame sizes or rates exist
//     per-frame  "sizes": [{"frame": "1920x1080", "bytes": bytes per frame},
//                ...]; optional "onlyListedSizes"; optional "rates": [fps,
//                ...] rising, the only rates at which it exists; optional
//                "names": {"DNxHD 145": [29.97], ...}, names it is known by
//                at some of its rates
//     fixed      "mbps": figure, or "mbytesPerMinute": MB (10^6 bytes) per
//                minute, which becomes MB x 8 / 60 Mbit/s
//     formula    "packing": one of the ids of KIV_PACKINGS (KivPacking.h):
//                "2vuy", "v210", "r210", "r12b", "rgb8", "rgba8", "b64a",
//                "dpx-10", "arriraw"
// Frames are read by kivReadFrameSize; rates lie within
// kivMinFrameRate..kivMaxFrameRate; 1 to 64 rates, sizes, names and aliases,
// each frame once; Mbit/s from 0.001 to 10^7, bytes per frame from 1 to
// 10^10. An entry read from a file keeps the file's name (KivFormat::file).
#pragma once

#include "catalogue/KivFormatCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files larger than this are not read.
inline constexpr qint64 kivMaxFormatsFileBytes = 1024 * 1024;

// The built-in catalogue, read from the library's resource on the first call
// and kept (thread-safe). Empty only if the resource is missing from the
// program, which kivLoadFormats reports.
const KivFormatCatalogue &kivBuiltInFormats();

// Adds the entries of a formats file's contents to `catalogue` (see
// KivFormatCatalogue::add). Each fault gives one line in `warnings` naming
// `origin`, the entry and what is wrong, and skips only that entry (or the
// whole file, if it is not a JSON object with a "formats" list; after 20
// lines one more says how many further entries were skipped). An entry that
// replaces a built-in one gives a line too, once: what it replaces later
// came from a file. Returns the number of entries added or replaced.
int kivAddFormatsJson(KivFormatCatalogue &catalogue, const QByteArray &json, const QString &origin,
                      QStringList &warnings);
// Reads the file at `path` (by its bytes, kivOpenRegularFile) and adds it as
// above; a file that cannot be read, a folder, a FIFO or device (refused
// without blocking) or one over kivMaxFormatsFileBytes gives one line.
int kivAddFormatsFile(KivFormatCatalogue &catalogue, const QString &path, QStringList &warnings);

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
