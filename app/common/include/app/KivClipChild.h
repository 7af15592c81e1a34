// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Measuring clips (KivClipProcess) shown on a window, for any window that
// takes clips: the calculator's drop and the planner's rows. A progress
// dialog ("Measuring Clips", shown on the window after half a second) counts
// the files read, and its Cancel kills the child; failures can be explained
// in a warning box.
#pragma once

#include "app/KivClipProcess.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QProgressDialog;
class QWidget;

class KivClipChild : public QObject
{
    Q_OBJECT

public:
    // Progress and messages show on `window`; the child lives as long as this.
    explicit KivClipChild(QWidget *window);
    ~KivClipChild() override;

    bool busy() const { return process->busy(); }

    // As KivClipProcess::measure, with the progress shown while it runs.
    bool measure(const QList<QUrl> &urls);
    // Kills the child; nothing is measured and no signal follows.
    void cancel();

    // A warning box titled "Measuring Clips" with `text`, on the window.
    void explain(const QString &text);

signals:
    // As KivClipProcess's.
    void measured(const KivClipMeasured &result);
    void failed(const QString &why);
    // Cancel on the progress dialog stopped the child.
    void canceled();

private:
    void closeProgress();

    QWidget *window;
    KivClipProcess *process;
    QPointer<QProgressDialog> progress;
    QTimer progressDelay;
};
