// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The calculator's entry point with the start-up probe.
#include "KivStartupProbe.h"
#include "app/KivFileSizeCalculator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KivFileSizeCalculator dialog;
    kivStartupProbe(&dialog);
    dialog.show();
    return app.exec();
}
