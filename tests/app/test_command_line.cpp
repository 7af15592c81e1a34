// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Both programs' command lines as a user meets them: --help and --version
// without any display, the calculator's refusal of an unknown option, and each
// manual page naming the options that --help names.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

// Runs `program` with no display of any kind, `input` on its standard input.
Outcome run(const QString &program, const QStringList &arguments, int waitMs = 10000,
            const QByteArray &input = QByteArray())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Outcome result;
    if (process.waitForFinished(waitMs) && process.exitStatus() == QProcess::NormalExit) {
        result.status = process.exitCode();
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The options an option list names, one entry a line starting with them.
std::set<std::string> optionsOf(const QStringList &entries)
{
    std::set<std::string> options;
    static const QRegularExpression option(QStringLiteral("^(--?[A-Za-z][A-Za-z-]*)(, )?"));
    for (QString entry : entries) {
        entry = entry.trimmed();
        for (auto match = option.match(entry); match.hasMatch(); match = option.match(entry)) {
            options.insert(match.captured(1).toStdString());
            entry = entry.mid(match.capturedLength());
        }
    }
    return options;
}

std::set<std::string> helpOptions(const QString &help)
{
    QStringList entries;
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("  -"))) {
            entries << line;
        }
    }
    return optionsOf(entries);
}

// The tags of the .TP paragraphs of the page's OPTIONS section.
std::set<std::string> manOptions(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QStringList entries;
    bool inOptions = false;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String(".SH"))) {
            inOptions = lines[i] == QLatin1String(".SH OPTIONS");
        } else if (inOptions && lines[i] == QLatin1String(".TP")) {
            QString tag = lines[i + 1];
            tag.remove(QRegularExpression(QStringLiteral("^\\.[A-Z]+ ")));
            tag.replace(QLatin1String("\\-"), QLatin1String("-"));
            tag.replace(QRegularExpression(QStringLiteral("\\s*\"([^\"]*)\"\\s*")),
                        QStringLiteral("\\1"));
            entries << tag;
        }
    }
    return optionsOf(entries);
}

struct Program
{
    const char *path;
    const char *manPage;
    const char *version;
};

const Program PROGRAMS[] = {
    {KIV_CALCULATOR, KIV_CALCULATOR_MAN, "kivfilesizecalculator " KIV_VERSION "\n"},
    {KIV_FILESIZE, KIV_FILESIZE_MAN, "kivfilesize " KIV_VERSION "\n"},
};

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    for (const Program &p : PROGRAMS) {
        for (const char *help : {"--help", "-h"}) {
            const Outcome r = run(QLatin1String(p.path), {QLatin1String(help)});
            EXPECT_EQ(r.status, 0) << p.path << " " << help;
            EXPECT_TRUE(r.out.startsWith(QLatin1String("Usage: "))) << r.out.toStdString();
            EXPECT_EQ(r.err, QString());
        }
        const Outcome r = run(QLatin1String(p.path), {QStringLiteral("--version")});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QLatin1String(p.version));
    }
}

TEST(CommandLine, ManualPageNamesTheOptionsOfHelp)
{
    for (const Program &p : PROGRAMS) {
        const std::set<std::string> help = helpOptions(run(QLatin1String(p.path), {"--help"}).out);
        EXPECT_TRUE(help.count("--version") == 1) << p.path;
        EXPECT_EQ(help, manOptions(QLatin1String(p.manPage))) << p.path;
    }
}

TEST(CommandLine, CalculatorRefusesUnknownOptions)
{
    for (const QStringList &arguments :
         {QStringList{"--frobnicate"}, QStringList{"-platform", "offscreen", "-x"},
          QStringList{"-reverse", "--style=fusion", "--size", "4"},
          QStringList{"--size\nkivfilesizecalculator: fake"}}) {
        const Outcome r = run(QStringLiteral(KIV_CALCULATOR), arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.startsWith(QLatin1String("kivfilesizecalculator: unknown option \"")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith(QLatin1String("(see kivfilesizecalculator --help)\n")));
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
    }
}

TEST(CommandLine, CalculatorPassesTheToolkitItsOptions)
{
    // With the toolkit's options and a stray file name it opens its window
    // and keeps running, here on the offscreen platform.
    const Outcome r =
        run(QStringLiteral(KIV_CALCULATOR),
            {"-platform", "offscreen", "--style", "fusion", "-reverse", "notes.txt"}, 1500);
    EXPECT_EQ(r.status, -1) << r.err.toStdString();
}

TEST(CommandLine, CalculatorOpensThePlanner)
{
    // With a plan that reads, or none, the planner opens and keeps running.
    const QString plans = QStringLiteral(KIV_PLAN_FIXTURES);
    for (const QStringList &arguments :
         {QStringList{"--plan", plans + "/shoot.json", "-platform", "offscreen"},
          QStringList{"-platform", "offscreen", "--plan"},
          QStringList{"--plan=" + plans + "/audio.json", "-platform", "offscreen"}}) {
        const Outcome r = run(QStringLiteral(KIV_CALCULATOR), arguments, 1500);
        EXPECT_EQ(r.status, -1) << arguments.join(' ').toStdString() << r.err.toStdString();
    }
}

TEST(CommandLine, CalculatorRefusesAPlanItCannotRead)
{
    // One line naming the fault's place, exit status 2, no window (no display).
    const QString plans = QStringLiteral(KIV_PLAN_FIXTURES);
    const struct
    {
        QStringList arguments;
        QByteArray input;
        QString error;
    } rows[] = {
        {{"--plan", plans + "/bad-fps.json"}, "", "cameras[1].fps: must be a frame rate"},
        {{"--plan", plans + "/none.json"}, "", plans + "/none.json: cannot be read ("},
        {{"--plan", plans}, "", plans + ": a folder, not a plan file"},
        {{"--plan=", "-platform", "offscreen"}, "", "--plan= names no plan file"},
        {{"--plan", "-"}, "{\"cameras\": []}", "cameras: must list 1 to 1000 cameras"},
    };
    for (const auto &row : rows) {
        const Outcome r = run(QStringLiteral(KIV_CALCULATOR), row.arguments, 10000, row.input);
        EXPECT_EQ(r.status, 2) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("kivfilesizecalculator: " + row.error)) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
    }
}

} // namespace
