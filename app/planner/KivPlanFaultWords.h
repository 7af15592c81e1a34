// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A plan's fault in the window's words, in the user's language: the place as
// the window shows it ("Camera 2, Drone, Count", "Days", a file's name), then
// the problem from the fault's kind and values, with numbers as the language
// writes them. Kinds a window meets only in a file written by hand keep the
// plan library's English problem.
#pragma once

#include "plan/KivPlanFault.h"

#include <QCoreApplication>
#include <QString>

class KivPlanFaultWords
{
    Q_DECLARE_TR_FUNCTIONS(KivPlanFaultWords)

public:
    // "Camera 2, Drone, Count: must be a whole number from 1 to 1000", where
    // `camera` names the camera at fault as its row does (ignored elsewhere).
    static QString text(const KivPlanFault &fault, const QString &camera);
    static QString problem(const KivPlanFault &fault);
    static QString place(const KivPlanFault &fault, const QString &camera);
};
