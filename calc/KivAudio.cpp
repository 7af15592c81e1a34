// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivAudio.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QLocale>
#include <QStringList>

namespace {

// Whether `text` is 1 to 9 ASCII digits, so that it reads without overflow.
bool isCount(QStringView text)
{
    return text.size() <= 9 && kivIsDigits(text);
}

// Digits with an optional '.' and fraction, both parts short enough to read.
bool isDecimal(QStringView text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? isCount(text) : isCount(text.left(dot)) && isCount(text.mid(dot + 1));
}

} // namespace

double KivAudio::mbps() const
{
    return double(channels) * double(bits) * khz / 1000.0;
}

bool KivAudio::isValid() const
{
    return channels >= 1 && channels <= kivMaxAudioChannels && bits >= kivMinAudioBits &&
           bits <= kivMaxAudioBits && khz >= kivMinAudioKhz && khz <= kivMaxAudioKhz;
}

QString KivAudio::typed() const
{
    QString out = QString::number(channels);
    if (bits != 24 || khz != 48) {
        out += QLatin1Char(':') + QString::number(bits);
    }
    if (khz != 48) {
        out += QLatin1Char(':') + kivExactText(khz);
    }
    return out;
}

QString KivAudio::text() const
{
    return QStringLiteral("%1 %2 of %3-bit %4 kHz PCM")
        .arg(QString::number(channels),
             channels == 1 ? QStringLiteral("channel") : QStringLiteral("channels"),
             QString::number(bits), kivNumberText(khz));
}

std::optional<KivAudio> kivReadAudio(const QString &text, QString &error)
{
    const QString start =
        QLatin1String("audio ") + kivQuoted(text, kivShownLength) + QLatin1String(": ");
    const QStringList fields = text.trimmed().split(QLatin1Char(':'));
    if (fields.size() > 3 || !isCount(fields[0]) || (fields.size() > 1 && !isCount(fields[1])) ||
        (fields.size() > 2 && !isDecimal(fields[2]))) {
        error = start + QLatin1String("write CHANNELS[:BITS[:KHZ]] in digits, as in 4, 2:16 or "
                                      "8:24:48");
        return std::nullopt;
    }
    KivAudio audio;
    audio.channels = fields[0].toInt();
    if (audio.channels < 1 || audio.channels > kivMaxAudioChannels) {
        error = start + QStringLiteral("1 to %1 channels").arg(kivMaxAudioChannels);
        return std::nullopt;
    }
    if (fields.size() > 1) {
        audio.bits = fields[1].toInt();
        if (audio.bits < kivMinAudioBits || audio.bits > kivMaxAudioBits) {
            error =
                start +
                QStringLiteral("%1 to %2 bits a sample").arg(kivMinAudioBits).arg(kivMaxAudioBits);
            return std::nullopt;
        }
    }
    if (fields.size() > 2) {
        audio.khz = fields[2].toDouble();
        if (!(audio.khz >= kivMinAudioKhz && audio.khz <= kivMaxAudioKhz)) {
            error = start + QStringLiteral("%1 to %2 kHz")
                                .arg(kivNumberText(kivMinAudioKhz), kivNumberText(kivMaxAudioKhz));
            return std::nullopt;
        }
    }
    return audio;
}
