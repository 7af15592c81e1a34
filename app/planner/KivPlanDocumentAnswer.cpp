// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The document's answer: each rate resolved as kivfilesize resolves it, the
// finished cameras answered, the first fault and its place; the plan as it
// is saved elsewhere.
#include "KivPlanDocument.h"

#include "KivPlanFaultWords.h"
#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"
#include "plan/KivPlanRate.h"

#include <QDir>

namespace {

// Where a fault lies in the window.
KivPlanDocument::Place placeOf(const KivPlanFault &fault)
{
    KivPlanDocument::Place place;
    const QString &member = fault.place.member;
    switch (fault.place.object) {
    case KivPlanPlace::Object::Camera:
        place.row = int(fault.place.camera);
        place.cell = member == QLatin1String("name")           ? KivPlanDocument::Name
                     : member == QLatin1String("count")        ? KivPlanDocument::Count
                     : member == QLatin1String("time_per_day") ? KivPlanDocument::Time
                                                               : KivPlanDocument::Bitrate;
        break;
    case KivPlanPlace::Object::Proxy:
        place.field = KivPlanSettings::Proxy;
        break;
    case KivPlanPlace::Object::Plan: {
        // In the order of KivPlanSettings::Field; the proxy is an object.
        const char *const members[] = {"days",       "copies",          "card_size",
                                       "drive_size", "offload_mbyte_s", "",
                                       "day_length", "handoff",         "readers"};
        for (int f = 0; f < int(std::size(members)); ++f) {
            if (!member.isEmpty() && member == QLatin1String(members[f])) {
                place.field = f;
            }
        }
        break;
    }
    default:
        break;
    }
    return place;
}

} // namespace

bool KivPlanDocument::timesRead(KivPlanFault &fault) const
{
    const std::pair<KivPlanSettings::Field, const char *> times[] = {
        {KivPlanSettings::DayLength, "day_length"}, {KivPlanSettings::Handoff, "handoff"}};
    for (const auto &[field, member] : times) {
        if (!settings_.problems[field].isEmpty()) {
            fault = KivPlanFault();
            fault.place = KivPlanPlace::ofPlan().child(QLatin1String(member));
            fault.kind = KivPlanFaultKind::TimeUnreadable;
            fault.text = settings_.texts[field];
            fault.detail = settings_.problems[field];
            return false;
        }
    }
    for (int i = 0; i < rows_.size(); ++i) {
        if (!rows_[i].timeProblem.isEmpty()) {
            fault = KivPlanFault();
            fault.place = KivPlanPlace::ofCamera(i).child(QStringLiteral("time_per_day"));
            fault.kind = KivPlanFaultKind::TimeUnreadable;
            fault.text = rows_[i].time;
            fault.detail = rows_[i].timeProblem;
            return false;
        }
    }
    return true;
}

QString KivPlanDocument::words(const KivPlanFault &fault) const
{
    const qsizetype row = fault.place.camera;
    const bool shown =
        fault.place.object == KivPlanPlace::Object::Camera && row >= 0 && row < rows_.size();
    return KivPlanFaultWords::text(
        fault, cameraName(int(row), shown ? rows_[row].camera.name : QString()));
}

bool KivPlanDocument::readable(QString &error) const
{
    KivPlanFault fault;
    if (!kivCheckPlan(plan_, fault) || !timesRead(fault)) {
        error = words(fault);
        return false;
    }
    return true;
}

void KivPlanDocument::recompute()
{
    answer_.reset();
    totals_.reset();
    figures_ = QList<std::optional<KivPlanCameraAnswer>>(rows_.size());
    dayCards_ = QList<std::optional<int>>(rows_.size());
    fault_.clear();
    faultPlace_ = Place();
    wholeFault = false;
    // What is known of each camera's clips; none while they are measured.
    QList<std::optional<KivPlanMeasuredClips>> clips(rows_.size());
    for (int i = 0; i < rows_.size(); ++i) {
        const Measure *m = measure(i);
        if (!measuring(i) && m != nullptr && (m->mbps || !m->problem.isEmpty())) {
            clips[i] = KivPlanMeasuredClips{m->mbps, m->problem};
        }
    }
    const KivPlanRates rates = kivPlanRates(
        plan_, [this]() -> const KivFormatCatalogue & { return catalogue(); },
        [&clips](qsizetype i) { return clips[i] ? &*clips[i] : nullptr; });
    KivPlanFault fault;
    KivPlanAnswer answer;
    if (!timesRead(fault) || !kivPlanAnswer(plan_, rates, answer, fault)) {
        wholeFault = true;
        fault_ = words(fault);
        faultPlace_ = placeOf(fault);
        emit answered();
        return;
    }
    for (int i = 0; i < rows_.size(); ++i) {
        const std::optional<KivPlanFault> &left = answer.cameras.value(i).fault;
        if (!left) {
            figures_[i] = answer.cameras[i];
            if (answer.day) {
                dayCards_[i] = answer.day->cards.value(i);
            }
        } else if (!unfinished(i) && fault_.isEmpty()) {
            // The first camera at fault is shown; the others keep their figures.
            fault_ = words(*left);
            faultPlace_ = placeOf(*left);
        }
    }
    if (answer.incomplete.size() < rows_.size()) {
        totals_ = answer;
    }
    if (answer.incomplete.isEmpty()) {
        answer_ = answer;
    }
    emit answered();
}

KivPlan KivPlanDocument::planIn(const QString &folder) const
{
    KivPlan p = plan_;
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (auto *clips = std::get_if<KivPlanClips>(&p.cameras[i].source.from)) {
            if (QDir(rows_[i].folder) != QDir(folder)) {
                clips->paths = kivPlanClipPaths(*clips, rows_[i].folder);
            }
        }
    }
    return p;
}

void KivPlanDocument::moveClipsTo(const QString &folder)
{
    const KivPlan moved = planIn(folder);
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const bool changed = rows_[i].camera != moved.cameras[i];
        rows_[i].camera = moved.cameras[i];
        rows_[i].folder = folder;
        if (changed) {
            emit cameraChanged(int(i), Bitrate, Bitrate);
        }
    }
    plan_.cameras = moved.cameras;
}

const KivFormatCatalogue &KivPlanDocument::catalogue()
{
    if (!formats) {
        formats = kivLoadFormats().catalogue;
    }
    return *formats;
}

QString KivPlanDocument::incomplete() const
{
    QStringList left;
    for (int i = 0; i < rows_.size(); ++i) {
        if (unfinished(i)) {
            const QString name = cameraName(i, rows_[i].camera.name);
            left << (measuring(i) ? tr("%1 (measuring its clips…)").arg(name)
                                  : tr("%1 (no bitrate yet)").arg(name));
        }
    }
    if (left.isEmpty()) {
        return QString();
    }
    // A long list stays one readable line.
    constexpr int NAMED = 3;
    const qsizetype more = left.size() - NAMED;
    if (more > 0) {
        left = left.mid(0, NAMED);
        left << tr("%1 more").arg(more);
    }
    return tr("The totals leave out %1.").arg(left.join(QStringLiteral("; ")));
}
