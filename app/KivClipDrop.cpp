// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipDrop.h"

#include "KivClipEvents.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

namespace {

constexpr int PROGRESS_DELAY_MS = 500;

// The bytes of a dropped file's path, as the system gave them to the URL.
QByteArray localBytes(const QUrl &url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

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
        progress->setWindowTitle(tr("Measuring Clips"));
        progress->setAttribute(Qt::WA_DeleteOnClose);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAccessibleName(tr("Measuring clips"));
        connect(progress, &QProgressDialog::canceled, this, &KivClipDrop::cancel);
        progress->show();
    });
}

KivClipDrop::~KivClipDrop() = default;

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
    // The paths go on the child's standard input, NUL-separated, so that
    // any number of them and any bytes in their names reach it whole.
    QByteArray list;
    skippedHere = 0;
    for (const QUrl &url : urls) {
        if (url.isLocalFile()) {
            list += localBytes(url) + '\0';
        } else {
            ++skippedHere;
        }
    }
    if (list.isEmpty()) {
        explain(tr("Only files and folders on this computer can be measured; %1 is not one.")
                    .arg(kivEscaped(urls.constFirst().toDisplayString())));
        return;
    }
    events = std::make_unique<KivClipEvents>();
    child = new QProcess(this);
    connect(child, &QProcess::readyReadStandardOutput, this, &KivClipDrop::readLines);
    connect(child, &QProcess::finished, this, &KivClipDrop::childFinished);
    connect(child, &QProcess::errorOccurred, this, &KivClipDrop::childFailed);
    progressDelay.start();
    child->start(measuringProgram(), {QStringLiteral("--clip-events"),
                                      QStringLiteral("--clip-list"), QStringLiteral("-")});
    child->write(list);
    child->closeWriteChannel();
}

void KivClipDrop::readLines()
{
    if (!events->take(child->readAllStandardOutput())) {
        cancel();
        explain(tr("Measuring stopped: the reader of the clips sent a line longer than 64 KiB. "
                   "Nothing was changed."));
        return;
    }
    if (progress != nullptr) {
        progress->setLabelText(tr("Measuring clips… files read: %1").arg(events->filesDone()));
    }
}

QString KivClipDrop::words(KivClipReason reason)
{
    return QCoreApplication::translate("KivClipReason", kivClipReason(reason).text);
}

// Why nothing was measured, from what the child said.
QString KivClipDrop::whyNothing() const
{
    if (events->failed()) {
        return tr("Nothing was measured: %1")
            .arg(events->failure() ? words(*events->failure())
                                   : tr("the reader of the clips could not run"));
    }
    if (const std::optional<KivClipSkipped> skip = events->firstSkip()) {
        const QString why =
            skip->reason ? words(*skip->reason) : tr("not measured, for a reason not known here");
        return tr("Nothing was measured: %1")
            .arg(kivEscaped(skip->path) + QStringLiteral(": ") + why);
    }
    if (events->lied()) {
        return tr(
            "Nothing was changed: the reader of the clips sent figures that cannot be right.");
    }
    return tr("Nothing was measured: the reader of the clips ended without a result.");
}

void KivClipDrop::childFinished(int exitCode, QProcess::ExitStatus status)
{
    readLines();
    if (child == nullptr) {
        return; // a line too long stopped it
    }
    const QStringList open = events->open();
    stop();
    if (status == QProcess::CrashExit) {
        QStringList shown;
        for (const QString &path : open) {
            shown << kivEscaped(path);
        }
        explain(open.isEmpty()
                    ? tr("Measuring stopped: the reader of the clips failed. Nothing was changed.")
                    : tr("Measuring stopped: the reader of the clips failed on %1. Nothing was "
                         "changed.")
                          .arg(shown.join(QStringLiteral(", "))));
        return;
    }
    const std::optional<KivClipTotal> total = events->total();
    if (exitCode != 0 || !total) {
        explain(whyNothing());
        return;
    }

    const KivLocalNumbers numbers;
    const double gigabytes = kivGigabytes(total->bytes);
    const QString size = gigabytes < 1
                             ? numbers.text(kivMegabytes(total->bytes)) + QStringLiteral(" MB")
                             : numbers.text(gigabytes) + QStringLiteral(" GB");
    filling = true;
    bitrate->setFocus();
    bitrate->selectAll();
    bitrate->insert(numbers.text(total->mbps));
    bitrate->setToolTip(tr("Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5")
                            .arg(total->recordings)
                            .arg(total->files)
                            .arg(total->skipped + skippedHere)
                            .arg(kivTimeText(kivSecondsFromQuotient(total->seconds)), size));
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
