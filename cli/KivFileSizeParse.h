// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's arguments through one pass of Qt's parser: every option in
// the order given with its value, and where --help or --version wins.
#pragma once

#include "cli/KivFileSize.h"

#include <QList>
#include <QString>
#include <QStringList>

// One option as given, in order, with its value ("" for a flag).
struct KivGivenOption
{
    QString name; // without dashes: "size", "h"
    QString value;
};

struct KivParsedArguments
{
    bool parsed = false; // Qt's parser read every argument
    QString errorText;   // Qt's message where it did not, the option as typed
    QList<KivGivenOption> given;
    QStringList positional;
    // Where in `given` the first --help or --version stands, if every
    // argument before it is an option the parser knows with its value where
    // it takes one; -1 otherwise. `helps` tells help from version.
    qsizetype firstHelpOrVersion = -1;
    bool helps = false;
};

// Parses `arguments` (without the program name) once, in time linear in
// their number.
KivParsedArguments kivParseArguments(const QStringList &arguments);
