// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The calculator's entry point with the start-up probe.
#include "KivFileSizeCalculator.h"
#include "KivStartupProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KivFileSizeCalculator dialog;
    kivStartupProbe(&dialog);
    dialog.show();
    return app.exec();
}
