// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeRead.h"

#include "KivFileSizeParse.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <algorithm>
#include <iterator>

namespace {

// The only options that go with --plan: the rest is in the plan file.
constexpr const char *PLAN_OPTIONS[] = {"plan", "json", "formats-file"};

// The refusal of `option` `text` after `given` gave the same quantity.
QString bothGive(const KivGiven &given, const QString &option, const QString &text)
{
    const bool size = option == QLatin1String("--size") || option == QLatin1String("--free");
    return QStringLiteral("%1 %2 and %3 %4 both give the %5; give it once")
        .arg(given.option, kivQuoted(given.text), option, kivQuoted(text),
             size ? QStringLiteral("card size") : QStringLiteral("bitrate"));
}

// Takes one number into the request, refusing repeats.
bool take(std::optional<double> &slot, KivGiven &given, const QString &option, const QString &text,
          QString &error)
{
    if (slot.has_value()) {
        error = bothGive(given, option, text);
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

// The card size: typed with --size, or the free space of the volume holding
// the path of --free, found when resolving.
bool readCardSize(const QString &option, const QString &value, KivFileSizeRequest &request,
                  QString &error)
{
    if (request.cardSize || request.free) {
        error = bothGive(request.cardSizeGiven, option, value);
        return false;
    }
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
bool readOptions(const QList<KivGivenOption> &given, KivFileSizeRequest &request, QString &error)
{
    using Action = KivFileSizeRequest::Action;
    for (const KivGivenOption &g : given) {
        const QString option = QStringLiteral("--") + g.name;
        const QString &value = g.value;
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
bool checkPlan(const QList<KivGivenOption> &given, KivFileSizeRequest &request, QString &error)
{
    const QString file = kivQuoted(*request.plan);
    if (request.plan->isEmpty()) {
        error = QStringLiteral("--plan \"\" names no file; give a plan file, or '-' for standard "
                               "input");
        return false;
    }
    for (const KivGivenOption &g : given) {
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
    if (request.free && (!request.hasBitrate() || request.seconds)) {
        error = QStringLiteral("--free %1 gives the time left on its volume at a bitrate; give "
                               "it --bitrate, --mbytes, --format or --clip, and no --time")
                    .arg(kivQuoted(*request.free));
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
    return checkRequest(request, error);
}
