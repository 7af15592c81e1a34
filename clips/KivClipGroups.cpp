// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips into recordings: each clip's claim from the layouts
// (KivClipLayouts.h), then the companions that look for a main file by stem
// joined to it, then each group's roles.
#include "KivClipLayouts.h"

#include <QHash>
#include <algorithm>
#include <climits>
#include <vector>

void kivGroupClips(QList<KivClip> &measured, const QStringList &unmeasured,
                   QList<qsizetype> *incomplete, QStringList *blamed)
{
    // The unmeasured files take part as clips with video and no time, after
    // the measured ones.
    QList<KivClip> clips = measured;
    const int real = static_cast<int>(clips.size());
    for (const QString &path : unmeasured) {
        const KivClipPlace place = kivPlaceOf(path);
        if (place.up.isEmpty() || !place.up[0].endsWith(QLatin1String(".RDC"))) {
            KivClip clip;
            clip.path = path;
            clip.videoTracks = 1;
            clips << clip;
        }
    }
    const int count = static_cast<int>(clips.size());
    std::vector<KivClipPlace> places;
    places.reserve(clips.size());
    std::vector<KivClipClaim> claims(clips.size());
    for (const KivClip &clip : clips) {
        places.push_back(kivPlaceOf(clip.path));
    }
    kivClaimRed(clips, places, claims);
    // AVCHD: the STREAM files one playlist plays in a row are one recording.
    QHash<QString, QHash<QString, std::pair<QString, int>>> playlists;
    for (int i = 0; i < count; ++i) {
        const KivClipPlace &place = places[i];
        if (place.up.size() < 2 || place.up[0] != QLatin1String("STREAM") ||
            place.up[1] != QLatin1String("BDMV")) {
            continue;
        }
        const QString bdmv = place.folder.left(place.folder.lastIndexOf(u'/'));
        if (!playlists.contains(bdmv)) {
            playlists.insert(bdmv, kivAvchdRuns(bdmv));
        }
        const auto run = playlists[bdmv].find(place.stem);
        if (run != playlists[bdmv].end()) {
            claims[i].key = kivGroupKey("avchd", bdmv.toUpper(), run->first);
            claims[i].order = run->second;
        }
    }
    for (int i = 0; i < count; ++i) {
        KivClipClaim &claim = claims[i];
        if (claim.key.isEmpty() && !kivClaimP2(places[i], claim) &&
            !kivClaimSony(places[i], claim) && !kivClaimProxyFolder(places[i], claim) &&
            !kivClaimGoPro(places[i], claim) && !kivClaimByStem(places[i], clips[i], claim)) {
            claim.key = kivGroupKey("own", clips[i].path);
        }
    }

    // P2: the clips of one shot, spanned over cards, are one recording.
    QHash<QString, std::optional<std::pair<QString, qint64>>> shots;
    for (int i = 0; i < count; ++i) {
        const KivClipPlace &place = places[i];
        if (!claims[i].key.startsWith(kivGroupKey("p2", QString()).left(3)) ||
            place.up.size() < 2 || place.up[1] != QLatin1String("CONTENTS") ||
            place.stem.size() < 6) {
            continue;
        }
        const QString xml = place.folder.left(place.folder.lastIndexOf(u'/')) +
                            QStringLiteral("/CLIP/") + place.stem.left(6) + QStringLiteral(".XML");
        if (!shots.contains(xml)) {
            shots.insert(xml, kivP2Shot(xml));
        }
        if (const std::optional<std::pair<QString, qint64>> &shot = shots[xml]) {
            claims[i].key = kivGroupKey("p2shot", shot->first);
            claims[i].order = static_cast<int>(std::clamp<qint64>(shot->second, 0, INT_MAX));
        }
    }

    // Main files by stem, for the companions that look for them.
    QHash<QString, std::vector<int>> byFolder;
    QHash<QString, std::vector<int>> byRoot;
    for (int i = 0; i < count; ++i) {
        if (claims[i].key.isEmpty() || claims[i].kind != KivClipKind::Main) {
            continue;
        }
        // Folders in upper case too: Clip/ and CLIP/ are one on a card.
        byFolder[kivGroupKey("", places[i].folder.toUpper(), places[i].stem)].push_back(i);
        if (!places[i].root.isEmpty()) {
            byRoot[kivGroupKey("", places[i].root.toUpper(), places[i].stem)].push_back(i);
        }
    }
    for (int i = 0; i < count; ++i) {
        KivClipClaim &claim = claims[i];
        if (claim.block) {
            // A Sony proxy block: the longest clip name of its package that
            // its name starts with.
            QString best;
            for (const KivClipClaim &other : claims) {
                if (other.kind == KivClipKind::Main && !other.block &&
                    other.package == claim.package && !other.clipName.isEmpty() &&
                    claim.clipName.startsWith(other.clipName) &&
                    other.clipName.size() > best.size()) {
                    best = other.clipName;
                }
            }
            if (!best.isEmpty()) {
                claim.key = kivGroupKey("sony", claim.package, best);
            }
            continue;
        }
        if (!claim.key.isEmpty()) {
            continue;
        }
        const auto usable = [&](int j) {
            return j != i && (!claim.needsVideo || clips[j].videoTracks > 0);
        };
        int target = -1;
        for (const QString &folder : claim.stemFolders) {
            for (const int j : byFolder.value(kivGroupKey("", folder.toUpper(), claim.stem))) {
                if (target < 0 && usable(j)) {
                    target = j;
                }
            }
        }
        if (target < 0 && claim.rootWide && !places[i].root.isEmpty()) {
            const std::vector<int> found =
                byRoot.value(kivGroupKey("", places[i].root.toUpper(), claim.stem));
            if (found.size() == 1 && usable(found[0])) {
                target = found[0];
            }
        }
        if (target < 0) {
            claim.key = kivGroupKey("own", clips[i].path);
            claim.kind = KivClipKind::Main;
            continue;
        }
        claim.key = claims[target].key;
        if (claim.parallelIfEqual) {
            const bool parallel = kivDurationsAgree(clips[i], clips[target]);
            claim.kind = parallel ? KivClipKind::Proxy : KivClipKind::Main;
            claim.order = claims[target].order + 1;
        }
    }

    // Each group: its main files in chapter order, then the companions.
    QHash<QString, std::vector<int>> groups;
    for (int i = 0; i < count; ++i) {
        groups[claims[i].key].push_back(i);
    }
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        std::vector<int> &members = it.value();
        const auto ofKind = [&](KivClipKind kind) {
            return std::any_of(members.begin(), members.end(),
                               [&](int i) { return claims[i].kind == kind; });
        };
        // No main file: the proxies stand in for it, else the first audio file.
        if (!ofKind(KivClipKind::Main)) {
            const KivClipKind standIn =
                ofKind(KivClipKind::Proxy) ? KivClipKind::Proxy : KivClipKind::Audio;
            for (const int i : members) {
                if (claims[i].kind == standIn) {
                    claims[i].kind = KivClipKind::Main;
                    if (standIn == KivClipKind::Audio) {
                        break;
                    }
                }
            }
        }
        std::vector<int> mains;
        bool lacking = false;
        const bool measuredOne =
            std::any_of(members.begin(), members.end(), [&](int i) { return i < real; });
        for (const int i : members) {
            if (claims[i].kind == KivClipKind::Main) {
                mains.push_back(i);
                if (i >= real && measuredOne) {
                    lacking = true;
                    if (blamed != nullptr) {
                        *blamed << clips[i].path;
                    }
                }
            }
        }
        if (lacking && incomplete != nullptr) {
            for (const int i : members) {
                if (i < real) {
                    *incomplete << i;
                }
            }
        }
        std::sort(mains.begin(), mains.end(), [&](int a, int b) {
            return claims[a].order != claims[b].order ? claims[a].order < claims[b].order
                                                      : clips[a].path < clips[b].path;
        });
        const QString recording = clips[mains.front()].path;
        for (const int i : members) {
            KivClip &clip = clips[i];
            clip.recording = recording;
            switch (claims[i].kind) {
            case KivClipKind::Main:
                clip.role = i == mains.front() ? KivClipRole::Main : KivClipRole::Chapter;
                break;
            case KivClipKind::Proxy:
                clip.role = KivClipRole::Proxy;
                break;
            case KivClipKind::Audio:
                clip.role = KivClipRole::Audio;
                break;
            }
        }
    }
    for (int i = 0; i < real; ++i) {
        measured[i].role = clips[i].role;
        measured[i].recording = clips[i].recording;
    }
}
