// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What Qt's JSON reader does not tell: a member given twice in one object
// (it keeps the last in silence).
#pragma once

#include <QByteArray>
#include <QString>

// The place of the first member given twice in one object of `json`, which
// must be valid JSON ("cameras[1].fps"), or an empty text. Time linear in the
// size, no recursion.
QString kivPlanMemberTwice(const QByteArray &json);
