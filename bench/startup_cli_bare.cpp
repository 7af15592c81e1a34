// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The floor for kivfilesize's start-up: a Qt Core program that only reads
// the same options from its arguments, and prints nothing.
#include "startup_cli_options.h"

#include <QCommandLineParser>
#include <QStringList>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // kivfilesize's options (bench.cli.smoke checks the list against it).
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    for (const char *name : KIV_BARE_VALUE_OPTIONS) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("x")));
    }
    for (const char *name : KIV_BARE_FLAGS) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
    return parser.parse(arguments) ? 0 : 2;
}
