// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeFormat.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"

#include <algorithm>

namespace {

QString audioWords(const KivFormat &format)
{
    return format.audio ? QStringLiteral("audio included") : QStringLiteral("video only");
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
                          "\"mbit_s\": %5, \"nature\": \"%6\", \"audio\": %7, \"source\": %8, "
                          "\"scaled_from\": %9}")
        .arg(kivJsonString(format.id), kivJsonString(format.name),
             source.frame ? kivJsonString(source.frame->text()) : QStringLiteral("null"),
             source.fps ? kivJsonNumber(*source.fps) : QStringLiteral("null"),
             kivJsonNumber(rate.mbps), kivRateNatureName(format.nature),
             format.audio ? QStringLiteral("true") : QStringLiteral("false"),
             kivJsonString(format.source), scaledFrom);
}

QString kivFormatList(const QList<KivFormat> &formats, bool json)
{
    if (json) {
        QStringList objects;
        for (const KivFormat &f : formats) {
            objects << QStringLiteral("  {\"id\": %1, \"name\": %2, \"family\": %3, \"kind\": "
                                      "\"%4\", \"nature\": \"%5\", \"audio\": %6, \"source\": %7}")
                           .arg(kivJsonString(f.id), kivJsonString(f.name), kivJsonString(f.family),
                                kivFormatKindName(f.kind), kivRateNatureName(f.nature),
                                f.audio ? QStringLiteral("true") : QStringLiteral("false"),
                                kivJsonString(f.source));
        }
        return QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) +
               QStringLiteral("\n]\n");
    }
    // Left-aligned columns, two spaces apart; the source runs to the end.
    const QStringList headers = {QStringLiteral("Id"), QStringLiteral("Name"),
                                 QStringLiteral("Nature"), QStringLiteral("Audio"),
                                 QStringLiteral("Source")};
    QList<QStringList> rows = {headers};
    for (const KivFormat &f : formats) {
        rows.append({f.id, f.name, kivRateNatureName(f.nature),
                     f.audio ? QStringLiteral("included") : QStringLiteral("no"), f.source});
    }
    QList<qsizetype> widths(headers.size() - 1, 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    QString out;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < widths.size(); ++i) {
            out += row[i].leftJustified(widths[i]) + QStringLiteral("  ");
        }
        out += row.last() + QLatin1Char('\n');
    }
    return out;
}
