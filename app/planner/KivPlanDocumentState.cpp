// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The document's state as its commands and the clip reader set it: each change
// applied at once, with the model told exactly what changed.

#include "KivPlanDocument.h"

#include "KivPlanCameraModel.h"

void KivPlanDocument::putRow(int id, const KivPlanRow &row)
{
    const int i = rowOf(id);
    if (i < 0) {
        return;
    }
    const KivPlanRow before = std::exchange(rows_[i], row);
    plan_.cameras[i] = row.camera;
    const bool changed[Cells] = {
        before.camera.name != row.camera.name, before.count != row.count, before.time != row.time,
        before.rate != row.rate || before.camera.source != row.camera.source};
    int first = Cells;
    int last = -1;
    for (int c = 0; c < Cells; ++c) {
        if (changed[c]) {
            first = std::min(first, c);
            last = c;
        }
    }
    if (last >= 0) {
        emit cameraChanged(i, first, last);
    }
    recompute();
}

void KivPlanDocument::putSettings(const KivPlanSettings &settings)
{
    settings_ = settings;
    const QList<KivPlanCamera> cameras = plan_.cameras;
    plan_ = settings.plan;
    plan_.cameras = cameras;
    emit settingsChanged();
    recompute();
}

void KivPlanDocument::putRows(int at, const QList<KivPlanRow> &rows)
{
    emit aboutToInsert(at, at + int(rows.size()) - 1);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        rows_.insert(at + i, rows[i]);
        plan_.cameras.insert(at + i, rows[i].camera);
    }
    emit inserted();
    recompute();
}

void KivPlanDocument::takeRows(int at, int count)
{
    emit aboutToRemove(at, at + count - 1);
    rows_.remove(at, count);
    plan_.cameras.remove(at, count);
    emit removed();
    recompute();
}

void KivPlanDocument::setMeasuring(int id, bool measuring)
{
    const int row = rowOf(id);
    if (row >= 0) {
        Measure &m = measures[id];
        m.measuring = measuring;
        if (measuring && std::holds_alternative<KivPlanClips>(rows_[row].camera.source.from)) {
            m.paths = clipPaths(row);
        }
        emit cameraChanged(row, Bitrate, Bitrate);
        recompute();
    }
}

void KivPlanDocument::setMeasured(int id, double mbps, const QString &note)
{
    const int row = rowOf(id);
    if (row >= 0) {
        measures[id] = Measure{clipPaths(row), mbps, note, QString(), false};
        emit cameraChanged(row, Bitrate, Bitrate);
        recompute();
    }
}

void KivPlanDocument::setUnmeasured(int id, const QString &problem)
{
    const int row = rowOf(id);
    if (row >= 0) {
        measures[id] = Measure{clipPaths(row), std::nullopt, QString(), problem, false};
        emit cameraChanged(row, Bitrate, Bitrate);
        recompute();
    }
}
