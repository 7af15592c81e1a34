// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFormatChooser.h"
#include "ui_KivFormatChooser.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "catalogue/KivFormatLoad.h"
#include "catalogue/KivFormatRate.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace {

// The frame sizes and rates offered besides those a format lists.
const char *const COMMON_FRAMES[] = {"1280x720",  "1920x1080", "2048x1080",
                                     "2560x1440", "3840x2160", "4096x2160"};
constexpr double COMMON_RATES[] = {23.976, 24, 25, 29.97, 30, 50, 59.94, 60};
// The audio box's items, in order.
constexpr int AUDIO_CHANNELS[] = {0, 2, 4, 8};

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
    case KivRateNature::Approximate:
        return KivFormatChooser::tr("approximate: the maker's rounded figure, neither a maximum "
                                    "nor an average");
    case KivRateNature::Net:
        return KivFormatChooser::tr("net: the rate of the video stream alone");
    case KivRateNature::Nominal:
        return KivFormatChooser::tr("nominal: the rate the format is known by; its source says "
                                    "no more");
    }
    return QString();
}

// A frame rate remembered in C form, or in the language of an earlier run.
std::optional<double> rememberedRate(const QString &text)
{
    QString unused;
    std::optional<double> fps = kivReadFrameRate(text, unused);
    return fps ? fps : KivLocalNumbers().frameRate(text);
}

} // namespace

KivFormatChooser::~KivFormatChooser() = default;

KivFormatChooser::KivFormatChooser(QWidget *parent) : QDialog(parent)
{
    ui = std::make_unique<Ui::KivFormatChooserClass>();
    ui->setupUi(this);
    for (int i = 0; i < ui->audio->count(); ++i) {
        ui->audio->setItemData(i, AUDIO_CHANNELS[i]);
    }
    const KivFormatLoad loaded = kivLoadFormats();
    catalogue = loaded.catalogue;
    ui->warnings->setText(loaded.warnings.join(QLatin1Char('\n')));
    ui->warnings->setVisible(!loaded.warnings.isEmpty());
    ui->family->addItems(catalogue.families());

    // The last choice accepted, where the catalogue still has it.
    QSettings saved = settings();
    const std::optional<KivFormat> last =
        catalogue.find(saved.value(QStringLiteral("format/id")).toString());
    if (last) {
        ui->family->setCurrentText(last->family);
    }
    familyChosen();
    if (last) {
        ui->format->setCurrentIndex(ui->format->findData(last->id));
        ui->frame->setCurrentText(saved.value(QStringLiteral("format/frame")).toString());
        const std::optional<double> fps =
            rememberedRate(saved.value(QStringLiteral("format/rate")).toString());
        if (fps) {
            ui->rate->setCurrentText(KivLocalNumbers().text(*fps));
        }
        // The rows follow the format restored, not the family's first.
        formatChosen();
    }
    const int channels = saved.value(QStringLiteral("format/audio"), 0).toInt();
    ui->audio->setCurrentIndex(std::max(0, ui->audio->findData(channels)));
    connect(ui->family, &QComboBox::currentIndexChanged, this, &KivFormatChooser::familyChosen);
    connect(ui->format, &QComboBox::currentIndexChanged, this, &KivFormatChooser::formatChosen);
    connect(ui->frame, &QComboBox::currentTextChanged, this, &KivFormatChooser::updateResult);
    connect(ui->rate, &QComboBox::currentTextChanged, this, &KivFormatChooser::updateResult);
    connect(ui->audio, &QComboBox::currentIndexChanged, this, &KivFormatChooser::updateResult);
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
    saved.setValue(QStringLiteral("format/frame"), ui->frame->currentText());
    const std::optional<double> fps = KivLocalNumbers().frameRate(ui->rate->currentText());
    saved.setValue(QStringLiteral("format/rate"), fps ? kivFrameRateText(*fps) : QString());
    saved.setValue(QStringLiteral("format/audio"), ui->audio->currentData().toInt());
    QDialog::accept();
}

std::optional<KivFormatChooser::Choice> KivFormatChooser::choice() const
{
    const KivFormat *format = chosen();
    if (!mbps_ || format == nullptr) {
        return std::nullopt;
    }
    Choice out{format->id, std::nullopt, std::nullopt, audio()};
    if (format->kind != KivFormatKind::Fixed) {
        QString unused;
        out.frame = kivReadFrameSize(ui->frame->currentText(), unused);
        out.fps = KivLocalNumbers().frameRate(ui->rate->currentText());
    }
    return out;
}

bool KivFormatChooser::select(const QString &name, std::optional<KivFrameSize> frame,
                              std::optional<double> fps, std::optional<KivAudio> audio)
{
    std::optional<KivFormat> format = catalogue.find(name);
    if (!format) {
        QString unused;
        const std::optional<KivFormatChoice> named =
            kivChooseFormat(catalogue, name, frame, fps, unused);
        if (!named) {
            return false;
        }
        format = named->format;
        frame = named->frame;
        fps = named->fps;
    }
    ui->family->setCurrentText(format->family);
    ui->format->setCurrentIndex(ui->format->findData(format->id));
    if (frame) {
        ui->frame->setCurrentText(frame->text());
    }
    if (fps) {
        // The language's six digits where they read back as the rate, else
        // every digit it needs ("29.970029970029969" for 30000/1001).
        const KivLocalNumbers numbers;
        const QString shown = numbers.text(*fps);
        ui->rate->setCurrentText(numbers.frameRate(shown) == fps ? shown : kivExactText(*fps));
    }
    const int channels = audio ? audio->channels : 0;
    ui->audio->setCurrentIndex(std::max(0, ui->audio->findData(channels)));
    updateResult();
    return true;
}

void KivFormatChooser::familyChosen()
{
    const QSignalBlocker blocker(ui->format);
    ui->format->clear();
    for (const KivFormat &format : catalogue.inFamily(ui->family->currentText())) {
        ui->format->addItem(format.name, format.id);
    }
    formatChosen();
}

void KivFormatChooser::formatChosen()
{
    const KivFormat *format = chosen();
    const bool framed = format != nullptr && format->kind != KivFormatKind::Fixed;
    for (QWidget *w : {static_cast<QWidget *>(ui->frameLabel), static_cast<QWidget *>(ui->frame),
                       static_cast<QWidget *>(ui->rateLabel), static_cast<QWidget *>(ui->rate)}) {
        w->setVisible(framed);
    }
    // A figure that holds the audio already takes none on top.
    ui->audio->setEnabled(format == nullptr || !format->audio);
    if (framed) {
        const QString frame = ui->frame->currentText();
        const QString rate = ui->rate->currentText();
        const QSignalBlocker frameBlocker(ui->frame);
        const QSignalBlocker rateBlocker(ui->rate);
        ui->frame->clear();
        for (const KivFrameSize &size : format->listedSizes()) {
            ui->frame->addItem(size.text());
        }
        if (!format->onlyListedSizes) {
            for (const char *common : COMMON_FRAMES) {
                if (ui->frame->findText(QLatin1String(common)) < 0) {
                    ui->frame->addItem(QLatin1String(common));
                }
            }
        }
        QList<double> rates = format->rates;
        if (!format->onlyListedRates) {
            rates.append(QList<double>(std::begin(COMMON_RATES), std::end(COMMON_RATES)));
        }
        std::sort(rates.begin(), rates.end());
        rates.erase(std::unique(rates.begin(), rates.end()), rates.end());
        ui->rate->clear();
        for (const double fps : rates) {
            ui->rate->addItem(KivLocalNumbers().text(fps));
        }
        // What was typed for the format before stays where this one takes it;
        // else HD where the format has it.
        const int hd = std::max(0, ui->frame->findText(QStringLiteral("1920x1080")));
        ui->frame->setCurrentText(frame.isEmpty() ? ui->frame->itemText(hd) : frame);
        ui->rate->setCurrentText(rate.isEmpty() ? KivLocalNumbers().text(25) : rate);
    }
    updateResult();
}

const KivFormat *KivFormatChooser::chosen() const
{
    const QString id = ui->format->currentData().toString();
    for (const KivFormat &format : catalogue.formats()) {
        if (format.id == id) {
            return &format;
        }
    }
    return nullptr;
}

std::optional<KivAudio> KivFormatChooser::audio() const
{
    const int channels = ui->audio->currentData().toInt();
    if (!ui->audio->isEnabled() || channels <= 0) {
        return std::nullopt;
    }
    KivAudio audio;
    audio.channels = channels;
    return audio;
}

QString KivFormatChooser::refusal(const KivFormat &format, const QString &frameText,
                                  const QString &rateText) const
{
    QString unused;
    const std::optional<KivFrameSize> frame = kivReadFrameSize(frameText, unused);
    if (!frame) {
        // Written as a size, only too large or empty.
        static const QRegularExpression shape(QStringLiteral("^\\s*\\d+[xX]\\d+\\s*$"));
        return shape.match(frameText).hasMatch()
                   ? tr("Width and height must be 1 to %1 pixels.").arg(kivMaxFrameSide)
                   : tr("Write the frame size as width x height, for example 1920x1080.");
    }
    if (!KivLocalNumbers().frameRate(rateText)) {
        return tr("Write the frame rate as a number, for example 25 or 29.97, or as a fraction "
                  "such as 30000/1001.");
    }
    QStringList sizes;
    for (const KivFrameSize &size : format.listedSizes()) {
        sizes << size.text();
    }
    if (!format.onlyListedSizes || sizes.contains(frame->text())) {
        QStringList rates;
        for (const double fps : format.rates) {
            rates << KivLocalNumbers().text(fps);
        }
        return tr("%1 exists only at %2 frames per second.")
            .arg(format.name, rates.join(QStringLiteral(", ")));
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
            frame = kivReadFrameSize(ui->frame->currentText(), unused);
            fps = KivLocalNumbers().frameRate(ui->rate->currentText());
        }
        QString error;
        const std::optional<KivFormatRate> rate =
            format->kind == KivFormatKind::Fixed || (frame && fps)
                ? kivFormatRate(*format, frame, fps, error)
                : std::nullopt;
        if (rate) {
            const KivLocalNumbers numbers;
            QString what = format->audio ? tr("audio included") : tr("video only");
            if (format->alpha) {
                what = *format->alpha ? tr("%1, with alpha").arg(what)
                                      : tr("%1, without alpha").arg(what);
            }
            text = tr("%1 Mbit/s, %2; %3.")
                       .arg(numbers.text(rate->mbps), natureOf(format->nature), what);
            if (rate->scaled) {
                text += QLatin1Char(' ') +
                        (format->kind == KivFormatKind::Table
                             ? tr("Scaled from %1 at %2 fps.")
                                   .arg(rate->fromSize.text(), numbers.text(rate->fromRate))
                             : tr("Scaled from %1.").arg(rate->fromSize.text()));
            }
            mbps_ = rate->mbps;
            if (const std::optional<KivAudio> pcm = audio()) {
                mbps_ = rate->mbps + pcm->mbps();
                text += QLatin1Char(' ') +
                        tr("With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.")
                            .arg(pcm->channels)
                            .arg(numbers.text(pcm->mbps()), numbers.text(*mbps_));
            }
            text += QLatin1Char('\n') + tr("Source: %1").arg(format->source);
        } else {
            text = refusal(*format, ui->frame->currentText(), ui->rate->currentText());
        }
    }
    ui->result->setText(text);
    ui->buttons->button(QDialogButtonBox::Ok)->setEnabled(mbps_.has_value());
}
