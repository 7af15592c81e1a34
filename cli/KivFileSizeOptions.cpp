// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivFileSizeOptions.h"

#include "KivFileSizeClips.h"
#include "KivFileSizeFormat.h"

#include "calc/KivDisplay.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QHash>

#include <charconv>
#include <cmath>

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool isDigits(const QString &text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// Takes one number into the request, refusing repeats.
bool take(std::optional<double> &slot, KivGiven &given, const QString &option, const QString &text,
          QString &error)
{
    if (slot.has_value()) {
        error = QStringLiteral("%1 %2 and %3 %4 both give the %5; give it once")
                    .arg(given.option, quoted(given.text), option, quoted(text),
                         option == QLatin1String("--size") ? QStringLiteral("card size")
                                                           : QStringLiteral("bitrate"));
        return false;
    }
    QString hint;
    const std::optional<double> value = kivReadNumber(text, hint);
    if (!value) {
        error = QStringLiteral("%1 %2 is %3").arg(option, quoted(text), hint);
        return false;
    }
    slot = option == QLatin1String("--mbytes") ? kivMbitsPerSec(*value) : *value;
    given = {option, text};
    return true;
}

// The options in the order given, each with its value, from a parser that
// has read them.
QList<KivGiven> givenInOrder(const QCommandLineParser &parser)
{
    QHash<QString, qsizetype> used;
    QList<KivGiven> given;
    for (const QString &name : parser.optionNames()) {
        const QStringList values = parser.values(name);
        const qsizetype at = used[name]++;
        given.append({QStringLiteral("--") + name, at < values.size() ? values[at] : QString()});
    }
    return given;
}

// Reads the options a parser has taken, in the order given, into `request`;
// false with `error` at the first that is refused.
bool readOptions(const QCommandLineParser &parser, KivFileSizeRequest &request, QString &error)
{
    for (const KivGiven &given : givenInOrder(parser)) {
        const QString &option = given.option;
        const QString &value = given.text;
        if (option == QLatin1String("--json")) {
            request.json = true;
        } else if (option == QLatin1String("--units")) {
            const KivCardUnit *unit = kivFindCardUnit(value.toStdString());
            if (unit == nullptr) {
                QStringList names;
                for (const KivCardUnit &u : KIV_CARD_UNITS) {
                    names << QLatin1String(u.name);
                }
                const QString last = names.takeLast();
                error = QStringLiteral("--units %1 is not one of %2 and %3")
                            .arg(quoted(value), names.join(QStringLiteral(", ")), last);
                return false;
            }
            request.units = unit->units;
        } else if (option == QLatin1String("--time")) {
            if (request.seconds) {
                error = QStringLiteral("--time %1 and --time %2 both give the time; give it once")
                            .arg(quoted(request.timeGiven.text), quoted(value));
                return false;
            }
            QString problem;
            request.seconds = kivReadTime(value, problem);
            if (!request.seconds) {
                error = QStringLiteral("--time %1 is %2").arg(quoted(value), problem);
                return false;
            }
            request.timeGiven = given;
        } else if (option == QLatin1String("--size")) {
            if (!take(request.cardSize, request.cardSizeGiven, option, value, error)) {
                return false;
            }
        } else if (option == QLatin1String("--bitrate") || option == QLatin1String("--mbytes") ||
                   option == QLatin1String("--format") || option == QLatin1String("--clip")) {
            // One source of the bitrate; any number of clips pool into one.
            const KivGiven first = request.bitrateSource();
            if (request.hasBitrate() &&
                !(option == QLatin1String("--clip") && !request.clips.isEmpty())) {
                error = QStringLiteral("%1 %2 and %3 %4 both give the bitrate; give it once")
                            .arg(first.option, quoted(first.text), option, quoted(value));
                return false;
            }
            if (option == QLatin1String("--format")) {
                request.format = value;
            } else if (option == QLatin1String("--clip")) {
                request.clips << value;
            } else if (!take(request.bitrate, request.bitrateGiven, option, value, error)) {
                return false;
            }
        } else if (option == QLatin1String("--frame") || option == QLatin1String("--fps")) {
            std::optional<QString> &slot =
                option == QLatin1String("--frame") ? request.frame : request.fps;
            if (slot) {
                error = QStringLiteral("%1 %2 and %1 %3: give it once")
                            .arg(option, quoted(*slot), quoted(value));
                return false;
            }
            slot = value;
        } else if (option == QLatin1String("--formats-file")) {
            request.formatsFiles << value;
        } else if (option == QLatin1String("--list-formats")) {
            request.action = KivFileSizeRequest::Action::ListFormats;
        } else if (option == QLatin1String("--clip-events")) {
            request.action = KivFileSizeRequest::Action::ClipEvents;
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
    if (!format.isEmpty() && !bitrate) {
        return {QStringLiteral("--format"), format};
    }
    return bitrateGiven;
}

std::optional<double> kivReadNumber(const QString &text, QString &hint)
{
    const QByteArray bytes = text.toLatin1();
    double value = 0.0;
    const char *first = bytes.constData();
    const char *last = first + bytes.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        hint = QStringLiteral("beyond the range of numbers");
        return std::nullopt;
    }
    if (text.isEmpty() || error != std::errc() || end != last) {
        hint = text.contains(QLatin1Char(','))
                   ? QStringLiteral("not a number; write decimals with a point, as in 1.5")
                   : QStringLiteral("not a number");
        return std::nullopt;
    }
    if (!std::isfinite(value)) {
        hint = QStringLiteral("not a finite number");
        return std::nullopt;
    }
    if (value < 0.0) {
        hint = QStringLiteral("negative");
        return std::nullopt;
    }
    return value + 0.0; // -0 reads as 0
}

std::optional<std::uint32_t> kivReadTime(const QString &text, QString &problem)
{
    const QStringList fields = text.split(QLatin1Char(':'));
    bool digitsOnly = fields.size() <= 3;
    for (const QString &field : fields) {
        digitsOnly = digitsOnly && isDigits(field);
    }
    if (!digitsOnly) {
        problem = QStringLiteral("not a time; write S, M:S or H:M:S with digits only");
        return std::nullopt;
    }
    // From the right: seconds, minutes, hours.
    static constexpr std::uint64_t UNITS[] = {1, 60, 3600};
    std::uint64_t total = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields[fields.size() - 1 - i];
        const bool first = i == fields.size() - 1;
        // Leading zeros aside, more than ten digits is beyond any count.
        QString digits = field;
        while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) {
            digits.remove(0, 1);
        }
        const std::uint64_t value = digits.size() > 10 ? UINT64_MAX : digits.toULongLong();
        if (!first && value >= 60) {
            problem = QStringLiteral("not a time; minutes and seconds after hours or minutes "
                                     "must be below 60");
            return std::nullopt;
        }
        if (value > KIV_LONGEST_SECONDS || value * UNITS[i] > KIV_LONGEST_SECONDS - total) {
            problem = QStringLiteral("longer than %1, the longest time there is")
                          .arg(kivTimeText(KIV_LONGEST_SECONDS));
            return std::nullopt;
        }
        total += value * UNITS[i];
    }
    return static_cast<std::uint32_t>(total);
}

bool kivReadArguments(const QStringList &arguments, KivFileSizeRequest &request, QString &error)
{
    request = KivFileSizeRequest();
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : {"bitrate", "mbytes", "size", "time", "units", "format", "frame", "fps",
                             "formats-file", "clip"}) {
        parser.addOption(
            QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    }
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
    parser.addOption(QCommandLineOption(QStringLiteral("list-formats")));
    parser.addOption(QCommandLineOption(QStringLiteral("clip-events")));
    const QStringList program = {QStringLiteral("kivfilesize")};

    // --help and --version win over whatever follows them, once what comes
    // before them is read without a fault.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const bool read = parser.parse(program + arguments.mid(0, i + 1)) &&
                          parser.positionalArguments().isEmpty();
        const bool helps = read && (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")));
        if (helps || (read && parser.isSet(version))) {
            if (!readOptions(parser, request, error)) {
                return false;
            }
            request = KivFileSizeRequest();
            request.action =
                helps ? KivFileSizeRequest::Action::Help : KivFileSizeRequest::Action::Version;
            return true;
        }
    }

    if (!parser.parse(program + arguments)) {
        error = parser.errorText();
        return false;
    }
    if (!readOptions(parser, request, error)) {
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
                    .arg(quoted(positional.constFirst()));
        return false;
    }
    if (request.action == KivFileSizeRequest::Action::ListFormats) {
        if (request.count() > 0 || !request.format.isEmpty()) {
            error = QStringLiteral("--list-formats lists the formats and calculates nothing; give "
                                   "it no quantity and no --format");
            return false;
        }
        return true;
    }
    if (request.action == KivFileSizeRequest::Action::ClipEvents) {
        if (request.clips.isEmpty() || request.count() != 1) {
            error = QStringLiteral("--clip-events reports what --clip measures and calculates "
                                   "nothing; give it one or more --clip and no quantity");
            return false;
        }
        return true;
    }
    if (request.count() == 3) {
        error = QStringLiteral("%1 %2, --size %3 and --time %4 are three quantities; give one "
                               "or two of them and the rest is calculated")
                    .arg(request.bitrateSource().option, quoted(request.bitrateSource().text),
                         quoted(request.cardSizeGiven.text), quoted(request.timeGiven.text));
        return false;
    }
    if (request.count() == 0) {
        error = QStringLiteral("nothing to calculate; give one or two of --bitrate (or --mbytes), "
                               "--size and --time (see --help)");
        return false;
    }
    if (request.format.isEmpty() && (request.frame || request.fps)) {
        error = QStringLiteral("%1 %2 gives the frame of a recording format; give --format "
                               "with it")
                    .arg(request.frame ? QStringLiteral("--frame") : QStringLiteral("--fps"),
                         quoted(request.frame ? *request.frame : *request.fps));
        return false;
    }
    if (!request.clips.isEmpty()) {
        if (!kivResolveClips(request, error)) {
            return false;
        }
    } else if (!request.format.isEmpty()) {
        if (!kivResolveFormat(request, error)) {
            return false;
        }
    }
    return true;
}
