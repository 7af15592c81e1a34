// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Clips and folders dropped anywhere on the calculator are measured, and
// their pooled rate goes into the bitrate field as if typed, with a tooltip
// that says how many recordings and files were measured, how many skipped,
// how long and how large. A child kivfilesize does the reading (KivClipChild),
// so that a file that crashes or hangs the media parser cannot take the
// window, or what was typed, down; nothing changes unless it sends a total
// that can be right, and every failure is explained in the user's language.
// Of several dropped files, those that are not clips are skipped, as in a
// dropped folder. Where a folder was dropped (a card's), the tooltip also
// says the time left on the volume holding it at the rate measured.
#pragma once

#include "calc/KivClipProtocol.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QUrl>

class KivClipChild;
struct KivClipMeasured;
class QLineEdit;

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

    // Takes a drag or drop of files: accepts a drag that carries URLs, and
    // on such a drop accepts it and gives its URLs and where it fell. False,
    // and `dropped` empty, for any other event.
    static bool takeDrop(QEvent *event, QList<QUrl> &dropped, QPoint *at = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(const KivClipMeasured &result);
    QString timeLeft(double mbps) const;

    QLineEdit *bitrate;
    KivClipChild *child;
    bool filling = false;
    QList<QUrl> dropped;
};
