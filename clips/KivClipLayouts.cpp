// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivClipLayouts.h"

#include "calc/KivTyped.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

// Folders that a card holds at its root.
bool isMarker(const QString &name)
{
    static const QStringList markers = {QStringLiteral("PRIVATE"),  QStringLiteral("XDROOT"),
                                        QStringLiteral("CONTENTS"), QStringLiteral("DCIM"),
                                        QStringLiteral("M4ROOT"),   QStringLiteral("BPAV"),
                                        QStringLiteral("PROAV")};
    return markers.contains(name) || name.endsWith(QLatin1String(".RDM"));
}

// The path of the folder `levels` above `folder`.
QString above(const QString &folder, int levels)
{
    QString path = folder;
    for (int i = 0; i < levels; ++i) {
        path.truncate(std::max<qsizetype>(path.lastIndexOf(u'/'), 1));
    }
    return path;
}

// Sony's clip-name suffixes: of metadata, proxies, video and audio files.
QString sonySuffix(const QString &stem)
{
    if (stem.size() < 4) {
        return QString();
    }
    const QString last = stem.right(3);
    static const QStringList suffixes = {
        QStringLiteral("M01"), QStringLiteral("M02"), QStringLiteral("R01"),
        QStringLiteral("I01"), QStringLiteral("C01"), QStringLiteral("S01"),
        QStringLiteral("S03"), QStringLiteral("T01"), QStringLiteral("V01")};
    if (suffixes.contains(last) || (last[0] == u'A' && kivIsDigits(QStringView(last).mid(1)))) {
        return last;
    }
    return QString();
}

// The stem without its "_Proxy" word, and whether it had one.
bool withoutProxyWord(const QString &stem, QString &without)
{
    const qsizetype at = stem.indexOf(QLatin1String("_PROXY"));
    const bool found = at > 0 && (at + 6 == stem.size() || stem[at + 6] == u'_');
    without = found ? QString(stem).remove(at, 6) : stem;
    return found;
}

} // namespace

QString kivGroupKey(const char *kind, const QString &scope, const QString &name)
{
    const QChar apart(u'\0');
    return QLatin1String(kind) + apart + scope + apart + name;
}

KivClipPlace kivPlaceOf(const QString &path)
{
    KivClipPlace place;
    const qsizetype slash = path.lastIndexOf(u'/');
    place.folder = slash > 0 ? path.left(slash) : QStringLiteral("/");
    const QString name = path.mid(slash + 1).toUpper();
    const qsizetype dot = name.lastIndexOf(u'.');
    place.stem = dot > 0 ? name.left(dot) : name;
    place.ext = dot > 0 ? name.mid(dot + 1) : QString();
    QStringList parts = place.folder.toUpper().split(u'/', Qt::SkipEmptyParts);
    std::reverse(parts.begin(), parts.end());
    place.up = parts;
    // The card root holds the outermost of the markers nearest the file.
    qsizetype marker = -1;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (isMarker(parts[i])) {
            marker = i;
            while (marker + 1 < parts.size() && isMarker(parts[marker + 1])) {
                ++marker;
            }
            break;
        }
    }
    if (marker >= 0) {
        place.root = above(place.folder, static_cast<int>(marker) + 1);
    }
    return place;
}

// P2: CONTENTS/<role folder>/<6-character clip name>...; without CONTENTS
// (a card's folders copied on their own) only MXF files of P2's names in
// VIDEO and AUDIO count; proxies and voice memos find their video by stem.
bool kivClaimP2(const KivClipPlace &place, KivClipClaim &claim)
{
    if (place.up.isEmpty()) {
        return false;
    }
    const QString &role = place.up[0];
    if (place.up.size() < 2 || place.up[1] != QLatin1String("CONTENTS")) {
        const bool audio = role == QLatin1String("AUDIO");
        const bool named = std::all_of(place.stem.begin(), place.stem.end(),
                                       [](QChar c) { return c.isDigit() || c.isUpper(); }) &&
                           (audio ? place.stem.size() == 8 && kivIsDigits(place.stem.right(2))
                                  : place.stem.size() == 6);
        if (!named || place.ext != QLatin1String("MXF") ||
            !(audio || role == QLatin1String("VIDEO"))) {
            return false;
        }
    }
    if (role == QLatin1String("VIDEO") || role == QLatin1String("AVCLIP")) {
        claim.kind = KivClipKind::Main;
    } else if (role == QLatin1String("AUDIO") || role == QLatin1String("VOICE")) {
        claim.kind = KivClipKind::Audio;
    } else if (role == QLatin1String("PROXY") || role == QLatin1String("ICON") ||
               role == QLatin1String("CLIP")) {
        claim.kind = KivClipKind::Proxy;
    } else {
        return false;
    }
    claim.key = kivGroupKey("p2", above(place.folder, 1), place.stem.left(6));
    return true;
}

// Sony M4ROOT, XDROOT, BPAV (XDCAM EX) and PROAV (SAM) packages.
bool kivClaimSony(const KivClipPlace &place, KivClipClaim &claim)
{
    qsizetype package = -1;
    for (qsizetype i = 0; i < place.up.size() && package < 0; ++i) {
        const QString &name = place.up[i];
        if (name == QLatin1String("M4ROOT") || name == QLatin1String("XDROOT") ||
            name == QLatin1String("BPAV") || name == QLatin1String("PROAV")) {
            package = i;
        }
    }
    if (package < 0) {
        return false;
    }
    const QString scope = above(place.folder, static_cast<int>(package));
    const QString suffix = sonySuffix(place.stem);
    QString name = suffix.isEmpty() ? place.stem : place.stem.chopped(3);
    const bool sub = package >= 1 && place.up[package - 1] == QLatin1String("SUB");
    const bool blocks = package >= 3 && place.up[0] == QLatin1String("PXTMP") &&
                        place.up[package - 1] == QLatin1String("GENERAL");
    if (sub || blocks || suffix == QLatin1String("S01") || suffix == QLatin1String("S03")) {
        claim.kind = KivClipKind::Proxy;
    } else if (!suffix.isEmpty() && suffix[0] == u'A') {
        claim.kind = KivClipKind::Audio;
    } else if (suffix != QLatin1String("V01")) {
        name = place.stem; // metadata suffixes name no media file
    }
    claim.block = blocks;
    // XDCAM EX: a recording over 4 GB continues in clip folders _02, _03, ...
    if (place.up[package] == QLatin1String("BPAV") && name.size() > 3 &&
        name[name.size() - 3] == u'_' && kivIsDigits(QStringView(name).right(2))) {
        claim.order = name.right(2).toInt();
        name.chop(3);
    }
    claim.package = scope;
    claim.clipName = name;
    claim.key = kivGroupKey("sony", scope, name);
    return true;
}

// GoPro: GH/GX/GS + chapter + file number, GL low-res copies, and HERO5's
// GOPR (first) and GP + chapter.
bool kivClaimGoPro(const KivClipPlace &place, KivClipClaim &claim)
{
    const QString &stem = place.stem;
    const bool lrv = place.ext == QLatin1String("LRV");
    const bool video = place.ext == QLatin1String("MP4") || place.ext == QLatin1String("360");
    if (!(lrv || video)) {
        return false;
    }
    QString family;
    if (stem.size() == 8 && stem.startsWith(QLatin1String("GOPR")) &&
        kivIsDigits(QStringView(stem).mid(4))) {
        family = QStringLiteral("P");
    } else if (stem.size() == 8 && stem.startsWith(u'G') && kivIsDigits(QStringView(stem).mid(2))) {
        const QChar letter = stem[1];
        if (letter == u'P') {
            family = QStringLiteral("P");
        } else if (letter == u'H' || letter == u'X' || letter == u'S' || (letter == u'L' && lrv)) {
            family = QStringLiteral("X");
        } else {
            return false;
        }
        claim.order = stem.mid(2, 2).toInt();
    } else {
        return false;
    }
    claim.kind = lrv ? KivClipKind::Proxy : KivClipKind::Main;
    claim.key = kivGroupKey("gopro", place.folder, family + stem.right(4));
    return true;
}

// Proxy/ and Proxies/: proxies of the files of their stem in the folder above.
bool kivClaimProxyFolder(const KivClipPlace &place, KivClipClaim &claim)
{
    if (place.up.isEmpty() ||
        (place.up[0] != QLatin1String("PROXY") && place.up[0] != QLatin1String("PROXIES"))) {
        return false;
    }
    withoutProxyWord(place.stem, claim.stem);
    claim.kind = KivClipKind::Proxy;
    // Also P2's PROXY beside VIDEO, copied without the folders above them.
    claim.stemFolders = {above(place.folder, 1), above(place.folder, 1) + QStringLiteral("/VIDEO")};
    return true;
}

// The companions found by the stem of their main file.
bool kivClaimByStem(const KivClipPlace &place, const KivClip &clip, KivClipClaim &claim)
{
    const bool proxyWord = withoutProxyWord(place.stem, claim.stem);
    claim.stemFolders = {place.folder};
    const QString suffix = sonySuffix(place.stem);
    const QString parent = place.up.value(0);
    if (parent == QLatin1String("SUB") &&
        (suffix == QLatin1String("S01") || suffix == QLatin1String("S03"))) {
        // Sony's CLIP and SUB copied without the folders above them.
        claim.kind = KivClipKind::Proxy;
        claim.stem = place.stem.chopped(3);
        claim.stemFolders = {above(place.folder, 1) + QStringLiteral("/CLIP")};
    } else if (parent == QLatin1String("VOICE") && clip.videoTracks == 0) {
        // P2's voice memo, copied without the folders above VIDEO.
        claim.kind = KivClipKind::Audio;
        claim.stemFolders = {above(place.folder, 1) + QStringLiteral("/VIDEO")};
    } else if (proxyWord) {
        claim.kind = KivClipKind::Proxy;
        claim.rootWide = true;
    } else if (place.up.size() >= 2 && place.up[0] == QLatin1String("AUDIO") &&
               place.up[1] == QLatin1String("PRIVATE") && clip.videoTracks == 0) {
        claim.kind = KivClipKind::Audio;
        claim.stemFolders.clear();
        claim.rootWide = true;
    } else if (place.ext == QLatin1String("LRF") || place.ext == QLatin1String("LRV")) {
        claim.kind = KivClipKind::Proxy;
    } else if (place.ext == QLatin1String("WAV") && clip.videoTracks == 0) {
        claim.kind = KivClipKind::Audio;
        claim.needsVideo = true;
    } else if (place.ext == QLatin1String("BRAW2")) {
        claim.parallelIfEqual = true;
    } else {
        claim.stem.clear();
        return false;
    }
    return true;
}

// RED: in a .RDC folder the _NNN segments of one kind give the time.
void kivClaimRed(const QList<KivClip> &clips, const std::vector<KivClipPlace> &places,
                 std::vector<KivClipClaim> &claims)
{
    QHash<QString, std::vector<int>> folders;
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        if (!places[i].up.isEmpty() && places[i].up[0].endsWith(QLatin1String(".RDC"))) {
            folders[places[i].folder].push_back(i);
        }
    }
    const auto segment = [&](int i) {
        const QString &stem = places[i].stem;
        const qsizetype at = stem.lastIndexOf(u'_');
        return at > 0 && stem.size() - at == 4 && kivIsDigits(QStringView(stem).mid(at + 1))
                   ? stem.mid(at + 1).toInt()
                   : -1;
    };
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        QString timeKind;
        for (const char *kind : {"R3D", "MOV", "MXF", "MP4"}) {
            for (const int i : it.value()) {
                if (timeKind.isEmpty() && places[i].ext == QLatin1String(kind) &&
                    clips[i].videoTracks > 0 && segment(i) >= 0) {
                    timeKind = QLatin1String(kind);
                }
            }
        }
        bool mainTaken = false;
        for (const int i : it.value()) {
            KivClipClaim &claim = claims[i];
            claim.key = kivGroupKey("red", it.key());
            const bool timed = timeKind.isEmpty() ? !mainTaken && clips[i].videoTracks > 0
                                                  : places[i].ext == timeKind && segment(i) >= 0;
            mainTaken = mainTaken || timed;
            claim.kind = timed                       ? KivClipKind::Main
                         : clips[i].videoTracks == 0 ? KivClipKind::Audio
                                                     : KivClipKind::Proxy;
            claim.order = std::max(0, segment(i));
        }
    }
}

bool kivDurationsAgree(const KivClip &a, const KivClip &b)
{
    double tolerance = 0.1;
    for (const KivClip *clip : {&a, &b}) {
        if (clip->frameRate && *clip->frameRate > 0) {
            tolerance = std::max(tolerance, 2 / *clip->frameRate);
        }
    }
    return std::fabs(a.seconds - b.seconds) <= tolerance;
}

bool kivIsCameraOriginal(const QString &path)
{
    static const QStringList raw = {QStringLiteral("R3D"), QStringLiteral("BRAW"),
                                    QStringLiteral("ARI"), QStringLiteral("CRM"),
                                    QStringLiteral("MXF")};
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(u'/') && raw.contains(path.mid(dot + 1).toUpper());
}

bool kivIsCameraMedia(const QString &path, bool folder)
{
    if (folder) {
        return !kivPlaceOf(path + QStringLiteral("/.")).root.isEmpty();
    }
    const KivClipPlace place = kivPlaceOf(path);
    if (place.stem.startsWith(QLatin1String("._"))) {
        return false;
    }
    if (kivIsCameraOriginal(path) && place.ext != QLatin1String("MXF")) {
        return true;
    }
    static const QStringList video = {
        QStringLiteral("MP4"),  QStringLiteral("MOV"), QStringLiteral("MXF"), QStringLiteral("MTS"),
        QStringLiteral("M2TS"), QStringLiteral("AVI"), QStringLiteral("360")};
    const bool red = !place.up.isEmpty() && place.up[0].endsWith(QLatin1String(".RDC"));
    if (!video.contains(place.ext) || (place.root.isEmpty() && !red)) {
        return false;
    }
    KivClipClaim claim;
    const KivClip unread;
    const bool claimed = kivClaimP2(place, claim) || kivClaimSony(place, claim) ||
                         kivClaimProxyFolder(place, claim) || kivClaimGoPro(place, claim) ||
                         kivClaimByStem(place, unread, claim);
    return !claimed || claim.kind != KivClipKind::Proxy;
}
