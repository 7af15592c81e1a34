// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivClipLayouts.h"
#include "KivClipScan.h"
#include "KivMediaInfo.h"
#include "KivNoNetwork.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <limits>

namespace {

// The observer, one call at a time.
class Events
{
public:
    explicit Events(KivClipObserver *observer) : observer(observer) {}

    void reading(const QString &path)
    {
        if (observer != nullptr) {
            const QMutexLocker locker(&lock);
            observer->reading(path);
        }
    }
    void read(const QString &path)
    {
        if (observer != nullptr) {
            const QMutexLocker locker(&lock);
            observer->read(path);
        }
    }
    void skipped(const KivClipSkip &skip)
    {
        if (observer != nullptr) {
            const QMutexLocker locker(&lock);
            observer->skipped(skip);
        }
    }
    void failed(KivClipReason reason)
    {
        if (observer != nullptr) {
            const QMutexLocker locker(&lock);
            observer->failed(reason);
        }
    }
    void measured(const KivClip &clip)
    {
        if (observer != nullptr) {
            const QMutexLocker locker(&lock);
            observer->measured(clip);
        }
    }

private:
    KivClipObserver *observer;
    QMutex lock;
};

// Reads the entries at `toRead` on a pool of at most one thread per core,
// each thread taking the next unread file.
class Readers
{
public:
    Readers(std::vector<KivClipEntry> &entries, const KivClipOptions &options, Events &events)
        : entries(entries), options(options), events(events)
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].toRead) {
                toRead.push_back(i);
            }
        }
    }

    bool any() const { return !toRead.empty(); }

    // False when a thread could not be kept off the network.
    bool run()
    {
        const int cores = std::max(1, QThread::idealThreadCount());
        int threads = options.threads > 0 ? std::min(options.threads, cores) : cores;
        threads = static_cast<int>(std::min<std::size_t>(threads, toRead.size()));
        // A pool of its own: its threads carry the network filter and end
        // with it.
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        for (int i = 0; i < threads; ++i) {
            pool.start([this] { readAll(); });
        }
        pool.waitForDone();
        return !unguarded.load();
    }

private:
    std::vector<KivClipEntry> &entries;
    const KivClipOptions &options;
    Events &events;
    std::vector<std::size_t> toRead;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> unguarded{false};

    bool stopped() const
    {
        return unguarded.load() || (options.cancel != nullptr && options.cancel->load());
    }

    void readAll()
    {
        if (!kivForbidNetworkInThisThread()) {
            unguarded = true;
            return;
        }
        KivMediaInfoReader reader;
        while (!stopped()) {
            const std::size_t k = next.fetch_add(1);
            if (k >= toRead.size()) {
                break;
            }
            KivClipEntry &entry = entries[toRead[k]];
            events.reading(entry.path);
            KivClipReading reading = reader.read(entry.path);
            if (reading.clip) {
                entry.clip = std::move(reading.clip);
                events.read(entry.path);
            } else {
                KivClipReason reason = reading.reason;
                if ((reason == KivClipReason::NoMedia || reason == KivClipReason::BadDuration) &&
                    kivIsCameraOriginal(entry.path)) {
                    reason = KivClipReason::CameraOriginal;
                }
                entry.skip = kivClipSkip(entry.path, reason, entry.folder == -1, entry.size);
                events.skipped(*entry.skip);
            }
        }
    }
};

bool foundClip(const std::vector<KivClipEntry> &entries, int folder)
{
    return std::any_of(entries.begin(), entries.end(), [&](const KivClipEntry &entry) {
        return entry.folder == folder &&
               (entry.clip || (entry.first >= 0 && entries[entry.first].clip));
    });
}

// The representative of a recording after the recordings that share a file
// are joined.
QString joined(const QHash<QString, QString> &into, QString recording)
{
    for (auto it = into.find(recording); it != into.end(); it = into.find(recording)) {
        recording = it.value();
    }
    return recording;
}

// Groups the measured entries, each path by its own place, files reached
// again included; then drops those again, joining the companions they
// gathered to the recording of the first path, and leaves out recordings
// whose main file could not be measured.
void group(std::vector<KivClipEntry> &entries)
{
    QList<KivClip> clips;
    std::vector<std::size_t> at; // each clip's entry
    QStringList faulted;
    QHash<QString, std::size_t> skipAt;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        KivClipEntry &entry = entries[i];
        if (entry.clip) {
            clips << *entry.clip;
            at.push_back(i);
        } else if (entry.first >= 0 && entries[entry.first].clip &&
                   entry.path != entries[entry.first].path) {
            KivClip again = *entries[entry.first].clip;
            again.path = entry.path;
            clips << again;
            at.push_back(i);
        } else if (entry.skip && entry.first < 0 && !entry.isFolder &&
                   kivUnmeasured(entry.skip->reason)) {
            faulted << entry.skip->path;
            skipAt.insert(entry.skip->path, i);
        }
    }
    QList<qsizetype> incomplete;
    QStringList blamed;
    kivGroupClips(clips, faulted, &incomplete, &blamed);
    QHash<std::size_t, qsizetype> clipOf;
    for (qsizetype k = 0; k < clips.size(); ++k) {
        clipOf.insert(at[k], k);
    }
    // A main file reached again: its recording is the first path's.
    QHash<QString, QString> into;
    for (qsizetype k = 0; k < clips.size(); ++k) {
        const KivClipEntry &entry = entries[at[k]];
        if (entry.first >= 0 && clips[k].role == KivClipRole::Main) {
            const QString first =
                joined(into, clips[clipOf.value(static_cast<std::size_t>(entry.first))].recording);
            const QString own = joined(into, clips[k].path);
            if (first != own) {
                into.insert(own, first);
            }
        }
    }
    QSet<QString> left;
    for (const qsizetype k : incomplete) {
        left.insert(joined(into, clips[k].recording));
    }
    for (const QString &path : blamed) {
        KivClipSkip &skip = *entries[skipAt.value(path)].skip;
        skip.fault = true;
    }
    for (qsizetype k = 0; k < clips.size(); ++k) {
        KivClipEntry &entry = entries[at[k]];
        KivClip &clip = clips[k];
        clip.recording = joined(into, clip.recording);
        if (entry.first >= 0) {
            continue;
        }
        if (left.contains(clip.recording)) {
            entry.skip =
                kivClipSkip(entry.path, KivClipReason::IncompleteRecording, false, clip.bytes);
            entry.skip->fault = true;
            entry.clip.reset();
        } else {
            entry.clip = std::move(clip);
        }
    }
}

qint64 saturated(qint64 a, qint64 b)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    return b > most - a ? most : a + b;
}

} // namespace

KivClipReport kivMeasureClips(const QStringList &arguments, const KivClipOptions &options)
{
    return kivMeasureClips(arguments, {}, options);
}

KivClipReport kivMeasureClips(const QStringList &arguments, const QStringList &listed,
                              const KivClipOptions &options)
{
    Events events(options.observer);
    std::vector<KivClipEntry> entries = kivScanClips(
        arguments, listed, options.cancel, [&](const QString &path) { events.reading(path); },
        [&](const KivClipSkip &skip) { events.skipped(skip); });
    KivClipReport report;
    Readers readers(entries, options, events);
    const auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
    if (readers.any() && !cancelled()) {
        if (!kivOpenMediaInfo(options.mediaInfoLibrary)) {
            report.failed = KivClipReason::NoMediaInfo;
        } else if (!readers.run()) {
            report.failed = KivClipReason::NoNetworkStop;
        }
    }
    if (report.failed) {
        report.failure = QString::fromLatin1(kivClipReason(*report.failed).text);
        events.failed(*report.failed);
    }
    report.cancelled = cancelled();
    if (!report.failure) {
        group(entries);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        KivClipEntry &entry = entries[i];
        if (entry.isFolder && !report.cancelled && !report.failure &&
            !foundClip(entries, static_cast<int>(i))) {
            entry.skip = KivClipSkip{entry.path, KivClipReason::NoClip, entry.folder == -1};
            events.skipped(*entry.skip);
        }
        if (entry.clip && !report.failure) {
            report.clips.append(std::move(*entry.clip));
        } else if (entry.skip) {
            if (entry.skip->reason == KivClipReason::IncompleteRecording) {
                events.skipped(*entry.skip);
            }
            if (entry.skip->fault) {
                report.unmeasuredBytes = saturated(report.unmeasuredBytes, entry.skip->bytes);
            }
            report.skipped.append(std::move(*entry.skip));
        }
    }
    report.totals = kivPoolClips(report.clips);
    for (const KivClip &clip : report.clips) {
        events.measured(clip);
    }
    return report;
}
