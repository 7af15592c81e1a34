// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What the arguments name: the files to read and the paths refused or
// skipped on the way, in the order of the report.
#pragma once

#include "clips/KivClips.h"

#include <functional>
#include <vector>

struct KivClipEntry
{
    QString path; // as kivDecodeFileName gives the bytes the system gave
    // Set when the path is not read (or read without giving a clip).
    std::optional<KivClipSkip> skip;
    std::optional<KivClip> clip;
    bool toRead = false;
    // A named folder, placed after its contents: refused when none of them
    // turns out to be a clip.
    bool isFolder = false;
    int folder = -1; // the named folder's entry this path was found in
    int first = -1;  // for a file reached again: the entry that reads it
    qint64 size = 0; // of a file to read
};

// Whether `reason` is of a file that is there but could not be measured.
bool kivUnmeasured(KivClipReason reason);

// A path not counted, with why, its size and whether it is a fault: camera
// media (kivIsCameraMedia) that could not be measured.
KivClipSkip kivClipSkip(const QString &path, KivClipReason reason, bool refused, qint64 bytes = 0,
                        bool folder = false);

// Entries found in a list rather than named: not refused (KivClipEntry::folder).
inline constexpr int KIV_LISTED = -2;

// Lists `arguments` in order, each folder's contents sorted by the bytes of
// their paths, walked with opendir and readdir so that every name keeps its
// bytes, then `listed` as a folder's files are (KIV_LISTED). `skipped` hears
// of each skip as it is found; an empty file is skipped here, without being
// opened, after `reading` heard of it. Stops early when `cancel` is set.
std::vector<KivClipEntry> kivScanClips(const QStringList &arguments, const QStringList &listed,
                                       const std::atomic<bool> *cancel,
                                       const std::function<void(const QString &)> &reading,
                                       const std::function<void(const KivClipSkip &)> &skipped);
