// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The document's answer: each rate resolved as kivfilesize resolves it, the
// finished cameras answered, the first fault and its place.
#include "KivPlanDocument.h"

#include "calc/KivDisplay.h"

#include <QRegularExpression>

namespace {

// A rate any check takes, standing in for an unfinished camera's.
constexpr double STAND_IN_MBPS = 1;

// Where the plan library's one-line fault lies: the text before its first
// ": " names the place.
KivPlanDocument::Place placeOf(const QString &fault)
{
    KivPlanDocument::Place place;
    const QString where = fault.left(fault.indexOf(QStringLiteral(": ")));
    static const QRegularExpression cameraPlace(
        QStringLiteral("^cameras\\[(\\d+)\\](?:\\.([a-z_]+))?"));
    const QRegularExpressionMatch match = cameraPlace.match(where);
    if (match.hasMatch()) {
        const QString member = match.captured(2);
        place.row = match.captured(1).toInt();
        place.cell = member == QLatin1String("count")          ? KivPlanDocument::Count
                     : member == QLatin1String("time_per_day") ? KivPlanDocument::Time
                                                               : KivPlanDocument::Bitrate;
        return place;
    }
    const char *const members[] = {"days",       "copies",          "card_size",
                                   "drive_size", "offload_mbyte_s", "proxy",
                                   "day_length", "handoff",         "readers"};
    for (int f = 0; f < KivPlanSettings::Fields; ++f) {
        const QLatin1String member(members[f]);
        if (where == member || where.startsWith(member + QLatin1Char('.'))) {
            place.field = f;
        }
    }
    return place;
}

} // namespace

bool KivPlanDocument::rate(const KivPlanSource &source, int row, std::optional<double> &mbps)
{
    const QString place = row < 0 ? kivPlanProxyPlace() : kivPlanCameraPlace(row);
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
        fault_ = place + QStringLiteral(".clips: ") + (m != nullptr ? m->problem : QString());
        return false;
    }
    const std::optional<KivFormatChoice> choice =
        kivPlanChooseFormat(catalogue(), source, place, fault_);
    if (choice) {
        mbps = kivPlanWithAudio(source, choice->rate.mbps);
    }
    return choice.has_value();
}

bool KivPlanDocument::readableFields(QString &error) const
{
    static const char *const members[] = {"day_length", "handoff"};
    const KivPlanSettings::Field times[] = {KivPlanSettings::DayLength, KivPlanSettings::Handoff};
    for (int t = 0; t < 2; ++t) {
        if (!settings_.problems[times[t]].isEmpty()) {
            error = QLatin1String(members[t]) + QLatin1String(": ") + settings_.problems[times[t]];
            return false;
        }
    }
    return true;
}

bool KivPlanDocument::readable(QString &error) const
{
    if (!kivCheckPlan(plan_, error) || !readableFields(error)) {
        return false;
    }
    for (int i = 0; i < rows_.size(); ++i) {
        if (!rows_[i].timeProblem.isEmpty()) {
            error =
                kivPlanCameraPlace(i) + QStringLiteral(".time_per_day: ") + rows_[i].timeProblem;
            return false;
        }
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
    bool ok = readableFields(fault_) && kivCheckPlan(checked, fault_);
    if (ok) {
        for (int i = 0; i < rows_.size(); ++i) {
            if (!rows_[i].timeProblem.isEmpty()) {
                fault_ = kivPlanCameraPlace(i) + QStringLiteral(".time_per_day: ") +
                         rows_[i].timeProblem;
                ok = false;
                break;
            }
        }
    }
    ok = ok && (!plan_.proxy || rate(*plan_.proxy, -1, proxyRate));
    for (qsizetype j = 0; ok && j < finishedRows.size(); ++j) {
        std::optional<double> mbps;
        ok = rate(plan_.cameras[finishedRows[j]].source, finishedRows[j], mbps);
        if (ok) {
            rates << *mbps;
        }
    }
    KivPlanAnswer answer;
    if (ok && !finishedRows.isEmpty() &&
        !kivPlanAnswer(finished, rates, proxyRate, answer, fault_)) {
        ok = false;
        // The finished cameras' places are theirs in the whole plan.
        for (qsizetype j = 0; j < finishedRows.size(); ++j) {
            const QString place = kivPlanCameraPlace(j);
            const QChar after = fault_.size() > place.size() ? fault_[place.size()] : QChar();
            if (fault_.startsWith(place) && (after == ':' || after == '.')) {
                fault_ = kivPlanCameraPlace(finishedRows[j]) + fault_.mid(place.size());
                break;
            }
        }
    }
    if (!ok) {
        faultPlace_ = placeOf(fault_);
    } else if (!finishedRows.isEmpty()) {
        totals_ = answer;
        for (qsizetype j = 0; j < finishedRows.size(); ++j) {
            figures_[finishedRows[j]] = answer.cameras[j];
            if (answer.day) {
                dayCards_[finishedRows[j]] = answer.day->cards.value(j);
            }
        }
        if (finishedRows.size() == rows_.size()) {
            answer_ = answer;
        }
    }
    emit answered();
}
