// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The words of a plan's limits, the same whether a file is read or a plan
// built in memory is checked.
#pragma once

#include <QString>

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
