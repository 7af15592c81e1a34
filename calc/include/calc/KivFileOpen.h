// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Files that both programs read and write whole (plans, formats files), by
// their names' bytes (KivFileName.h), so that a name that is not UTF-8 opens
// and saves as given.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

enum class KivFileOpened : std::uint8_t
{
    Regular,    // open in `file`
    Folder,     // refused: a folder
    NotRegular, // refused: a FIFO, a device, a socket
    Unopened,   // refused: `reason` gives the system's words
};

// Opens `name` for reading without ever blocking: the name is opened
// non-blocking and its kind looked at before anything is read, so that a
// FIFO with no writer (which would hold open() and read() for ever) or a
// device is refused at once, as is a folder. A regular file is left open in
// `file`, reading as usual.
KivFileOpened kivOpenRegularFile(const QString &name, QFile &file, QString &reason);

// Writes `bytes` to `name` whole or not at all: into a new file beside it,
// flushed to the disk and then renamed over it (a link is followed, so that
// its target is replaced; an existing file's permissions are kept). On a
// failure returns false, `reason` set to the system's words, and `name` is
// as it was.
bool kivWriteFileWhole(const QString &name, const QByteArray &bytes, QString &reason);
