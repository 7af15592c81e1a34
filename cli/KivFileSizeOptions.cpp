// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeOptions.h"

#include "calc/KivDisplay.h"

#include <QString>
#include <QStringList>

namespace {

constexpr char TIME_LEFT_AT_A_BITRATE[] =
    "%1 %2 gives the time left on its volume at a bitrate; give it --bitrate, --mbytes, --format "
    "or --clip, and no --time";
constexpr char FRAME_OF_A_FORMAT[] =
    "%1 %2 gives the frame of a recording format; give --format with it";

const KivOptionRow OPTIONS[] = {
    {"bitrate", 0, "MBIT", true, "bitrate in Mbit/s", "bitrate", false, nullptr, nullptr, nullptr,
     nullptr, false},
    {"mbytes", 0, "MB", true, "bitrate in MB/s (1 MB/s = 8 Mbit/s), instead of --bitrate",
     "bitrate", false, nullptr, nullptr, nullptr, nullptr, false},
    {"format", 0, "ID", true,
     "bitrate of a recording format, instead of --bitrate: a codec (prores-422-hq, dnxhr-hq, "
     "v210: give --frame and --fps), a name editors say (\"DNxHD 145\", \"prores hq\") or a "
     "camera mode (sony-xavc-s-4k-100m); see --list-formats",
     "bitrate", false, nullptr, nullptr, nullptr, nullptr, false},
    {"audio", 0, "C[:B[:K]]", true,
     "add C channels of B-bit K kHz PCM (24-bit 48 kHz unless given) to --bitrate, --mbytes or "
     "a --format of video only",
     "audio", false, "bitrate mbytes format",
     "%1 %2 adds audio to a bitrate; give --bitrate, --mbytes or --format with it",
     "clip clip-list", "%1 %2: clips measured with --clip hold their audio already", false},
    {"frame", 0, "WxH", true, "frame size for --format: WIDTHxHEIGHT, hd, uhd or dci4k",
     "frame size", false, "format", FRAME_OF_A_FORMAT, nullptr, nullptr, false},
    {"fps", 0, "N", true,
     "frame rate for --format: 25, 29.97 or 30000/1001; fields of interlaced video with an i: "
     "50i is 25 frames",
     "frame rate", false, "format", FRAME_OF_A_FORMAT, nullptr, nullptr, false},
    {"clip", 0, "PATH", true,
     "bitrate measured from recorded clips, instead of --bitrate: a clip, or a folder and every "
     "clip below it (a card's DCIM/, say), grouped into recordings as the camera wrote them; "
     "repeat it to pool more; needs libmediainfo0v5",
     "bitrate", true, nullptr, nullptr, nullptr, nullptr, false},
    {"clip-list", 0, "FILE", true,
     "like --clip for each path in FILE, NUL-separated as xargs -0 reads them ('-': standard "
     "input)",
     "bitrate", true, nullptr, nullptr, nullptr, nullptr, false},
    {"size", 0, "GB", true, "card size in GB", "card size", false, nullptr, nullptr, nullptr,
     nullptr, false},
    {"free", 0, "PATH", true,
     "card size: the space free on the mounted volume holding PATH (a card), for the time left "
     "on it at the bitrate",
     "card size", false, "bitrate mbytes format clip clip-list", TIME_LEFT_AT_A_BITRATE, "time",
     TIME_LEFT_AT_A_BITRATE, false},
    {"time", 0, "H:M:S", true, "recording time: S, M:S or H:M:S", "time", false, nullptr, nullptr,
     nullptr, nullptr, false},
    {"units", 0, "UNITS", true, "how a GB is counted: %1", nullptr, false, nullptr, nullptr,
     nullptr, nullptr, false},
    {"json", 0, nullptr, false, "print JSON: an object, or an array for a table", nullptr, false,
     nullptr, nullptr, nullptr, nullptr, true},
    {"list-formats", 0, "[WORD]", false,
     "list the recording formats, or those whose id, name or family holds WORD, with the nature "
     "and source of each figure; with --json also the figures themselves",
     nullptr, false, nullptr, nullptr, nullptr, nullptr, false},
    {"formats-file", 0, "PATH", true,
     "add the formats of a JSON file to the built-in ones and the user's own, "
     "~/.config/kivfilesizecalculator/formats.json",
     nullptr, false, nullptr, nullptr, nullptr, nullptr, true},
    {"clip-events", 0, nullptr, false,
     "with --clip alone: print one JSON line per file as it is read and measured, then each clip "
     "and the totals",
     nullptr, false, nullptr, nullptr, nullptr, nullptr, false},
    {"plan", 0, "FILE", true,
     "plan a whole shoot from a JSON plan file ('-' reads standard input): each camera's "
     "Mbit/s, GB a day, cards a day and GB, then the totals with copies, proxies, drives and "
     "the offload time, and with a day_length the cards to rent and when the offload is done; "
     "takes only --json and --formats-file (see PLAN FILE in the manual)",
     "plan", false, nullptr, nullptr, nullptr, nullptr, true},
    {"help", 'h', nullptr, false, "print this help and exit (--help-all prints the same)", nullptr,
     false, nullptr, nullptr, nullptr, nullptr, false},
    {"version", 'v', nullptr, false, "print the version and exit", nullptr, false, nullptr, nullptr,
     nullptr, nullptr, false},
};

} // namespace

std::span<const KivOptionRow> kivOptionRows()
{
    return OPTIONS;
}

const KivOptionRow *kivFindOption(QStringView name)
{
    for (const KivOptionRow &row : OPTIONS) {
        if (name == QLatin1String(row.name) ||
            (row.letter != 0 && name.size() == 1 && name[0] == QLatin1Char(row.letter))) {
            return &row;
        }
    }
    return nullptr;
}

bool kivOptionListHas(const char *list, QStringView name)
{
    if (list == nullptr) {
        return false;
    }
    return QString::fromLatin1(list).split(QLatin1Char(' ')).contains(name);
}

QString kivGivenTwice(const QString &first, const QString &firstText, const QString &second,
                      const QString &secondText, const char *what)
{
    return QStringLiteral("%1 %2 and %3 %4 both give the %5; give it once")
        .arg(first, kivQuoted(firstText), second, kivQuoted(secondText), QLatin1String(what));
}
