// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeClips.h"

#include "KivJson.h"
#include "calc/KivClipProtocol.h"
#include "calc/KivDisplay.h"

namespace {

template <typename T, typename F> QString jsonOrNull(const std::optional<T> &value, F text)
{
    return value ? text(*value) : QStringLiteral("null");
}

QString event(const char *kind, const QStringList &members)
{
    return QLatin1Char('{') +
           (QStringList{kivJsonMember(KivClipMember::event, kivJsonString(QLatin1String(kind)))} +
            members)
               .join(QStringLiteral(", ")) +
           QLatin1Char('}');
}

// The members that describe one clip, without braces.
QStringList clipMembers(const KivClip &clip)
{
    namespace M = KivClipMember;
    const auto frame = [](QSize s) {
        return QStringLiteral("\"%1x%2\"").arg(s.width()).arg(s.height());
    };
    return {kivJsonMember(M::path, kivJsonString(clip.path)),
            kivJsonMember(M::bytes, QString::number(clip.bytes)),
            kivJsonMember(M::seconds, kivJsonNumber(clip.seconds)),
            kivJsonMember(M::mbps, kivJsonNumber(clip.mbps())),
            kivJsonMember(M::codec, jsonOrNull(clip.videoFormat, kivJsonString)),
            kivJsonMember(M::frame, jsonOrNull(clip.frameSize, frame)),
            kivJsonMember(M::fps, jsonOrNull(clip.frameRate, kivJsonNumber)),
            kivJsonMember(M::videoMbps, jsonOrNull(clip.videoMbps, kivJsonNumber)),
            kivJsonMember(M::audioMbps, jsonOrNull(clip.audioMbps, kivJsonNumber)),
            kivJsonMember(M::role, kivJsonString(QLatin1String(kivClipRoleName(clip.role)))),
            kivJsonMember(M::recording,
                          kivJsonString(clip.recording.isEmpty() ? clip.path : clip.recording))};
}

// Whole seconds for the time text; a pooled duration beyond the longest
// countable time shows as that.
std::uint32_t wholeSeconds(double seconds)
{
    return kivIsCountable(seconds) ? static_cast<std::uint32_t>(seconds) : KIV_LONGEST_SECONDS;
}

QString counted(qint64 count, const char *one, const char *more)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : more);
}

} // namespace

QString kivClipsLine(const KivClipReport &report, KivCardUnits units)
{
    const KivClipTotals &totals = report.totals;
    QString line =
        QStringLiteral("%1 (%2), %3, %4 %5: %6 Mbit/s")
            .arg(counted(totals.recordings, "recording", "recordings"),
                 counted(totals.clips, "file", "files"), kivTimeText(wholeSeconds(totals.seconds)),
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
        clips << QLatin1Char('{') + clipMembers(clip).join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    return QStringList{
        kivJsonMember(KivClipMember::recordings, QString::number(report.totals.recordings)),
        kivJsonMember(KivClipMember::clips,
                      QLatin1Char('[') + clips.join(QStringLiteral(", ")) + QLatin1Char(']')),
        kivJsonMember(KivClipMember::skippedCount, QString::number(report.skipped.size()))}
        .join(QStringLiteral(", "));
}

QString kivClipTotalEvent(const KivClipReport &report)
{
    namespace M = KivClipMember;
    const KivClipTotals &totals = report.totals;
    return event(KivClipEvent::total,
                 {kivJsonMember(M::recordings, QString::number(totals.recordings)),
                  kivJsonMember(M::clips, QString::number(totals.clips)),
                  kivJsonMember(M::bytes, QString::number(totals.bytes)),
                  kivJsonMember(M::seconds, kivJsonNumber(totals.seconds)),
                  kivJsonMember(M::mbps, kivJsonNumber(totals.mbps())),
                  kivJsonMember(M::videoMbps, jsonOrNull(totals.videoMbps, kivJsonNumber)),
                  kivJsonMember(M::audioMbps, jsonOrNull(totals.audioMbps, kivJsonNumber)),
                  kivJsonMember(M::skippedCount, QString::number(report.skipped.size()))});
}

void KivClipEventLines::reading(const QString &path)
{
    sink(event(KivClipEvent::reading, {kivJsonMember(KivClipMember::path, kivJsonString(path))}));
}

void KivClipEventLines::read(const QString &path)
{
    sink(event(KivClipEvent::read, {kivJsonMember(KivClipMember::path, kivJsonString(path))}));
}

void KivClipEventLines::skipped(const KivClipSkip &skip)
{
    namespace M = KivClipMember;
    const KivClipReasonText &reason = kivClipReason(skip.reason);
    sink(event(KivClipEvent::skipped,
               {kivJsonMember(M::path, kivJsonString(skip.path)),
                kivJsonMember(M::code, kivJsonString(QLatin1String(reason.code))),
                kivJsonMember(M::reason, kivJsonString(QLatin1String(reason.text))),
                kivJsonMember(M::refused,
                              skip.refused ? QStringLiteral("true") : QStringLiteral("false"))}));
}

void KivClipEventLines::failed(KivClipReason reason)
{
    namespace M = KivClipMember;
    const KivClipReasonText &text = kivClipReason(reason);
    sink(event(KivClipEvent::failed,
               {kivJsonMember(M::code, kivJsonString(QLatin1String(text.code))),
                kivJsonMember(M::reason, kivJsonString(QLatin1String(text.text)))}));
}

void KivClipEventLines::measured(const KivClip &clip)
{
    sink(event(KivClipEvent::clip, clipMembers(clip)));
}
