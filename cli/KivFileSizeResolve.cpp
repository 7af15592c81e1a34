// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeResolve.h"

#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"
#include "calc/KivTyped.h"
#include "catalogue/KivFormatLoad.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A list of paths longer than this is refused rather than held.
constexpr qsizetype LIST_LIMIT = qsizetype(64) << 20;

using Action = KivFileSizeRequest::Action;

KivFormatCatalogue load(const KivFileSizeRequest &request, KivResolved &resolved)
{
    KivFormatLoad loaded = kivLoadFormats(request.formatsFiles);
    resolved.warnings << loaded.warnings;
    return loaded.catalogue;
}

// The format asked for at --frame and --fps.
bool resolveFormat(const KivFileSizeRequest &request, KivResolved &resolved, QString &error)
{
    std::optional<KivFrameSize> frame;
    std::optional<double> fps;
    if (request.frame && !(frame = kivReadFrameSize(*request.frame, error))) {
        return false;
    }
    if (request.fps && !(fps = kivReadFrameRate(*request.fps, error))) {
        return false;
    }
    std::optional<KivFormatChoice> choice =
        kivChooseFormat(load(request, resolved), request.format, frame, fps, error, request.audio);
    if (!choice) {
        return false;
    }
    const double mbps = choice->mbps();
    const KivGiven given{QStringLiteral("--format"), choice->format.id};
    resolved.bitrate = KivBitrateSource{std::move(*choice), mbps, given, request.audio};
    return true;
}

// Appends the paths of the --clip-list `list` to `paths`: NUL-separated, as
// `find -print0` writes them and `xargs -0` reads them, each name with its
// bytes; a NUL at the end ends the last path, and an empty path between two
// NULs stays, to be refused as an empty --clip is. "-" reads standard input
// to its end (a second "-" finds it empty).
bool readClipList(const QString &list, QStringList &paths, QString &error)
{
    const bool standardInput = list == QLatin1String("-");
    const int fd = standardInput ? STDIN_FILENO
                                 : open(kivEncodeFileName(list).constData(), O_RDONLY | O_CLOEXEC);
    const auto refuse = [&](const QString &why) {
        error = QStringLiteral("--clip-list %1: %2").arg(kivQuoted(list), why);
        return false;
    };
    if (fd < 0) {
        return refuse(QLatin1String(
            kivClipReason(errno == ENOENT ? KivClipReason::NotFound : KivClipReason::Unreadable)
                .text));
    }
    QByteArray data;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0 && data.size() <= LIST_LIMIT) {
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            break;
        }
        data.append(buffer, got);
    }
    if (!standardInput) {
        close(fd);
    }
    if (got < 0) {
        return refuse(QLatin1String(kivClipReason(KivClipReason::Unreadable).text));
    }
    if (data.size() > LIST_LIMIT) {
        return refuse(QStringLiteral("longer than 64 MiB"));
    }
    if (data.endsWith('\0')) {
        data.chop(1);
    }
    if (!data.isEmpty()) {
        for (const QByteArray &path : data.split('\0')) {
            paths << kivDecodeFileName(path);
        }
    }
    return true;
}

// The clips of --clip and --clip-list, pooled. The first path refused
// refuses them all, except with --clip-events, where each refusal is an event
// of its own and the pool counts what was measured.
bool resolveClips(const KivFileSizeRequest &request, KivResolved &resolved, QString &error,
                  KivClipObserver *observer)
{
    QStringList paths = request.clips;
    for (const QString &list : request.clipLists) {
        if (!readClipList(list, paths, error)) {
            return false;
        }
    }
    if (paths.isEmpty()) {
        error = QStringLiteral("--clip-list %1 names no path")
                    .arg(kivQuoted(request.clipLists.join(u' ')));
        return false;
    }
    const KivGiven given =
        request.clips.isEmpty()
            ? KivGiven{QStringLiteral("--clip-list"), request.clipLists.join(u' ')}
            : KivGiven{QStringLiteral("--clip"), request.clips.join(u' ')};
    resolved.bitrate = kivMeasuredSource(paths, given, observer, error,
                                         request.action != KivFileSizeRequest::Action::ClipEvents);
    return resolved.bitrate.has_value();
}

// The volume holding `path`, as the system reports it now.
bool resolveVolume(const QString &path, KivResolved &resolved, QString &error)
{
    const auto refuse = [&](const char *why) {
        error = QStringLiteral("--free %1: %2").arg(kivQuoted(path), QLatin1String(why));
        return false;
    };
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return refuse("no such file or folder; give a path on the card");
    }
    const QStorageInfo storage(path);
    const qint64 free = storage.bytesAvailable();
    // A file system of no size (/proc, /sys) stores nothing.
    if (!storage.isValid() || !storage.isReady() || free < 0 || storage.bytesTotal() <= 0) {
        return refuse("not on mounted storage");
    }
    resolved.volume = KivVolume{free, storage.displayName(), storage.rootPath()};
    return true;
}

} // namespace

std::optional<KivBitrateSource> kivMeasuredSource(const QStringList &paths, const KivGiven &given,
                                                  KivClipObserver *observer, QString &error,
                                                  bool refuseSkipped)
{
    KivClipOptions options;
    options.observer = observer;
    KivClipReport report = kivMeasureClips(paths, options);
    if (report.failure) {
        error = *report.failure;
        return std::nullopt;
    }
    for (const KivClipSkip &skip : report.skipped) {
        if (skip.refused && refuseSkipped) {
            error = skip.message();
            return std::nullopt;
        }
    }
    const double mbps = report.totals.mbps();
    return KivBitrateSource{std::move(report), mbps, given};
}

bool kivResolve(const KivFileSizeRequest &request, KivResolved &resolved, QString &error,
                KivClipObserver *observer)
{
    resolved = KivResolved();
    switch (request.action) {
    case Action::Help:
    case Action::Version:
        return true;
    case Action::ListFormats:
        resolved.listed = load(request, resolved).filter(request.listWord);
        if (resolved.listed.isEmpty()) {
            error =
                QStringLiteral("no recording format matches %1").arg(kivQuoted(request.listWord));
            return false;
        }
        return true;
    case Action::Plan:
        return kivResolvePlan(request, resolved, error);
    case Action::ClipEvents:
    case Action::Calculate:
        break;
    }
    if (request.free && !resolveVolume(*request.free, resolved, error)) {
        return false;
    }
    if (request.hasClips()) {
        return resolveClips(request, resolved, error, observer);
    }
    if (!request.format.isEmpty()) {
        return resolveFormat(request, resolved, error);
    }
    if (request.bitrate) {
        const double audio = request.audio ? request.audio->mbps() : 0.0;
        resolved.bitrate = KivBitrateSource{std::monostate(), *request.bitrate + audio,
                                            request.bitrateGiven, request.audio};
    }
    return true;
}
