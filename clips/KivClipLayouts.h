// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// How cameras lay out a card, clip by clip: what each clip's folder and name
// say of the recording it belongs to, for kivGroupClips. Names are compared
// in upper case, as cards are written on FAT file systems.
#pragma once

#include "clips/KivClips.h"

#include <QHash>
#include <utility>
#include <vector>

enum class KivClipKind
{
    Main,
    Proxy,
    Audio,
};

// Where a clip lies: its folder, name and the folders above it.
struct KivClipPlace
{
    QString folder; // the parent folder's path
    QString stem;   // the name before its last '.', upper case
    QString ext;    // the name after its last '.', upper case
    QStringList up; // folder names from the parent upward, upper case
    QString root;   // the card root, or empty
};

// What the layout says of a clip.
struct KivClipClaim
{
    QString key; // the group; empty while it waits for a main file by stem
    KivClipKind kind = KivClipKind::Main;
    int order = 0; // the chapter's number where its name gives one
    // Sony: the package folder and clip name; a proxy block's name is looked
    // up among the package's clip names.
    QString package;
    QString clipName;
    bool block = false;
    // A companion of the main file of stem `stem` in the first of
    // `stemFolders` that has one, or where `rootWide`, of the only one in the
    // card root.
    QString stem;
    QStringList stemFolders;
    bool rootWide = false;
    bool needsVideo = false;      // the main file must have video
    bool parallelIfEqual = false; // parallel when the durations agree, else a chapter
};

// A group's key: its kind, the folder it lies in and its name, apart by a
// character no path holds.
QString kivGroupKey(const char *kind, const QString &scope, const QString &name = QString());

// The folder, stem, extension, folders above and card root of `path`.
KivClipPlace kivPlaceOf(const QString &path);

// The layouts, tried in this order; each sets `claim` and says whether it
// applies: P2 (CONTENTS/<role>/), Sony (M4ROOT, XDROOT, BPAV, PROAV),
// Proxy/ and Proxies/ folders, GoPro names, then companions by stem
// (_Proxy, PRIVATE/AUDIO, .LRF, .LRV, .WAV beside a video, .braw2).
bool kivClaimP2(const KivClipPlace &place, KivClipClaim &claim);
bool kivClaimSony(const KivClipPlace &place, KivClipClaim &claim);
bool kivClaimProxyFolder(const KivClipPlace &place, KivClipClaim &claim);
bool kivClaimGoPro(const KivClipPlace &place, KivClipClaim &claim);
bool kivClaimByStem(const KivClipPlace &place, const KivClip &clip, KivClipClaim &claim);

// AVCHD: the play items of the playlists in `bdmv`/PLAYLIST by clip name
// ("00001"), each with the clip its run of continued items starts with and
// its place in the run; an unreadable or malformed playlist adds nothing.
QHash<QString, std::pair<QString, int>> kivAvchdRuns(const QString &bdmv);

// P2: the shot a clip definition (CONTENTS/CLIP/<name>.XML) puts its clip
// in (Relation/GlobalShotID) and the clip's offset in it (OffsetInShot), or
// none for a clip that spans nothing.
std::optional<std::pair<QString, qint64>> kivP2Shot(const QString &clipXml);

// RED .RDC folders, all clips at once: their claims set, keyed by folder.
void kivClaimRed(const QList<KivClip> &clips, const std::vector<KivClipPlace> &places,
                 std::vector<KivClipClaim> &claims);

// Whether `path` is a camera original that MediaInfoLib may not measure:
// RED .R3D, Blackmagic .BRAW, ARRIRAW .ARI, Canon .CRM, or an .MXF.
bool kivIsCameraOriginal(const QString &path);

// Whether `path` is media a camera wrote, by its place or name: a camera
// original, or a video or MXF file inside a card root or a RED .RDC folder
// that no layout takes for a proxy; never a macOS "._" file. With `folder`,
// `path` is a folder: whether it lies inside a card root.
bool kivIsCameraMedia(const QString &path, bool folder = false);

// Whether two clips last the same within max(0.1 s, 2 frames).
bool kivDurationsAgree(const KivClip &a, const KivClip &b);
