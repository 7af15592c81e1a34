// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What `kivfilesize --clip-events` prints and the calculator reads while a
// child kivfilesize measures what was dropped on it: one JSON object a line,
// its kind in the member "event". The names, members, roles and reasons are
// written here once for both sides. While the files are read, in no fixed
// order between files:
//
//   reading  path: a file about to be opened by the media parser (or, if
//            empty, skipped unopened)
//   read     path: that file was read and is a clip; its figures come later
//   skipped  path, code, reason, refused, fault: a path not counted (reason:
//            the English words of the code; refused: a path the caller named,
//            or a named folder without a clip; fault: a camera's media that
//            could not be measured, which leaves the totals incomplete)
//   failed   code, reason: measuring could not run at all; nothing follows
//
// then, once every file is read and the clips are grouped into recordings:
//
//   clip     path, bytes, seconds, mbit_s, codec, frame, fps, video_mbit_s,
//            audio_mbit_s, role, recording: each clip, in path order
//   total    recordings, clips, bytes, seconds, mbit_s, video_mbit_s,
//            audio_mbit_s, skipped, skipped_reasons, complete,
//            unmeasured_bytes: the pooled figures, last; skipped_reasons
//            counts the skipped paths by code; complete is false when a fault
//            was found, and unmeasured_bytes is what the faults hold
//
// A file read as a clip whose recording's main file could not be measured is
// left out once every file is read: a second event, skipped with the code
// incomplete_recording, follows its read.
// Readers ignore members they do not know: members are only ever added.
//
// Paths are JSON strings; a byte of a name that is not UTF-8 comes as
// \udcHH (KivFileName.h).
#pragma once

#include <QLatin1StringView>
#include <QStringView>
#include <QtGlobal>

#include <cstdint>
#include <optional>

namespace KivClipEvent {
inline constexpr char skipped[] = "skipped";
inline constexpr char reading[] = "reading";
inline constexpr char read[] = "read";
inline constexpr char failed[] = "failed";
inline constexpr char clip[] = "clip";
inline constexpr char total[] = "total";
} // namespace KivClipEvent

namespace KivClipMember {
inline constexpr char event[] = "event";
inline constexpr char path[] = "path";
inline constexpr char code[] = "code";
inline constexpr char reason[] = "reason";
inline constexpr char refused[] = "refused";
inline constexpr char bytes[] = "bytes";
inline constexpr char seconds[] = "seconds";
inline constexpr char mbps[] = "mbit_s";
inline constexpr char codec[] = "codec";
inline constexpr char frame[] = "frame";
inline constexpr char fps[] = "fps";
inline constexpr char videoMbps[] = "video_mbit_s";
inline constexpr char audioMbps[] = "audio_mbit_s";
inline constexpr char role[] = "role";
inline constexpr char recording[] = "recording";
inline constexpr char recordings[] = "recordings";
inline constexpr char clips[] = "clips";
inline constexpr char skippedCount[] = "skipped";
inline constexpr char fault[] = "fault";
inline constexpr char complete[] = "complete";
inline constexpr char unmeasuredBytes[] = "unmeasured_bytes";
inline constexpr char skippedReasons[] = "skipped_reasons";
inline constexpr char faults[] = "faults";
} // namespace KivClipMember

// What a clip is to its recording: the first (or only) main file, a later
// consecutive piece (a chapter, a split), or a parallel companion whose
// bytes count and whose time does not: a proxy or low-res copy, or audio
// stored apart.
enum class KivClipRole : std::uint8_t
{
    Main,
    Chapter,
    Proxy,
    Audio,
};

inline constexpr const char *KIV_CLIP_ROLE_NAMES[] = {"main", "chapter", "proxy", "audio"};

inline const char *kivClipRoleName(KivClipRole role)
{
    return KIV_CLIP_ROLE_NAMES[static_cast<int>(role)];
}

// Why a path was not counted, or why measuring could not run.
enum class KivClipReason : std::uint8_t
{
    NotLocal,
    EmptyArgument,
    NotFound,
    Unreadable,
    NotRegular,
    LinkedFolder,
    Again,
    NoClip,
    EmptyFile,
    NoMedia,
    Truncated,
    Reference,
    BadDuration,
    UnnamedFile,
    NoMediaInfo,
    NoNetworkStop,
    CameraOriginal,
    LinkLoop,
    NameTooLong,
    EmptyListEntry,
    IncompleteRecording,
};

struct KivClipReasonText
{
    KivClipReason reason;
    const char *code;  // on the wire
    const char *text;  // kivfilesize's own words, the calculator's to translate
    const char *brief; // kivfilesize's few words for counts by reason ("2 unreadable")
};

// Every reason, in the enumeration's order. The calculator words each in the
// user's language: QCoreApplication::translate("KivClipReason", text).
inline constexpr KivClipReasonText KIV_CLIP_REASONS[] = {
    {KivClipReason::NotLocal, "not_local",
     QT_TRANSLATE_NOOP(
         "KivClipReason",
         "not a local file: only paths and file:// URLs of this machine can be measured"),
     "not local"},
    {KivClipReason::EmptyArgument, "empty_path", QT_TRANSLATE_NOOP("KivClipReason", "empty path"),
     "empty path"},
    {KivClipReason::NotFound, "not_found",
     QT_TRANSLATE_NOOP("KivClipReason", "no such file or folder"), "not found"},
    {KivClipReason::Unreadable, "unreadable", QT_TRANSLATE_NOOP("KivClipReason", "cannot be read"),
     "unreadable"},
    {KivClipReason::NotRegular, "not_regular",
     QT_TRANSLATE_NOOP("KivClipReason", "neither a regular file nor a folder"),
     "not a regular file"},
    {KivClipReason::LinkedFolder, "linked_folder",
     QT_TRANSLATE_NOOP("KivClipReason", "symbolic link to a folder, not followed"),
     "linked folder"},
    {KivClipReason::Again, "again", QT_TRANSLATE_NOOP("KivClipReason", "already counted"),
     "already counted"},
    {KivClipReason::NoClip, "no_clip", QT_TRANSLATE_NOOP("KivClipReason", "no clip in this folder"),
     "folder without a clip"},
    {KivClipReason::EmptyFile, "empty_file", QT_TRANSLATE_NOOP("KivClipReason", "empty file"),
     "empty"},
    {KivClipReason::NoMedia, "no_media",
     QT_TRANSLATE_NOOP("KivClipReason", "not a clip: no audio or video with a duration"),
     "no media"},
    {KivClipReason::Truncated, "truncated",
     QT_TRANSLATE_NOOP("KivClipReason", "not a clip: cut short"), "cut short"},
    {KivClipReason::Reference, "reference",
     QT_TRANSLATE_NOOP("KivClipReason", "not a clip: describes media kept in another file"),
     "reference to another file"},
    {KivClipReason::BadDuration, "bad_duration",
     QT_TRANSLATE_NOOP("KivClipReason", "not a clip: no usable duration"), "no duration"},
    {KivClipReason::UnnamedFile, "unnamed",
     QT_TRANSLATE_NOOP(
         "KivClipReason",
         "cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise"),
     "name not UTF-8"},
    {KivClipReason::NoMediaInfo, "no_mediainfo",
     QT_TRANSLATE_NOOP("KivClipReason", "measuring clips needs libmediainfo0v5"),
     "no MediaInfoLib"},
    {KivClipReason::NoNetworkStop, "no_network_stop",
     QT_TRANSLATE_NOOP(
         "KivClipReason",
         "measuring clips needs seccomp filters to keep MediaInfoLib off the network"),
     "no network stop"},
    {KivClipReason::CameraOriginal, "camera_original",
     QT_TRANSLATE_NOOP("KivClipReason", "camera original the reader cannot measure"),
     "camera original"},
    {KivClipReason::LinkLoop, "link_loop", QT_TRANSLATE_NOOP("KivClipReason", "a link that loops"),
     "link loop"},
    {KivClipReason::NameTooLong, "name_too_long",
     QT_TRANSLATE_NOOP("KivClipReason", "name too long for the system"), "name too long"},
    {KivClipReason::EmptyListEntry, "empty_list_entry",
     QT_TRANSLATE_NOOP("KivClipReason", "empty path in the list"), "empty path in the list"},
    {KivClipReason::IncompleteRecording, "incomplete_recording",
     QT_TRANSLATE_NOOP("KivClipReason", "left out: its recording's main file cannot be measured"),
     "incomplete recording"},
};

constexpr bool kivClipReasonsInOrder()
{
    int i = 0;
    for (const KivClipReasonText &entry : KIV_CLIP_REASONS) {
        if (static_cast<int>(entry.reason) != i++) {
            return false;
        }
    }
    return true;
}
static_assert(kivClipReasonsInOrder(), "KIV_CLIP_REASONS follows KivClipReason");

inline const KivClipReasonText &kivClipReason(KivClipReason reason)
{
    return KIV_CLIP_REASONS[static_cast<int>(reason)];
}

// The reason whose code is `code`, or none.
inline std::optional<KivClipReason> kivClipReasonOfCode(QStringView code)
{
    for (const KivClipReasonText &entry : KIV_CLIP_REASONS) {
        if (code == QLatin1StringView(entry.code)) {
            return entry.reason;
        }
    }
    return std::nullopt;
}
