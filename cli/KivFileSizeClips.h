// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How kivfilesize shows measured clips: the summary line and the JSON members
// that clips add to an answer, and the lines of --clip-events, which the
// calculator reads while a child kivfilesize measures what was dropped on it.
#pragma once

#include "calc/KivUnits.h"
#include "cli/KivFileSize.h"
#include "clips/KivClips.h"

#include <QString>

// "3 clips, 00:12:40, 13.1 GB: 148.2 Mbit/s; video 145.1, audio 3.1\n", the
// size in `units`.
QString kivClipsLine(const KivClipReport &report, KivCardUnits units);

// "\"clips\": [...], \"skipped\": N", members of each JSON answer.
QString kivClipsJson(const KivClipReport &report);

// The last line of --clip-events: {"event": "total", ...}.
QString kivClipTotalEvent(const KivClipReport &report);

// Sends one JSON object a line to a sink as the files are read: for each file
// {"event": "reading", "path"}, then {"event": "clip", ...} or {"event":
// "skipped", "path", "reason"}.
class KivClipEventLines : public KivClipObserver
{
public:
    explicit KivClipEventLines(const KivLineSink &sink) : sink(sink) {}
    void reading(const QString &path) override;
    void measured(const KivClip &clip) override;
    void skipped(const KivClipSkip &skip) override;

private:
    const KivLineSink &sink;
};
