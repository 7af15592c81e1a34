// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips and folders dropped anywhere on the calculator are measured, and
// their pooled rate goes into the bitrate field as if typed, with a tooltip
// that says what was measured. A child kivfilesize (--clip-events) does the
// reading, so that a file that crashes or hangs the media parser cannot take
// the window, or what was typed, down: the calculator names the file the
// child was reading when it died, and Cancel on the progress dialog that
// shows after half a second kills it. Nothing changes unless the measuring
// succeeds.
#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

class QLineEdit;
class QProgressDialog;
class QUrl;

class KivClipDrop : public QObject
{
    Q_OBJECT

public:
    // Takes drops on `window` and the line edits in it, for its life; the
    // rate goes into `bitrate`.
    KivClipDrop(QWidget *window, QLineEdit *bitrate);

    // The program that measures: $KIVFILESIZE where that is set, else
    // kivfilesize beside this program.
    static QString measuringProgram();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void measure(const QList<QUrl> &urls);
    void readLines();
    void childFinished(int exitCode, QProcess::ExitStatus status);
    void childFailed(QProcess::ProcessError error);
    void cancel();
    void stop();
    void explain(const QString &text);

    QWidget *window;
    QLineEdit *bitrate;
    QProcess *child = nullptr;
    QProgressDialog *progress = nullptr;
    QTimer progressDelay;
    QByteArray partialLine;
    QStringList reading; // files the child has opened and not finished
    int filesDone = 0;
    QByteArray total; // the child's last line, with the pooled figures
    bool filling = false;
};
