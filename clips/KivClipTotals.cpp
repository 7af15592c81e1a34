// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "clips/KivClips.h"

#include "calc/KivDisplay.h"

#include <algorithm>
#include <limits>

namespace {

double megabitsPerSecond(qint64 bytes, double seconds)
{
    return seconds > 0 ? static_cast<double>(bytes) * 8 / seconds / 1e6 : 0;
}

} // namespace

double KivClip::mbps() const
{
    return megabitsPerSecond(bytes, seconds);
}

double KivClipTotals::mbps() const
{
    return megabitsPerSecond(bytes, seconds);
}

KivClipTotals kivPoolClips(const QList<KivClip> &clips)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    KivClipTotals totals;
    double videoBits = 0;
    double audioBits = 0;
    bool videoKnown = true;
    bool audioKnown = true;
    bool anyVideo = false;
    bool anyAudio = false;
    for (const KivClip &clip : clips) {
        ++totals.clips;
        const qint64 bytes = clip.bytes > 0 ? clip.bytes : 0;
        totals.bytes = bytes > most - totals.bytes ? most : totals.bytes + bytes;
        const bool timed = clip.role == KivClipRole::Main || clip.role == KivClipRole::Chapter;
        if (clip.role == KivClipRole::Main) {
            ++totals.recordings;
        }
        if (timed) {
            totals.seconds += clip.seconds;
        }
        if (timed && clip.videoTracks > 0) {
            anyVideo = true;
            videoKnown = videoKnown && clip.videoMbps.has_value();
            videoBits += clip.videoMbps.value_or(0) * clip.seconds;
        }
        if ((timed || clip.role == KivClipRole::Audio) && clip.audioTracks > 0) {
            anyAudio = true;
            audioKnown = audioKnown && clip.audioMbps.has_value();
            audioBits += clip.audioMbps.value_or(0) * clip.seconds;
        }
    }
    if (totals.seconds > 0 && anyVideo && videoKnown) {
        totals.videoMbps = videoBits / totals.seconds;
    }
    if (totals.seconds > 0 && anyAudio && audioKnown) {
        totals.audioMbps = audioBits / totals.seconds;
    }
    return totals;
}

QString KivClipSkip::message() const
{
    return kivEscaped(path) + QStringLiteral(": ") + QLatin1String(kivClipReason(reason).text);
}

bool KivClipReport::ok() const
{
    return !failure && !cancelled &&
           std::none_of(skipped.begin(), skipped.end(),
                        [](const KivClipSkip &skip) { return skip.refused; });
}

bool KivClipReport::complete() const
{
    return std::none_of(skipped.begin(), skipped.end(),
                        [](const KivClipSkip &skip) { return skip.fault; });
}

QList<std::pair<KivClipReason, qsizetype>> kivSkipCounts(const QList<KivClipSkip> &skipped)
{
    QList<std::pair<KivClipReason, qsizetype>> counts;
    for (const KivClipReasonText &reason : KIV_CLIP_REASONS) {
        const qsizetype count =
            std::count_if(skipped.begin(), skipped.end(),
                          [&](const KivClipSkip &skip) { return skip.reason == reason.reason; });
        if (count > 0) {
            counts.append({reason.reason, count});
        }
    }
    std::stable_sort(counts.begin(), counts.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return counts;
}

KivClipObserver::~KivClipObserver() = default;
void KivClipObserver::reading(const QString &) {}
void KivClipObserver::read(const QString &) {}
void KivClipObserver::skipped(const KivClipSkip &) {}
void KivClipObserver::failed(KivClipReason) {}
void KivClipObserver::measured(const KivClip &) {}
