// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The chooser of a recording format: family and format, the frame size and
// rate where the format's figure depends on them, and the PCM audio recorded
// beside a figure of video only, with the bitrate that results, its nature,
// whether it includes the audio and its source. The result is a label whose
// text screen readers read. The last choice accepted is remembered for the
// next time, the frame rate in C form ("23.976") and shown in the user's
// language.
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

    // The bitrate in Mbit/s of what is chosen, audio included, or nothing
    // while the choice gives none (a frame size or rate that cannot be read,
    // say).
    std::optional<double> mbps() const { return mbps_; }

    void accept() override;

private slots:
    void familyChosen();
    void formatChosen();
    void updateResult();

private:
    const KivFormat *chosen() const;
    std::optional<KivAudio> audio() const;
    QString refusal(const KivFormat &format, const QString &frameText,
                    const QString &rateText) const;

    Ui::KivFormatChooserClass ui;
    KivFormatCatalogue catalogue;
    std::optional<double> mbps_;
};
