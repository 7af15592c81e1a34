// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivAudio.h"

#include "calc/KivDisplay.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace {

// A whole number of at most six digits (so no overflow), or -1.
int whole(const QString &text)
{
    if (text.isEmpty() || text.size() > 6) {
        return -1;
    }
    int n = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return -1;
        }
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

// Digits with at most one '.' between digits, or -1.
double decimal(const QString &text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QString integral = dot < 0 ? text : text.left(dot);
    const QString fraction = dot < 0 ? QStringLiteral("0") : text.mid(dot + 1);
    if (whole(integral) < 0 || fraction.isEmpty() ||
        !std::all_of(fraction.begin(), fraction.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
        return -1;
    }
    return text.toDouble();
}

} // namespace

double kivPcmMbps(int channels, int bits, double khz)
{
    return double(channels) * double(bits) * khz / 1000.0;
}

bool KivAudio::isValid() const
{
    return channels >= 1 && channels <= kivMaxAudioChannels && bits >= kivMinAudioBits &&
           bits <= kivMaxAudioBits && khz >= kivMinAudioKhz && khz <= kivMaxAudioKhz;
}

QString KivAudio::text() const
{
    QString out = QString::number(channels);
    if (bits != 24 || khz != 48) {
        out += QLatin1Char(':') + QString::number(bits);
    }
    if (khz != 48) {
        out += QLatin1Char(':') + QString::number(khz, 'f', QLocale::FloatingPointShortest);
    }
    return out;
}

std::optional<KivAudio> kivReadAudio(const QString &text, QString &error)
{
    const QString start = QLatin1String("audio ") + kivQuoted(text, kivShownLength);
    const QStringList fields = text.trimmed().split(QLatin1Char(':'));
    KivAudio audio;
    audio.channels = whole(fields[0]);
    if (fields.size() > 1) {
        audio.bits = whole(fields[1]);
    }
    if (fields.size() > 2) {
        audio.khz = decimal(fields[2]);
    }
    if (fields.size() > 3 || audio.channels < 0 || audio.bits < 0 || audio.khz < 0) {
        error = start + QLatin1String(": write it as CHANNELS[:BITS[:KHZ]] (4, 2:16 or 8:24:96)");
        return std::nullopt;
    }
    if (audio.channels < 1 || audio.channels > kivMaxAudioChannels) {
        error = start + QStringLiteral(": channels must be 1 to %1").arg(kivMaxAudioChannels);
    } else if (audio.bits < kivMinAudioBits || audio.bits > kivMaxAudioBits) {
        error = start +
                QStringLiteral(": bits must be %1 to %2").arg(kivMinAudioBits).arg(kivMaxAudioBits);
    } else if (!audio.isValid()) {
        error =
            start + QStringLiteral(": kHz must be %1 to %2")
                        .arg(kivFrameRateText(kivMinAudioKhz), kivFrameRateText(kivMaxAudioKhz));
    } else {
        return audio;
    }
    return std::nullopt;
}
