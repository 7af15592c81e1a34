// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's cameras: added, removed, a format chosen for one, and clips
// measured for one, dropped on its row or chosen, one camera at a time.
#include "app/KivPlanner.h"
#include "ui_KivPlanner.h"

#include "KivPlanCameraModel.h"
#include "app/KivClipChild.h"
#include "app/KivFormatChooser.h"
#include "calc/KivDisplay.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

void KivPlanner::on_actionAddCamera_triggered()
{
    const QModelIndex at = ui->cameras->currentIndex();
    const int row = at.isValid() ? at.row() + 1 : model->rowCount();
    KivPlanRow camera;
    camera.name = tr("Camera %1").arg(model->rowCount() + 1);
    camera.time = QStringLiteral("01:00:00");
    camera.folder = QFileInfo(path).absolutePath();
    model->insertCamera(row, camera);
    const QModelIndex name = model->index(row, KivPlanCameraModel::Name);
    ui->cameras->setFocus();
    ui->cameras->setCurrentIndex(name);
    ui->cameras->edit(name);
}

void KivPlanner::on_actionRemoveCamera_triggered()
{
    const QModelIndex at = ui->cameras->currentIndex();
    if (at.isValid()) {
        model->removeRows(at.row(), 1);
    }
}

void KivPlanner::on_actionChooseFormat_triggered()
{
    const QModelIndex at = ui->cameras->currentIndex();
    if (at.isValid()) {
        chooseFormat(at.row());
    }
}

void KivPlanner::on_proxyFormat_clicked()
{
    chooseFormat(-1);
}

void KivPlanner::on_actionMeasureClips_triggered()
{
    const QModelIndex at = ui->cameras->currentIndex();
    if (!at.isValid()) {
        return;
    }
    const int id = model->rows()[at.row()].id;
    const QList<QUrl> urls = QFileDialog::getOpenFileUrls(this, tr("Measure Clips"));
    if (!urls.isEmpty()) {
        measure(id, urls, true);
    }
}

void KivPlanner::on_actionMeasureFolder_triggered()
{
    const QModelIndex at = ui->cameras->currentIndex();
    if (!at.isValid()) {
        return;
    }
    const int id = model->rows()[at.row()].id;
    const QUrl folder = QFileDialog::getExistingDirectoryUrl(this, tr("Measure a Card Folder"));
    if (!folder.isEmpty()) {
        measure(id, {folder}, true);
    }
}

// The chooser for the camera at `row`, or for the proxy where `row` is -1,
// showing its format where it has one.
void KivPlanner::chooseFormat(int row)
{
    const std::optional<KivPlanSource> source =
        row >= 0 ? std::optional<KivPlanSource>(model->rows()[row].source) : proxy;
    auto *chooser = new KivFormatChooser(this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    if (source) {
        if (const auto *format = std::get_if<KivPlanFormat>(&source->from)) {
            chooser->select(format->name, format->frame, format->fps, source->audio);
        }
    }
    const int id = row >= 0 ? model->rows()[row].id : 0;
    connect(chooser, &QDialog::accepted, this, [this, chooser, id] {
        const std::optional<KivFormatChooser::Choice> choice = chooser->choice();
        if (!choice) {
            return;
        }
        const KivPlanSource chosen{KivPlanFormat{choice->id, choice->frame, choice->fps},
                                   choice->audio};
        if (id == 0) {
            proxy = chosen;
            ui->proxy->setText(
                KivPlanCameraModel::sourceText(chosen, KivLocalNumbers(), &catalogue()));
            ui->proxy->setToolTip(ui->proxy->text());
            edited();
        } else if (const int at = model->rowOf(id); at >= 0) {
            model->setSource(at, chosen);
        }
    });
    chooser->open();
}

bool KivPlanner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->cameras->viewport()) {
        return QMainWindow::eventFilter(watched, event);
    }
    QList<QUrl> urls;
    QPoint at;
    if (!KivClipChild::takeDrop(event, urls, &at)) {
        return false;
    }
    if (urls.isEmpty()) {
        return true;
    }
    // Below the rows, the clips make a camera of their own, named after them.
    int row = ui->cameras->indexAt(at).row();
    if (row < 0) {
        KivPlanRow camera;
        camera.name = QFileInfo(QDir::cleanPath(urls.constFirst().path())).fileName();
        camera.time = QStringLiteral("01:00:00");
        camera.folder = QFileInfo(path).absolutePath();
        row = model->rowCount();
        model->insertCamera(row, camera);
    }
    ui->cameras->setCurrentIndex(model->index(row, KivPlanCameraModel::Bitrate));
    measure(model->rows()[row].id, urls, true);
    return true;
}

void KivPlanner::measure(int id, const QList<QUrl> &urls, bool dropped)
{
    waiting.removeIf([id](const Waiting &w) { return w.id == id; });
    waiting << Waiting{id, urls, dropped};
    model->setMeasuring(id, true);
    measureNext();
}

void KivPlanner::measureNext()
{
    while (!current && !waiting.isEmpty()) {
        current = waiting.takeFirst();
        // A camera typed over or given a format since is no longer waiting.
        const int row = model->rowOf(current->id);
        if (row < 0 || !model->rows()[row].measuring || !clips->measure(current->urls)) {
            current.reset();
        }
    }
}

void KivPlanner::measured(const KivClipMeasured &result)
{
    const std::optional<Waiting> done = std::exchange(current, std::nullopt);
    const int row = done ? model->rowOf(done->id) : -1;
    if (row >= 0 && model->rows()[row].measuring) {
        if (done->dropped) {
            model->setMeasured(done->id, result.kept(), result.total.mbps, result.summary());
        } else if (result.firstRefused) {
            // As kivfilesize refuses a plan's clips where one is refused.
            const KivClipSkipped &skip = *result.firstRefused;
            model->setUnmeasured(done->id, kivEscaped(skip.path) + QStringLiteral(": ") +
                                               (skip.reason ? KivClipChild::words(*skip.reason)
                                                            : tr("not measured")));
        } else {
            const auto &paths = std::get<KivPlanClips>(model->rows()[row].source.from).paths;
            model->setMeasured(done->id, paths, result.total.mbps, result.summary());
        }
    }
    measureNext();
}

void KivPlanner::unmeasured(const QString &why, bool canceled)
{
    const std::optional<Waiting> done = std::exchange(current, std::nullopt);
    QList<Waiting> stopped;
    if (done) {
        stopped << *done;
    }
    // Cancel stops the measuring of every camera waiting.
    if (canceled) {
        stopped << waiting;
        waiting.clear();
    } else if (done && done->dropped) {
        clips->explain(why);
    }
    for (const Waiting &w : stopped) {
        if (w.dropped) {
            model->setMeasuring(w.id, false);
        } else {
            model->setUnmeasured(w.id, why);
        }
    }
    measureNext();
}
