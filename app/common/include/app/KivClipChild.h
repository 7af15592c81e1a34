// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips measured by a child kivfilesize (--clip-events --clip-list -, the
// paths on its standard input with their bytes), for any window that takes
// clips: the calculator's drop and the planner's rows. A file that crashes or
// hangs the media parser cannot take the window down: a crash names the file
// the child was reading, and Cancel on the progress dialog ("Measuring
// Clips", shown on the window after half a second) kills it. What the child
// prints is checked (KivClipEvents): only a total that can be right is
// measured, and every failure is put in words of the user's language.
#pragma once

#include "app/KivClipEvents.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <memory>

class QProgressDialog;
class QUrl;

// What one measuring found.
struct KivClipMeasured
{
    KivClipTotal total;
    QStringList paths;   // the local paths given, as names (KivFileName.h)
    QStringList refused; // those of them the reader refused (not clips, say)
    std::optional<KivClipSkipped> firstRefused;
    qint64 skippedHere = 0; // URLs of other machines, never given to the reader

    // The paths given that were not refused, in their order.
    QStringList kept() const;
    // "Measured from clips (recordings: 1, files: 1, skipped: 0): 00:00:02,
    // 0.024347 MB", in the user's language and numbers.
    QString summary() const;
};

class KivClipChild : public QObject
{
    Q_OBJECT

public:
    // Progress and messages show on `window`; the child lives as long as this.
    explicit KivClipChild(QWidget *window);
    ~KivClipChild() override;

    // The program that measures: $KIVFILESIZE where that is set, else
    // kivfilesize beside this program.
    static QString measuringProgram();
    // Why a path was not measured, in the user's language.
    static QString words(KivClipReason reason);

    // Takes a drag or drop of files: accepts a drag that carries URLs, and
    // on such a drop accepts it and gives its URLs and where it fell. False,
    // and `dropped` empty, for any other event.
    static bool takeDrop(QEvent *event, QList<QUrl> &dropped, QPoint *at = nullptr);

    bool busy() const { return child != nullptr; }

    // Starts measuring the local files and folders of `urls`. False, with
    // nothing started and no signal, while busy or for no URL; with none of
    // them local, failed() follows at once.
    bool measure(const QList<QUrl> &urls);
    // Kills the child; nothing is measured and no signal follows.
    void cancel();

    // A warning box titled "Measuring Clips" with `text`, on the window.
    void explain(const QString &text);

signals:
    // A total that can be right came.
    void measured(const KivClipMeasured &result);
    // Nothing was measured; `why` in the user's language.
    void failed(const QString &why);
    // Cancel on the progress dialog stopped the child.
    void canceled();

private:
    void readLines();
    void childFinished(int exitCode, QProcess::ExitStatus status);
    void childFailed(QProcess::ProcessError error);
    void stop();
    QString whyNothing() const;

    QWidget *window;
    QProcess *child = nullptr;
    QPointer<QProgressDialog> progress;
    QTimer progressDelay;
    std::unique_ptr<KivClipEvents> events; // what the child said
    KivClipMeasured given;                 // the paths and the URLs passed over
};
