// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Plan files on disk: read whole within the size limit, written whole or not
// at all.
#include "calc/KivDisplay.h"
#include "plan/KivPlanFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool kivReadPlanDevice(QFile &file, const QString &origin, KivPlan &plan, QString &error)
{
    // A pipe gives what it holds at the moment, so read on until its end; one
    // byte more than allowed tells a file that is too large without reading
    // an endless one (/dev/zero) to its end.
    QByteArray json;
    while (json.size() <= kivMaxPlanFileBytes) {
        const QByteArray chunk = file.read(kivMaxPlanFileBytes + 1 - json.size());
        if (file.error() != QFileDevice::NoError) {
            error = kivCannotRead(kivEscaped(origin), file.errorString());
            return false;
        }
        if (chunk.isEmpty()) {
            break;
        }
        json += chunk;
    }
    if (json.size() > kivMaxPlanFileBytes) {
        error = kivEscaped(origin) + QLatin1String(": larger than 1 MiB; not read");
        return false;
    }
    return kivReadPlan(json, origin, plan, error);
}

bool kivReadPlanFile(const QString &path, KivPlan &plan, QString &error)
{
    if (QFileInfo(path).isDir()) {
        error = kivEscaped(path) + QLatin1String(": a folder, not a plan file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = kivCannotRead(kivEscaped(path), file.errorString());
        return false;
    }
    return kivReadPlanDevice(file, path, plan, error);
}

bool kivWritePlanFile(const QString &path, const KivPlan &plan, QString &error)
{
    if (!kivCheckPlan(plan, error)) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = kivCannotWrite(kivEscaped(path), file.errorString());
        return false;
    }
    file.write(kivWritePlan(plan));
    if (!file.commit()) {
        error = kivCannotWrite(kivEscaped(path), file.errorString());
        return false;
    }
    return true;
}
