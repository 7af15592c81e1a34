// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFileSizeCalculator.h"
#include "ui_KivFileSizeCalculator.h"

#include "app/KivClipDrop.h"
#include "app/KivFormatMenu.h"
#include "app/KivPlanner.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"
#include "core/KivString.h"

#include <QFontMetrics>
#include <QLabel>
#include <QList>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The time field in seconds as the dialog has always read it: pieces from the
// right, each its first run of digits, so that "1:75" is 135 seconds.
std::uint32_t typedSeconds(const QString &text)
{
    KivString_c bytes;
    bytes.assign(text.toLatin1().constData(), -1, KIV_NO);
    KivTime_c time;
    time.parse(&bytes);
    return time.seconds();
}

} // namespace

KivFileSizeCalculator::KivFileSizeCalculator(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    KivString_c text;
    ui = std::make_unique<Ui::KivFileSizeCalculatorClass>();
    ui->setupUi(this);
    fitLabelColumns();
    fitFieldColumn();
    new KivFormatMenu(ui->myBitrate2);
    const std::pair<QLineEdit *, int> planned[] = {
        {ui->myBitrate1, KivFormatMenu::Format | KivFormatMenu::Plan},
        {ui->myCardSize1, KivFormatMenu::FreeSpace | KivFormatMenu::Plan},
        {ui->myTime1, KivFormatMenu::Plan}};
    for (const auto &[field, entries] : planned) {
        connect(new KivFormatMenu(field, entries), &KivFormatMenu::planRequested, this,
                [this] { openPlanner(); });
    }
    new KivClipDrop(this, ui->myBitrate1);
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

void KivFileSizeCalculator::openPlanner()
{
    // The planner's first camera takes what the first group holds.
    const KivLocalNumbers numbers;
    const double mbps = numbers.read(ui->myBitrate1->text());
    const double size = numbers.read(ui->myCardSize1->text());
    const std::uint32_t seconds = typedSeconds(ui->myTime1->text());
    auto *planner = new KivPlanner(this);
    planner->setAttribute(Qt::WA_DeleteOnClose);
    planner->seed(mbps > 0 ? std::optional<double>(mbps) : std::nullopt,
                  seconds > 0 ? std::optional<std::uint32_t>(seconds) : std::nullopt,
                  size > 0 ? std::optional<double>(size) : std::nullopt);
    planner->show();
}

void KivFileSizeCalculator::fitLabelColumns()
{
    // Captions and units keep their widths of 60 and 150 unless the desktop's
    // font needs more room; both grids widen together so they stay aligned.
    const QList<QLabel *> captions = {ui->label, ui->label_2, ui->label_3, ui->label_8,
                                      ui->label_10};
    const QList<QLabel *> units = {ui->label_4, ui->label_5, ui->label_6, ui->label_7, ui->label_9};
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

void KivFileSizeCalculator::fitFieldColumn()
{
    // The fields keep their width of 100 unless the font needs more for the
    // longest texts the dialog writes, 13 characters: the longest time,
    // 1193046:28:15, and a number such as -1.23457e-308, in the font's widest
    // digit. A scrolled field would show a wrong-looking number.
    const QList<QLineEdit *> fields = {ui->myBitrate1, ui->myCardSize1, ui->myTime1, ui->myBitrate2,
                                       ui->myBitrate3};
    QLineEdit *field = ui->myBitrate1;
    const QFontMetrics metrics(field->font());
    QChar digit = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(digit)) {
            digit = QLatin1Char(c);
        }
    }
    const QString d(digit);
    QString time = kivTimeText(KIV_LONGEST_SECONDS);
    for (QChar &c : time) {
        if (c.isDigit()) {
            c = digit;
        }
    }
    const QString number = QLatin1Char('-') + d + QLatin1Char('.') + d.repeated(5) +
                           QLatin1String("e-") + d.repeated(3);
    const int text = qMax(metrics.horizontalAdvance(time), metrics.horizontalAdvance(number));

    // Around its text a line edit keeps its frame, its text margins, 2 pixels
    // on either side and a pixel for the cursor after the last character.
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = QRect(0, 0, 100, field->height());
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    const int around = 100 - contents.width() + margins.left() + margins.right() + 2 * 2 + 1;
    const int width = qMax(100, text + around);
    for (QLineEdit *f : fields) {
        f->setFixedWidth(width);
    }
}

void KivFileSizeCalculator::on_myBitrate3_textEdited(const QString &)
{
    const KivLocalNumbers numbers;
    mbytesPerSec = numbers.read(ui->myBitrate3->text());
    mbitsPerSec = kivMbitsPerSec(mbytesPerSec);
    ui->myBitrate2->setText(numbers.text(mbitsPerSec));
    trackEdit(ui->myBitrate1);
    bitrate = mbitsPerSec;
    ui->myBitrate1->setText(numbers.text(mbitsPerSec));
}

void KivFileSizeCalculator::on_myBitrate2_textEdited(const QString &)
{
    const KivLocalNumbers numbers;
    mbitsPerSec = numbers.read(ui->myBitrate2->text());
    mbytesPerSec = kivMbytesPerSec(mbitsPerSec);
    ui->myBitrate3->setText(numbers.text(mbytesPerSec));
    trackEdit(ui->myBitrate1);
    bitrate = mbitsPerSec;
    ui->myBitrate1->setText(numbers.text(mbitsPerSec));
}

void KivFileSizeCalculator::on_myTime1_textEdited(const QString &)
{
    trackEdit(ui->myTime1);
}

void KivFileSizeCalculator::on_myCardSize1_textEdited(const QString &)
{
    trackEdit(ui->myCardSize1);
}

void KivFileSizeCalculator::on_myBitrate1_textEdited(const QString &)
{
    trackEdit(ui->myBitrate1);
    const KivLocalNumbers numbers;
    mbitsPerSec = numbers.read(ui->myBitrate1->text());
    mbytesPerSec = kivMbytesPerSec(mbitsPerSec);
    ui->myBitrate2->setText(numbers.text(mbitsPerSec));
    ui->myBitrate3->setText(numbers.text(mbytesPerSec));
}

void KivFileSizeCalculator::on_pushButton_4_clicked()
{
    calculate();
    showValues();
}

void KivFileSizeCalculator::on_pushButton_3_clicked()
{
    ui->myBitrate2->setText(QString());
    ui->myBitrate3->setText(QString());
    ui->myBitrate1->setText(QString());
    ui->myCardSize1->setText(QString());
    ui->myTime1->setText(QString());
}

void KivFileSizeCalculator::trackEdit(QLineEdit *field)
{
    if (field != lastEdited) {
        previousEdited = lastEdited;
        lastEdited = field;
    }
    for (QLineEdit *other : {ui->myBitrate1, ui->myCardSize1, ui->myTime1}) {
        if (other != lastEdited && other != previousEdited) {
            other->setText(QString());
        }
    }
}

void KivFileSizeCalculator::calculate()
{
    const KivLocalNumbers numbers;
    const auto quantityOf = [this](const QLineEdit *field) {
        if (field == ui->myBitrate1) {
            return KivQuantity::Bitrate;
        }
        if (field == ui->myCardSize1) {
            return KivQuantity::CardSize;
        }
        if (field == ui->myTime1) {
            return KivQuantity::Time;
        }
        return KivQuantity::None;
    };

    bitrate = numbers.read(ui->myBitrate1->text());
    cardSize = numbers.read(ui->myCardSize1->text());
    const std::uint32_t seconds = typedSeconds(ui->myTime1->text());
    time.setSeconds(seconds, 0);

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
    ui->myBitrate2->setText(numbers.text(mbitsPerSec));
    ui->myBitrate3->setText(numbers.text(mbytesPerSec));
}

void KivFileSizeCalculator::showValues()
{
    const KivLocalNumbers numbers;
    ui->myBitrate1->setText(numbers.text(bitrate));
    ui->myCardSize1->setText(numbers.text(cardSize));
    // The whole duration, so that a time of a day or more reads back unchanged.
    ui->myTime1->setText(kivTimeText(time.seconds()));
}
