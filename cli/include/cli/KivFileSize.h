// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize: the calculator's arithmetic on the command line.
#pragma once

#include <QString>
#include <QStringList>

// Runs the command line `arguments` (without the program name): the answer
// goes to `out` and the exit status is 0; a refusal is one line in `err` and
// the status 2, with `out` empty.
int kivFileSize(const QStringList &arguments, QString &out, QString &err);
