// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// What Qt's JSON reader does not tell: a member given twice in one object
// (it keeps the last in silence).
#pragma once

#include "plan/KivPlanFault.h"

#include <QByteArray>

#include <optional>

// The place of the first member given twice in one object of `json`, which
// must be valid JSON ("cameras[1].fps"), or nothing. Time linear in the size,
// no recursion.
std::optional<KivPlanPlace> kivPlanMemberTwice(const QByteArray &json);
