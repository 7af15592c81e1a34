// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's first step: the arguments read into a request, strictly,
// with one pass of Qt's parser and without touching a file.
#pragma once

#include "KivFileSizeRequest.h"
#include "cli/KivFileSize.h"

#include <QString>
#include <QStringList>

// Reads the arguments (without the program name) into `request`. On a
// refusal returns false and sets `error` to a one-line message naming the
// option and its text. --help and --version win over everything after them,
// once everything before them reads cleanly. Time linear in the number of
// arguments.
bool kivReadArguments(const QStringList &arguments, KivFileSizeRequest &request, QString &error);
