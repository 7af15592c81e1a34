// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeResolve.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "catalogue/KivFormatLoad.h"

namespace {

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

// The clips of --clip, pooled.
bool resolveClips(const KivFileSizeRequest &request, KivResolved &resolved, QString &error,
                  KivClipObserver *observer)
{
    resolved.bitrate = kivMeasuredSource(
        request.clips, {QStringLiteral("--clip"), request.clips.join(u' ')}, observer, error);
    return resolved.bitrate.has_value();
}

} // namespace

std::optional<KivBitrateSource> kivMeasuredSource(const QStringList &paths, const KivGiven &given,
                                                  KivClipObserver *observer, QString &error)
{
    KivClipOptions options;
    options.observer = observer;
    KivClipReport report = kivMeasureClips(paths, options);
    if (report.failure) {
        error = *report.failure;
        return std::nullopt;
    }
    for (const KivClipSkip &skip : report.skipped) {
        if (skip.refused) {
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
    if (!request.clips.isEmpty()) {
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
