// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The floor for kivfilesize's start-up: a Qt Core program that only reads
// the same options from its arguments, and prints nothing.
#include <QCommandLineParser>
#include <QStringList>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    for (const char *name : {"bitrate", "mbytes", "size", "time", "units"}) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("x")));
    }
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
    return parser.parse(arguments) ? 0 : 2;
}
