// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Reading kivfilesize's command line: 100,000 arguments, as a drop of many
// clips or a script gives them, read and answered in one pass, beside Qt's
// parser reading the same arguments alone. And the day on set of a large
// shoot, 100 cameras of 10 bodies over 24 hours, beside the same plan without
// its day.
#include "KivBenchMain.h"

#include "startup_cli_options.h"

#include "cli/KivFileSize.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

constexpr int COUNT = 100000;

QStringList repeated(const QStringList &arguments, int times)
{
    QStringList out;
    out.reserve(arguments.size() * times);
    for (int i = 0; i < times; ++i) {
        out << arguments;
    }
    return out;
}

// Runs the command line and checks its status and the start of its output.
void answers(const QStringList &arguments, int status, const QString &start)
{
    QString out;
    QString err;
    const int got = kivFileSize(arguments, out, err);
    kivBenchCheck(got == status && (status == 0 ? out : err).startsWith(start),
                  "kivfilesize answered " + QString(out + err).left(80).toStdString());
}

// Qt's parser alone on the same arguments, with kivfilesize's options.
void parsed(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QString &option : kivFileSizeOptions()) {
        const QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
        if (name == QLatin1String("json") || name == QLatin1String("list-formats") ||
            name == QLatin1String("clip-events") || name.size() == 1 ||
            name.startsWith(QLatin1String("help")) || name == QLatin1String("version")) {
            continue;
        }
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    }
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
    kivBenchCheck(parser.parse(QStringList{QStringLiteral("kivfilesize")} + arguments),
                  parser.errorText().toStdString());
}

// A plan of 100 cameras of 10 bodies recording all day at 100 to 1090
// Mbit/s on 64 GB cards (16 to 181 cards a body, 97,000 in all), verified on
// 4 readers, with or without its 24-hour day; written once, its path kept.
QString planFile(bool day)
{
    static QTemporaryDir folder;
    const QString path =
        folder.filePath(day ? QStringLiteral("day.json") : QStringLiteral("plain.json"));
    if (!QFile::exists(path)) {
        QString cameras;
        for (int i = 0; i < 100; ++i) {
            cameras += QStringLiteral("%1{\"name\": \"C%2\", \"count\": 10, "
                                      "\"time_per_day\": \"24:00:00\", \"bitrate\": %3}")
                           .arg(i == 0 ? "" : ",\n")
                           .arg(i)
                           .arg(100 + 10 * i);
        }
        QFile file(path);
        kivBenchCheck(file.open(QIODevice::WriteOnly), "cannot write " + path.toStdString());
        file.write((QStringLiteral("{\"card_size\": 64, \"offload_mbyte_s\": 400, ") +
                    (day ? QStringLiteral("\"day_length\": \"24:00:00\", \"handoff\": "
                                          "\"0:15:00\", \"readers\": 4, \"verify\": true, ")
                         : QString()) +
                    QStringLiteral("\"cameras\": [\n") + cameras + QStringLiteral("]}\n"))
                       .toUtf8());
    }
    return path;
}

} // namespace

std::vector<KivBenchOp> kivBenchOps(int &, char **)
{
    // 100,000 --json: read, then refused for want of a quantity.
    static const QStringList json = repeated({QStringLiteral("--json")}, COUNT);
    // 50,000 --units kiv before --help, which still wins.
    static const QStringList units =
        repeated({QStringLiteral("--units"), QStringLiteral("kiv")}, COUNT / 2) +
        QStringList{QStringLiteral("--help")};
    // A bitrate and a card size after 99,998 --json: answered.
    static const QStringList answered =
        repeated({QStringLiteral("--json")}, COUNT - 2) +
        QStringList{QStringLiteral("--bitrate=100"), QStringLiteral("--size=64")};

    const auto nothing = [] {
        answers(json, 2, QStringLiteral("kivfilesize: nothing to calculate"));
    };
    const auto help = [] { answers(units, 0, QStringLiteral("Usage: kivfilesize")); };
    const auto answer = [] { answers(answered, 0, QStringLiteral("{\"units\": \"kiv\"")); };
    const auto day = [] {
        answers({QStringLiteral("--plan"), planFile(true)}, 0, QStringLiteral("Plan for 1 day"));
    };
    const auto plain = [] {
        answers({QStringLiteral("--plan"), planFile(false)}, 0, QStringLiteral("Plan for 1 day"));
    };
    nothing();
    help();
    answer();
    day();
    // The bare start-up program reads the same options as kivfilesize.
    QStringList bare = {QStringLiteral("-?"),     QStringLiteral("-h"),
                        QStringLiteral("--help"), QStringLiteral("--help-all"),
                        QStringLiteral("-v"),     QStringLiteral("--version")};
    for (const char *name : KIV_BARE_VALUE_OPTIONS) {
        bare << QStringLiteral("--") + QLatin1String(name);
    }
    for (const char *name : KIV_BARE_FLAGS) {
        bare << QStringLiteral("--") + QLatin1String(name);
    }
    QStringList known = kivFileSizeOptions();
    known << QStringLiteral("-?");
    std::sort(bare.begin(), bare.end());
    std::sort(known.begin(), known.end());
    known.erase(std::unique(known.begin(), known.end()), known.end());
    kivBenchCheck(bare == known,
                  "the bare start-up program reads other options than kivfilesize: " +
                      known.join(u' ').toStdString());
    return {
        {"cli.read_100000_json", "kiv", nothing},
        {"cli.read_100000_json", "qt_parser", [] { parsed(json); }},
        {"cli.help_after_100000", "kiv", help},
        {"cli.help_after_100000", "qt_parser", [] { parsed(units); }},
        {"cli.answer_after_100000", "kiv", answer},
        {"cli.answer_after_100000", "qt_parser", [] { parsed(answered); }},
        {"cli.plan_day_100x10_cameras", "kiv", day},
        {"cli.plan_day_100x10_cameras", "without_day", plain},
    };
}
