// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// "Bitrate of a recording format…" at the top of the context menu of a
// bitrate field (by mouse, the menu key or Shift+F10): it opens the format
// chooser, and the bitrate chosen goes into the field as if typed, so the
// field's own reaction to typing follows. The field's tooltip from the form,
// which says so, comes back whenever the tooltip is cleared (a measured
// bitrate's tooltip holds only until the field changes). "Plan a shoot…"
// follows where asked for: it asks the window to open the planner. "Free
// space of a mounted card…", where asked for, lists the mounted volumes
// (name, free and total GB of the dialog's rule) and puts the free space of
// the one chosen into the field as if typed.
#pragma once

#include <QObject>

class QLineEdit;

class KivFormatMenu : public QObject
{
    Q_OBJECT

public:
    enum Entry
    {
        Format = 1,    // "Bitrate of a recording format…"
        Plan = 2,      // "Plan a shoot…"
        FreeSpace = 4, // "Free space of a mounted card…"
    };

    // Adds the entries to the context menu of `field`, for the field's life.
    explicit KivFormatMenu(QLineEdit *field, int entries = Format);

signals:
    // "Plan a shoot…" was chosen.
    void planRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose();
    void chooseVolume();

    QLineEdit *field;
    QString hint; // the field's tooltip as the form gives it
    int entries;
};
