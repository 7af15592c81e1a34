// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipDrop.h"

#include "app/KivClipChild.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QStorageInfo>

KivClipDrop::KivClipDrop(QWidget *window, QLineEdit *bitrate)
    : QObject(window), bitrate(bitrate), child(new KivClipChild(window))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // The line edits would take a dropped file's name as text.
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        edit->installEventFilter(this);
    }
    // What the tooltip says holds until the field changes.
    connect(bitrate, &QLineEdit::textChanged, this, [this] {
        if (!filling) {
            this->bitrate->setToolTip(QString());
        }
    });
    connect(child, &KivClipChild::measured, this, &KivClipDrop::fill);
    connect(child, &KivClipChild::failed, child, &KivClipChild::explain);
}

KivClipDrop::~KivClipDrop() = default;

QString KivClipDrop::measuringProgram()
{
    return KivClipProcess::measuringProgram();
}

QString KivClipDrop::words(KivClipReason reason)
{
    return KivClipProcess::words(reason);
}

bool KivClipDrop::takeDrop(QEvent *event, QList<QUrl> &dropped, QPoint *at)
{
    dropped.clear();
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!drag->mimeData()->hasUrls()) {
            return false;
        }
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QList<QUrl> urls = drop->mimeData()->urls();
        if (urls.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        dropped = urls;
        if (at != nullptr) {
            *at = drop->position().toPoint();
        }
        return true;
    }
    default:
        return false;
    }
}

bool KivClipDrop::eventFilter(QObject *, QEvent *event)
{
    QList<QUrl> urls;
    if (!takeDrop(event, urls)) {
        return false;
    }
    if (!urls.isEmpty()) {
        dropped = urls;
        child->measure(urls);
    }
    return true;
}

QString KivClipDrop::timeLeft(double mbps) const
{
    for (const QUrl &url : dropped) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !QFileInfo(path).isDir()) {
            continue;
        }
        const QStorageInfo volume(path);
        if (!volume.isValid() || !volume.isReady() || volume.bytesTotal() <= 0 ||
            volume.bytesAvailable() < 0) {
            return QString();
        }
        const KivLocalNumbers numbers;
        const double free = kivGigabytes(volume.bytesAvailable());
        return tr("Time left on this card at that rate: %1 (%2 GB free)")
            .arg(kivTimeText(kivSeconds(free, mbps)), numbers.text(free));
    }
    return QString();
}

void KivClipDrop::fill(const KivClipMeasured &result)
{
    // A rate that leaves camera media out is the user's to take.
    if (!result.total.complete &&
        QMessageBox::question(bitrate->window(), tr("Incomplete Measure"),
                              result.summary() + QStringLiteral("\n\n") +
                                  tr("Use the measured rate all the same?")) != QMessageBox::Yes) {
        return;
    }
    filling = true;
    bitrate->setFocus();
    bitrate->selectAll();
    bitrate->insert(KivLocalNumbers().text(result.total.mbps));
    const QString left = timeLeft(result.total.mbps);
    bitrate->setToolTip(result.summary() + (left.isEmpty() ? QString() : QLatin1Char('\n') + left));
    filling = false;
}
