// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivAppOptions.h"
#include "app/KivFileSizeCalculator.h"
#include "app/KivTranslations.h"

#include <QApplication>
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

    KivFileSizeCalculator dialog;
    dialog.show();
    return app.exec();
}
