// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeFormat.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"
#include "formats/KivFormatCatalogue.h"

namespace {

QString audioWords(const KivFormat &format)
{
    return format.audio ? QStringLiteral("audio included") : QStringLiteral("video only");
}

KivFormatLoad load(KivFileSizeRequest &request)
{
    KivFormatLoad loaded = kivLoadFormats(request.formatsFiles);
    request.warnings << loaded.warnings;
    return loaded;
}

} // namespace

bool kivResolveFormat(KivFileSizeRequest &request, QString &error)
{
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    if (request.frame && !(frame = kivReadFrameSize(*request.frame, error))) {
        return false;
    }
    if (request.fps && !(fps = kivReadFrameRate(*request.fps, error))) {
        return false;
    }
    const KivFormatLoad loaded = load(request);
    const std::optional<KivFormat> format = loaded.catalogue.lookup(request.format, error);
    if (!format) {
        return false;
    }
    const std::optional<KivFormatRate> rate = kivFormatRate(*format, frame, fps, error);
    if (!rate) {
        return false;
    }

    request.bitrate = rate->mbps;
    request.bitrateGiven = {QStringLiteral("--format"), format->id};
    const QString nature = kivRateNatureName(format->nature);
    QString what = format->name;
    if (frame) {
        what += QStringLiteral(", ") + frame->text();
    }
    if (fps) {
        what += QStringLiteral(", %1 fps").arg(kivNumberText(*fps));
    }
    request.leadText = QStringLiteral("%1: %2 Mbit/s %3, %4")
                           .arg(what, kivNumberText(rate->mbps), nature, audioWords(*format));
    if (rate->scaled) {
        request.leadText += QStringLiteral(" (%1)").arg(rate->scaling);
    }
    request.leadText += QLatin1Char('\n');

    QString scaledFrom = QStringLiteral("null");
    if (rate->scaled) {
        scaledFrom = QStringLiteral("{\"frame\": \"%1\", \"fps\": %2}")
                         .arg(rate->fromSize.text(), format->kind == KivFormatKind::Table
                                                         ? kivJsonNumber(rate->fromRate)
                                                         : QStringLiteral("null"));
    }
    request.jsonMembers =
        QStringLiteral("\"format\": {\"id\": %1, \"name\": %2, \"frame\": %3, \"fps\": %4, "
                       "\"mbit_s\": %5, \"nature\": \"%6\", \"audio\": %7, \"source\": %8, "
                       "\"scaled_from\": %9}")
            .arg(kivJsonString(format->id), kivJsonString(format->name),
                 frame ? kivJsonString(frame->text()) : QStringLiteral("null"),
                 fps ? kivJsonNumber(*fps) : QStringLiteral("null"), kivJsonNumber(rate->mbps),
                 nature, format->audio ? QStringLiteral("true") : QStringLiteral("false"),
                 kivJsonString(format->source), scaledFrom);
    return true;
}

bool kivListFormats(KivFileSizeRequest &request, QString &out, QString &error)
{
    const KivFormatLoad loaded = load(request);
    const QList<KivFormat> formats = loaded.catalogue.filter(request.listWord);
    if (formats.isEmpty()) {
        error = QStringLiteral("no recording format matches \"%1\"").arg(request.listWord);
        return false;
    }
    if (request.json) {
        QStringList objects;
        for (const KivFormat &f : formats) {
            objects << QStringLiteral("  {\"id\": %1, \"name\": %2, \"family\": %3, \"kind\": "
                                      "\"%4\", \"nature\": \"%5\", \"audio\": %6, \"source\": %7}")
                           .arg(kivJsonString(f.id), kivJsonString(f.name), kivJsonString(f.family),
                                kivFormatKindName(f.kind), kivRateNatureName(f.nature),
                                f.audio ? QStringLiteral("true") : QStringLiteral("false"),
                                kivJsonString(f.source));
        }
        out = QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
        return true;
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
    out.clear();
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < widths.size(); ++i) {
            out += row[i].leftJustified(widths[i]) + QStringLiteral("  ");
        }
        out += row.last() + QLatin1Char('\n');
    }
    return true;
}
