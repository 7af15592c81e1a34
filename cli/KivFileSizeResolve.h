// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's second step, the only one that reads catalogues and clips:
// the request's bitrate resolved into a typed source, and the formats that
// --list-formats lists.
#pragma once

#include "KivFileSizeRequest.h"
#include "plan/KivPlanRate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct KivResolved
{
    // The bitrate of a calculation, or the clips --clip-events measured.
    std::optional<KivBitrateSource> bitrate;
    // The formats --list-formats lists, in catalogue order.
    QList<KivFormat> listed;
    // Lines for stderr that refuse nothing (a faulty formats file).
    QStringList warnings;
    // The plan of --plan, and the rate of each camera (in the plan's order)
    // and of its proxy.
    std::optional<KivPlan> plan;
    KivPlanRates rates;
    // The volume of --free.
    std::optional<KivVolume> volume;
};

// Resolves `request`: with --free first the volume holding its path, refused
// where the path is missing or not on mounted storage. Clips are measured with `observer` hearing
// of each file as it goes. On a refusal returns false with `error` set to one line;
// `resolved.warnings` holds what was found on the way all the same.
bool kivResolve(const KivFileSizeRequest &request, KivResolved &resolved, QString &error,
                KivClipObserver *observer = nullptr);

// The clips `paths` name, measured and pooled into a source named by `given`;
// with `refuseSkipped` the first path refused refuses them all, with `error`
// set to one line (a failure to measure at all always does).
std::optional<KivBitrateSource> kivMeasuredSource(const QStringList &paths, const KivGiven &given,
                                                  KivClipObserver *observer, QString &error,
                                                  bool refuseSkipped = true);

// Resolves --plan (KivFileSizePlanResolve.cpp): reads the plan file, then each
// camera's rate and the proxy's, the catalogue loaded once and the clips
// measured as --clip measures them. A refusal names the place in the plan.
bool kivResolvePlan(const KivFileSizeRequest &request, KivResolved &resolved, QString &error);
