// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How kivfilesize shows recording formats: the line and the JSON member that
// a format's bitrate adds to an answer, and the listing of --list-formats.
#pragma once

#include "KivFileSizeRequest.h"

#include <QList>
#include <QString>

// "ProRes 422 HQ, 3840x2160, 25 fps: 737 Mbit/s target, video only\n".
QString kivFormatLine(const KivFormatChoice &source);

// "\"format\": {...}", a member of each JSON answer.
QString kivFormatJson(const KivFormatChoice &source);

// The listing: a text table, or a JSON array with `json`.
QString kivFormatList(const QList<KivFormat> &formats, bool json);
