// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips measured by a child kivfilesize (--clip-events --clip-list -, the
// paths on its standard input with their bytes), without widgets: what the
// calculator's drop and the planner's rows drive, each through what shows it
// (KivClipChild). A file that crashes or hangs the media parser cannot take
// the window down: a crash names the file the child was reading, and the child
// can be killed at any time. What the child prints is checked (KivClipEvents):
// only a total that can be right is measured, and every failure is put in
// words of the user's language. Every outcome arrives from the event loop,
// never inside the call that started or stopped the measuring.
#pragma once

#include "app/KivClipEvents.h"

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <memory>

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

class KivClipProcess : public QObject
{
    Q_OBJECT

public:
    explicit KivClipProcess(QObject *parent = nullptr);
    // Kills a child still running.
    ~KivClipProcess() override;

    // The program that measures: $KIVFILESIZE where that is set, else
    // kivfilesize beside this program.
    static QString measuringProgram();
    // Why a path was not measured, in the user's language.
    static QString words(KivClipReason reason);

    // From measure() until its outcome has arrived or cancel().
    bool busy() const { return child != nullptr || failing; }

    // Starts measuring the local files and folders of `urls`. False, with
    // nothing started and no signal, while busy or for no URL; with none of
    // them local, failed() follows from the event loop.
    bool measure(const QList<QUrl> &urls);
    // Stops the measuring: the child is killed without waiting for it, and
    // nothing of it is signalled any more; a new measuring may start at once.
    void cancel();

signals:
    // A total that can be right came.
    void measured(const KivClipMeasured &result);
    // Nothing was measured; `why` in the user's language.
    void failed(const QString &why);
    // The child has read `files` files so far.
    void progressed(int files);

private:
    void readLines();
    void childFinished(int exitCode, QProcess::ExitStatus status);
    void childFailed(QProcess::ProcessError error);
    void stop();
    void fail(const QString &why);
    QString whyNothing() const;

    QProcess *child = nullptr;
    bool failing = false;                  // a failure waits for the event loop
    std::unique_ptr<KivClipEvents> events; // what the child said
    KivClipMeasured given;                 // the paths and the URLs passed over
};
