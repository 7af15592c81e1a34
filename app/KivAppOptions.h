// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The calculator's own command-line options, read before any GUI object
// exists so that --help and --version work without a display.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct KivAppOptions
{
    enum class Action
    {
        Run,     // start the dialog; every argument goes to the toolkit
        Help,    // print `text` and exit 0
        Version, // print `text` and exit 0
        Refuse   // print `text` on stderr and exit 2
    };
    Action action = Action::Run;
    QString text;
    // --plan [FILE] (or --plan=FILE): open the planner instead of the
    // calculator, with the plan file FILE ('-' for standard input) where
    // the argument after --plan is not an option. The last --plan counts.
    bool plan = false;
    std::optional<QString> planFile;
};

// Reads the arguments (without the program name). --plan takes the next
// argument as its file unless it starts with '-' (and is not '-' alone). The
// toolkit's own options (-platform NAME, -style NAME, -reverse and the others
// it reads, with one dash or two) and any argument that is no option pass;
// any other option is refused. No file is read here.
KivAppOptions kivReadAppOptions(const QStringList &arguments);
