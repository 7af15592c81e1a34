// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The words of a plan's limits, the same whether a file is read or a plan
// built in memory is checked, and the rules its answers share.
#pragma once

#include "plan/KivPlan.h"

#include <QList>
#include <QString>

#include <cstdint>

// "cameras[1]" and "fps" give "cameras[1].fps"; a top-level member is its
// own place. The member is escaped, so that a place stays on one line.
QString kivPlanPlace(const QString &object, const QString &member);

// "must be a whole number from 1 to 100".
QString kivPlanWholeRule(int lowest, int highest);
// "must be a number from 0.001 to 10000000".
QString kivPlanNumberRule(double lowest, double highest);

// The words of a source's limits, for the place of its member.
QString kivPlanFpsRule();
QString kivPlanAudioWithClips();
QString kivPlanProxyClips();
QString kivPlanLongerThanADay(const QString &time);

// Whole things that hold `quotient` of them, rounded up; a quotient within a
// billionth of itself above a whole number counts as that number.
double kivPlanWholeCount(double quotient);
// The cards one body fills in `seconds` at `mbps` (the plan has a card size).
double kivPlanBodyCards(const KivPlan &plan, double mbps, std::uint32_t seconds);
// How many times each card is read at the offload: twice to verify it.
double kivPlanPasses(const KivPlan &plan);

// Whether a camera's rate can be planned: above 0, at most
// kivPlanMaxAnsweredMbps; and the refusal of one that cannot, at `place`.
bool kivPlanUsableRate(double mbps);
QString kivPlanRateFault(const QString &place, double mbps);
// Whether `cameraMbps` holds one usable rate for each camera of `plan`; the
// first fault in `error`.
bool kivPlanCheckRates(const KivPlan &plan, const QList<double> &cameraMbps, QString &error);
// "at 0.001 Mbit/s a 1e+06 GB card lasts longer than 1193046:28:15, the
// longest time there is": `speed` and `what` lasts.
QString kivPlanBeyondTime(const QString &speed, const QString &what);
