// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How kivfilesize shows recording formats: the line and the JSON member that
// a format's bitrate adds to an answer, the audio added on top, and the
// listing of --list-formats.
#pragma once

#include "KivFileSizeRequest.h"

#include <QList>
#include <QString>

// "ProRes 422 HQ, 3840x2160, 25 fps: 737 Mbit/s target, video only\n".
QString kivFormatLine(const KivFormatChoice &source);

// "\"format\": {...}", a member of each JSON answer.
QString kivFormatJson(const KivFormatChoice &source);

// "Audio: 4 channels of 24-bit 48 kHz PCM, 4.608 Mbit/s on top: 104.608
// Mbit/s in all\n", where `total` is the bitrate with the audio.
QString kivAudioLine(const KivAudio &audio, double total);
// "\"audio\": {\"channels\": 4, \"bits\": 24, \"khz\": 48}, \"audio_mbit_s\": 4.608".
QString kivAudioJson(const KivAudio &audio);

// The columns of the terminal standard output goes to, or 80 when it is not
// a terminal (or does not say).
int kivTerminalColumns();

// The listing: a JSON array with `json`, else a text table whose lines fit
// `width` columns (at least 40; only an id longer than that is not broken):
// id, name, nature and audio in columns, and the source in a column of its
// own where every line fits, else on lines of its own under the name.
// Entries read from a formats file say so after their source.
QString kivFormatList(const QList<KivFormat> &formats, bool json, int width = 80);
