// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeRead.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QCommandLineParser>

#include <algorithm>

#include <algorithm>
#include <iterator>

namespace {

struct OptionSpec
{
    const char *name;
    bool takesValue;
};

// The options besides --help and --version, which Qt's parser adds itself.
constexpr OptionSpec OPTIONS[] = {
    {"bitrate", true},      {"mbytes", true},    {"size", true},  {"time", true},
    {"units", true},        {"format", true},    {"frame", true}, {"fps", true},
    {"formats-file", true}, {"clip", true},      {"json", false}, {"list-formats", false},
    {"clip-events", false}, {"clip-list", true}, {"plan", true},  {"audio", true},
};

// The only options that go with --plan: the rest is in the plan file.
constexpr const char *PLAN_OPTIONS[] = {"plan", "json", "formats-file"};

// Qt's parser with every option, and the names of the options that answer
// at once: Qt's help (with --help-all) and version.
struct Parser
{
    Parser()
    {
        helpNames = parser.addHelpOption().names();
        helpNames << QStringLiteral("help-all");
        versionNames = parser.addVersionOption().names();
        for (const OptionSpec &spec : OPTIONS) {
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

// One option as given, in order, with its value.
struct Given
{
    QString name;
    QString value;
};

// The options the parser read, in the order given, each with its value.
QList<Given> givenInOrder(const QCommandLineParser &parser)
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
    QList<Given> given;
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
    for (const OptionSpec &spec : OPTIONS) {
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
qsizetype helpOrVersion(const QStringList &arguments, const QList<Given> &given,
                        const QStringList &helpNames, const QStringList &versionNames)
{
    const auto wins = [&](const QString &name) {
        return helpNames.contains(name) || versionNames.contains(name);
    };
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

// Takes one number into the request, refusing repeats.
bool take(std::optional<double> &slot, KivGiven &given, const QString &option, const QString &text,
          QString &error)
{
    if (slot.has_value()) {
        error = QStringLiteral("%1 %2 and %3 %4 both give the %5; give it once")
                    .arg(given.option, kivQuoted(given.text), option, kivQuoted(text),
                         option == QLatin1String("--size") ? QStringLiteral("card size")
                                                           : QStringLiteral("bitrate"));
        return false;
    }
    QString hint;
    const std::optional<double> value = kivReadNumber(text, hint);
    if (!value) {
        error = QStringLiteral("%1 %2 is %3").arg(option, kivQuoted(text), hint);
        return false;
    }
    slot = option == QLatin1String("--mbytes") ? kivMbitsPerSec(*value) : *value;
    given = {option, text};
    return true;
}

bool readUnits(const QString &value, KivFileSizeRequest &request, QString &error)
{
    const KivCardUnit *unit = kivFindCardUnit(value.toStdString());
    if (unit == nullptr) {
        QStringList names;
        for (const KivCardUnit &u : KIV_CARD_UNITS) {
            names << QLatin1String(u.name);
        }
        const QString last = names.takeLast();
        error = QStringLiteral("--units %1 is not one of %2 and %3")
                    .arg(kivQuoted(value), names.join(QStringLiteral(", ")), last);
        return false;
    }
    request.units = unit->units;
    return true;
}

bool readTime(const QString &value, KivFileSizeRequest &request, QString &error)
{
    if (request.seconds) {
        error = QStringLiteral("--time %1 and --time %2 both give the time; give it once")
                    .arg(kivQuoted(request.timeGiven.text), kivQuoted(value));
        return false;
    }
    QString problem;
    request.seconds = kivReadTime(value, problem);
    if (!request.seconds) {
        error = QStringLiteral("--time %1 is %2").arg(kivQuoted(value), problem);
        return false;
    }
    request.timeGiven = {QStringLiteral("--time"), value};
    return true;
}

bool readAudio(const QString &value, KivFileSizeRequest &request, QString &error)
{
    if (request.audio) {
        error = QStringLiteral("--audio %1 and --audio %2: give it once")
                    .arg(kivQuoted(request.audioGiven.text), kivQuoted(value));
        return false;
    }
    QString problem;
    request.audio = kivReadAudio(value, problem);
    if (!request.audio) {
        error = QLatin1String("--") + problem;
        return false;
    }
    request.audioGiven = {QStringLiteral("--audio"), value};
    return true;
}

// One source of the bitrate; any number of clips and lists of them pool
// into one.
bool readBitrate(const QString &option, const QString &value, KivFileSizeRequest &request,
                 QString &error)
{
    const bool list = option == QLatin1String("--clip-list");
    const bool clip = list || option == QLatin1String("--clip");
    if (request.hasBitrate() && !(clip && request.hasClips())) {
        const KivGiven first = request.bitrateSource();
        error = QStringLiteral("%1 %2 and %3 %4 both give the bitrate; give it once")
                    .arg(first.option, kivQuoted(first.text), option, kivQuoted(value));
        return false;
    }
    if (option == QLatin1String("--format")) {
        request.format = value;
    } else if (list) {
        request.clipLists << value;
    } else if (clip) {
        request.clips << value;
    } else {
        return take(request.bitrate, request.bitrateGiven, option, value, error);
    }
    return true;
}

// Reads `given` in order into `request`; false with `error` at the first that
// is refused. --help and --version are not among them.
bool readOptions(const QList<Given> &given, KivFileSizeRequest &request, QString &error)
{
    using Action = KivFileSizeRequest::Action;
    for (const Given &g : given) {
        const QString option = QStringLiteral("--") + g.name;
        const QString &value = g.value;
        bool ok = true;
        if (g.name == QLatin1String("json")) {
            request.json = true;
        } else if (g.name == QLatin1String("units")) {
            ok = readUnits(value, request, error);
        } else if (g.name == QLatin1String("time")) {
            ok = readTime(value, request, error);
        } else if (g.name == QLatin1String("size")) {
            ok = take(request.cardSize, request.cardSizeGiven, option, value, error);
        } else if (g.name == QLatin1String("bitrate") || g.name == QLatin1String("mbytes") ||
                   g.name == QLatin1String("format") || g.name == QLatin1String("clip") ||
                   g.name == QLatin1String("clip-list")) {
            ok = readBitrate(option, value, request, error);
        } else if (g.name == QLatin1String("frame") || g.name == QLatin1String("fps")) {
            std::optional<QString> &slot =
                g.name == QLatin1String("frame") ? request.frame : request.fps;
            if (slot) {
                error = QStringLiteral("%1 %2 and %1 %3: give it once")
                            .arg(option, kivQuoted(*slot), kivQuoted(value));
                return false;
            }
            slot = value;
        } else if (g.name == QLatin1String("audio")) {
            ok = readAudio(value, request, error);
        } else if (g.name == QLatin1String("formats-file")) {
            request.formatsFiles << value;
        } else if (g.name == QLatin1String("list-formats")) {
            request.action = Action::ListFormats;
        } else if (g.name == QLatin1String("clip-events")) {
            request.action = Action::ClipEvents;
        } else if (g.name == QLatin1String("plan")) {
            if (request.plan) {
                error = QStringLiteral("--plan %1 and --plan %2: plan one shoot at a time")
                            .arg(kivQuoted(*request.plan), kivQuoted(value));
                return false;
            }
            request.plan = value;
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

// A plan takes its cameras, units and quantities from its file: any option
// besides PLAN_OPTIONS is refused, whatever it is.
bool checkPlan(const QList<Given> &given, KivFileSizeRequest &request, QString &error)
{
    const QString file = kivQuoted(*request.plan);
    if (request.plan->isEmpty()) {
        error = QStringLiteral("--plan \"\" names no file; give a plan file, or '-' for standard "
                               "input");
        return false;
    }
    for (const Given &g : given) {
        if (std::none_of(std::begin(PLAN_OPTIONS), std::end(PLAN_OPTIONS),
                         [&](const char *name) { return g.name == QLatin1String(name); })) {
            error = QStringLiteral("--plan %1 takes its cameras, units and quantities from the "
                                   "file; give it no --%2 (only --json and --formats-file)")
                        .arg(file, g.name);
            return false;
        }
    }
    request.action = KivFileSizeRequest::Action::Plan;
    return true;
}

// What the options read ask for, as a whole.
bool checkRequest(const KivFileSizeRequest &request, QString &error)
{
    using Action = KivFileSizeRequest::Action;
    if (request.audio && request.action != Action::Calculate) {
        error = QStringLiteral("--audio %1 adds audio to a bitrate; %2 calculates nothing")
                    .arg(kivQuoted(request.audioGiven.text), request.action == Action::ListFormats
                                                                 ? QStringLiteral("--list-formats")
                                                                 : QStringLiteral("--clip-events"));
        return false;
    }
    if (request.action == Action::ListFormats) {
        if (request.count() > 0 || !request.format.isEmpty()) {
            error = QStringLiteral("--list-formats lists the formats and calculates nothing; give "
                                   "it no quantity and no --format");
            return false;
        }
        return true;
    }
    if (request.action == Action::ClipEvents) {
        if (!request.hasClips() || request.count() != 1) {
            error = QStringLiteral("--clip-events reports what --clip measures and calculates "
                                   "nothing; give it one or more --clip and no quantity");
            return false;
        }
        return true;
    }
    if (request.count() == 3) {
        const KivGiven source = request.bitrateSource();
        error = QStringLiteral("%1 %2, --size %3 and --time %4 are three quantities; give one "
                               "or two of them and the rest is calculated")
                    .arg(source.option, kivQuoted(source.text),
                         kivQuoted(request.cardSizeGiven.text), kivQuoted(request.timeGiven.text));
        return false;
    }
    if (request.count() == 0) {
        error = QStringLiteral("nothing to calculate; give one or two of --bitrate (or --mbytes), "
                               "--size and --time (see --help)");
        return false;
    }
    if (request.audio && !request.clips.isEmpty()) {
        error = QStringLiteral("--audio %1: clips measured with --clip hold their audio already")
                    .arg(kivQuoted(request.audioGiven.text));
        return false;
    }
    if (request.audio && !request.hasBitrate()) {
        error = QStringLiteral("--audio %1 adds audio to a bitrate; give --bitrate, --mbytes or "
                               "--format with it")
                    .arg(kivQuoted(request.audioGiven.text));
        return false;
    }
    if (request.format.isEmpty() && (request.frame || request.fps)) {
        error = QStringLiteral("%1 %2 gives the frame of a recording format; give --format "
                               "with it")
                    .arg(request.frame ? QStringLiteral("--frame") : QStringLiteral("--fps"),
                         kivQuoted(request.frame ? *request.frame : *request.fps));
        return false;
    }
    return true;
}

} // namespace

KivGiven KivFileSizeRequest::bitrateSource() const
{
    if (!clips.isEmpty()) {
        return {QStringLiteral("--clip"), clips.constFirst()};
    }
    if (!clipLists.isEmpty()) {
        return {QStringLiteral("--clip-list"), clipLists.constFirst()};
    }
    if (!format.isEmpty()) {
        return {QStringLiteral("--format"), format};
    }
    return bitrateGiven;
}

bool kivReadArguments(const QStringList &arguments, KivFileSizeRequest &request, QString &error)
{
    request = KivFileSizeRequest();
    Parser read;
    QCommandLineParser &parser = read.parser;
    const bool parsed = parser.parse(QStringList{QStringLiteral("kivfilesize")} + arguments);
    QList<Given> given = givenInOrder(parser);

    const qsizetype first = helpOrVersion(arguments, given, read.helpNames, read.versionNames);
    if (first >= 0) {
        const bool helps = read.helpNames.contains(given[first].name);
        given.resize(first);
        if (!readOptions(given, request, error)) {
            return false;
        }
        request = KivFileSizeRequest();
        request.action =
            helps ? KivFileSizeRequest::Action::Help : KivFileSizeRequest::Action::Version;
        return true;
    }
    if (!parsed) {
        // Qt's message quotes the option as typed.
        error = kivEscaped(parser.errorText());
        return false;
    }
    // Past the first --help or --version nothing is read; there is none here.
    if (!readOptions(given, request, error)) {
        return false;
    }
    // Only --list-formats takes a word of its own.
    QStringList positional = parser.positionalArguments();
    if (request.action == KivFileSizeRequest::Action::ListFormats && positional.size() == 1) {
        request.listWord = positional.takeFirst();
    }
    if (!positional.isEmpty()) {
        error = QStringLiteral("unexpected argument %1 (values follow their option, as in "
                               "--size 64; see --help)")
                    .arg(kivQuoted(positional.constFirst()));
        return false;
    }
    if (request.plan) {
        return checkPlan(given, request, error);
    }
    return checkRequest(request, error);
}

QStringList kivFileSizeOptions()
{
    const Parser read;
    QStringList names = read.helpNames + read.versionNames;
    for (const OptionSpec &spec : OPTIONS) {
        names << QLatin1String(spec.name);
    }
    for (QString &name : names) {
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    }
    return names;
}
