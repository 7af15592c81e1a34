// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipDrop.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

namespace {

constexpr int PROGRESS_DELAY_MS = 500;

} // namespace

KivClipDrop::KivClipDrop(QWidget *window, QLineEdit *bitrate)
    : QObject(window), window(window), bitrate(bitrate)
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
    progressDelay.setSingleShot(true);
    progressDelay.setInterval(PROGRESS_DELAY_MS);
    connect(&progressDelay, &QTimer::timeout, this, [this] {
        progress = new QProgressDialog(tr("Measuring clips…"), tr("Cancel"), 0, 0, this->window);
        progress->setAttribute(Qt::WA_DeleteOnClose);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAccessibleName(tr("Measuring clips"));
        connect(progress, &QProgressDialog::canceled, this, &KivClipDrop::cancel);
        progress->show();
    });
}

QString KivClipDrop::measuringProgram()
{
    const QString chosen = qEnvironmentVariable("KIVFILESIZE");
    return chosen.isEmpty()
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/kivfilesize")
               : chosen;
}

bool KivClipDrop::eventFilter(QObject *, QEvent *event)
{
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
        if (!drop->mimeData()->hasUrls()) {
            return false;
        }
        drop->acceptProposedAction();
        measure(drop->mimeData()->urls());
        return true;
    }
    default:
        return false;
    }
}

void KivClipDrop::measure(const QList<QUrl> &urls)
{
    if (child != nullptr || urls.isEmpty()) {
        return;
    }
    QStringList arguments = {QStringLiteral("--clip-events")};
    for (const QUrl &url : urls) {
        if (!url.isLocalFile()) {
            explain(tr("Only files and folders on this computer can be measured; %1 is not one.")
                        .arg(url.toDisplayString()));
            return;
        }
        arguments << QStringLiteral("--clip") << url.toLocalFile();
    }
    partialLine.clear();
    reading.clear();
    total.clear();
    filesDone = 0;
    child = new QProcess(this);
    connect(child, &QProcess::readyReadStandardOutput, this, &KivClipDrop::readLines);
    connect(child, &QProcess::finished, this, &KivClipDrop::childFinished);
    connect(child, &QProcess::errorOccurred, this, &KivClipDrop::childFailed);
    progressDelay.start();
    child->start(measuringProgram(), arguments);
}

void KivClipDrop::readLines()
{
    partialLine += child->readAllStandardOutput();
    qsizetype end = 0;
    while ((end = partialLine.indexOf('\n')) >= 0) {
        const QByteArray line = partialLine.left(end);
        partialLine.remove(0, end + 1);
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        const QString kind = event.value(QStringLiteral("event")).toString();
        const QString path = event.value(QStringLiteral("path")).toString();
        if (kind == QLatin1String("reading")) {
            reading << path;
        } else if (kind == QLatin1String("clip") || kind == QLatin1String("skipped")) {
            reading.removeOne(path);
            ++filesDone;
        } else if (kind == QLatin1String("total")) {
            total = line;
        }
    }
    if (progress != nullptr) {
        progress->setLabelText(tr("Measuring clips… files read: %1").arg(filesDone));
    }
}

void KivClipDrop::childFinished(int exitCode, QProcess::ExitStatus status)
{
    readLines();
    const QString refusal =
        QString::fromUtf8(child->readAllStandardError()).trimmed().section(QLatin1Char('\n'), -1);
    const QStringList open = reading;
    stop();
    if (status == QProcess::CrashExit) {
        explain(open.isEmpty()
                    ? tr("Measuring stopped: the reader of the clips failed. Nothing was changed.")
                    : tr("Measuring stopped: the reader of the clips failed on %1. Nothing was "
                         "changed.")
                          .arg(open.join(QStringLiteral(", "))));
        return;
    }
    const QJsonObject figures = QJsonDocument::fromJson(total).object();
    if (exitCode != 0 || figures.isEmpty()) {
        const QString why = refusal.startsWith(QLatin1String("kivfilesize: "))
                                ? refusal.mid(int(qstrlen("kivfilesize: ")))
                                : refusal;
        explain(tr("Nothing was measured: %1").arg(why));
        return;
    }

    const KivLocalNumbers numbers;
    const double mbps = figures.value(QStringLiteral("mbit_s")).toDouble();
    const double seconds = figures.value(QStringLiteral("seconds")).toDouble();
    const qint64 bytes = figures.value(QStringLiteral("bytes")).toInteger();
    filling = true;
    bitrate->setFocus();
    bitrate->selectAll();
    bitrate->insert(numbers.text(mbps));
    bitrate->setToolTip(
        tr("Measured from clips (%1): %2, %3 GB")
            .arg(figures.value(QStringLiteral("clips")).toInt())
            .arg(kivTimeText(kivSecondsFromQuotient(seconds)), numbers.text(kivGigabytes(bytes))));
    filling = false;
}

void KivClipDrop::childFailed(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || child == nullptr) {
        return;
    }
    const QString program = child->program();
    stop();
    explain(tr("Measuring clips needs kivfilesize, installed beside the calculator; %1 could not "
               "be started.")
                .arg(program));
}

void KivClipDrop::cancel()
{
    if (child != nullptr) {
        child->disconnect(this);
        child->kill();
        child->waitForFinished(1000);
    }
    stop();
}

void KivClipDrop::stop()
{
    progressDelay.stop();
    if (progress != nullptr) {
        progress->disconnect(this);
        progress->close();
        progress = nullptr;
    }
    if (child != nullptr) {
        child->disconnect(this);
        child->deleteLater();
        child = nullptr;
    }
}

void KivClipDrop::explain(const QString &text)
{
    auto *box =
        new QMessageBox(QMessageBox::Warning, tr("Measuring Clips"), text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
