// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeHelp.h"

#include "calc/KivUnits.h"

#include <QStringList>

namespace {

// The help, around the list of ways of counting a gigabyte.
const char HELP_BEFORE_UNITS[] = R"(Usage: kivfilesize [OPTION]...
Relates the bitrate, the card size and the recording time of a recording on a
memory card. Give two of them and it prints the third; give one and it prints a
table: a bitrate gives the time on common card sizes, a time the bitrate that
fills them, a card size the time at common bitrates.

  --bitrate MBIT   bitrate in Mbit/s
  --mbytes MB      bitrate in MB/s (1 MB/s = 8 Mbit/s), instead of --bitrate
  --format ID      bitrate of a recording format, instead of --bitrate: a codec
                   (prores-422-hq, dnxhr-hq, v210: give --frame and --fps), a
                   name editors say ("DNxHD 145", "prores hq") or a camera
                   mode (sony-xavc-s-4k-100m); see --list-formats
  --frame WxH      frame size for --format: WIDTHxHEIGHT, hd, uhd or dci4k
  --fps N          frame rate for --format: 25, 29.97 or 30000/1001; fields
                   of interlaced video with an i: 50i is 25 frames
  --audio C[:B[:K]]
                   add C channels of B-bit K kHz PCM (24-bit 48 kHz unless
                   given) to --bitrate, --mbytes or a --format of video only
  --clip PATH      bitrate measured from recorded clips, instead of --bitrate:
                   a clip, or a folder and every clip below it (a card's
                   DCIM/, say), grouped into recordings as the camera wrote
                   them; repeat it to pool more; needs libmediainfo0v5
  --clip-list FILE like --clip for each path in FILE, NUL-separated as
                   xargs -0 reads them ('-': standard input)
  --size GB        card size in GB
  --free PATH      card size: the space free on the mounted volume holding PATH
                   (a card), for the time left on it at the bitrate
  --time H:M:S     recording time: S, M:S or H:M:S
)";
const char HELP_AFTER_UNITS[] = R"(  --json           print JSON: an object, or an array for a table
  --list-formats [WORD]
                   list the recording formats, or those whose id, name or
                   family holds WORD, with the nature and source of each
                   figure; with --json also the figures themselves
  --formats-file PATH
                   add the formats of a JSON file to the built-in ones and the
                   user's own, ~/.config/kivfilesizecalculator/formats.json
  --clip-events    with --clip alone: print one JSON line per file as it is
                   read and measured, then each clip and the totals
  --plan FILE      plan a whole shoot from a JSON plan file ('-' reads standard
                   input): each camera's Mbit/s, GB a day, cards a day and GB,
                   then the totals with copies, proxies, drives and the
                   offload time, and with a day_length the cards to rent and
                   when the offload is done; takes only --json and
                   --formats-file (see PLAN FILE in the manual)
  -h, --help       print this help and exit (--help-all prints the same)
  -v, --version    print the version and exit

Numbers take a decimal point. Times are truncated to whole seconds and shown in
total hours. Exit status: 0 with an answer, 2 when the command line is refused.

Examples:
  kivfilesize --bitrate 9.10222 --size 4
  kivfilesize --mbytes 12.5 --time 1:00:00
  kivfilesize --size 64 --time 2:30:00 --units decimal
  kivfilesize --bitrate 100
  kivfilesize --format prores-422-hq --frame uhd --fps 25 --size 512
  kivfilesize --format "DNxHD 220x" --frame hd --audio 4 --time 1:00:00
  kivfilesize --clip DCIM/ --size 256
  kivfilesize --format sony-xavc-s-4k-100m --free /media/card
  kivfilesize --plan shoot.json --json
  find . -name '*.MP4' -print0 | kivfilesize --clip-list - --size 256
)";

// One option of the help: its name in a column of 19 and its words wrapped
// to lines of at most 79 characters.
QString helpEntry(const QString &name, const QString &words)
{
    constexpr qsizetype COLUMN = 19;
    constexpr qsizetype WIDTH = 79;
    QString out = (QStringLiteral("  ") + name).leftJustified(COLUMN);
    qsizetype line = COLUMN;
    bool first = true;
    for (const QString &word : words.split(QLatin1Char(' '))) {
        if (!first && line + 1 + word.size() > WIDTH) {
            out += QLatin1Char('\n') + QString(COLUMN, QLatin1Char(' '));
            line = COLUMN;
            first = true;
        }
        if (!first) {
            out += QLatin1Char(' ');
            ++line;
        }
        out += word;
        line += word.size();
        first = false;
    }
    return out + QLatin1Char('\n');
}

} // namespace

QString kivFileSizeHelp()
{
    QStringList ways;
    for (const KivCardUnit &unit : KIV_CARD_UNITS) {
        ways << QStringLiteral("%1 (%2)").arg(QLatin1String(unit.name), QLatin1String(unit.counts));
    }
    const QString last = ways.takeLast();
    const QString units =
        QStringLiteral("how a GB is counted: %1 or %2").arg(ways.join(QStringLiteral(", ")), last);
    return QLatin1String(HELP_BEFORE_UNITS) + helpEntry(QStringLiteral("--units UNITS"), units) +
           QLatin1String(HELP_AFTER_UNITS);
}
