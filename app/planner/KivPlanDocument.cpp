// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanDocument.h"

#include "KivPlanCameraModel.h"
#include "KivPlanCommands.h"
#include "calc/KivDisplay.h"

#include <QUndoStack>

namespace {

bool isTyped(const KivPlanSource &source)
{
    return kivPlanTypedMbps(source).has_value();
}

} // namespace

KivPlanDocument::KivPlanDocument(QObject *parent) : QObject(parent), stack(new QUndoStack(this)) {}

KivPlanRow KivPlanDocument::newCamera(const QString &name, const QString &folder)
{
    KivPlanRow row;
    row.camera = KivPlanCamera{name, 1, 3600, {}};
    row.time = kivTimeText(3600);
    row.folder = folder;
    return row;
}

KivPlanRow KivPlanDocument::row(const KivPlanCamera &camera, const QString &folder)
{
    KivPlanRow row;
    row.camera = camera;
    row.count = QString::number(camera.count);
    row.time = camera.secondsPerDay ? kivTimeText(*camera.secondsPerDay) : QString();
    const std::optional<double> typed = kivPlanTypedMbps(camera.source);
    row.rate = typed ? KivLocalNumbers().text(*typed) : QString();
    row.folder = folder;
    return row;
}

int KivPlanDocument::whole(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return text.trimmed().isEmpty() ? 1 : ok ? n : 0;
}

QString KivPlanDocument::cameraName(int row, const QString &name)
{
    // A camera named after its row is not named twice.
    const QString numbered = tr("Camera %1").arg(row + 1);
    return name.trimmed().isEmpty() || name == numbered
               ? numbered
               : tr("Camera %1, %2").arg(row + 1).arg(kivEscaped(name, 80));
}

int KivPlanDocument::rowOf(int id) const
{
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) {
            return int(i);
        }
    }
    return -1;
}

QStringList KivPlanDocument::clipPaths(int row) const
{
    const KivPlanRow &r = rows_[row];
    const auto *clips = std::get_if<KivPlanClips>(&r.camera.source.from);
    return clips != nullptr ? kivPlanClipPaths(*clips, r.folder) : QStringList();
}

const KivPlanDocument::Measure *KivPlanDocument::measure(int row) const
{
    const auto found = measures.constFind(rows_[row].id);
    return found != measures.constEnd() && !clipPaths(row).isEmpty() &&
                   found->paths == clipPaths(row)
               ? &*found
               : nullptr;
}

bool KivPlanDocument::measuring(int row) const
{
    return measures.value(rows_[row].id).measuring;
}

QString KivPlanDocument::measuredNote(int row) const
{
    const Measure *m = measure(row);
    return m != nullptr ? m->note : QString();
}

bool KivPlanDocument::unfinished(int row) const
{
    const KivPlanSource &source = rows_[row].camera.source;
    if (measuring(row) || std::holds_alternative<KivPlanNoRate>(source.from) ||
        (!rows_[row].camera.secondsPerDay && rows_[row].timeProblem.isEmpty())) {
        return true;
    }
    if (std::holds_alternative<KivPlanClips>(source.from)) {
        const Measure *m = measure(row);
        return m == nullptr || (!m->mbps && m->problem.isEmpty());
    }
    return false;
}

KivPlanSettings KivPlanDocument::settingsOf(const KivPlan &plan, const KivFormatCatalogue *formats)
{
    const KivLocalNumbers numbers;
    const auto text = [&numbers](std::optional<double> x) {
        return x ? numbers.text(*x) : QString();
    };
    KivPlanSettings settings;
    settings.plan = plan;
    settings.plan.cameras.clear();
    settings.texts[KivPlanSettings::Days] = QString::number(plan.days);
    settings.texts[KivPlanSettings::Copies] = QString::number(plan.copies);
    settings.texts[KivPlanSettings::CardSize] = text(plan.cardSize);
    settings.texts[KivPlanSettings::DriveSize] = text(plan.driveSize);
    settings.texts[KivPlanSettings::Offload] = text(plan.offloadMbytesPerSec);
    settings.texts[KivPlanSettings::DayLength] =
        plan.dayLength ? kivTimeText(*plan.dayLength) : QString();
    settings.texts[KivPlanSettings::Handoff] =
        plan.handoffSeconds != 0 || plan.dayLength ? kivTimeText(plan.handoffSeconds) : QString();
    settings.texts[KivPlanSettings::Readers] = QString::number(plan.readers);
    const std::optional<double> typed = plan.proxy ? kivPlanTypedMbps(*plan.proxy) : std::nullopt;
    settings.texts[KivPlanSettings::Proxy] =
        typed        ? numbers.text(*typed)
        : plan.proxy ? KivPlanCameraModel::sourceText(*plan.proxy, numbers, formats)
                     : QString();
    return settings;
}

void KivPlanDocument::reset(const KivPlanSettings &settings, const QList<KivPlanRow> &rows)
{
    emit aboutToReset();
    settings_ = settings;
    plan_ = settings.plan;
    rows_ = rows;
    for (KivPlanRow &row : rows_) {
        row.id = nextId++;
        plan_.cameras << row.camera;
    }
    measures.clear();
    stack->clear();
    endTyping();
    emit wasReset();
    emit settingsChanged();
    recompute();
}

void KivPlanDocument::setField(KivPlanSettings::Field field, const QString &text)
{
    KivPlanSettings after = settings_;
    after.texts[field] = text;
    after.problems[field].clear();
    KivPlan &p = after.plan;
    const bool empty = text.trimmed().isEmpty();
    const std::optional<double> number =
        empty ? std::nullopt : std::optional<double>(KivLocalNumbers().read(text));
    switch (field) {
    case KivPlanSettings::Days:
        p.days = whole(text);
        break;
    case KivPlanSettings::Copies:
        p.copies = whole(text);
        break;
    case KivPlanSettings::CardSize:
        p.cardSize = number;
        break;
    case KivPlanSettings::DriveSize:
        p.driveSize = number;
        break;
    case KivPlanSettings::Offload:
        p.offloadMbytesPerSec = number;
        break;
    case KivPlanSettings::DayLength:
    case KivPlanSettings::Handoff: {
        // An empty day length plans no day; an empty handoff is none.
        std::optional<std::uint32_t> seconds;
        if (!empty) {
            seconds = kivReadTime(text, after.problems[field]);
        }
        if (field == KivPlanSettings::DayLength) {
            p.dayLength = seconds;
        } else {
            p.handoffSeconds = seconds.value_or(0);
        }
        break;
    }
    case KivPlanSettings::Readers:
        p.readers = whole(text);
        break;
    default: {
        // A typed proxy keeps the audio a typed one had; a format's goes.
        const std::optional<KivAudio> audio =
            p.proxy && isTyped(*p.proxy) ? p.proxy->audio : std::nullopt;
        p.proxy.reset();
        if (number) {
            p.proxy = KivPlanSource{KivPlanBitrate{*number}, audio};
        }
        break;
    }
    }
    editSettings(after, field, tr("Typing"));
}

void KivPlanDocument::setUnits(KivCardUnits units)
{
    KivPlanSettings after = settings_;
    after.plan.units = units;
    editSettings(after, -1, tr("Units"));
}

void KivPlanDocument::setVerify(bool verify)
{
    KivPlanSettings after = settings_;
    after.plan.verify = verify;
    editSettings(after, -1, tr("Verify"));
}

void KivPlanDocument::setProxySource(const std::optional<KivPlanSource> &source)
{
    KivPlanSettings after = settings_;
    after.plan.proxy = source;
    after.texts[KivPlanSettings::Proxy] =
        source ? KivPlanCameraModel::sourceText(*source, KivLocalNumbers(), &catalogue())
               : QString();
    editSettings(after, -1, tr("Choose Format"));
}

void KivPlanDocument::editSettings(const KivPlanSettings &after, int field, const QString &text)
{
    if (after != settings_) {
        stack->push(new KivPlanSettingsCommand(this, settings_, after, field < 0 ? -1 : session,
                                               field, text));
    }
    if (field < 0) {
        endTyping();
    }
}

bool KivPlanDocument::setCell(int row, int cell, const QString &text)
{
    if (row < 0 || row >= rows_.size() || cell < 0 || cell >= Cells) {
        return false;
    }
    KivPlanRow after = rows_[row];
    bool stopped = false; // measuring the camera's clips
    switch (cell) {
    case Name:
        after.camera.name = text;
        break;
    case Count:
        after.count = text;
        after.camera.count = whole(text);
        break;
    case Time: {
        // No time yet leaves the camera unfinished; one that cannot be read
        // is a fault, kept as typed.
        after.time = text;
        QString problem;
        const std::optional<std::uint32_t> seconds =
            text.trimmed().isEmpty() ? std::nullopt : kivReadTime(text, problem);
        after.camera.secondsPerDay = seconds;
        after.timeProblem = seconds ? QString() : problem;
        break;
    }
    default: {
        // A typed bitrate keeps the audio a typed one had; a format's or
        // clips' go with them. None typed is no rate yet.
        const KivPlanSource &source = after.camera.source;
        const std::optional<KivAudio> audio = isTyped(source) ? source.audio : std::nullopt;
        after.camera.source =
            text.trimmed().isEmpty()
                ? KivPlanSource{KivPlanNoRate{}, std::nullopt}
                : KivPlanSource{KivPlanBitrate{KivLocalNumbers().read(text)}, audio};
        after.rate = text;
        stopped = std::exchange(measures[after.id].measuring, false);
        break;
    }
    }
    editRow(row, after, cell, tr("Typing"), stopped);
    return true;
}

void KivPlanDocument::cancelTyping()
{
    const auto *top =
        stack->index() > 0
            ? dynamic_cast<const KivPlanRowCommand *>(stack->command(stack->index() - 1))
            : nullptr;
    if (top != nullptr && top->typing() == session) {
        stack->push(new KivPlanRowCommand(this, top->start(), top->start(), session,
                                          top->typedCell(), QString()));
    }
    endTyping();
}

void KivPlanDocument::setSource(int row, const KivPlanSource &source)
{
    if (row < 0 || row >= rows_.size()) {
        return;
    }
    KivPlanRow after = rows_[row];
    after.camera.source = source;
    after.rate = isTyped(source) ? KivLocalNumbers().text(*kivPlanTypedMbps(source)) : QString();
    const bool stopped = std::exchange(measures[after.id].measuring, false);
    editRow(row, after, -1, tr("Choose Format"), stopped);
}

void KivPlanDocument::setClips(int id, const QStringList &paths, double mbps, const QString &note)
{
    const int row = rowOf(id);
    if (row < 0) {
        return;
    }
    KivPlanRow after = rows_[row];
    const KivPlanClips clips{paths};
    after.camera.source = KivPlanSource{clips, std::nullopt};
    after.rate.clear();
    measures[id] = Measure{kivPlanClipPaths(clips, after.folder), mbps, note, QString(), false};
    if (after == rows_[row]) {
        emit cameraChanged(row, Bitrate, Bitrate);
        recompute();
    } else {
        editRow(row, after, -1, tr("Measure Clips"), false);
    }
}

void KivPlanDocument::editRow(int row, const KivPlanRow &after, int cell, const QString &text,
                              bool stopped)
{
    if (after != rows_[row]) {
        stack->push(
            new KivPlanRowCommand(this, rows_[row], after, cell < 0 ? -1 : session, cell, text));
    } else if (stopped) {
        // Not an edit, but the camera no longer waits for its clips.
        emit cameraChanged(row, Bitrate, Bitrate);
        recompute();
    }
    if (cell < 0) {
        endTyping();
    }
}

bool KivPlanDocument::insertCameras(int at, const QList<KivPlanRow> &rows)
{
    if (at < 0 || at > rows_.size() || rows.isEmpty()) {
        return false;
    }
    QList<KivPlanRow> added = rows;
    for (KivPlanRow &row : added) {
        row.id = nextId++;
    }
    stack->push(new KivPlanCamerasCommand(this, at, added, false, tr("Add Camera")));
    endTyping();
    return true;
}

bool KivPlanDocument::removeCameras(int at, int count)
{
    if (at < 0 || count < 1 || at + count > rows_.size()) {
        return false;
    }
    stack->push(
        new KivPlanCamerasCommand(this, at, rows_.mid(at, count), true, tr("Remove Camera")));
    endTyping();
    return true;
}
