// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFormatChooser.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "catalogue/KivFormatLoad.h"
#include "catalogue/KivFormatRate.h"

#include <QPushButton>
#include <QSettings>

#include <algorithm>

namespace {

// The frame sizes and rates offered besides those a format lists.
const char *const COMMON_FRAMES[] = {"1280x720",  "1920x1080", "2048x1080",
                                     "2560x1440", "3840x2160", "4096x2160"};
constexpr double COMMON_RATES[] = {23.976, 24, 25, 29.97, 30, 50, 59.94, 60};

QSettings settings()
{
    return QSettings(QStringLiteral("kivfilesizecalculator"),
                     QStringLiteral("kivfilesizecalculator"));
}

QString natureOf(KivRateNature nature)
{
    switch (nature) {
    case KivRateNature::Target:
        return KivFormatChooser::tr("target: what the encoder aims at; real files of simple "
                                    "pictures come in lower");
    case KivRateNature::Constant:
        return KivFormatChooser::tr("constant: the same size for every frame");
    case KivRateNature::Max:
        return KivFormatChooser::tr("maximum: the most the mode records; averages come in lower");
    case KivRateNature::Average:
        return KivFormatChooser::tr("average: what a typical recording comes to");
    }
    return QString();
}

} // namespace

KivFormatChooser::KivFormatChooser(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    const KivFormatLoad loaded = kivLoadFormats();
    catalogue = loaded.catalogue;
    ui.warnings->setText(loaded.warnings.join(QLatin1Char('\n')));
    ui.warnings->setVisible(!loaded.warnings.isEmpty());
    ui.family->addItems(catalogue.families());

    // The last choice accepted, where the catalogue still has it.
    QSettings saved = settings();
    const std::optional<KivFormat> last =
        catalogue.find(saved.value(QStringLiteral("format/id")).toString());
    if (last) {
        ui.family->setCurrentText(last->family);
    }
    familyChosen();
    if (last) {
        ui.format->setCurrentIndex(ui.format->findData(last->id));
        ui.frame->setCurrentText(saved.value(QStringLiteral("format/frame")).toString());
        ui.rate->setCurrentText(saved.value(QStringLiteral("format/rate")).toString());
    }
    connect(ui.family, &QComboBox::currentIndexChanged, this, &KivFormatChooser::familyChosen);
    connect(ui.format, &QComboBox::currentIndexChanged, this, &KivFormatChooser::formatChosen);
    connect(ui.frame, &QComboBox::currentTextChanged, this, &KivFormatChooser::updateResult);
    connect(ui.rate, &QComboBox::currentTextChanged, this, &KivFormatChooser::updateResult);
    updateResult();
}

void KivFormatChooser::accept()
{
    const KivFormat *format = chosen();
    if (!mbps_ || format == nullptr) {
        return;
    }
    QSettings saved = settings();
    saved.setValue(QStringLiteral("format/id"), format->id);
    saved.setValue(QStringLiteral("format/frame"), ui.frame->currentText());
    saved.setValue(QStringLiteral("format/rate"), ui.rate->currentText());
    QDialog::accept();
}

void KivFormatChooser::familyChosen()
{
    const QSignalBlocker blocker(ui.format);
    ui.format->clear();
    for (const KivFormat &format : catalogue.inFamily(ui.family->currentText())) {
        ui.format->addItem(format.name, format.id);
    }
    formatChosen();
}

void KivFormatChooser::formatChosen()
{
    const KivFormat *format = chosen();
    const bool framed = format != nullptr && format->kind != KivFormatKind::Fixed;
    for (QWidget *w : {static_cast<QWidget *>(ui.frameLabel), static_cast<QWidget *>(ui.frame),
                       static_cast<QWidget *>(ui.rateLabel), static_cast<QWidget *>(ui.rate)}) {
        w->setVisible(framed);
    }
    if (framed) {
        const QString frame = ui.frame->currentText();
        const QString rate = ui.rate->currentText();
        const QSignalBlocker frameBlocker(ui.frame);
        const QSignalBlocker rateBlocker(ui.rate);
        ui.frame->clear();
        for (const KivFrameSize &size : format->listedSizes()) {
            ui.frame->addItem(size.text());
        }
        if (!format->onlyListedSizes) {
            for (const char *common : COMMON_FRAMES) {
                if (ui.frame->findText(QLatin1String(common)) < 0) {
                    ui.frame->addItem(QLatin1String(common));
                }
            }
        }
        QList<double> rates(std::begin(COMMON_RATES), std::end(COMMON_RATES));
        rates << format->rates;
        std::sort(rates.begin(), rates.end());
        rates.erase(std::unique(rates.begin(), rates.end()), rates.end());
        ui.rate->clear();
        for (const double fps : rates) {
            ui.rate->addItem(KivLocalNumbers().text(fps));
        }
        // What was typed for the format before stays where this one takes it.
        ui.frame->setCurrentText(frame.isEmpty() ? ui.frame->itemText(0) : frame);
        ui.rate->setCurrentText(rate.isEmpty() ? KivLocalNumbers().text(25) : rate);
    }
    updateResult();
}

const KivFormat *KivFormatChooser::chosen() const
{
    const QString id = ui.format->currentData().toString();
    for (const KivFormat &format : catalogue.formats()) {
        if (format.id == id) {
            return &format;
        }
    }
    return nullptr;
}

QString KivFormatChooser::refusal(const KivFormat &format, const QString &frameText,
                                  const QString &rateText) const
{
    QString unused;
    const std::optional<KivFrameSize> frame = kivReadFrameSize(frameText, unused);
    if (!frame) {
        return tr("Write the frame size as width x height, for example 1920x1080.");
    }
    if (!KivLocalNumbers().frameRate(rateText)) {
        return tr("Write the frame rate as a number, for example 25 or 29.97, or as a fraction "
                  "such as 30000/1001.");
    }
    QStringList sizes;
    for (const KivFrameSize &size : format.listedSizes()) {
        sizes << size.text();
    }
    return tr("%1 exists only at %2.").arg(format.name, sizes.join(QStringLiteral(", ")));
}

void KivFormatChooser::updateResult()
{
    mbps_.reset();
    const KivFormat *format = chosen();
    QString text;
    if (format != nullptr) {
        std::optional<KivFrameSize> frame;
        std::optional<double> fps;
        if (format->kind != KivFormatKind::Fixed) {
            QString unused;
            frame = kivReadFrameSize(ui.frame->currentText(), unused);
            fps = KivLocalNumbers().frameRate(ui.rate->currentText());
        }
        QString error;
        const std::optional<KivFormatRate> rate =
            format->kind == KivFormatKind::Fixed || (frame && fps)
                ? kivFormatRate(*format, frame, fps, error)
                : std::nullopt;
        if (rate) {
            mbps_ = rate->mbps;
            text = tr("%1 Mbit/s, %2; %3.")
                       .arg(KivLocalNumbers().text(rate->mbps), natureOf(format->nature),
                            format->audio ? tr("audio included") : tr("video only"));
            if (rate->scaled) {
                text += QLatin1Char(' ') + (format->kind == KivFormatKind::Table
                                                ? tr("Scaled from %1 at %2 fps.")
                                                      .arg(rate->fromSize.text(),
                                                           KivLocalNumbers().text(rate->fromRate))
                                                : tr("Scaled from %1.").arg(rate->fromSize.text()));
            }
            text += QLatin1Char('\n') + tr("Source: %1").arg(format->source);
        } else {
            text = refusal(*format, ui.frame->currentText(), ui.rate->currentText());
        }
    }
    ui.result->setText(text);
    ui.buttons->button(QDialogButtonBox::Ok)->setEnabled(mbps_.has_value());
}
