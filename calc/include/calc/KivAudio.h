// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Uncompressed PCM audio recorded beside the picture, as "CHANNELS[:BITS[:KHZ]]"
// says it: "4" is four channels of 24-bit 48 kHz, what recorders write. Its
// rate adds to a format's or a typed video rate.
#pragma once

#include <QString>

#include <optional>

inline constexpr int kivMaxAudioChannels = 64;
inline constexpr int kivMinAudioBits = 8;
inline constexpr int kivMaxAudioBits = 32;
inline constexpr double kivMinAudioKhz = 8;
inline constexpr double kivMaxAudioKhz = 768;

// Mbit/s (10^6 bits) of PCM audio: channels x bits x kHz / 1000, so 4
// channels of 24-bit 48 kHz give 4.608.
double kivPcmMbps(int channels, int bits, double khz);

struct KivAudio
{
    int channels = 1;
    int bits = 24;
    double khz = 48;

    // Channels 1 to kivMaxAudioChannels, bits and kHz within their limits.
    bool isValid() const;
    double mbps() const { return kivPcmMbps(channels, bits, khz); }
    // The shortest text kivReadAudio reads back as this: "4", "2:16",
    // "8:24:96", "2:16:44.1".
    QString text() const;

    friend bool operator==(const KivAudio &, const KivAudio &) = default;
};

// Reads "CHANNELS[:BITS[:KHZ]]": whole channels and bits, kHz a number with
// an optional '.'; bits default to 24 and kHz to 48. Blanks around are
// ignored. On a refusal returns nothing and sets `error` to one line:
//   audio "4ch": write it as CHANNELS[:BITS[:KHZ]] (4, 2:16 or 8:24:96)
//   audio "0": channels must be 1 to 64
std::optional<KivAudio> kivReadAudio(const QString &text, QString &error);
