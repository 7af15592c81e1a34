// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Measures recorded clips: the rate a card really filled at, as opposed to
// the nominal bitrate an encoder aims at. A clip's overall rate is its file's
// bytes x 8 over its duration, in Mbit/s (10^6 bits); several clips pool as
// the sum of their bytes over the sum of their durations.
//
// MediaInfoLib (Debian's libmediainfo0v5) reads the files. It is opened with
// dlopen when the first file is read, never at start and never by linking
// this library, and stays open until the process ends.
//
//   KivClipReport report = kivMeasureClips(arguments, options);
//   if (report.failure) ...          // MediaInfoLib missing: print, exit 2
//   for (const KivClipSkip &s : report.skipped) if (s.refused) ... // exit 2
//   report.totals.mbps()
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

// What one clip measured. Every optional figure is absent where MediaInfoLib
// does not state it.
struct KivClip
{
    QString path;       // absolute and clean
    qint64 bytes = 0;   // the file's own size
    double seconds = 0; // > 0; the longest of the container and its tracks
    int videoTracks = 0;
    int audioTracks = 0;
    std::optional<QString> videoFormat; // first video track: "AVC", "HEVC", "ProRes", ...
    std::optional<QSize> frameSize;     // first video track
    std::optional<double> frameRate;    // first video track, frames per second
    std::optional<double> videoMbps;    // all video tracks; absent if any lacks a rate
    std::optional<double> audioMbps;    // all audio tracks; absent if any lacks a rate

    // Overall rate: bytes x 8 / seconds / 10^6; 0 when seconds is not > 0.
    double mbps() const;
};

// Several clips pooled.
struct KivClipTotals
{
    int clips = 0;
    qint64 bytes = 0; // saturates at the largest qint64
    double seconds = 0;
    // Video (audio) bits of all clips over their summed seconds. A clip with
    // no video (audio) track adds no bits but its seconds, so a card's audio
    // files lower the pooled video rate as they lower the card's. Absent when
    // no clip has such a track, or one that has lacks its rate.
    std::optional<double> videoMbps;
    std::optional<double> audioMbps;

    // Overall rate: bytes x 8 / seconds / 10^6; 0 when seconds is not > 0.
    double mbps() const;
};

KivClipTotals kivPoolClips(const QList<KivClip> &clips);

// A path that was not counted, with why. `refused` is set for a path the
// caller named (not one found inside a folder), and for a named folder with
// no clip in it: the caller should refuse the whole request.
struct KivClipSkip
{
    QString path; // absolute and clean; a refused URL as given
    QString reason;
    bool refused = false;

    // "PATH: reason" on one line, the path shown by kivEscaped.
    QString message() const;
};

// Called as the work proceeds, one call at a time (under a lock), from the
// thread that called kivMeasureClips or from one of its worker threads, so
// an implementation needs no lock of its own but must not block for long.
// Files are read in parallel: events of different files interleave in no
// fixed order, but `reading` of a file comes before MediaInfoLib opens it
// and before its `measured` or `skipped`. A command line that prints and
// flushes a line per event thus names the file being read if it crashes.
// Worker threads cannot open network sockets (see kivMeasureClips).
class KivClipObserver
{
public:
    virtual ~KivClipObserver();
    virtual void reading(const QString &path);
    virtual void measured(const KivClip &clip);
    virtual void skipped(const KivClipSkip &skip);
};

struct KivClipOptions
{
    // Files read at once; 0 or more than the cores: one per core.
    int threads = 0;
    KivClipObserver *observer = nullptr;
    // Set by any thread to stop: files not yet started are left out and the
    // report says `cancelled`.
    const std::atomic<bool> *cancel = nullptr;
    // The MediaInfoLib to open (tests name a missing one); used only while
    // none is open yet in this process.
    QString mediaInfoLibrary = QStringLiteral("libmediainfo.so.0");
};

struct KivClipReport
{
    QList<KivClip> clips;       // in the order below, each path once
    QList<KivClipSkip> skipped; // in the same order
    KivClipTotals totals;       // of `clips`
    // "measuring clips needs libmediainfo0v5" when MediaInfoLib cannot be
    // opened (or a line saying the kernel refused the network stop); no clip
    // is reported then, only the paths skipped before reading.
    std::optional<QString> failure;
    bool cancelled = false;

    // No failure, no refusal and not cancelled (true for no arguments).
    bool ok() const;
};

// The local path that a command-line or dropped argument names: a plain path
// (made absolute against the current folder) or a file:// URL without a host
// other than localhost. Any other URL, that is a scheme of two or more
// letters before a ':' (http:, smb:, ...), is refused with the reason in
// `reason`, as is an empty argument; "./take:1.mp4" names a file whose name
// looks like one.
std::optional<QString> kivClipLocalPath(const QString &argument, QString *reason = nullptr);

// Measures the clips that `arguments` name, in their order (each through
// kivClipLocalPath; a folder with everything below it in path order). A file
// reached twice (named twice, or by a link and by its own path) counts once;
// symbolic links to folders inside folders are not followed, named ones are.
// A file is a clip when MediaInfoLib finds audio or video in it, does not
// report it cut short (IsTruncated: an index over missing data, data without
// its index), reads it as itself (its size is the file's own and no track
// comes from another file: a camera's XML sidecar reads as the clip it
// describes) and gives it a duration over 0 and up to 31 days, the longest
// of the container's and its tracks'. Anything else in a folder is skipped;
// named, it is refused. Pipes and devices are never opened.
//
// MediaInfoLib reads headers and indexes only (File_ParseSpeed 0), takes each
// file alone (no continuous file names, no folder layouts) and gives raw
// values only (ReadByHuman 0). Its options cannot stop it fetching a URL
// that a playlist names, so the worker threads may not create network
// sockets; it is given absolute paths, which make it resolve references
// below the file's folder.
//
// Blocks until done; reads in parallel on a thread pool of its own, one
// MediaInfoLib handle per thread.
KivClipReport kivMeasureClips(const QStringList &arguments, const KivClipOptions &options = {});
