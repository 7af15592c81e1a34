// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The chooser of a recording format: family and format, and the frame size
// and rate where the format's figure depends on them, with the bitrate that
// results, its nature, whether it includes the audio and its source. The
// last choice accepted is remembered for the next time.
#pragma once

#include "catalogue/KivFormatCatalogue.h"
#include "ui_KivFormatChooser.h"

#include <QDialog>

#include <optional>

class KivFormatChooser : public QDialog
{
    Q_OBJECT

public:
    // Reads the catalogue: the built-in one and the user's own file.
    explicit KivFormatChooser(QWidget *parent = nullptr);

    // The bitrate in Mbit/s of what is chosen, or nothing while the choice
    // gives none (a frame size or rate that cannot be read, say).
    std::optional<double> mbps() const { return mbps_; }

    void accept() override;

private slots:
    void familyChosen();
    void formatChosen();
    void updateResult();

private:
    const KivFormat *chosen() const;
    QString refusal(const KivFormat &format, const QString &frameText,
                    const QString &rateText) const;

    Ui::KivFormatChooserClass ui;
    KivFormatCatalogue catalogue;
    std::optional<double> mbps_;
};
