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

// "2 recordings (4 files), 00:12:40, 13.1 GB: 148.2 Mbit/s; video 145.1,
// audio 3.1\n", the size in `units`; "1 recording (1 file)" for one; then,
// where paths were skipped, kivClipsSkippedText on a line of its own.
QString kivClipsLine(const KivClipReport &report, KivCardUnits units);

// "skipped 3: 2 unreadable, 1 cut short", the skipped paths counted by
// reason, the most frequent first; "skipped 0" when none is.
QString kivClipsSkippedText(const KivClipReport &report);

// The lines a measure with faults adds to stderr: each fault with its reason,
// then that the totals are incomplete and how many bytes they leave out.
QStringList kivClipsFaultLines(const KivClipReport &report);

// "\"recordings\": N, \"clips\": [...], \"skipped\": N, \"skipped_reasons\":
// {...}, \"complete\": B, \"unmeasured_bytes\": N, \"faults\": [...]", members
// of each JSON answer; each clip with its role and recording, each fault with
// its path, code and reason.
QString kivClipsJson(const KivClipReport &report);

// The last line of --clip-events: {"event": "total", ...}.
QString kivClipTotalEvent(const KivClipReport &report);

// Sends the lines of --clip-events (calc/KivClipProtocol.h) to a sink, one
// JSON object a line, as the library reports: reading, read, skipped and
// failed as the files are read, then each clip.
class KivClipEventLines : public KivClipObserver
{
public:
    explicit KivClipEventLines(const KivLineSink &sink) : sink(sink) {}
    void reading(const QString &path) override;
    void read(const QString &path) override;
    void skipped(const KivClipSkip &skip) override;
    void failed(KivClipReason reason) override;
    void measured(const KivClip &clip) override;

private:
    const KivLineSink &sink;
};
