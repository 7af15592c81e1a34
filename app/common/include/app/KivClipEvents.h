// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What a measuring kivfilesize (--clip-events, calc/KivClipProtocol.h) said,
// taken as it comes and trusted in nothing: a line that is not an event of
// the protocol is passed over, a total counts only when its figures can be
// right, and no line is held beyond LONGEST_LINE bytes.
#pragma once

#include "calc/KivClipProtocol.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The pooled figures of a total that can be right.
struct KivClipTotal
{
    qint64 recordings = 0;
    qint64 files = 0;
    qint64 skipped = 0;
    qint64 bytes = 0;
    double seconds = 0;
    double mbps = 0;
};

// A path the reader did not count.
struct KivClipSkipped
{
    QString path;
    std::optional<KivClipReason> reason; // none for a code this program does not know
    bool refused = false;
};

class KivClipEvents
{
public:
    // `named`: the paths the reader was given, of which those it refuses are
    // kept (refused()); a path it refuses that was not named is not.
    explicit KivClipEvents(const QStringList &named = {});

    static constexpr qsizetype LONGEST_LINE = 64 * 1024;
    // Files named as being read at once that are kept, the latest.
    static constexpr qsizetype MOST_OPEN = 64;

    // Takes more of what the reader printed. False, for good, once a line
    // runs longer than LONGEST_LINE bytes: nothing more is taken.
    bool take(const QByteArray &bytes);

    // The files being read (named by "reading" and not yet finished).
    const QStringList &open() const { return open_; }
    qint64 filesDone() const { return filesDone_; }

    // The last total, where it holds at least one recording, a finite time
    // above 0 and a finite rate above 0; the counts of files (no fewer than
    // the recordings), skipped files and bytes it gives must be whole
    // numbers, and where it leaves them out, the files are the recordings,
    // none is skipped and the bytes are what the rate fills in the time.
    std::optional<KivClipTotal> total() const;
    // Whether the last total was well formed but counted no recording.
    bool measuredNothing() const { return nothing_; }
    // Whether a total came that cannot be right, or, without one, a line
    // that is no event.
    bool lied() const { return sentTotal_ ? !total_ && !nothing_ : garbled_; }
    // Measuring could not run: with the reason where its code is known.
    bool failed() const { return failed_; }
    std::optional<KivClipReason> failure() const { return failure_; }
    // The first path refused, else the first skipped.
    std::optional<KivClipSkipped> firstSkip() const;
    // The first path refused, and the named paths refused, in no order.
    std::optional<KivClipSkipped> firstRefused() const { return firstRefused_; }
    const QSet<QString> &refused() const { return refused_; }

private:
    void line(const QByteArray &text);

    QByteArray partial_;
    bool overlong_ = false;
    QStringList open_;
    qint64 filesDone_ = 0;
    bool garbled_ = false;
    bool sentTotal_ = false;
    bool nothing_ = false;
    std::optional<KivClipTotal> total_;
    bool failed_ = false;
    std::optional<KivClipReason> failure_;
    std::optional<KivClipSkipped> firstRefused_;
    std::optional<KivClipSkipped> firstSkipped_;
    QSet<QString> named_;
    QSet<QString> refused_;
};
