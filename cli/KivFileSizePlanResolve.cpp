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
            error = kivCannotRead(QStringLiteral("standard input"), in.errorString());
            return false;
        }
        folder = QDir::currentPath();
        return kivReadPlanDevice(in, QStringLiteral("standard input"), plan, error);
    }
    folder = QFileInfo(path).absolutePath();
    return kivReadPlanFile(path, plan, error);
}

// The text a typed rate was written as, for messages.
QString typedText(const KivPlanSource &source)
{
    if (const auto *rate = std::get_if<KivPlanBitrate>(&source.from)) {
        return QStringLiteral("bitrate %1").arg(kivNumberText(rate->mbps));
    }
    if (const auto *mbytes = std::get_if<KivPlanMbytes>(&source.from)) {
        return QStringLiteral("mbytes %1").arg(kivNumberText(mbytes->mbytesPerSec));
    }
    return QString();
}

class Sources
{
public:
    Sources(const KivFileSizeRequest &request, KivResolved &resolved, const QString &folder)
        : request(request), resolved(resolved), folder(folder)
    {
    }

    // The rate of `source` at `place`, audio included.
    std::optional<KivBitrateSource> resolve(const KivPlanSource &source, const QString &place,
                                            QString &error)
    {
        std::optional<KivBitrateSource> out;
        if (const std::optional<double> mbps = kivPlanTypedMbps(source)) {
            out = KivBitrateSource{std::monostate(), *mbps, {place, typedText(source)}};
        } else if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
            const QStringList paths = kivPlanClipPaths(*clips, folder);
            QString problem;
            out = kivMeasuredSource(paths, {place, paths.join(u' ')}, nullptr, problem, true, {},
                                    &resolved.warnings);
            if (!out) {
                error = place + QLatin1String(".clips: ") + problem;
                return std::nullopt;
            }
        } else {
            std::optional<KivFormatChoice> choice =
                kivPlanChooseFormat(catalogue(), source, place, error);
            if (!choice) {
                return std::nullopt;
            }
            const double mbps = choice->rate.mbps;
            const QString id = choice->format.id;
            out = KivBitrateSource{std::move(*choice), mbps, {place, id}};
        }
        out->mbps = kivPlanWithAudio(source, out->mbps);
        return out;
    }

private:
    // The catalogue, loaded on the first format and kept for the others.
    const KivFormatCatalogue &catalogue()
    {
        if (!loaded) {
            KivFormatLoad load = kivLoadFormats(request.formatsFiles);
            resolved.warnings << load.warnings;
            loaded = std::move(load.catalogue);
        }
        return *loaded;
    }

    const KivFileSizeRequest &request;
    KivResolved &resolved;
    QString folder;
    std::optional<KivFormatCatalogue> loaded;
};

} // namespace

bool kivResolvePlan(const KivFileSizeRequest &request, KivResolved &resolved, QString &error)
{
    KivPlan plan;
    QString folder;
    if (!readPlan(request.plan.value_or(QString()), plan, folder, error)) {
        return false;
    }
    // The proxy first: a format is quick to look up, clips take a while.
    Sources sources(request, resolved, folder);
    if (plan.proxy) {
        resolved.proxy = sources.resolve(*plan.proxy, kivPlanProxyPlace(), error);
        if (!resolved.proxy) {
            return false;
        }
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        std::optional<KivBitrateSource> source =
            sources.resolve(plan.cameras[i].source, kivPlanCameraPlace(i), error);
        if (!source) {
            return false;
        }
        resolved.cameras << std::move(*source);
    }
    resolved.plan = std::move(plan);
    return true;
}
