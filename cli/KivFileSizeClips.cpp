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

// {"code": count, ...} of the skipped paths.
QString skippedReasons(const KivClipReport &report)
{
    QStringList counts;
    for (const auto &[reason, count] : kivSkipCounts(report.skipped)) {
        counts << kivJsonMember(kivClipReason(reason).code, QString::number(count));
    }
    return QLatin1Char('{') + counts.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The members a report adds after the count of skipped paths.
QStringList completeness(const KivClipReport &report)
{
    namespace M = KivClipMember;
    return {kivJsonMember(M::skippedReasons, skippedReasons(report)),
            kivJsonMember(M::complete, boolean(report.complete())),
            kivJsonMember(M::unmeasuredBytes, QString::number(report.unmeasuredBytes))};
}

} // namespace

QString kivClipsSkippedText(const KivClipReport &report)
{
    QStringList counts;
    for (const auto &[reason, count] : kivSkipCounts(report.skipped)) {
        counts << QString::number(count) + QLatin1Char(' ') +
                      QLatin1String(kivClipReason(reason).brief);
    }
    QString text = QStringLiteral("skipped %1").arg(report.skipped.size());
    return counts.isEmpty() ? text
                            : text + QStringLiteral(": ") + counts.join(QStringLiteral(", "));
}

QStringList kivClipsFaultLines(const KivClipReport &report)
{
    QStringList lines;
    for (const KivClipSkip &skip : report.skipped) {
        if (skip.fault) {
            lines << skip.message();
        }
    }
    if (!lines.isEmpty()) {
        lines << QStringLiteral("the measured totals are incomplete: they leave out %1 of "
                                "camera media (%2 bytes)")
                     .arg(counted(lines.size(), "file", "files"))
                     .arg(report.unmeasuredBytes);
    }
    return lines;
}

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
    line += QLatin1Char('\n');
    if (!report.skipped.isEmpty()) {
        line += kivClipsSkippedText(report) + QLatin1Char('\n');
    }
    return line;
}

QString kivClipsJson(const KivClipReport &report)
{
    QStringList clips;
    for (const KivClip &clip : report.clips) {
        clips << QLatin1Char('{') + clipMembers(clip).join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    namespace M = KivClipMember;
    QStringList faults;
    for (const KivClipSkip &skip : report.skipped) {
        if (skip.fault) {
            const KivClipReasonText &reason = kivClipReason(skip.reason);
            faults << QLatin1Char('{') +
                          QStringList{
                              kivJsonMember(M::path, kivJsonString(skip.path)),
                              kivJsonMember(M::code, kivJsonString(QLatin1String(reason.code))),
                              kivJsonMember(M::reason, kivJsonString(QLatin1String(reason.text)))}
                              .join(QStringLiteral(", ")) +
                          QLatin1Char('}');
        }
    }
    return (QStringList{kivJsonMember(M::recordings, QString::number(report.totals.recordings)),
                        kivJsonMember(M::clips, QLatin1Char('[') +
                                                    clips.join(QStringLiteral(", ")) +
                                                    QLatin1Char(']')),
                        kivJsonMember(M::skippedCount, QString::number(report.skipped.size()))} +
            completeness(report) +
            QStringList{kivJsonMember(M::faults, QLatin1Char('[') +
                                                     faults.join(QStringLiteral(", ")) +
                                                     QLatin1Char(']'))})
        .join(QStringLiteral(", "));
}

QString kivClipTotalEvent(const KivClipReport &report)
{
    namespace M = KivClipMember;
    const KivClipTotals &totals = report.totals;
    return event(
        KivClipEvent::total,
        QStringList{kivJsonMember(M::recordings, QString::number(totals.recordings)),
                    kivJsonMember(M::clips, QString::number(totals.clips)),
                    kivJsonMember(M::bytes, QString::number(totals.bytes)),
                    kivJsonMember(M::seconds, kivJsonNumber(totals.seconds)),
                    kivJsonMember(M::mbps, kivJsonNumber(totals.mbps())),
                    kivJsonMember(M::videoMbps, jsonOrNull(totals.videoMbps, kivJsonNumber)),
                    kivJsonMember(M::audioMbps, jsonOrNull(totals.audioMbps, kivJsonNumber)),
                    kivJsonMember(M::skippedCount, QString::number(report.skipped.size()))} +
            completeness(report));
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
                kivJsonMember(M::refused, boolean(skip.refused)),
                kivJsonMember(M::fault, boolean(skip.fault))}));
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
