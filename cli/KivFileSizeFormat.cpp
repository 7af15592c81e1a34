// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeFormat.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"

#include <QtGlobal>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

constexpr int narrowest = 40;
// Below this width of the name column the list stacks each entry instead.
constexpr int narrowestName = 16;

QString audioWords(const KivFormat &format)
{
    QString words = format.audio ? QStringLiteral("audio included") : QStringLiteral("video only");
    if (format.alpha) {
        words += *format.alpha ? QStringLiteral(", with alpha") : QStringLiteral(", without alpha");
    }
    return words;
}

QString jsonBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString jsonAlpha(const KivFormat &format)
{
    return format.alpha ? jsonBool(*format.alpha) : QStringLiteral("null");
}

QString jsonNumbers(const QList<double> &numbers)
{
    QStringList texts;
    for (double x : numbers) {
        texts << (x > 0 ? kivJsonNumber(x) : QStringLiteral("null"));
    }
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// The figures of one entry as a JSON object, by kind.
QString jsonFigures(const KivFormat &f)
{
    QStringList sizes;
    for (const KivFormatSize &size : f.sizes) {
        sizes << (f.kind == KivFormatKind::Table
                      ? QStringLiteral("{\"frame\": \"%1\", \"mbit_s\": %2}")
                            .arg(size.frame.text(), jsonNumbers(size.mbps))
                      : QStringLiteral("{\"frame\": \"%1\", \"bytes_per_frame\": %2}")
                            .arg(size.frame.text(), kivJsonNumber(size.bytesPerFrame)));
    }
    const QString sizesJson =
        QLatin1Char('[') + sizes.join(QStringLiteral(", ")) + QLatin1Char(']');
    switch (f.kind) {
    case KivFormatKind::Table:
        return QStringLiteral("{\"rates\": %1, \"sizes\": %2, \"only_listed_sizes\": %3, "
                              "\"only_listed_rates\": %4}")
            .arg(jsonNumbers(f.rates), sizesJson, jsonBool(f.onlyListedSizes),
                 jsonBool(f.onlyListedRates));
    case KivFormatKind::PerFrame: {
        QStringList names;
        for (const KivFormatName &name : f.names) {
            names << QStringLiteral("{\"name\": %1, \"fps\": %2}")
                         .arg(kivJsonString(name.name), kivJsonNumber(name.fps));
        }
        return QStringLiteral("{\"rates\": %1, \"sizes\": %2, \"only_listed_sizes\": %3, "
                              "\"names\": [%4]}")
            .arg(f.onlyListedRates ? jsonNumbers(f.rates) : QStringLiteral("null"), sizesJson,
                 jsonBool(f.onlyListedSizes), names.join(QStringLiteral(", ")));
    }
    case KivFormatKind::Formula: {
        const KivPackingRule &rule = kivPackingRule(f.packing);
        return QStringLiteral("{\"packing\": \"%1\", \"bytes_per_row\": %2, "
                              "\"bytes_per_frame\": %3}")
            .arg(QLatin1String(rule.id), kivJsonString(QLatin1String(rule.rowRule)),
                 kivJsonString(QLatin1String(rule.frameRule)));
    }
    case KivFormatKind::Fixed:
        break;
    }
    return QStringLiteral("{\"mbit_s\": %1}").arg(kivJsonNumber(f.mbps));
}

QString listJson(const QList<KivFormat> &formats)
{
    QStringList objects;
    for (const KivFormat &f : formats) {
        QStringList aliases;
        for (const QString &alias : f.aliases) {
            aliases << kivJsonString(alias);
        }
        objects << QStringLiteral("  {\"id\": %1, \"name\": %2, \"family\": %3, \"kind\": "
                                  "\"%4\", \"nature\": \"%5\", \"audio\": %6, \"alpha\": %7, "
                                  "\"source\": %8, \"file\": %9, ")
                           .arg(kivJsonString(f.id), kivJsonString(f.name), kivJsonString(f.family),
                                kivFormatKindName(f.kind), kivRateNatureName(f.nature),
                                jsonBool(f.audio), jsonAlpha(f), kivJsonString(f.source),
                                f.file.isEmpty() ? QStringLiteral("null") : kivJsonString(f.file)) +
                       QStringLiteral("\"note\": %1, \"aliases\": [%2], \"figures\": %3}")
                           .arg(f.note.isEmpty() ? QStringLiteral("null") : kivJsonString(f.note),
                                aliases.join(QStringLiteral(", ")), jsonFigures(f));
    }
    return QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

// `text` in lines of at most `width` characters, broken at blanks; a word
// longer than a line is broken where the line ends.
QStringList wrapped(const QString &text, qsizetype width)
{
    QStringList lines;
    QString line;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (!word.isEmpty()) {
            const qsizetype room = line.isEmpty() ? width : width - line.size() - 1;
            if (word.size() <= room) {
                line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
                word.clear();
            } else if (!line.isEmpty()) {
                lines << line;
                line.clear();
            } else {
                lines << word.left(width);
                word.remove(0, width);
            }
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines << line;
    }
    return lines;
}

QString sourceOf(const KivFormat &f)
{
    return f.file.isEmpty()
               ? f.source
               : f.source + QLatin1String(" (from ") + kivEscaped(f.file) + QLatin1Char(')');
}

} // namespace

QString kivFormatLine(const KivFormatChoice &source)
{
    const KivFormat &format = source.format;
    const KivFormatRate &rate = source.rate;
    QString what = format.name;
    if (source.frame) {
        what += QStringLiteral(", ") + source.frame->text();
    }
    if (source.fps) {
        what += QStringLiteral(", %1 fps").arg(kivNumberText(*source.fps));
    }
    QString line = QStringLiteral("%1: %2 Mbit/s %3, %4")
                       .arg(what, kivNumberText(rate.mbps), kivRateNatureName(format.nature),
                            audioWords(format));
    if (rate.scaled) {
        line += QStringLiteral(" (%1)").arg(rate.scaling);
    }
    return line + QLatin1Char('\n');
}

QString kivFormatJson(const KivFormatChoice &source)
{
    const KivFormat &format = source.format;
    const KivFormatRate &rate = source.rate;
    QString scaledFrom = QStringLiteral("null");
    if (rate.scaled) {
        scaledFrom = QStringLiteral("{\"frame\": \"%1\", \"fps\": %2}")
                         .arg(rate.fromSize.text(), format.kind == KivFormatKind::Table
                                                        ? kivJsonNumber(rate.fromRate)
                                                        : QStringLiteral("null"));
    }
    return QStringLiteral("\"format\": {\"id\": %1, \"name\": %2, \"frame\": %3, \"fps\": %4, "
                          "\"mbit_s\": %5, \"nature\": \"%6\", \"audio\": %7, \"alpha\": %8, "
                          "\"source\": %9, ")
               .arg(kivJsonString(format.id), kivJsonString(format.name),
                    source.frame ? kivJsonString(source.frame->text()) : QStringLiteral("null"),
                    source.fps ? kivJsonNumber(*source.fps) : QStringLiteral("null"),
                    kivJsonNumber(rate.mbps), kivRateNatureName(format.nature),
                    jsonBool(format.audio), jsonAlpha(format), kivJsonString(format.source)) +
           QStringLiteral("\"scaled_from\": %1}").arg(scaledFrom);
}

QString kivAudioLine(const KivAudio &audio, double total)
{
    return QStringLiteral("Audio: %1, %2 Mbit/s on top: %3 Mbit/s in all\n")
        .arg(audio.text(), kivNumberText(audio.mbps()), kivNumberText(total));
}

QString kivAudioJson(const KivAudio &audio)
{
    return QStringLiteral("\"audio\": {\"channels\": %1, \"bits\": %2, \"khz\": %3}, "
                          "\"audio_mbit_s\": %4")
        .arg(QString::number(audio.channels), QString::number(audio.bits), kivJsonNumber(audio.khz),
             kivJsonNumber(audio.mbps()));
}

int kivTerminalColumns()
{
#ifdef Q_OS_UNIX
    winsize size{};
    if (isatty(STDOUT_FILENO) == 1 && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_col > 0) {
        return size.ws_col;
    }
#endif
    return 80;
}

QString kivFormatList(const QList<KivFormat> &formats, bool json, int width)
{
    if (json) {
        return listJson(formats);
    }
    const qsizetype lineWidth = std::max(width, narrowest);
    QList<QStringList> rows = {{QStringLiteral("Id"), QStringLiteral("Name"),
                                QStringLiteral("Nature"), QStringLiteral("Audio"),
                                QStringLiteral("Source")}};
    for (const KivFormat &f : formats) {
        rows.append({f.id, f.name, kivRateNatureName(f.nature),
                     f.audio ? QStringLiteral("included") : QStringLiteral("no"), sourceOf(f)});
    }
    QList<qsizetype> widths(5, 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < 5; ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    QString out;
    // Every column on one line, where the widest row fits.
    if (widths[0] + widths[1] + widths[2] + widths[3] + widths[4] + 8 <= lineWidth) {
        for (const QStringList &row : rows) {
            for (qsizetype i = 0; i < 4; ++i) {
                out += row[i].leftJustified(widths[i]) + QStringLiteral("  ");
            }
            out += row[4] + QLatin1Char('\n');
        }
        return out;
    }
    // The name wrapped in its column and the source on lines of its own below it.
    const qsizetype nameWidth =
        std::min(widths[1], lineWidth - widths[0] - widths[2] - widths[3] - 6);
    if (nameWidth >= std::min<qsizetype>(widths[1], narrowestName)) {
        const QString indent(widths[0] + 2, QLatin1Char(' '));
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QStringList &row = rows[r];
            const QStringList names = wrapped(row[1], nameWidth);
            out += row[0].leftJustified(widths[0]) + QStringLiteral("  ") +
                   names[0].leftJustified(nameWidth) + QStringLiteral("  ") +
                   row[2].leftJustified(widths[2]) + QStringLiteral("  ") + row[3] +
                   QLatin1Char('\n');
            for (qsizetype n = 1; n < names.size(); ++n) {
                out += indent + names[n] + QLatin1Char('\n');
            }
            if (r > 0) {
                for (const QString &line : wrapped(row[4], lineWidth - indent.size())) {
                    out += indent + line + QLatin1Char('\n');
                }
            }
        }
        return out;
    }
    // Too narrow for columns: each entry's id, then its words indented.
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        out += row[0] + QLatin1Char('\n');
        const QString about = row[1] + QStringLiteral("; ") + row[2] + QStringLiteral(", audio ") +
                              row[3] + QStringLiteral("; ") + row[4];
        for (const QString &line : wrapped(about, lineWidth - 2)) {
            out += QStringLiteral("  ") + line + QLatin1Char('\n');
        }
    }
    return out;
}
