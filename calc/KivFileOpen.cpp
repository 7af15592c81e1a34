// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivFileOpen.h"

#include "calc/KivFileName.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all of `bytes` to `fd`.
bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

} // namespace

KivFileOpened kivOpenRegularFile(const QString &name, QFile &file, QString &reason)
{
    const int fd = ::open(kivEncodeFileName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EISDIR) {
            return KivFileOpened::Folder;
        }
        reason = systemWords(error);
        return KivFileOpened::Unopened;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0) {
        reason = systemWords(errno);
        ::close(fd);
        return KivFileOpened::Unopened;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? KivFileOpened::Folder : KivFileOpened::NotRegular;
    }
    // A regular file never blocks; reading goes on as it would anyway.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return KivFileOpened::Unopened;
    }
    return KivFileOpened::Regular;
}

bool kivWriteFileWhole(const QString &name, const QByteArray &bytes, QString &reason)
{
    QByteArray target = kivEncodeFileName(name);
    struct stat st = {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists) {
        char real[PATH_MAX];
        if (::realpath(target.constData(), real) != nullptr) {
            target = QByteArray(real);
        }
    }
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary =
            target + ".kivsave-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        // 0666 less the umask, as any new file gets.
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        reason = systemWords(errno);
        return false;
    }
    if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        reason = systemWords(error);
    }
    return ok;
}
