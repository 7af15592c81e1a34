// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeHelp.h"

#include "KivFileSizeOptions.h"

#include "calc/KivUnits.h"

#include <QStringList>

namespace {

// The help, around the list of options.
const char HELP_BEFORE_OPTIONS[] = R"(Usage: kivfilesize [OPTION]...
Relates the bitrate, the card size and the recording time of a recording on a
memory card. Give two of them and it prints the third; give one and it prints a
table: a bitrate gives the time on common card sizes, a time the bitrate that
fills them, a card size the time at common bitrates.

)";
const char HELP_AFTER_OPTIONS[] = R"(
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
    if (out.size() > COLUMN - 1 && !out.endsWith(QLatin1Char(' '))) {
        // A long name has its words on the next line.
        out += QLatin1Char('\n') + QString(COLUMN, QLatin1Char(' '));
    }
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
    const QString units = QStringLiteral("%1 or %2").arg(ways.join(QStringLiteral(", ")), last);
    QString help = QLatin1String(HELP_BEFORE_OPTIONS);
    for (const KivOptionRow &row : kivOptionRows()) {
        QString name = QStringLiteral("--") + QLatin1String(row.name);
        if (row.letter != 0) {
            name = QStringLiteral("-%1, ").arg(QLatin1Char(row.letter)) + name;
        }
        if (row.valueName != nullptr) {
            name += QLatin1Char(' ') + QLatin1String(row.valueName);
        }
        QString words = QLatin1String(row.description);
        if (words.contains(QLatin1String("%1"))) {
            words = words.arg(units);
        }
        help += helpEntry(name, words);
    }
    return help + QLatin1String(HELP_AFTER_OPTIONS);
}
