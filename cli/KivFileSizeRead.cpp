// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeRead.h"

#include "KivFileSizeOptions.h"
#include "KivFileSizeParse.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <algorithm>
#include <iterator>

namespace {

// The first option given with `name`, or null.
const KivGivenOption *givenOption(const QList<KivGivenOption> &given, const char *name)
{
    const auto it = std::find_if(given.begin(), given.end(), [name](const KivGivenOption &g) {
        return g.name == QLatin1String(name);
    });
    return it == given.end() ? nullptr : &*it;
}

// Takes one number into the request.
bool take(std::optional<double> &slot, KivGiven &given, const QString &option, const QString &text,
          QString &error)
{
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
    QString problem;
    request.audio = kivReadAudio(value, problem);
    if (!request.audio) {
        error = QLatin1String("--") + problem;
        return false;
    }
    request.audioGiven = {QStringLiteral("--audio"), value};
    return true;
}

// The card size: typed with --size, or the free space of the volume holding
// the path of --free, found when resolving.
bool readCardSize(const QString &option, const QString &value, KivFileSizeRequest &request,
                  QString &error)
{
    if (option == QLatin1String("--size")) {
        return take(request.cardSize, request.cardSizeGiven, option, value, error);
    }
    request.free = value;
    request.cardSizeGiven = {option, value};
    return true;
}

// One source of the bitrate; any number of clips and lists of them pool
// into one.
bool readBitrate(const QString &option, const QString &value, KivFileSizeRequest &request,
                 QString &error)
{
    const bool list = option == QLatin1String("--clip-list");
    const bool clip = list || option == QLatin1String("--clip");
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
bool readOptions(const QList<KivGivenOption> &given, KivFileSizeRequest &request, QString &error)
{
    using Action = KivFileSizeRequest::Action;
    // The first option that gave each thing given once.
    struct Giver
    {
        const KivOptionRow *row;
        QString option;
        QString text;
    };
    QList<Giver> givers;
    for (const KivGivenOption &g : given) {
        const QString option = QStringLiteral("--") + g.name;
        const QString &value = g.value;
        const KivOptionRow *row = kivFindOption(g.name);
        if (row != nullptr && row->gives != nullptr) {
            const auto first = std::find_if(givers.begin(), givers.end(), [row](const Giver &o) {
                return qstrcmp(o.row->gives, row->gives) == 0;
            });
            if (first == givers.end()) {
                givers.append({row, option, value});
            } else if (!(first->row->pools && row->pools)) {
                error = kivGivenTwice(first->option, first->text, option, value, row->gives);
                return false;
            }
        }
        bool ok = true;
        if (g.name == QLatin1String("json")) {
            request.json = true;
        } else if (g.name == QLatin1String("units")) {
            ok = readUnits(value, request, error);
        } else if (g.name == QLatin1String("time")) {
            ok = readTime(value, request, error);
        } else if (g.name == QLatin1String("size") || g.name == QLatin1String("free")) {
            ok = readCardSize(option, value, request, error);
        } else if (g.name == QLatin1String("bitrate") || g.name == QLatin1String("mbytes") ||
                   g.name == QLatin1String("format") || g.name == QLatin1String("clip") ||
                   g.name == QLatin1String("clip-list")) {
            ok = readBitrate(option, value, request, error);
        } else if (g.name == QLatin1String("frame") || g.name == QLatin1String("fps")) {
            (g.name == QLatin1String("frame") ? request.frame : request.fps) = value;
        } else if (g.name == QLatin1String("audio")) {
            ok = readAudio(value, request, error);
        } else if (g.name == QLatin1String("formats-file")) {
            request.formatsFiles << value;
        } else if (g.name == QLatin1String("list-formats")) {
            request.action = Action::ListFormats;
        } else if (g.name == QLatin1String("clip-events")) {
            request.action = Action::ClipEvents;
        } else if (g.name == QLatin1String("plan")) {
            request.plan = value;
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

// A plan takes its cameras, units and quantities from its file: any option
// that does not go with --plan is refused, whatever it is.
bool checkPlan(const QList<KivGivenOption> &given, KivFileSizeRequest &request, QString &error)
{
    const QString file = kivQuoted(*request.plan);
    if (request.plan->isEmpty()) {
        error = QStringLiteral("--plan \"\" names no file; give a plan file, or '-' for standard "
                               "input");
        return false;
    }
    for (const KivGivenOption &g : given) {
        const KivOptionRow *row = kivFindOption(g.name);
        if (row == nullptr || !row->withPlan) {
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
bool checkRequest(const QList<KivGivenOption> &given, const KivFileSizeRequest &request,
                  QString &error)
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
        error = QStringLiteral("%1 %2, %3 %4 and --time %5 are three quantities; give one "
                               "or two of them and the rest is calculated")
                    .arg(source.option, kivQuoted(source.text), request.cardSizeGiven.option,
                         kivQuoted(request.cardSizeGiven.text), kivQuoted(request.timeGiven.text));
        return false;
    }
    if (request.count() == 0) {
        error = QStringLiteral("nothing to calculate; give one or two of --bitrate (or --mbytes), "
                               "--size and --time (see --help)");
        return false;
    }
    // What an option must not be given with, then what it needs, as the
    // option table says, in the table's order.
    const auto givenWith = [&given](const char *names) {
        return std::any_of(given.begin(), given.end(), [names](const KivGivenOption &g) {
            return kivOptionListHas(names, g.name);
        });
    };
    for (const bool needs : {false, true}) {
        for (const KivOptionRow &row : kivOptionRows()) {
            const KivGivenOption *g = givenOption(given, row.name);
            if (g == nullptr) {
                continue;
            }
            const bool refused =
                needs ? row.needs != nullptr && !givenWith(row.needs) : givenWith(row.excludes);
            if (refused) {
                error = QString::fromLatin1(needs ? row.needsWhy : row.excludesWhy)
                            .arg(QStringLiteral("--") + g->name, kivQuoted(g->value));
                return false;
            }
        }
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
    KivParsedArguments parsed = kivParseArguments(arguments);
    QList<KivGivenOption> &given = parsed.given;
    if (parsed.firstHelpOrVersion >= 0) {
        given.resize(parsed.firstHelpOrVersion);
        if (!readOptions(given, request, error)) {
            return false;
        }
        request = KivFileSizeRequest();
        request.action =
            parsed.helps ? KivFileSizeRequest::Action::Help : KivFileSizeRequest::Action::Version;
        return true;
    }
    if (!parsed.parsed) {
        // Qt's message quotes the option as typed.
        error = kivEscaped(parsed.errorText);
        return false;
    }
    // Past the first --help or --version nothing is read; there is none here.
    if (!readOptions(given, request, error)) {
        return false;
    }
    // Only --list-formats takes a word of its own.
    QStringList &positional = parsed.positional;
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
    return checkRequest(given, request, error);
}
