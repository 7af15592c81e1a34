// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "catalogue/KivFormatRate.h"

#include "calc/KivDisplay.h"

#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

// The listed size with the same sides, else the nearest in pixel count (on a
// tie the smaller, then the first listed).
qsizetype nearestSize(const QList<KivFormatSize> &sizes, const KivFrameSize &frame)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (sizes[i].frame == frame) {
            return i;
        }
        if (best < 0) {
            best = i;
            continue;
        }
        const qint64 distance = std::abs(sizes[i].frame.pixels() - frame.pixels());
        const qint64 bestDistance = std::abs(sizes[best].frame.pixels() - frame.pixels());
        if (distance < bestDistance ||
            (distance == bestDistance && sizes[i].frame.pixels() < sizes[best].frame.pixels())) {
            best = i;
        }
    }
    return best;
}

// The nearest listed rate; on a tie the lower.
qsizetype nearestRate(const QList<double> &rates, double fps)
{
    qsizetype best = 0;
    for (qsizetype i = 1; i < rates.size(); ++i) {
        const double distance = std::abs(rates[i] - fps);
        const double bestDistance = std::abs(rates[best] - fps);
        if (distance < bestDistance || (distance == bestDistance && rates[i] < rates[best])) {
            best = i;
        }
    }
    return best;
}

QString sizesText(const KivFormat &format)
{
    QStringList texts;
    for (const KivFormatSize &size : format.sizes) {
        texts << size.frame.text();
    }
    return texts.join(QLatin1String(", "));
}

QString ratesText(const KivFormat &format)
{
    QStringList texts;
    for (double rate : format.rates) {
        texts << kivFrameRateText(rate);
    }
    return texts.join(QLatin1String(", ")) + QLatin1String(" fps");
}

// The refusal for an entry asked without a frame size, a rate or both.
QString missingText(const KivFormat &format, bool frame, bool rate)
{
    const bool table = format.kind == KivFormatKind::Table;
    QString text = format.id + QLatin1String(" needs ");
    if (frame && rate) {
        text += QLatin1String("a frame size and a frame rate; listed sizes: ") + sizesText(format);
        text += table ? QLatin1String("; listed rates: ") + ratesText(format)
                      : QLatin1String("; any rate (its figures are bytes per frame)");
    } else if (frame) {
        text += QLatin1String("a frame size; listed: ") + sizesText(format);
    } else if (table) {
        text += QLatin1String("a frame rate; listed: ") + ratesText(format);
    } else {
        text += QLatin1String("a frame rate, any (its figures are bytes per frame)");
    }
    return text;
}

// Whether the figures that the computation indexes are all there; entries
// read from a file always are, entries built by hand need not be.
bool isComplete(const KivFormat &format)
{
    if (format.sizes.isEmpty()) {
        return false;
    }
    for (const KivFormatSize &size : format.sizes) {
        if (!size.frame.isValid() ||
            (format.kind == KivFormatKind::Table && size.mbps.size() != format.rates.size())) {
            return false;
        }
    }
    return format.kind != KivFormatKind::Table || !format.rates.isEmpty();
}

} // namespace

std::optional<KivFormatRate> kivFormatRate(const KivFormat &format,
                                           std::optional<KivFrameSize> frame,
                                           std::optional<double> fps, QString &error)
{
    if (format.kind == KivFormatKind::Fixed) {
        if (frame || fps) {
            error = format.id + QLatin1String(": the mode fixes its frame size and rate");
            return std::nullopt;
        }
        KivFormatRate rate;
        rate.mbps = format.mbps;
        return rate;
    }
    if (!frame || !fps) {
        error = missingText(format, !frame, !fps);
        return std::nullopt;
    }
    if (!frame->isValid()) {
        error = format.id + QStringLiteral(": frame size %1x%2 is not 1 to %3 pixels a side")
                                .arg(frame->width)
                                .arg(frame->height)
                                .arg(kivMaxFrameSide);
        return std::nullopt;
    }
    if (!kivIsFrameRate(*fps)) {
        error = format.id +
                QStringLiteral(": frame rate must be from %1 to %2 frames per second")
                    .arg(kivFrameRateText(kivMinFrameRate), kivFrameRateText(kivMaxFrameRate));
        return std::nullopt;
    }
    if (!isComplete(format)) {
        error = format.id + QLatin1String(": the entry's figures are incomplete");
        return std::nullopt;
    }

    const KivFormatSize &from = format.sizes[nearestSize(format.sizes, *frame)];
    const bool sizeListed = from.frame == *frame;
    if (!sizeListed && format.onlyListedSizes) {
        error = format.id + QLatin1String(" exists only at ") +
                sizesText(format).replace(QLatin1String(", "), QLatin1String(" or ")) +
                QLatin1String(", not ") + frame->text();
        return std::nullopt;
    }
    const double pixels = double(frame->pixels()) / double(from.frame.pixels());

    KivFormatRate rate;
    rate.fromSize = from.frame;
    if (format.kind == KivFormatKind::Table) {
        const qsizetype column = nearestRate(format.rates, *fps);
        const double listed = format.rates[column];
        const bool rateListed = std::abs(*fps - listed) <= kivRateTolerance * listed;
        rate.fromRate = listed;
        rate.mbps = from.mbps[column] * pixels * (rateListed ? 1.0 : *fps / listed);
        rate.scaled = !sizeListed || !rateListed;
        if (rate.scaled) {
            rate.scaling = QLatin1String("scaled from ") + from.frame.text() +
                           QLatin1String(" at ") + kivFrameRateText(listed) + QLatin1String(" fps");
        }
    } else {
        rate.fromRate = *fps;
        rate.mbps = from.bytesPerFrame * 8.0 * *fps / 1e6 * pixels;
        rate.scaled = !sizeListed;
        if (rate.scaled) {
            rate.scaling = QLatin1String("scaled from ") + from.frame.text();
        }
    }
    return rate;
}
