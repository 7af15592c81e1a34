// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// kivfilesize's second step for --plan: the plan file read, then each
// camera's rate (and the proxy's) resolved as --bitrate, --mbytes, --format
// and --clip resolve theirs.
#include "KivFileSizeResolve.h"

#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// Reads the plan of --plan; relative clips are relative to `folder`, the
// plan file's (the current folder for standard input).
bool readPlan(const QString &path, KivPlan &plan, QString &folder, QString &error)
{
    if (path == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            error = QStringLiteral("standard input: cannot be read (%1)").arg(in.errorString());
            return false;
        }
        folder = QDir::currentPath();
        return kivReadPlanDevice(in, QStringLiteral("standard input"), plan, error);
    }
    folder = QFileInfo(path).absolutePath();
    return kivReadPlanFile(path, plan, error);
}

} // namespace

bool kivResolvePlan(const KivFileSizeRequest &request, KivResolved &resolved, QString &error)
{
    KivPlan plan;
    QString folder;
    KivPlanFault fault;
    if (!readPlan(request.plan.value_or(QString()), plan, folder, error)) {
        return false;
    }
    if (!kivPlanFinished(plan, fault)) {
        error = kivPlanFaultText(fault);
        return false;
    }
    // The catalogue, loaded on the first format and kept for the others.
    std::optional<KivFormatCatalogue> loaded;
    const KivPlanCatalogue catalogue = [&]() -> const KivFormatCatalogue & {
        if (!loaded) {
            KivFormatLoad load = kivLoadFormats(request.formatsFiles);
            resolved.warnings << load.warnings;
            loaded = std::move(load.catalogue);
        }
        return *loaded;
    };
    // The proxy first: a format is quick to look up, clips take a while; the
    // first camera refused ends it, before later clips are measured.
    const auto refused = [&](const KivPlanRate &rate) {
        if (rate.fault) {
            error = kivPlanFaultText(*rate.fault);
        }
        return rate.fault.has_value();
    };
    if (plan.proxy && refused(*(resolved.rates.proxy = kivPlanRate(
                                    *plan.proxy, KivPlanPlace::ofProxy(), catalogue, nullptr)))) {
        return false;
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const KivPlanSource &source = plan.cameras[i].source;
        KivPlanMeasuredClips measured;
        if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
            const QStringList paths = kivPlanClipPaths(*clips, folder);
            const std::optional<KivBitrateSource> pooled = kivMeasuredSource(
                paths, {kivPlanCameraPlace(i), paths.join(u' ')}, nullptr, measured.refused);
            if (pooled) {
                measured.mbps = pooled->mbps;
            }
        }
        resolved.rates.cameras << kivPlanRate(source, KivPlanPlace::ofCamera(i), catalogue,
                                              &measured);
        if (refused(resolved.rates.cameras.last())) {
            return false;
        }
    }
    resolved.plan = std::move(plan);
    return true;
}
