// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's measured clips: the bitrate of --clip, pooled over every clip
// the paths name, and --clip-events, the line-by-line report the calculator
// reads while a child kivfilesize measures what was dropped on it.
#pragma once

#include "KivFileSizeOptions.h"
#include "cli/KivFileSize.h"

#include <QString>

// Measures request.clips and sets the pooled bitrate, with the summary line
// and JSON members that describe the clips. On a refusal (a named path that
// is no clip, a folder without one, no MediaInfoLib) returns false with
// `error` set to one line.
bool kivResolveClips(KivFileSizeRequest &request, QString &error);

// Measures request.clips and sends one JSON object a line to `sink`: for each
// file {"event": "reading", "path"}, then {"event": "clip", ...} or
// {"event": "skipped", "path", "reason"}, and at the end {"event": "total",
// ...}. A refusal is returned as with kivResolveClips, after the lines.
bool kivClipEvents(const KivFileSizeRequest &request, const KivLineSink &sink, QString &error);
