// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivClipScan.h"

#include "KivClipLayouts.h"

#include "calc/KivFileName.h"

#include <QDir>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

// A file as the system knows it, whatever the path that reached it.
struct FileId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId &other) const = default;
};

struct FileIdHash
{
    std::size_t operator()(const FileId &id) const
    {
        return std::hash<unsigned long long>()(static_cast<unsigned long long>(id.inode) * 31 +
                                               static_cast<unsigned long long>(id.device));
    }
};

// One thing found in a folder: a file to read (no reason) or a skip.
struct Found
{
    QByteArray path;
    std::optional<KivClipReason> reason;
    qint64 size = 0;
    FileId id{};
    bool folder = false;
};

KivClipReason whyNot(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return KivClipReason::Unreadable;
    case ELOOP:
        return KivClipReason::LinkLoop;
    case ENAMETOOLONG:
        return KivClipReason::NameTooLong;
    default:
        return KivClipReason::NotFound;
    }
}

QByteArray child(const QByteArray &folder, const char *name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

class Scan
{
public:
    Scan(const std::atomic<bool> *cancel, const std::function<void(const QString &)> &reading,
         const std::function<void(const KivClipSkip &)> &skipped)
        : cancel(cancel), reading(reading), skipped(skipped)
    {
    }

    std::vector<KivClipEntry> entries;

    bool cancelled() const { return cancel != nullptr && cancel->load(); }

    // A path the caller named, or with `folder` KIV_LISTED, one of a list.
    void addNamed(const QString &argument, int folder = -1)
    {
        const bool named = folder == -1;
        KivClipReason reason = KivClipReason::NotFound;
        const std::optional<QString> path = kivClipLocalPath(argument, &reason);
        if (!path) {
            addSkip(argument,
                    !named && reason == KivClipReason::EmptyArgument ? KivClipReason::EmptyListEntry
                                                                     : reason,
                    folder, named);
            return;
        }
        const QByteArray bytes = kivEncodeFileName(*path);
        struct stat info = {};
        if (stat(bytes.constData(), &info) != 0) {
            addSkip(*path, whyNot(errno), folder, named);
        } else if (S_ISDIR(info.st_mode)) {
            addFolder(*path, bytes, named);
        } else if (S_ISREG(info.st_mode)) {
            addFile(*path, info, folder);
        } else {
            addSkip(*path, KivClipReason::NotRegular, folder, named);
        }
    }

private:
    const std::atomic<bool> *cancel;
    const std::function<void(const QString &)> &reading;
    const std::function<void(const KivClipSkip &)> &skipped;
    std::unordered_map<FileId, int, FileIdHash> seen; // to the entry that reads it

    void addSkip(const QString &path, KivClipReason reason, int folder, bool refused,
                 qint64 bytes = 0, bool isFolder = false)
    {
        KivClipEntry entry;
        entry.path = path;
        entry.folder = folder;
        entry.skip = kivClipSkip(path, reason, refused, bytes, isFolder);
        skipped(*entry.skip);
        entries.push_back(std::move(entry));
    }

    void addFile(const QString &path, const struct stat &info, int folder)
    {
        addFile(path, {QByteArray(), std::nullopt, info.st_size, {info.st_dev, info.st_ino}},
                folder);
    }

    void addFile(const QString &path, const Found &file, int folder)
    {
        const auto first = seen.find(file.id);
        if (first != seen.end()) {
            addSkip(path, KivClipReason::Again, folder, false);
            entries.back().first = first->second;
            return;
        }
        seen.emplace(file.id, static_cast<int>(entries.size()));
        if (file.size == 0) {
            // Thousands of empty files cost no more than listing them.
            reading(path);
            addSkip(path, KivClipReason::EmptyFile, folder, folder == -1);
            return;
        }
        KivClipEntry entry;
        entry.path = path;
        entry.folder = folder;
        entry.toRead = true;
        entry.size = file.size;
        entries.push_back(std::move(entry));
    }

    // What `path`, found in a folder, is; folders to walk go to `folders`.
    static void look(const QByteArray &path, std::vector<Found> &found,
                     std::vector<QByteArray> &folders)
    {
        struct stat info = {};
        if (lstat(path.constData(), &info) != 0) {
            found.push_back({path, whyNot(errno)});
            return;
        }
        const bool link = S_ISLNK(info.st_mode);
        if (link && stat(path.constData(), &info) != 0) {
            found.push_back({path, whyNot(errno)});
        } else if (S_ISDIR(info.st_mode)) {
            if (link) {
                found.push_back({path, KivClipReason::LinkedFolder});
            } else if (access(path.constData(), R_OK | X_OK) != 0) {
                found.push_back({path, KivClipReason::Unreadable, 0, {}, true});
            } else {
                folders.push_back(path);
            }
        } else if (S_ISREG(info.st_mode)) {
            found.push_back({path, std::nullopt, info.st_size, {info.st_dev, info.st_ino}});
        } else {
            found.push_back({path, KivClipReason::NotRegular});
        }
    }

    // Walks `root` without recursion (no depth can exhaust the stack) and
    // without following links to folders, hidden files included, as they
    // fill a card too.
    void addFolder(const QString &path, const QByteArray &root, bool named)
    {
        if (access(root.constData(), R_OK | X_OK) != 0) {
            addSkip(path, KivClipReason::Unreadable, named ? -1 : KIV_LISTED, named, 0, true);
            return;
        }
        std::vector<Found> found;
        std::vector<QByteArray> folders{root};
        while (!folders.empty() && !cancelled()) {
            const QByteArray folder = std::move(folders.back());
            folders.pop_back();
            DIR *dir = opendir(folder.constData());
            if (dir == nullptr) {
                if (folder == root) {
                    addSkip(path, whyNot(errno), named ? -1 : KIV_LISTED, named, 0, true);
                    return;
                }
                found.push_back({folder, whyNot(errno), 0, {}, true});
                continue;
            }
            while (const dirent *item = readdir(dir)) {
                const char *name = item->d_name;
                if (qstrcmp(name, ".") != 0 && qstrcmp(name, "..") != 0) {
                    look(child(folder, name), found, folders);
                }
            }
            closedir(dir);
        }
        std::sort(found.begin(), found.end(),
                  [](const Found &a, const Found &b) { return a.path < b.path; });
        const int index = static_cast<int>(entries.size() + found.size());
        for (const Found &item : found) {
            const QString name = kivDecodeFileName(item.path);
            if (item.reason) {
                addSkip(name, *item.reason, index, false, item.size, item.folder);
            } else {
                addFile(name, item, index);
            }
        }
        KivClipEntry entry;
        entry.path = path;
        entry.isFolder = true;
        entry.folder = named ? -1 : KIV_LISTED;
        entries.push_back(std::move(entry));
    }
};

// The current folder's name with its bytes.
QString currentFolder()
{
    QByteArray buffer(4096, Qt::Uninitialized);
    while (getcwd(buffer.data(), static_cast<std::size_t>(buffer.size())) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1 << 24)) {
            return QDir::currentPath();
        }
        buffer.resize(buffer.size() * 2);
    }
    return kivDecodeFileName(QByteArrayView(buffer.constData()));
}

} // namespace

std::optional<QString> kivClipLocalPath(const QString &argument, KivClipReason *reason)
{
    const auto refuse = [reason](KivClipReason why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    QString path = argument;
    if (kivIsUrl(argument)) {
        // The URL's bytes, with blanks and those beyond ASCII %-escaped, so
        // that a name that is not UTF-8 survives the parsing.
        QByteArray encoded;
        for (const char c : kivEncodeFileName(argument)) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte > 0x20 && byte < 0x7F) {
                encoded += c;
            } else {
                encoded += '%' + QByteArray::number(byte, 16).rightJustified(2, '0');
            }
        }
        const QUrl url = QUrl::fromEncoded(encoded, QUrl::TolerantMode);
        const QString host = url.host();
        if (!url.isValid() || !url.isLocalFile() ||
            !(host.isEmpty() || host.compare(u"localhost", Qt::CaseInsensitive) == 0)) {
            return refuse(KivClipReason::NotLocal);
        }
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        // No name holds a NUL: %00 would cut the path short at open().
        if (bytes.contains('\0')) {
            return refuse(KivClipReason::NotFound);
        }
        path = kivDecodeFileName(bytes);
    }
    if (path.isEmpty()) {
        return refuse(KivClipReason::EmptyArgument);
    }
    if (!path.startsWith(u'/')) {
        path = currentFolder() + u'/' + path;
    }
    return QDir::cleanPath(path);
}

bool kivUnmeasured(KivClipReason reason)
{
    switch (reason) {
    case KivClipReason::Unreadable:
    case KivClipReason::Truncated:
    case KivClipReason::BadDuration:
    case KivClipReason::NoMedia:
    case KivClipReason::CameraOriginal:
    case KivClipReason::EmptyFile:
    case KivClipReason::LinkLoop:
    case KivClipReason::NameTooLong:
    case KivClipReason::UnnamedFile:
        return true;
    default:
        return false;
    }
}

KivClipSkip kivClipSkip(const QString &path, KivClipReason reason, bool refused, qint64 bytes,
                        bool folder)
{
    // A dangling link where a camera's clip should be is a fault too.
    const bool fault = reason == KivClipReason::CameraOriginal ||
                       ((kivUnmeasured(reason) || reason == KivClipReason::NotFound) &&
                        kivIsCameraMedia(path, folder));
    return KivClipSkip{path, reason, refused, fault, bytes};
}

std::vector<KivClipEntry> kivScanClips(const QStringList &arguments, const QStringList &listed,
                                       const std::atomic<bool> *cancel,
                                       const std::function<void(const QString &)> &reading,
                                       const std::function<void(const KivClipSkip &)> &skipped)
{
    Scan scan(cancel, reading, skipped);
    for (const QString &argument : arguments) {
        if (scan.cancelled()) {
            break;
        }
        scan.addNamed(argument);
    }
    for (const QString &path : listed) {
        if (scan.cancelled()) {
            break;
        }
        scan.addNamed(path, KIV_LISTED);
    }
    return std::move(scan.entries);
}
