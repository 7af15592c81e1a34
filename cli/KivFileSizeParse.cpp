// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeParse.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

struct OptionRow
{
    const char *name;
    bool takesValue;
};

// The options besides --help and --version, which Qt's parser adds itself.
constexpr OptionRow OPTIONS[] = {
    {"bitrate", true},      {"mbytes", true},    {"size", true},  {"time", true},
    {"units", true},        {"format", true},    {"frame", true}, {"fps", true},
    {"formats-file", true}, {"clip", true},      {"json", false}, {"list-formats", false},
    {"clip-events", false}, {"clip-list", true}, {"plan", true},  {"audio", true},
    {"free", true},
};

// Qt's parser with every option, and the names of the options that answer
// at once: Qt's help (with --help-all) and version.
struct Parser
{
    Parser()
    {
        helpNames = parser.addHelpOption().names();
        helpNames << QStringLiteral("help-all");
        versionNames = parser.addVersionOption().names();
        for (const OptionRow &spec : OPTIONS) {
            parser.addOption(spec.takesValue
                                 ? QCommandLineOption(QLatin1String(spec.name), QString(),
                                                      QStringLiteral("value"))
                                 : QCommandLineOption(QLatin1String(spec.name)));
        }
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

bool takesValue(const QString &name)
{
    for (const OptionRow &spec : OPTIONS) {
        if (name == QLatin1String(spec.name)) {
            return spec.takesValue;
        }
    }
    return false;
}

// Where the first --help or --version stands in `given`, if everything before
// it on the command line is an option the parser knows, with its value where
// it takes one: the arguments are walked beside the options the parser
// registered, which follow the same order. -1 otherwise.
qsizetype helpOrVersion(const QStringList &arguments, const QList<KivGivenOption> &given,
                        const QStringList &helpNames, const QStringList &versionNames)
{
    const auto wins = [&](const QString &name) {
        return helpNames.contains(name) || versionNames.contains(name);
    };
    // Most command lines ask for neither: no walk then.
    if (std::none_of(given.begin(), given.end(),
                     [&](const KivGivenOption &g) { return wins(g.name); })) {
        return -1;
    }
    qsizetype k = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
            if (k >= given.size() || given[k].name != name) {
                return -1; // an option the parser does not know
            }
            if (wins(name)) {
                return equals < 0 ? k : -1;
            }
            if (takesValue(name) && equals < 0) {
                ++i; // its value, whatever it looks like
            } else if (!takesValue(name) && equals >= 0) {
                return -1;
            }
            ++k;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 &&
                   argument != QLatin1String("--")) {
            // Single letters, possibly several in one argument (-hv).
            for (qsizetype j = 1; j < argument.size(); ++j) {
                if (k >= given.size() || given[k].name != argument.mid(j, 1)) {
                    return -1;
                }
                if (wins(given[k].name)) {
                    return k;
                }
                ++k;
            }
        } else {
            return -1; // a value without its option, or "--"
        }
    }
    return -1;
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
    out.firstHelpOrVersion = helpOrVersion(arguments, out.given, read.helpNames, read.versionNames);
    out.helps = out.firstHelpOrVersion >= 0 &&
                read.helpNames.contains(out.given[out.firstHelpOrVersion].name);
    return out;
}

QStringList kivFileSizeOptions()
{
    const Parser read;
    QStringList names = read.helpNames + read.versionNames;
    for (const OptionRow &spec : OPTIONS) {
        names << QLatin1String(spec.name);
    }
    for (QString &name : names) {
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    }
    return names;
}
