// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Plan files on disk: read whole within the size limit, written whole or not
// at all.
#include "KivPlanRules.h"
#include "calc/KivFileOpen.h"
#include "plan/KivPlanFile.h"

#include <QFile>

namespace {

using K = KivPlanFaultKind;

KivPlanFault fileFault(const QString &name, K kind, const QString &detail = QString())
{
    KivPlanFault fault = kivPlanFault(KivPlanPlace::ofFile(name), kind);
    fault.detail = detail;
    return fault;
}

} // namespace

bool kivReadPlanDevice(QFile &file, const QString &origin, KivPlan &plan, KivPlanFault &fault)
{
    // A pipe gives what it holds at the moment, so read on until its end; one
    // byte more than allowed tells a file that is too large without reading
    // an endless one (/dev/zero) to its end.
    QByteArray json;
    while (json.size() <= kivMaxPlanFileBytes) {
        const QByteArray chunk = file.read(kivMaxPlanFileBytes + 1 - json.size());
        if (file.error() != QFileDevice::NoError) {
            fault = fileFault(origin, K::Unreadable, file.errorString());
            return false;
        }
        if (chunk.isEmpty()) {
            break;
        }
        json += chunk;
    }
    if (json.size() > kivMaxPlanFileBytes) {
        fault = fileFault(origin, K::TooLarge);
        fault.highest = double(kivMaxPlanFileBytes);
        return false;
    }
    return kivReadPlan(json, origin, plan, fault);
}

bool kivReadPlanDevice(QFile &file, const QString &origin, KivPlan &plan, QString &error)
{
    return kivPlanWorded(
        error, [&](KivPlanFault &fault) { return kivReadPlanDevice(file, origin, plan, fault); });
}

bool kivReadPlanFile(const QString &path, KivPlan &plan, KivPlanFault &fault)
{
    QFile file;
    QString reason;
    switch (kivOpenRegularFile(path, file, reason)) {
    case KivFileOpened::Regular:
        return kivReadPlanDevice(file, path, plan, fault);
    case KivFileOpened::Folder:
        fault = fileFault(path, K::Folder);
        return false;
    case KivFileOpened::NotRegular:
        fault = fileFault(path, K::NotRegularFile);
        return false;
    case KivFileOpened::Unopened:
        break;
    }
    fault = fileFault(path, K::Unreadable, reason);
    return false;
}

bool kivReadPlanFile(const QString &path, KivPlan &plan, QString &error)
{
    return kivPlanWorded(error,
                         [&](KivPlanFault &fault) { return kivReadPlanFile(path, plan, fault); });
}

bool kivWritePlanFile(const QString &path, const KivPlan &plan, KivPlanFault &fault)
{
    if (!kivCheckPlan(plan, fault)) {
        return false;
    }
    QString reason;
    if (!kivWriteFileWhole(path, kivWritePlan(plan), reason)) {
        fault = fileFault(path, K::Unwritable, reason);
        return false;
    }
    return true;
}

bool kivWritePlanFile(const QString &path, const KivPlan &plan, QString &error)
{
    return kivPlanWorded(error,
                         [&](KivPlanFault &fault) { return kivWritePlanFile(path, plan, fault); });
}
