#include "KivFileSizeCalculator.h"

#include "calc/KivUnits.h"
#include "core/KivString.h"

#include <QLabel>
#include <QList>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// The number a field holds; text that does not convert, numbers beyond the
// double range included (which the toolkit reads as infinities), reads as 0.
double numberIn(const QLineEdit *field)
{
    bool ok = false;
    const double value = field->text().toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

KivFileSizeCalculator::KivFileSizeCalculator(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    KivString_c text;
    ui.setupUi(this);
    fitLabelColumns();
    lastEdited = nullptr;
    previousEdited = nullptr;
    bitrate = 0.0;
    mbitsPerSec = 0.0;
    mbytesPerSec = 0.0;
    cardSize = 0.0;
    text.assign("00:00:00", -1, KIV_NO);
    time.parse(&text);
}

KivFileSizeCalculator::~KivFileSizeCalculator() = default;

void KivFileSizeCalculator::fitLabelColumns()
{
    // Captions and units keep their widths of 60 and 150 unless the desktop's
    // font needs more room; both grids widen together so they stay aligned.
    const QList<QLabel *> captions = {ui.label, ui.label_2, ui.label_3, ui.label_8, ui.label_10};
    const QList<QLabel *> units = {ui.label_4, ui.label_5, ui.label_6, ui.label_7, ui.label_9};
    for (const QList<QLabel *> &column : {captions, units}) {
        int width = 0;
        for (QLabel *label : column) {
            width = qMax(width, qMax(label->minimumWidth(), label->sizeHint().width()));
        }
        for (QLabel *label : column) {
            label->setFixedWidth(width);
        }
    }
}

void KivFileSizeCalculator::on_myBitrate3_textEdited(const QString &)
{
    mbytesPerSec = numberIn(ui.myBitrate3);
    mbitsPerSec = kivMbitsPerSec(mbytesPerSec);
    ui.myBitrate2->setText(number(mbitsPerSec));
    trackEdit(ui.myBitrate1);
    bitrate = mbitsPerSec;
    ui.myBitrate1->setText(number(mbitsPerSec));
}

void KivFileSizeCalculator::on_myBitrate2_textEdited(const QString &)
{
    mbitsPerSec = numberIn(ui.myBitrate2);
    mbytesPerSec = kivMbytesPerSec(mbitsPerSec);
    ui.myBitrate3->setText(number(mbytesPerSec));
    trackEdit(ui.myBitrate1);
    bitrate = mbitsPerSec;
    ui.myBitrate1->setText(number(mbitsPerSec));
}

void KivFileSizeCalculator::on_myTime1_textEdited(const QString &)
{
    trackEdit(ui.myTime1);
}

void KivFileSizeCalculator::on_myCardSize1_textEdited(const QString &)
{
    trackEdit(ui.myCardSize1);
}

void KivFileSizeCalculator::on_myBitrate1_textEdited(const QString &)
{
    trackEdit(ui.myBitrate1);
    mbitsPerSec = numberIn(ui.myBitrate1);
    mbytesPerSec = kivMbytesPerSec(mbitsPerSec);
    ui.myBitrate2->setText(number(mbitsPerSec));
    ui.myBitrate3->setText(number(mbytesPerSec));
}

void KivFileSizeCalculator::on_pushButton_4_clicked()
{
    calculate();
    showValues();
}

void KivFileSizeCalculator::on_pushButton_3_clicked()
{
    ui.myBitrate2->setText(QString());
    ui.myBitrate3->setText(QString());
    ui.myBitrate1->setText(QString());
    ui.myCardSize1->setText(QString());
    ui.myTime1->setText(QString());
}

void KivFileSizeCalculator::trackEdit(QLineEdit *field)
{
    if (field != lastEdited) {
        previousEdited = lastEdited;
        lastEdited = field;
    }
    for (QLineEdit *other : {ui.myBitrate1, ui.myCardSize1, ui.myTime1}) {
        if (other != lastEdited && other != previousEdited) {
            other->setText(QString());
        }
    }
}

void KivFileSizeCalculator::calculate()
{
    const auto quantityOf = [this](const QLineEdit *field) {
        if (field == ui.myBitrate1) {
            return KivQuantity::Bitrate;
        }
        if (field == ui.myCardSize1) {
            return KivQuantity::CardSize;
        }
        if (field == ui.myTime1) {
            return KivQuantity::Time;
        }
        return KivQuantity::None;
    };

    bitrate = numberIn(ui.myBitrate1);
    cardSize = numberIn(ui.myCardSize1);
    KivString_c text;
    text.assign(ui.myTime1->text().toLatin1().constData(), -1, KIV_NO);
    time.parse(&text);
    const std::uint32_t seconds = time.seconds();

    switch (kivQuantityToCompute(quantityOf(lastEdited), quantityOf(previousEdited))) {
    case KivQuantity::CardSize:
        cardSize = kivCardSize(seconds, bitrate);
        break;
    case KivQuantity::Bitrate:
        bitrate = kivBitrate(cardSize, seconds);
        break;
    case KivQuantity::Time:
        time.setSeconds(kivSeconds(cardSize, bitrate), 0);
        break;
    case KivQuantity::None:
        break;
    }

    mbitsPerSec = bitrate;
    mbytesPerSec = kivMbytesPerSec(bitrate);
    ui.myBitrate2->setText(number(mbitsPerSec));
    ui.myBitrate3->setText(number(mbytesPerSec));
}

void KivFileSizeCalculator::showValues()
{
    ui.myBitrate1->setText(number(bitrate));
    ui.myCardSize1->setText(number(cardSize));
    // The whole duration, so that a time of a day or more reads back unchanged.
    KivString_c text;
    time.formatDuration(&text);
    ui.myTime1->setText(QString::fromLatin1(text.text()));
}
