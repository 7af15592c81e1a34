// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "calc/KivFileName.h"
#include "cli/KivFileSize.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    // Arguments are decoded as file names are, so that a path that is not
    // UTF-8 reaches the file system with its own bytes.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << kivDecodeFileName(QByteArrayView(argv[i]));
    }
    QString out;
    QString err;
    // The lines of --clip-events leave at once, so that a parent reading them
    // knows which file was being read should this process die.
    const int status = kivFileSize(arguments, out, err, [](const QString &line) {
        const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    });
    const QByteArray outBytes = out.toLocal8Bit();
    const QByteArray errBytes = err.toLocal8Bit();
    std::fwrite(outBytes.constData(), 1, static_cast<std::size_t>(outBytes.size()), stdout);
    std::fwrite(errBytes.constData(), 1, static_cast<std::size_t>(errBytes.size()), stderr);
    return std::fflush(stdout) == 0 ? status : 1;
}
