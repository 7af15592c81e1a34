// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeParse.h"

#include "KivFileSizeOptions.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

// Qt's parser with every option of the table, and the names of the options
// that answer at once: Qt's help (with --help-all) and version. The help
// comes from the table, so the parser needs no descriptions.
struct Parser
{
    Parser()
    {
        for (const KivOptionRow &row : kivOptionRows()) {
            if (qstrcmp(row.name, "help") == 0) {
                helpNames = parser.addHelpOption().names();
                helpNames << QStringLiteral("help-all");
            } else if (qstrcmp(row.name, "version") == 0) {
                versionNames = parser.addVersionOption().names();
            } else {
                parser.addOption(row.takesValue
                                     ? QCommandLineOption(QLatin1String(row.name), QString(),
                                                          QStringLiteral("value"))
                                     : QCommandLineOption(QLatin1String(row.name)));
            }
        }
    }

    bool wins(const QString &name) const
    {
        return helpNames.contains(name) || versionNames.contains(name);
    }

    QCommandLineParser parser;
    QStringList helpNames;
    QStringList versionNames;
};

// The options the parser read, in the order given, each with its value.
QList<KivGivenOption> givenInOrder(const QCommandLineParser &parser)
{
    // The values of each name, asked once: a name's values come in the order
    // its options were given. There are only a dozen names.
    struct Values
    {
        QString name;
        QStringList values;
        qsizetype used = 0;
    };
    QList<Values> byName;
    const QStringList names = parser.optionNames();
    QList<KivGivenOption> given;
    given.reserve(names.size());
    for (const QString &name : names) {
        auto it = std::find_if(byName.begin(), byName.end(),
                               [&name](const Values &v) { return v.name == name; });
        if (it == byName.end()) {
            byName.append({name, parser.values(name)});
            it = byName.end() - 1;
        }
        const qsizetype at = it->used++;
        given.append({name, at < it->values.size() ? it->values.at(at) : QString()});
    }
    return given;
}

// Whether an argument as typed may be --help or --version (or hold -h or -v
// among its letters); the parser decides whether it is, or a value.
bool mayWin(const QString &argument, const Parser &read)
{
    if (argument.startsWith(QLatin1String("--"))) {
        return read.wins(argument.mid(2));
    }
    if (!argument.startsWith(QLatin1Char('-'))) {
        return false;
    }
    for (qsizetype j = 1; j < argument.size(); ++j) {
        if (read.wins(argument.mid(j, 1))) {
            return true;
        }
    }
    return false;
}

// The first --help or --version, if everything before it is an option the
// parser knows with its value where it takes one: `before` holds those
// options. The parser reads the arguments again only up to each argument that
// may be one, in pieces that follow each other, so at most once more in all.
bool firstWinner(const QStringList &arguments, Parser &read, QList<KivGivenOption> &before,
                 bool &helps)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (!mayWin(arguments[i], read)) {
            continue;
        }
        if (!read.parser.parse(QStringList{QStringLiteral("kivfilesize")} +
                               arguments.mid(start, i + 1 - start)) ||
            !read.parser.positionalArguments().isEmpty()) {
            return false; // an unknown option, a stray value or "--" before it
        }
        const QList<KivGivenOption> options = givenInOrder(read.parser);
        for (const KivGivenOption &option : options) {
            if (read.wins(option.name)) {
                helps = read.helpNames.contains(option.name);
                return true;
            }
            before.append(option);
        }
        start = i + 1; // it was the value of the option before it
    }
    return false;
}

} // namespace

KivParsedArguments kivParseArguments(const QStringList &arguments)
{
    Parser read;
    KivParsedArguments out;
    out.parsed = read.parser.parse(QStringList{QStringLiteral("kivfilesize")} + arguments);
    if (!out.parsed) {
        out.errorText = read.parser.errorText();
    }
    out.given = givenInOrder(read.parser);
    out.positional = read.parser.positionalArguments();
    // Most command lines ask for neither: nothing more to read then.
    if (std::any_of(out.given.begin(), out.given.end(),
                    [&read](const KivGivenOption &g) { return read.wins(g.name); })) {
        QList<KivGivenOption> before;
        if (firstWinner(arguments, read, before, out.helps)) {
            out.firstHelpOrVersion = before.size();
        }
    }
    return out;
}

QStringList kivFileSizeOptions()
{
    const Parser read;
    QStringList names = read.helpNames + read.versionNames;
    for (const KivOptionRow &row : kivOptionRows()) {
        if (row.letter == 0) {
            names << QLatin1String(row.name);
        }
    }
    for (QString &name : names) {
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    }
    return names;
}
