// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The calculator dialog: relates a bitrate (Mbit/s), a card size (GB) and a
// recording time (hours:minutes:seconds), and converts a bitrate between
// Mbit/s and MB/s.
#pragma once

#include "time/KivTime.h"

#include <QDialog>
#include <memory>

class QLineEdit;

namespace Ui {
class KivFileSizeCalculatorClass;
}

class KivFileSizeCalculator : public QDialog
{
    Q_OBJECT

public:
    explicit KivFileSizeCalculator(QWidget *parent = nullptr,
                                   Qt::WindowFlags flags = Qt::WindowFlags());
    ~KivFileSizeCalculator() override;

private slots:
    void on_myBitrate3_textEdited(const QString &text);
    void on_myBitrate2_textEdited(const QString &text);
    void on_myTime1_textEdited(const QString &text);
    void on_myCardSize1_textEdited(const QString &text);
    void on_myBitrate1_textEdited(const QString &text);
    void on_pushButton_4_clicked();
    void on_pushButton_3_clicked();

private:
    // Records an edit of one of the three first-group fields and empties the
    // field that "Calculate" will compute.
    void trackEdit(QLineEdit *field);
    // Reads the three first-group fields and computes the one not edited last.
    void calculate();
    // Writes the stored bitrate, card size and time into the first group.
    void showValues();
    // Opens "Plan a Shoot" with a camera of the first group's figures.
    void openPlanner();
    // Widens the caption and unit columns where the font does not fit them.
    void fitLabelColumns();
    // Widens the five fields together where the font does not fit the
    // longest texts they are given.
    void fitFieldColumn();

    std::unique_ptr<Ui::KivFileSizeCalculatorClass> ui;
    double bitrate;
    double cardSize;
    KivTime_c time;
    double mbitsPerSec;
    double mbytesPerSec;
    QLineEdit *lastEdited;     // first-group field edited most recently, or null
    QLineEdit *previousEdited; // the one edited before it, or null
};
