// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipChild.h"

#include <QMessageBox>
#include <QProgressDialog>

namespace {

constexpr int PROGRESS_DELAY_MS = 500;

} // namespace

KivClipChild::KivClipChild(QWidget *window)
    : QObject(window), window(window), process(new KivClipProcess(this))
{
    progressDelay.setSingleShot(true);
    progressDelay.setInterval(PROGRESS_DELAY_MS);
    connect(&progressDelay, &QTimer::timeout, this, [this] {
        progress = new QProgressDialog(tr("Measuring clips…"), tr("Cancel"), 0, 0, this->window);
        progress->setWindowTitle(tr("Measuring Clips"));
        progress->setAttribute(Qt::WA_DeleteOnClose);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAccessibleName(tr("Measuring clips"));
        connect(progress, &QProgressDialog::canceled, this, [this] {
            cancel();
            emit canceled();
        });
        progress->show();
    });
    connect(process, &KivClipProcess::progressed, this, [this](int files) {
        if (progress != nullptr) {
            progress->setLabelText(tr("Measuring clips… files read: %1").arg(files));
        }
    });
    connect(process, &KivClipProcess::measured, this, [this](const KivClipMeasured &result) {
        closeProgress();
        emit measured(result);
    });
    connect(process, &KivClipProcess::failed, this, [this](const QString &why) {
        closeProgress();
        emit failed(why);
    });
}

KivClipChild::~KivClipChild()
{
    cancel();
}

bool KivClipChild::measure(const QList<QUrl> &urls)
{
    if (!process->measure(urls)) {
        return false;
    }
    progressDelay.start();
    return true;
}

void KivClipChild::cancel()
{
    process->cancel();
    closeProgress();
}

void KivClipChild::closeProgress()
{
    progressDelay.stop();
    if (progress != nullptr) {
        progress->disconnect(this);
        progress->close();
        progress = nullptr;
    }
}

void KivClipChild::explain(const QString &text)
{
    auto *box =
        new QMessageBox(QMessageBox::Warning, tr("Measuring Clips"), text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
