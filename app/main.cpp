// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivAppOptions.h"
#include "app/KivFileSizeCalculator.h"
#include "app/KivPlanner.h"
#include "app/KivTranslations.h"
#include "plan/KivPlanFile.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const KivAppOptions options = kivReadAppOptions(arguments);
    if (options.action != KivAppOptions::Action::Run) {
        const bool refused = options.action == KivAppOptions::Action::Refuse;
        std::fputs(options.text.toLocal8Bit().constData(), refused ? stderr : stdout);
        return refused ? 2 : 0;
    }

    // A plan file is read before any window, so that one that cannot be read
    // is said on the terminal and nothing opens.
    std::optional<KivPlan> plan;
    if (options.planFile) {
        QString error;
        KivPlan read;
        bool ok = false;
        if (*options.planFile == QLatin1String("-")) {
            QFile in;
            ok = in.open(stdin, QIODevice::ReadOnly) &&
                 kivReadPlanDevice(in, QStringLiteral("standard input"), read, error);
        } else {
            ok = kivReadPlanFile(*options.planFile, read, error);
        }
        if (!ok) {
            std::fputs(("kivfilesizecalculator: " + error + '\n').toLocal8Bit().constData(),
                       stderr);
            return 2;
        }
        plan = std::move(read);
    }

    QApplication app(argc, argv);
    kivInstallTranslations(QLocale(), kivTranslationsDirectory());
    // The application's icon, shown by every window of the program.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-16.png"));
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-32.png"));
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-48.png"));
    QApplication::setWindowIcon(icon);
    // Ties the windows to the installed desktop entry, where Wayland takes the icon from.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kiv.FileSizeCalculator"));

    if (options.plan) {
        KivPlanner planner;
        if (plan) {
            const QString file = *options.planFile;
            planner.setPlan(*plan, file == QLatin1String("-") ? QString() : file);
        }
        planner.show();
        return app.exec();
    }
    KivFileSizeCalculator dialog;
    dialog.show();
    return app.exec();
}
