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

// Of the rates at which `size` has a figure, the index of the nearest; on a
// tie the lower. -1 when the row has none.
qsizetype nearestRate(const QList<double> &rates, const KivFormatSize &size, double fps)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < rates.size(); ++i) {
        if (size.mbps[i] <= 0) {
            continue;
        }
        const double distance = std::abs(rates[i] - fps);
        if (best < 0 || distance < std::abs(rates[best] - fps) ||
            (distance == std::abs(rates[best] - fps) && rates[i] < rates[best])) {
            best = i;
        }
    }
    return best;
}

QString sizesText(const KivFormat &format, const QString &separator)
{
    QStringList texts;
    for (const KivFormatSize &size : format.sizes) {
        texts << size.frame.text();
    }
    return texts.join(separator);
}

// The refusal for an entry asked without a frame size, a rate or both.
QString missingText(const KivFormat &format, bool frame, bool rate)
{
    const QString why = format.kind == KivFormatKind::Formula
                            ? QStringLiteral("(its figures come from the pixel packing)")
                            : QStringLiteral("(its figures are bytes per frame)");
    QString text = format.id + QLatin1String(" needs ");
    if (format.kind == KivFormatKind::Formula) {
        return text +
               (frame && rate ? QLatin1String("a frame size and a frame rate, any ")
                : frame       ? QLatin1String("a frame size, any ")
                              : QLatin1String("a frame rate, any ")) +
               why;
    }
    const bool listedRates = format.kind == KivFormatKind::Table || format.onlyListedRates;
    const QString rates = kivRatesText(format.rates, QStringLiteral(", ")) + QLatin1String(" fps");
    if (frame && rate) {
        return text + QLatin1String("a frame size and a frame rate; listed sizes: ") +
               sizesText(format, QStringLiteral(", ")) +
               (listedRates ? QLatin1String("; listed rates: ") + rates
                            : QLatin1String("; any rate ") + why);
    }
    if (frame) {
        return text + QLatin1String("a frame size; listed: ") +
               sizesText(format, QStringLiteral(", "));
    }
    return text + (listedRates ? QLatin1String("a frame rate; listed: ") + rates
                               : QLatin1String("a frame rate, any ") + why);
}

// Whether the figures that the computation indexes are all there; entries
// read from a file always are, entries built by hand need not be.
bool isComplete(const KivFormat &format)
{
    if (format.sizes.isEmpty() || (format.onlyListedRates && format.rates.isEmpty())) {
        return false;
    }
    for (const KivFormatSize &size : format.sizes) {
        if (!size.frame.isValid()) {
            return false;
        }
        if (format.kind == KivFormatKind::Table) {
            if (size.mbps.size() != format.rates.size()) {
                return false;
            }
            bool any = false;
            for (double mbps : size.mbps) {
                if (!std::isfinite(mbps) || mbps < 0) {
                    return false;
                }
                any = any || mbps > 0;
            }
            if (!any) {
                return false;
            }
        } else if (!std::isfinite(size.bytesPerFrame) || size.bytesPerFrame <= 0) {
            return false;
        }
    }
    return format.kind != KivFormatKind::Table || !format.rates.isEmpty();
}

QString notAtRate(const KivFormat &format, const QList<double> &rates, double fps)
{
    return format.id + QLatin1String(" exists only at ") +
           kivRatesText(rates, QStringLiteral(" or ")) + QLatin1String(" fps, not ") +
           kivFrameRateText(fps);
}

} // namespace

bool kivIsListedRate(double fps, double listed)
{
    return std::abs(fps - listed) <= kivRateTolerance * listed;
}

QString kivRatesText(const QList<double> &rates, const QString &last)
{
    QString text;
    for (qsizetype i = 0; i < rates.size(); ++i) {
        if (i > 0) {
            text += i + 1 == rates.size() ? last : QStringLiteral(", ");
        }
        text += kivFrameRateText(rates[i]);
    }
    return text;
}

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
    KivFormatRate rate;
    if (format.kind == KivFormatKind::Formula) {
        rate.fromSize = *frame;
        rate.fromRate = *fps;
        rate.bytesPerFrame = double(kivPackedFrameBytes(format.packing, *frame));
        rate.mbps = rate.bytesPerFrame * 8.0 * *fps / 1e6;
        return rate;
    }
    if (!isComplete(format)) {
        error = format.id + QLatin1String(": the entry's figures are incomplete");
        return std::nullopt;
    }

    const KivFormatSize &from = format.sizes[nearestSize(format.sizes, *frame)];
    const bool sizeListed = from.frame == *frame;
    if (!sizeListed && format.onlyListedSizes) {
        error = format.id + QLatin1String(" exists only at ") +
                sizesText(format, QStringLiteral(" or ")) + QLatin1String(", not ") + frame->text();
        return std::nullopt;
    }
    const double pixels = double(frame->pixels()) / double(from.frame.pixels());
    rate.fromSize = from.frame;
    if (format.kind == KivFormatKind::Table) {
        const qsizetype column = nearestRate(format.rates, from, *fps);
        const double listed = format.rates[column];
        const bool rateListed = kivIsListedRate(*fps, listed);
        if (!rateListed && format.onlyListedRates) {
            error = notAtRate(format, format.ratesOf(from), *fps);
            return std::nullopt;
        }
        rate.fromRate = listed;
        rate.mbps = from.mbps[column] * pixels * (rateListed ? 1.0 : *fps / listed);
        rate.scaled = !sizeListed || !rateListed;
        if (rate.scaled) {
            rate.scaling = QLatin1String("scaled from ") + from.frame.text() +
                           QLatin1String(" at ") + kivFrameRateText(listed) + QLatin1String(" fps");
        }
        return rate;
    }
    if (format.onlyListedRates) {
        bool listed = false;
        for (double r : format.rates) {
            listed = listed || kivIsListedRate(*fps, r);
        }
        if (!listed) {
            error = notAtRate(format, format.rates, *fps);
            return std::nullopt;
        }
    }
    rate.fromRate = *fps;
    rate.bytesPerFrame = from.bytesPerFrame * pixels;
    rate.mbps = from.bytesPerFrame * 8.0 * *fps / 1e6 * pixels;
    rate.scaled = !sizeListed;
    if (rate.scaled) {
        rate.scaling = QLatin1String("scaled from ") + from.frame.text();
    }
    return rate;
}
