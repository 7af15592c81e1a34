// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips and folders dropped anywhere on the calculator are measured, and
// their pooled rate goes into the bitrate field as if typed, with a tooltip
// that says how many recordings and files were measured, how many skipped,
// how long and how large. A child kivfilesize (--clip-events --clip-list -,
// the dropped paths on its standard input with their bytes) does the
// reading, so that a file that crashes or hangs the media parser cannot take
// the window, or what was typed, down: the calculator names the file the
// child was reading when it died, and Cancel on the progress dialog that
// shows after half a second kills it. What the child prints is checked
// (KivClipEvents): nothing changes unless it sends a total that can be right,
// and every failure is explained in the user's language. Of several dropped
// files, those that are not clips are skipped, as in a dropped folder.
#pragma once

#include "calc/KivClipProtocol.h"

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <memory>

class KivClipEvents;
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

    ~KivClipDrop() override;

    // The program that measures: $KIVFILESIZE where that is set, else
    // kivfilesize beside this program.
    static QString measuringProgram();

    // Why a path was not measured, in the user's language.
    static QString words(KivClipReason reason);

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
    QString whyNothing() const;

    QWidget *window;
    QLineEdit *bitrate;
    QProcess *child = nullptr;
    QProgressDialog *progress = nullptr;
    QTimer progressDelay;
    std::unique_ptr<KivClipEvents> events; // what the child said
    int skippedHere = 0;                   // dropped URLs of other machines
    bool filling = false;
};
