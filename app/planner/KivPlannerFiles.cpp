// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's files: plans opened and saved, the answer exported, and
// unsaved changes asked about before they would be lost.
#include "app/KivPlanner.h"
#include "ui_KivPlanner.h"

#include "KivPlanCameraModel.h"
#include "KivPlanDocument.h"
#include "KivPlanFaultWords.h"
#include "KivPlanReport.h"
#include "app/KivClipChild.h"
#include "plan/KivPlanFile.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

void KivPlanner::on_actionNew_triggered()
{
    if (!askToSave()) {
        return;
    }
    const QString folder = QDir::currentPath();
    showPlan(KivPlanDocument::settingsOf(KivPlan()),
             {KivPlanDocument::newCamera(KivPlanDocument::cameraName(0, QString()), folder)},
             QString());
}

void KivPlanner::on_actionOpen_triggered()
{
    if (!askToSave()) {
        return;
    }
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Open Plan"), QFileInfo(path).absolutePath(), tr("Plans (*.json);;All files (*)"));
    if (!chosen.isEmpty()) {
        openFile(chosen);
    }
}

void KivPlanner::on_actionSave_triggered()
{
    if (path.isEmpty()) {
        on_actionSaveAs_triggered();
    } else {
        saveFile(path);
    }
}

void KivPlanner::on_actionSaveAs_triggered()
{
    const QString chosen =
        askForPath(tr("Save Plan"), tr("Plans (*.json)"), QStringLiteral("json"));
    if (!chosen.isEmpty()) {
        saveFile(chosen);
    }
}

void KivPlanner::on_actionExportCsv_triggered()
{
    const QString chosen =
        askForPath(tr("Export as CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (!chosen.isEmpty()) {
        exportCsv(chosen);
    }
}

void KivPlanner::on_actionExportPdf_triggered()
{
    const QString chosen =
        askForPath(tr("Export as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!chosen.isEmpty()) {
        exportPdf(chosen);
    }
}

bool KivPlanner::openFile(const QString &path)
{
    KivPlan read;
    KivPlanFault fault;
    if (!kivReadPlanFile(path, read, fault)) {
        // The plan shown is not the one refused: its cameras by their rows.
        const QString camera = KivPlanDocument::cameraName(int(fault.place.camera), QString());
        warn(tr("Open Plan"),
             tr("The plan was not opened: %1").arg(KivPlanFaultWords::text(fault, camera)));
        return false;
    }
    setPlan(read, path);
    return true;
}

bool KivPlanner::saveFile(const QString &path)
{
    // Relative clips stay relative only beside the plan they were written for.
    const QString folder = QFileInfo(path).absolutePath();
    QString error;
    KivPlanFault fault;
    if (plan(&error) && !kivWritePlanFile(path, document->planIn(folder), fault)) {
        error = document->words(fault);
    }
    if (!error.isEmpty()) {
        warn(tr("Save Plan"), tr("The plan was not saved: %1").arg(error));
        return false;
    }
    document->moveClipsTo(folder);
    document->setFolder(folder);
    document->undoStack()->setClean();
    this->path = path;
    setWindowModified(false);
    setWindowTitle(title());
    return true;
}

bool KivPlanner::exportCsv(const QString &path)
{
    const std::optional<KivPlan> shown = plan();
    QString error;
    if (!shown || !answer()) {
        warn(tr("Export as CSV"), tr("Nothing was exported: %1").arg(exportFault()));
        return false;
    }
    if (!KivPlanReport::write(path, KivPlanReport::csv(*shown, *answer(), &document->catalogue()),
                              error)) {
        warn(tr("Export as CSV"), tr("Nothing was exported: %1").arg(error));
        return false;
    }
    return true;
}

bool KivPlanner::exportPdf(const QString &path)
{
    const std::optional<KivPlan> shown = plan();
    QString error;
    if (!shown || !answer()) {
        warn(tr("Export as PDF"), tr("Nothing was exported: %1").arg(exportFault()));
        return false;
    }
    const QString name =
        this->path.isEmpty() ? tr("untitled plan") : QFileInfo(this->path).completeBaseName();
    if (!KivPlanReport::pdf(path, name, *shown, *answer(), error, &document->catalogue())) {
        warn(tr("Export as PDF"), tr("Nothing was exported: %1").arg(error));
        return false;
    }
    return true;
}

void KivPlanner::closeEvent(QCloseEvent *event)
{
    if (!askToSave()) {
        event->ignore();
        return;
    }
    clips->cancel();
    event->accept();
}

bool KivPlanner::askToSave()
{
    if (!isWindowModified()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Plan a Shoot"),
                    tr("The plan has changes that are not saved. Save them?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        on_actionSave_triggered();
        return !isWindowModified();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString KivPlanner::askForPath(const QString &title, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(this, title, QFileInfo(path).absolutePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (!path.isEmpty()) {
        dialog.selectFile(QFileInfo(path).completeBaseName() + QLatin1Char('.') + suffix);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void KivPlanner::warn(const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString KivPlanner::exportFault() const
{
    return fault().isEmpty() ? document->incomplete() : fault();
}
