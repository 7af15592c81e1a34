// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeClips.h"

#include "KivJson.h"
#include "calc/KivDisplay.h"

namespace {

template <typename T, typename F> QString jsonOrNull(const std::optional<T> &value, F text)
{
    return value ? text(*value) : QStringLiteral("null");
}

// The members that describe one clip, without braces.
QString clipMembers(const KivClip &clip)
{
    return QStringLiteral("\"path\": %1, \"bytes\": %2, \"seconds\": %3, \"mbit_s\": %4, "
                          "\"codec\": %5, \"frame\": %6, \"fps\": %7, \"video_mbit_s\": %8, "
                          "\"audio_mbit_s\": %9")
        .arg(kivJsonString(clip.path), QString::number(clip.bytes), kivJsonNumber(clip.seconds),
             kivJsonNumber(clip.mbps()), jsonOrNull(clip.videoFormat, kivJsonString),
             jsonOrNull(clip.frameSize,
                        [](QSize s) {
                            return QStringLiteral("\"%1x%2\"").arg(s.width()).arg(s.height());
                        }),
             jsonOrNull(clip.frameRate, kivJsonNumber), jsonOrNull(clip.videoMbps, kivJsonNumber),
             jsonOrNull(clip.audioMbps, kivJsonNumber));
}

// Whole seconds for the time text; a pooled duration beyond the longest
// countable time shows as that.
std::uint32_t wholeSeconds(double seconds)
{
    return kivIsCountable(seconds) ? static_cast<std::uint32_t>(seconds) : KIV_LONGEST_SECONDS;
}

} // namespace

QString kivClipsLine(const KivClipReport &report, KivCardUnits units)
{
    const KivClipTotals &totals = report.totals;
    QString line = QStringLiteral("%1 %2, %3, %4 %5: %6 Mbit/s")
                       .arg(totals.clips)
                       .arg(totals.clips == 1 ? QStringLiteral("clip") : QStringLiteral("clips"),
                            kivTimeText(wholeSeconds(totals.seconds)),
                            kivNumberText(kivGigabytes(totals.bytes, units)),
                            QLatin1String(kivCardUnit(units).label), kivNumberText(totals.mbps()));
    QStringList parts;
    if (totals.videoMbps) {
        parts << QStringLiteral("video %1").arg(kivNumberText(*totals.videoMbps));
    }
    if (totals.audioMbps) {
        parts << QStringLiteral("audio %1").arg(kivNumberText(*totals.audioMbps));
    }
    if (!parts.isEmpty()) {
        line += QStringLiteral("; ") + parts.join(QStringLiteral(", "));
    }
    return line + QLatin1Char('\n');
}

QString kivClipsJson(const KivClipReport &report)
{
    QStringList clips;
    for (const KivClip &clip : report.clips) {
        clips << QLatin1Char('{') + clipMembers(clip) + QLatin1Char('}');
    }
    // One arg() call, so that a path holding "%2" stays as it is.
    return QStringLiteral("\"clips\": [%1], \"skipped\": %2")
        .arg(clips.join(QStringLiteral(", ")), QString::number(report.skipped.size()));
}

QString kivClipTotalEvent(const KivClipReport &report)
{
    const KivClipTotals &totals = report.totals;
    return QStringLiteral("{\"event\": \"total\", \"clips\": %1, \"bytes\": %2, \"seconds\": %3, "
                          "\"mbit_s\": %4, \"video_mbit_s\": %5, \"audio_mbit_s\": %6, "
                          "\"skipped\": %7}")
        .arg(totals.clips)
        .arg(totals.bytes)
        .arg(kivJsonNumber(totals.seconds), kivJsonNumber(totals.mbps()),
             jsonOrNull(totals.videoMbps, kivJsonNumber),
             jsonOrNull(totals.audioMbps, kivJsonNumber))
        .arg(report.skipped.size());
}

void KivClipEventLines::reading(const QString &path)
{
    sink(QStringLiteral("{\"event\": \"reading\", \"path\": %1}").arg(kivJsonString(path)));
}

void KivClipEventLines::measured(const KivClip &clip)
{
    sink(QStringLiteral("{\"event\": \"clip\", %1}").arg(clipMembers(clip)));
}

void KivClipEventLines::skipped(const KivClipSkip &skip)
{
    sink(QStringLiteral("{\"event\": \"skipped\", \"path\": %1, \"reason\": %2}")
             .arg(kivJsonString(skip.path), kivJsonString(skip.reason)));
}
