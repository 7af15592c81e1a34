// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize: the calculator's arithmetic on the command line.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Takes lines of output one at a time, as they come.
using KivLineSink = std::function<void(const QString &line)>;

// Runs the command line `arguments` (without the program name): the answer
// goes to `out` and the exit status is 0; a refusal is one line in `err` and
// the status 2, with `out` empty. Warnings about formats files go to `err`
// whatever the answer. The lines of --clip-events go to `lines` as they come
// where it is given, else to `out`, and stay whatever the outcome: a path
// refused is an event of its own, the total counts what was measured, and
// the status is 2 only when nothing was (or measuring could not run).
int kivFileSize(const QStringList &arguments, QString &out, QString &err,
                const KivLineSink &lines = {});

// Every option the command line knows, as typed: "--bitrate", ..., "-h",
// "--help".
QStringList kivFileSizeOptions();
