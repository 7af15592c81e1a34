// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// PCM audio recorded beside the video: its bitrate, how it is typed and how
// it is shown. A codec's figure of video only plus this gives what a card
// holds (a recorder writing 4 channels of 24-bit 48 kHz PCM adds 4.608
// Mbit/s).
#pragma once

#include <QString>

#include <optional>

// The bounds of what is read; beyond them a typed value is refused as absurd.
inline constexpr int kivMaxAudioChannels = 64;
inline constexpr int kivMinAudioBits = 8;
inline constexpr int kivMaxAudioBits = 64;
inline constexpr double kivMinAudioKhz = 8;
inline constexpr double kivMaxAudioKhz = 768;

struct KivAudio
{
    int channels = 2;
    int bits = 24;
    double khz = 48;

    // Channels, bits and kHz within the bounds above, as kivReadAudio reads.
    bool isValid() const;
    // channels x bits x kHz x 1000 / 10^6: 4 x 24 x 48 gives 4.608.
    double mbps() const;
    // The shortest text kivReadAudio reads back as this, for files: "4",
    // "2:16", "8:24:96", "2:16:44.1".
    QString typed() const;
    // "4 channels of 24-bit 48 kHz PCM", "1 channel of 16-bit 44.1 kHz PCM".
    QString text() const;

    friend bool operator==(const KivAudio &, const KivAudio &) = default;
};

// Reads CHANNELS[:BITS[:KHZ]]: whole numbers of channels (1 to
// kivMaxAudioChannels) and bits (kivMinAudioBits to kivMaxAudioBits), kHz
// with an optional '.' and fraction (kivMinAudioKhz to kivMaxAudioKhz);
// what is left out is 24 bits and 48 kHz. Blanks around are ignored. On a
// refusal returns nothing and sets `error` to one line, for example:
//   audio "4:24:48:1": write CHANNELS[:BITS[:KHZ]] in digits, as in 4, 2:16 or 8:24:48
//   audio "0": 1 to 64 channels
std::optional<KivAudio> kivReadAudio(const QString &text, QString &error);
