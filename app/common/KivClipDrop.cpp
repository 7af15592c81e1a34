// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipDrop.h"

#include "app/KivClipChild.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QFileInfo>
#include <QLineEdit>
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
    return KivClipChild::measuringProgram();
}

QString KivClipDrop::words(KivClipReason reason)
{
    return KivClipChild::words(reason);
}

bool KivClipDrop::eventFilter(QObject *, QEvent *event)
{
    QList<QUrl> urls;
    if (!KivClipChild::takeDrop(event, urls)) {
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
    filling = true;
    bitrate->setFocus();
    bitrate->selectAll();
    bitrate->insert(KivLocalNumbers().text(result.total.mbps));
    const QString left = timeLeft(result.total.mbps);
    bitrate->setToolTip(result.summary() + (left.isEmpty() ? QString() : QLatin1Char('\n') + left));
    filling = false;
}
