// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's last step for --plan: the plan's answer computed from the
// resolved rates (KivPlanAnswer.h) and shown as a table with its totals, or
// as one JSON object.
#pragma once

#include "KivFileSizeResolve.h"

#include <QString>

// Renders the answer to the plan of `resolved` into `out`: text, or JSON with
// `json`. On a refusal (a card or an offload beyond the longest countable
// time, a rate that cannot be planned) returns false with `error` set to one
// line naming the place.
bool kivAnswerPlan(const KivResolved &resolved, bool json, QString &out, QString &error);
