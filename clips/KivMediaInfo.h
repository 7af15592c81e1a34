// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// MediaInfoLib, opened at run time, reading one file at a time.
#pragma once

#include "clips/KivClips.h"

#include <clocale>

// Opens MediaInfoLib from `library` unless this process has it open already,
// and sets its process-wide options. Safe from any thread; false when it
// cannot be opened (a later call tries again).
bool kivOpenMediaInfo(const QString &library);

// What reading one file gave: a clip, or the reason it is none.
struct KivClipReading
{
    std::optional<KivClip> clip;
    KivClipReason reason = KivClipReason::NoMedia;
};

// One MediaInfoLib handle set up for measuring, made after kivOpenMediaInfo
// succeeded and used by the thread that made it. While it lives that thread's
// locale is C with UTF-8 characters: MediaInfoLib turns file names into bytes
// by the locale, which must agree with Qt's UTF-8 names even where the
// process runs in the C locale, and it writes numbers by it too.
class KivMediaInfoReader
{
public:
    KivMediaInfoReader();
    ~KivMediaInfoReader();
    KivMediaInfoReader(const KivMediaInfoReader &) = delete;
    KivMediaInfoReader &operator=(const KivMediaInfoReader &) = delete;

    // `path` absolute (a name as kivDecodeFileName gives it): MediaInfoLib
    // then resolves a file's references to paths below its folder, never to
    // URLs.
    KivClipReading read(const QString &path);

private:
    // One reading of the file `path` through `name`; `untimed` when it has
    // tracks but no duration.
    KivClipReading measure(const QString &name, const QString &path, qint64 size, bool &untimed);

    void *handle;
    locale_t utf8;
    locale_t previous;
};
