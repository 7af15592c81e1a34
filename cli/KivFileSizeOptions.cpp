// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "cli/KivFileSizeOptions.h"

#include <QByteArray>

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

struct Option
{
    const char *name;
    bool takesValue;
};

constexpr Option OPTIONS[] = {{"--bitrate", true}, {"--mbytes", true},  {"--size", true},
                              {"--time", true},    {"--units", true},   {"--json", false},
                              {"--help", false},   {"--version", false}};

// The option that `name` names; -h and -V stand for --help and --version.
const Option *findOption(const QString &name)
{
    const QString full = name == QLatin1String("-h")   ? QStringLiteral("--help")
                         : name == QLatin1String("-V") ? QStringLiteral("--version")
                                                       : name;
    for (const Option &option : OPTIONS) {
        if (full == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

// Takes one quantity into the request, refusing repeats.
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

} // namespace

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
        if (value > UINT32_MAX || value * UNITS[i] > UINT32_MAX - total) {
            problem = QStringLiteral("longer than 1193046:28:15, the longest time there is");
            return std::nullopt;
        }
        total += value * UNITS[i];
    }
    return static_cast<std::uint32_t>(total);
}

std::optional<KivFileSizeRequest> kivReadArguments(const QStringList &arguments, QString &error)
{
    KivFileSizeRequest request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2) {
            error = QStringLiteral("unexpected argument %1 (values follow their option, as in "
                                   "--size 64; see --help)")
                        .arg(quoted(argument));
            return std::nullopt;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals > 0 ? argument.left(equals) : argument;
        const Option *option = findOption(name);
        if (option == nullptr) {
            error = QStringLiteral("unknown option %1 (see --help)").arg(quoted(name));
            return std::nullopt;
        }
        const QString canonical = QLatin1String(option->name);
        QString value;
        if (option->takesValue) {
            if (equals > 0) {
                value = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = QStringLiteral("%1 needs a value").arg(canonical);
                return std::nullopt;
            }
        } else if (equals > 0) {
            error = QStringLiteral("%1 takes no value, but was given %2")
                        .arg(canonical, quoted(argument.mid(equals + 1)));
            return std::nullopt;
        }

        if (canonical == QLatin1String("--help")) {
            request.action = KivFileSizeRequest::Action::Help;
            return request;
        }
        if (canonical == QLatin1String("--version")) {
            request.action = KivFileSizeRequest::Action::Version;
            return request;
        }
        if (canonical == QLatin1String("--json")) {
            request.json = true;
        } else if (canonical == QLatin1String("--units")) {
            if (value == QLatin1String("kiv")) {
                request.units = KivCardUnits::Kiv;
            } else if (value == QLatin1String("decimal")) {
                request.units = KivCardUnits::Decimal;
            } else if (value == QLatin1String("gib")) {
                request.units = KivCardUnits::Gib;
            } else {
                error = QStringLiteral("--units %1 is not one of kiv, decimal and gib")
                            .arg(quoted(value));
                return std::nullopt;
            }
        } else if (canonical == QLatin1String("--time")) {
            if (request.seconds) {
                error = QStringLiteral("--time %1 and --time %2 both give the time; give it once")
                            .arg(quoted(request.timeGiven.text), quoted(value));
                return std::nullopt;
            }
            QString problem;
            request.seconds = kivReadTime(value, problem);
            if (!request.seconds) {
                error = QStringLiteral("--time %1 is %2").arg(quoted(value), problem);
                return std::nullopt;
            }
            request.timeGiven = {canonical, value};
        } else if (canonical == QLatin1String("--size")) {
            if (!take(request.cardSize, request.cardSizeGiven, canonical, value, error)) {
                return std::nullopt;
            }
        } else if (!take(request.bitrate, request.bitrateGiven, canonical, value, error)) {
            return std::nullopt;
        }
    }
    if (request.count() == 3) {
        error = QStringLiteral("%1 %2, --size %3 and --time %4 are three quantities; give one "
                               "or two of them and the rest is calculated")
                    .arg(request.bitrateGiven.option, quoted(request.bitrateGiven.text),
                         quoted(request.cardSizeGiven.text), quoted(request.timeGiven.text));
        return std::nullopt;
    }
    if (request.count() == 0) {
        error = QStringLiteral("nothing to calculate; give one or two of --bitrate (or --mbytes), "
                               "--size and --time (see --help)");
        return std::nullopt;
    }
    return request;
}
