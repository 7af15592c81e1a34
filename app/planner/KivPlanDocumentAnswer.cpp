// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The document's answer: each rate resolved as kivfilesize resolves it, the
// finished cameras answered, the first fault and its place; the plan as it
// is saved elsewhere.
#include "KivPlanDocument.h"

#include "KivPlanFaultWords.h"
#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"

#include <QDir>

namespace {

// A rate any check takes, standing in for an unfinished camera's.
constexpr double STAND_IN_MBPS = 1;

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
        const char *const members[] = {"days", "copies", "card_size", "drive_size",
                                       "offload_mbyte_s"};
        for (int f = 0; f < int(std::size(members)); ++f) {
            if (member == QLatin1String(members[f])) {
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

// The fault at the camera `row` of the whole plan, of one at another index.
KivPlanPlace movedTo(const KivPlanPlace &place, int row)
{
    KivPlanPlace moved = KivPlanPlace::ofCamera(row);
    if (!place.member.isEmpty()) {
        moved = moved.child(place.member);
    }
    return place.element >= 0 ? moved.at(place.element) : moved;
}

} // namespace

bool KivPlanDocument::rate(const KivPlanSource &source, int row, std::optional<double> &mbps,
                           KivPlanFault &fault)
{
    const KivPlanPlace place = row < 0 ? KivPlanPlace::ofProxy() : KivPlanPlace::ofCamera(row);
    if (const std::optional<double> typed = kivPlanTypedMbps(source)) {
        mbps = kivPlanWithAudio(source, *typed);
        return true;
    }
    if (std::holds_alternative<KivPlanClips>(source.from)) {
        const Measure *m = row < 0 ? nullptr : measure(row);
        if (m != nullptr && m->mbps) {
            mbps = m->mbps;
            return true;
        }
        fault.place = place.child(QStringLiteral("clips"));
        fault.kind = KivPlanFaultKind::ClipsRefused;
        fault.detail = m != nullptr ? m->problem : QString();
        return false;
    }
    const std::optional<KivFormatChoice> choice =
        kivPlanChooseFormat(catalogue(), source, place, fault);
    if (choice) {
        mbps = kivPlanWithAudio(source, choice->rate.mbps);
    }
    return choice.has_value();
}

bool KivPlanDocument::timesRead(KivPlanFault &fault) const
{
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
    fault_.clear();
    faultPlace_ = Place();
    // Unfinished cameras are checked with a rate that passes, then left out.
    KivPlan checked = plan_;
    KivPlan finished = plan_;
    finished.cameras.clear();
    QList<int> finishedRows;
    for (int i = 0; i < rows_.size(); ++i) {
        if (unfinished(i)) {
            checked.cameras[i].source = KivPlanSource{KivPlanBitrate{STAND_IN_MBPS}, {}};
        } else {
            finished.cameras << plan_.cameras[i];
            finishedRows << i;
        }
    }
    QList<double> rates;
    std::optional<double> proxyRate;
    KivPlanFault fault;
    bool ok = kivCheckPlan(checked, fault) && timesRead(fault) &&
              (!plan_.proxy || rate(*plan_.proxy, -1, proxyRate, fault));
    for (qsizetype j = 0; ok && j < finishedRows.size(); ++j) {
        std::optional<double> mbps;
        ok = rate(plan_.cameras[finishedRows[j]].source, finishedRows[j], mbps, fault);
        if (ok) {
            rates << *mbps;
        }
    }
    KivPlanAnswer answer;
    if (ok && !finishedRows.isEmpty() &&
        !kivPlanAnswer(finished, rates, proxyRate, answer, fault)) {
        ok = false;
        // The finished cameras' places are theirs in the whole plan.
        const qsizetype j = fault.place.camera;
        if (fault.place.object == KivPlanPlace::Object::Camera && j >= 0 &&
            j < finishedRows.size()) {
            fault.place = movedTo(fault.place, finishedRows[j]);
        }
    }
    if (!ok) {
        fault_ = words(fault);
        faultPlace_ = placeOf(fault);
    } else if (!finishedRows.isEmpty()) {
        totals_ = answer;
        for (qsizetype j = 0; j < finishedRows.size(); ++j) {
            figures_[finishedRows[j]] = answer.cameras[j];
        }
        if (finishedRows.size() == rows_.size()) {
            answer_ = answer;
        }
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
