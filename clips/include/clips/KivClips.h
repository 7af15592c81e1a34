// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Measures recorded clips: the rate a card really filled at, as opposed to
// the nominal bitrate an encoder aims at. A clip's overall rate is its file's
// bytes x 8 over its duration, in Mbit/s (10^6 bits). The clips of a card
// group into recordings (kivGroupClips): consecutive pieces of one recording
// add their time, parallel companions (proxies, low-res copies, audio stored
// apart) only their bytes; the pool is all the clips' bytes over the
// recordings' time.
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

#include "calc/KivClipProtocol.h"

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
    // Its place in its recording (kivGroupClips): a clip on its own is the
    // main file of a recording of its own.
    KivClipRole role = KivClipRole::Main;
    QString recording{}; // the path of the recording's main file; empty: its own

    // Overall rate: bytes x 8 / seconds / 10^6; 0 when seconds is not > 0.
    double mbps() const;
};

// Several clips pooled.
struct KivClipTotals
{
    int clips = 0;      // files
    int recordings = 0; // clips whose role is Main
    qint64 bytes = 0;   // of every clip; saturates at the largest qint64
    double seconds = 0; // of the main files and chapters only
    // Video bits of the main files and chapters, and audio bits of those and
    // of the audio stored apart, over the recordings' seconds; proxies add
    // none. A recording with no video (audio) adds no bits but its seconds,
    // so a card's audio recordings lower the pooled video rate as they lower
    // the card's. Absent when no such clip has such a track, or one that has
    // lacks its rate.
    std::optional<double> videoMbps;
    std::optional<double> audioMbps;

    // Overall rate: bytes x 8 / seconds / 10^6; 0 when seconds is not > 0.
    double mbps() const;
};

KivClipTotals kivPoolClips(const QList<KivClip> &clips);

// Sets the role and recording of each of `clips` (paths absolute and clean,
// as kivMeasureClips gives them; seconds and tracks as measured) from how
// cameras lay out a card. Groups form only inside one card root (the folder
// holding PRIVATE, XDROOT, CONTENTS, DCIM, M4ROOT, BPAV, PROAV or a RED .RDM
// folder) or one folder, never across two, even where names repeat (but
// for a P2 shot spanned over cards, below):
//   - Panasonic P2 (CONTENTS/VIDEO, AUDIO, PROXY, VOICE, ...): one recording
//     per 6-character clip name; VIDEO gives the time, AUDIO/<name>NN and
//     VOICE are audio, PROXY a proxy; without CONTENTS, only MXF files of
//     such names in VIDEO and AUDIO, with PROXY and VOICE found by stem;
//   - Sony M4ROOT, XDROOT, XDCAM EX (BPAV) and SAM (PROAV): one recording
//     per clip name without its suffix (M01, S03, V01, Ann, ...); SUB and
//     GENERAL/SONY/PXTMP hold proxies, Ann files audio; XDCAM EX clip
//     folders _01, _02, ... are chapters; without the folders above them,
//     SUB/<name>S03 (or S01) is the proxy of CLIP/<name>;
//   - GoPro: GH/GX/GS chapters of one file number, and HERO5's GOPR + GPnn,
//     are one recording; GL*.LRV and *.LRV are low-res copies;
//   - RED .RDC folders: the _NNN segments of one kind (R3D, else MOV, MXF,
//     MP4) are chapters, everything else in the folder parallel;
//   - AVCHD: BDMV/STREAM files that a BDMV/PLAYLIST/*.MPL plays in a row,
//     each item continuing the one before (connection condition 6), are
//     chapters of the first; P2 clips whose CONTENTS/CLIP/<name>.XML puts
//     them in one shot (Relation/GlobalShotID) are one recording in the
//     order of their OffsetInShot, across card roots too; Canon XF parts
//     stay recordings of their own (their times and bytes add all the same);
//   - in one folder, *.LRF (DJI) and *.LRV are the low-res copies of the
//     clip of their stem, a .WAV with audio alone the audio of the video of
//     its stem, and <stem>.braw2 parallel to <stem>.braw when their
//     durations agree within max(0.1 s, 2 frames), else a chapter;
//   - Proxy/ and Proxies/ subfolders hold proxies of the folder above
//     (<stem>.*, <stem>_Proxy.*); <stem>_Proxy.* elsewhere, and
//     PRIVATE/AUDIO/<stem>.WAV, belong to the clip of that stem in the same
//     card root, where it is the only one.
// Chapters follow their number, else their path. A group with no main file
// (a proxy or audio whose video is missing) takes its time from its proxies,
// else from its first audio file: it is a recording of its own. Only an
// absent main file is stood in for: `unmeasured` names files that are there
// but could not be measured (cut, unreadable, no duration); a recording
// whose main file or chapter is one of them is incomplete: the indices of
// its clips go to `incomplete` and the unmeasured paths that made it so to
// `blamed`, and the caller leaves them out. Files in RED .RDC folders are
// not among them: there every kind of the clip is a full recording. Everything
// else, files of one stem in other containers included, is a recording of
// its own: nothing merges on equal durations alone. Files without media
// (sidecar XML, THM, SRT, BIN, ...) are never clips, so they add neither time
// nor bytes: a few kilobytes a recording, they stay skipped, with a reason.
void kivGroupClips(QList<KivClip> &clips, const QStringList &unmeasured = {},
                   QList<qsizetype> *incomplete = nullptr, QStringList *blamed = nullptr);

// A path that was not counted, with why. `refused` is set for a path the
// caller named (not one found inside a folder), and for a named folder with
// no clip in it: the caller should refuse the whole request.
// `fault` is set for a file that a camera wrote as media by its place or
// name on a card (main clips, audio stored apart, R3D/BRAW/ARI/CRM/MXF
// camera originals, an unreadable folder inside a card) and that could not
// be measured, and for the files left out with it: the totals then leave
// media out and are incomplete.
struct KivClipSkip
{
    QString path; // absolute and clean; a refused URL as given
    KivClipReason reason = KivClipReason::NoMedia;
    bool refused = false;
    bool fault = false;
    qint64 bytes = 0; // the file's size where the system gave it

    // "PATH: reason" on one line, the path shown by kivEscaped and the reason
    // in kivfilesize's words.
    QString message() const;
};

// Called as the work proceeds, one call at a time (under a lock), from the
// thread that called kivMeasureClips or from one of its worker threads, so
// an implementation needs no lock of its own but must not block for long.
// Files are read in parallel: events of different files interleave in no
// fixed order, but `reading` of a file comes before MediaInfoLib opens it
// and before its `read` or `skipped`. A command line that prints and
// flushes a line per event thus names the file being read if it crashes.
// Once every file is read, `measured` gives each clip with its role and
// recording, in the report's order, after a `skipped` for each file read as
// a clip and then left out with its recording (IncompleteRecording). Worker threads cannot open
// network sockets (see kivMeasureClips).
class KivClipObserver
{
public:
    virtual ~KivClipObserver();
    virtual void reading(const QString &path);
    virtual void read(const QString &path);
    virtual void skipped(const KivClipSkip &skip);
    virtual void failed(KivClipReason reason);
    virtual void measured(const KivClip &clip);
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
    // is reported then, only the paths skipped before reading. `failed` says
    // which.
    std::optional<QString> failure;
    std::optional<KivClipReason> failed;
    bool cancelled = false;
    // The bytes of the faults (KivClipSkip::fault), which no rate holds;
    // saturates at the largest qint64.
    qint64 unmeasuredBytes = 0;

    // No failure, no refusal and not cancelled (true for no arguments).
    bool ok() const;
    // No fault among the skipped: every camera file found was measured.
    bool complete() const;
};

// How many of `skipped` there are of each reason, the most frequent first
// (ties in the reasons' order).
QList<std::pair<KivClipReason, qsizetype>> kivSkipCounts(const QList<KivClipSkip> &skipped);

// The local path that a command-line or dropped argument names: a plain path
// (made absolute against the current folder) or a file:// URL without a host
// other than localhost, whose %-escaped bytes decode as a name
// (kivDecodeFileName). Any other URL, that is a scheme of two or more letters
// before a ':' (http:, smb:, ...), is refused with the reason in `reason`, as
// is an empty argument; "./take:1.mp4" names a file whose name looks like one.
std::optional<QString> kivClipLocalPath(const QString &argument, KivClipReason *reason = nullptr);

// Measures the clips that `arguments` name, in their order (each through
// kivClipLocalPath; a folder with everything below it in the order of the
// paths' bytes), and groups them into recordings (kivGroupClips). Names are
// kept as the bytes the system gave (KivFileName.h) from listing to opening;
// MediaInfoLib, which cannot take a name that is not UTF-8, reads such a file
// through /proc/self/fd. A file reached twice (named twice, or by a link, a
// hard link or its own path) counts once: every path is grouped by its own
// place first, then a file reached again is dropped and the companions it
// gathered join the recording of its first path; symbolic links to folders
// inside folders are not followed, named ones are. An empty file is skipped without
// being opened. A file is a clip when MediaInfoLib finds audio or video in it, does not
// report it cut short (IsTruncated: an index over missing data, data without
// its index), reads it as itself (its size is the file's own and no track
// comes from another file: a camera's XML sidecar reads as the clip it
// describes) and gives it a duration over 0 and up to 31 days, the longest
// of the container's and its tracks'. Anything else in a folder is skipped;
// named, it is refused. Pipes and devices are never opened.
//
// MediaInfoLib reads headers and indexes only (File_ParseSpeed 0; a file
// with tracks but no duration, such as an MXF whose header is left open, is
// read once more at its default depth), takes each
// file alone (no continuous file names, no folder layouts) and gives raw
// values only (ReadByHuman 0). Its options cannot stop it fetching a URL
// that a playlist names, so the worker threads may not create network
// sockets; it is given absolute paths, which make it resolve references
// below the file's folder.
//
// Blocks until done; reads in parallel on a thread pool of its own, one
// MediaInfoLib handle per thread.
KivClipReport kivMeasureClips(const QStringList &arguments, const KivClipOptions &options = {});
// As above, with `listed` paths after `arguments` taken as a folder's files
// are (a list from find -print0): one that is not a clip is skipped, not
// refused, and an empty one is skipped as an empty path in the list.
KivClipReport kivMeasureClips(const QStringList &arguments, const QStringList &listed,
                              const KivClipOptions &options = {});
