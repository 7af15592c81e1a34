// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivClipScan.h"
#include "KivMediaInfo.h"
#include "KivNoNetwork.h"

#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <algorithm>

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
                entry.skip = KivClipSkip{entry.path, reading.reason, entry.folder < 0};
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

} // namespace

KivClipReport kivMeasureClips(const QStringList &arguments, const KivClipOptions &options)
{
    Events events(options.observer);
    std::vector<KivClipEntry> entries = kivScanClips(
        arguments, options.cancel, [&](const QString &path) { events.reading(path); },
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
    for (std::size_t i = 0; i < entries.size(); ++i) {
        KivClipEntry &entry = entries[i];
        if (entry.isFolder && !report.cancelled && !report.failure &&
            !foundClip(entries, static_cast<int>(i))) {
            entry.skip = KivClipSkip{entry.path, KivClipReason::NoClip, true};
            events.skipped(*entry.skip);
        }
        if (entry.clip && !report.failure) {
            report.clips.append(std::move(*entry.clip));
        } else if (entry.skip) {
            report.skipped.append(std::move(*entry.skip));
        }
    }
    kivGroupClips(report.clips);
    report.totals = kivPoolClips(report.clips);
    for (const KivClip &clip : report.clips) {
        events.measured(clip);
    }
    return report;
}
