// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivClipProcess.h"

#include "calc/KivDisplay.h"
#include "calc/KivFileName.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QCoreApplication>

namespace {

// The bytes of a dropped file's path, as the system gave them to the URL.
QByteArray localBytes(const QUrl &url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

} // namespace

QStringList KivClipMeasured::kept() const
{
    QStringList out;
    for (const QString &path : paths) {
        if (!refused.contains(path)) {
            out << path;
        }
    }
    return out;
}

QString KivClipMeasured::summary() const
{
    const KivLocalNumbers numbers;
    const double gigabytes = kivGigabytes(total.bytes);
    const QString size = gigabytes < 1
                             ? numbers.text(kivMegabytes(total.bytes)) + QStringLiteral(" MB")
                             : numbers.text(gigabytes) + QStringLiteral(" GB");
    QString text =
        KivClipProcess::tr("Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5")
            .arg(total.recordings)
            .arg(total.files)
            .arg(total.skipped + skippedHere)
            .arg(kivTimeText(kivSecondsFromQuotient(total.seconds)), size);
    QStringList reasons;
    for (const auto &[reason, count] : total.reasons) {
        reasons << KivClipProcess::words(reason) + QStringLiteral(" (") + numbers.text(count) +
                       QLatin1Char(')');
    }
    if (!reasons.isEmpty()) {
        text += QLatin1Char('\n') +
                KivClipProcess::tr("Skipped: %1").arg(reasons.join(QStringLiteral("; ")));
    }
    if (!total.complete) {
        text += QLatin1Char('\n') + KivClipProcess::tr("Incomplete: camera media that could not "
                                                       "be measured is left out (%1 MB).")
                                        .arg(numbers.text(kivMegabytes(total.unmeasured)));
    }
    return text;
}

KivClipProcess::KivClipProcess(QObject *parent) : QObject(parent) {}

KivClipProcess::~KivClipProcess()
{
    cancel();
}

QString KivClipProcess::measuringProgram()
{
    const QString chosen = qEnvironmentVariable("KIVFILESIZE");
    return chosen.isEmpty()
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/kivfilesize")
               : chosen;
}

QString KivClipProcess::words(KivClipReason reason)
{
    return QCoreApplication::translate("KivClipReason", kivClipReason(reason).text);
}

bool KivClipProcess::measure(const QList<QUrl> &urls)
{
    if (busy() || urls.isEmpty()) {
        return false;
    }
    // The paths go on the child's standard input, NUL-separated, so that
    // any number of them and any bytes in their names reach it whole.
    QByteArray list;
    given = KivClipMeasured();
    for (const QUrl &url : urls) {
        if (url.isLocalFile()) {
            const QByteArray bytes = localBytes(url);
            list += bytes + '\0';
            given.paths << kivDecodeFileName(bytes);
        } else {
            ++given.skippedHere;
        }
    }
    if (list.isEmpty()) {
        fail(tr("Only files and folders on this computer can be measured; %1 is not one.")
                 .arg(kivEscaped(urls.constFirst().toDisplayString())));
        return true;
    }
    events = std::make_unique<KivClipEvents>(given.paths);
    child = new QProcess(this);
    connect(child, &QProcess::readyReadStandardOutput, this, &KivClipProcess::readLines);
    connect(child, &QProcess::finished, this, &KivClipProcess::childFinished);
    connect(child, &QProcess::errorOccurred, this, &KivClipProcess::childFailed);
    child->start(measuringProgram(), {QStringLiteral("--clip-events"),
                                      QStringLiteral("--clip-list"), QStringLiteral("-")});
    child->write(list);
    child->closeWriteChannel();
    return true;
}

void KivClipProcess::fail(const QString &why)
{
    // Queued, so that the caller's loop is not entered again from inside.
    failing = true;
    QMetaObject::invokeMethod(
        this,
        [this, why] {
            if (failing) {
                failing = false;
                emit failed(why);
            }
        },
        Qt::QueuedConnection);
}

void KivClipProcess::readLines()
{
    if (!events->take(child->readAllStandardOutput())) {
        cancel();
        fail(tr("Measuring stopped: the reader of the clips sent a line longer than "
                "64 KiB. Nothing was changed."));
        return;
    }
    emit progressed(events->filesDone());
}

// Why nothing was measured, from what the child said.
QString KivClipProcess::whyNothing() const
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

void KivClipProcess::childFinished(int exitCode, QProcess::ExitStatus status)
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
        emit failed(
            open.isEmpty()
                ? tr("Measuring stopped: the reader of the clips failed. Nothing was changed.")
                : tr("Measuring stopped: the reader of the clips failed on %1. Nothing was "
                     "changed.")
                      .arg(shown.join(QStringLiteral(", "))));
        return;
    }
    const std::optional<KivClipTotal> total = events->total();
    if (exitCode != 0 || !total) {
        emit failed(whyNothing());
        return;
    }
    KivClipMeasured result = given;
    result.total = *total;
    for (const QString &path : given.paths) {
        if (events->refused().contains(path)) {
            result.refused << path;
        }
    }
    result.firstRefused = events->firstRefused();
    emit measured(result);
}

void KivClipProcess::childFailed(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || child == nullptr) {
        return;
    }
    const QString program = child->program();
    stop();
    emit failed(tr("Measuring clips needs kivfilesize, installed beside the calculator; %1 could "
                   "not be started.")
                    .arg(program));
}

void KivClipProcess::cancel()
{
    failing = false;
    if (child != nullptr) {
        // Killed, not waited for: it is reaped when it has finished.
        QProcess *dying = std::exchange(child, nullptr);
        dying->disconnect(this);
        if (dying->state() == QProcess::NotRunning) {
            dying->deleteLater();
        } else {
            connect(dying, &QProcess::finished, dying, &QObject::deleteLater);
            dying->kill();
        }
    }
}

void KivClipProcess::stop()
{
    if (child != nullptr) {
        child->disconnect(this);
        child->deleteLater();
        child = nullptr;
    }
}
