// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivClipScan.h"

#include "KivClipReasons.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <algorithm>

namespace {

class Scan
{
public:
    Scan(const std::atomic<bool> *cancel, const std::function<void(const KivClipSkip &)> &skipped)
        : cancel(cancel), skipped(skipped)
    {
    }

    std::vector<KivClipEntry> entries;

    bool cancelled() const { return cancel != nullptr && cancel->load(); }

    void addNamed(const QString &argument)
    {
        QString reason;
        const std::optional<QString> path = kivClipLocalPath(argument, &reason);
        if (!path) {
            addSkip(argument, reason, -1, true);
            return;
        }
        const QFileInfo info(*path);
        if (!info.exists()) {
            addSkip(*path, QString::fromLatin1(KivClipReason::notFound), -1, true);
        } else if (info.isDir()) {
            addFolder(info);
        } else if (info.isFile()) {
            addFile(info, -1);
        } else {
            addSkip(*path, QString::fromLatin1(KivClipReason::notRegular), -1, true);
        }
    }

private:
    const std::atomic<bool> *cancel;
    const std::function<void(const KivClipSkip &)> &skipped;
    QHash<QString, int> seen; // canonical path to the entry that reads it

    void addSkip(const QString &path, const QString &reason, int folder, bool refused)
    {
        KivClipEntry entry;
        entry.path = path;
        entry.folder = folder;
        entry.skip = KivClipSkip{path, reason, refused};
        skipped(*entry.skip);
        entries.push_back(std::move(entry));
    }

    void addFile(const QFileInfo &info, int folder)
    {
        const QString path = info.absoluteFilePath();
        const QString canonical = info.canonicalFilePath();
        const auto first = seen.constFind(canonical);
        if (!canonical.isEmpty() && first != seen.constEnd()) {
            addSkip(path, QString::fromLatin1(KivClipReason::again), folder, false);
            entries.back().first = *first;
            return;
        }
        if (!canonical.isEmpty()) {
            seen.insert(canonical, static_cast<int>(entries.size()));
        }
        KivClipEntry entry;
        entry.path = path;
        entry.folder = folder;
        entry.toRead = true;
        entries.push_back(std::move(entry));
    }

    // One thing found in a folder: a file to read (no reason) or a skip.
    struct Found
    {
        QFileInfo info;
        const char *reason = nullptr;
    };

    void addFolder(const QFileInfo &folder)
    {
        if (!folder.isReadable() || !folder.isExecutable()) {
            addSkip(folder.absoluteFilePath(), QString::fromLatin1(KivClipReason::unreadable), -1,
                    true);
            return;
        }
        std::vector<Found> found;
        // Without FollowSymlinks the walk does not enter linked folders;
        // hidden files count, as they fill a card too.
        QDirIterator walk(folder.absoluteFilePath(),
                          QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                          QDirIterator::Subdirectories);
        while (walk.hasNext() && !cancelled()) {
            const QFileInfo info = walk.nextFileInfo();
            if (info.isSymLink() && info.isDir()) {
                found.push_back({info, KivClipReason::linkedFolder});
            } else if (info.isDir()) {
                if (!info.isReadable() || !info.isExecutable()) {
                    found.push_back({info, KivClipReason::unreadable});
                }
            } else if (info.isFile()) {
                found.push_back({info, nullptr});
            } else {
                found.push_back(
                    {info, info.exists() ? KivClipReason::notRegular : KivClipReason::notFound});
            }
        }
        std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
            return a.info.filePath() < b.info.filePath();
        });
        const int index = static_cast<int>(entries.size() + found.size());
        for (const Found &item : found) {
            if (item.reason == nullptr) {
                addFile(item.info, index);
            } else {
                addSkip(item.info.absoluteFilePath(), QString::fromLatin1(item.reason), index,
                        false);
            }
        }
        KivClipEntry entry;
        entry.path = folder.absoluteFilePath();
        entry.isFolder = true;
        entries.push_back(std::move(entry));
    }
};

bool isSchemeCharacter(QChar c, qsizetype position)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    return letter ||
           (position > 0 && ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.'));
}

} // namespace

std::optional<QString> kivClipLocalPath(const QString &argument, QString *reason)
{
    const auto refuse = [reason](const char *why) {
        if (reason != nullptr) {
            *reason = QString::fromLatin1(why);
        }
        return std::nullopt;
    };
    qsizetype scheme = 0;
    while (scheme < argument.size() && isSchemeCharacter(argument.at(scheme), scheme)) {
        ++scheme;
    }
    QString path = argument;
    // One letter before a colon is a drive, not a scheme.
    if (scheme >= 2 && scheme < argument.size() && argument.at(scheme) == u':') {
        const QUrl url(argument);
        const QString host = url.host();
        if (!url.isValid() || !url.isLocalFile() ||
            !(host.isEmpty() || host.compare(u"localhost", Qt::CaseInsensitive) == 0)) {
            return refuse(KivClipReason::notLocal);
        }
        path = url.path(QUrl::FullyDecoded);
    }
    if (path.isEmpty()) {
        return refuse(KivClipReason::emptyArgument);
    }
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::vector<KivClipEntry> kivScanClips(const QStringList &arguments,
                                       const std::atomic<bool> *cancel,
                                       const std::function<void(const KivClipSkip &)> &skipped)
{
    Scan scan(cancel, skipped);
    for (const QString &argument : arguments) {
        if (scan.cancelled()) {
            break;
        }
        scan.addNamed(argument);
    }
    return std::move(scan.entries);
}
