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

#include "calc/KivAudio.h"
#include "calc/KivTyped.h"
#include "catalogue/KivFormatCatalogue.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class KivFormatChooserClass;
}

class KivFormatChooser : public QDialog
{
    Q_OBJECT

public:
    // Reads the catalogue: the built-in one and the user's own file.
    explicit KivFormatChooser(QWidget *parent = nullptr);
    ~KivFormatChooser() override;

    // The bitrate in Mbit/s of what is chosen, audio included, or nothing
    // while the choice gives none (a frame size or rate that cannot be read,
    // say).
    std::optional<double> mbps() const { return mbps_; }

    // What is chosen as a plan keeps it, to be looked up again: the format's
    // id, the frame size and rate where its figure depends on them, and the
    // audio added; nothing while the choice gives no bitrate.
    struct Choice
    {
        QString id;
        std::optional<KivFrameSize> frame;
        std::optional<double> fps;
        std::optional<KivAudio> audio;
    };
    std::optional<Choice> choice() const;

    // Shows the format that `name` finds in the catalogue (an id, or a name
    // as kivChooseFormat takes it), at `frame` and `fps` where given, with
    // the audio of `audio` (its channels; none for none) instead of the last
    // choice accepted. False, with the chooser as it was, where the catalogue
    // has no such format.
    bool select(const QString &name, std::optional<KivFrameSize> frame, std::optional<double> fps,
                std::optional<KivAudio> audio);

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

    std::unique_ptr<Ui::KivFormatChooserClass> ui;
    KivFormatCatalogue catalogue;
    std::optional<double> mbps_;
};
