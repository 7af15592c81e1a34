// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// A bare dialog with the calculator's widget tree, built in code, with the
// start-up probe: what the toolkit alone costs for the same window.
#include "KivStartupProbe.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename Layout> Layout *layoutOf(QWidget *owner)
{
    auto *layout = new Layout(owner);
    layout->setSpacing(6);
    layout->setContentsMargins(11, 11, 11, 11);
    return layout;
}

QFrame *frameIn(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QLabel *label(QWidget *parent, const char *text, int width, bool right, QWidget *buddy)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setMinimumSize(QSize(width, 0));
    label->setMaximumSize(QSize(width, 16777215));
    if (right) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    label->setBuddy(buddy);
    return label;
}

QLineEdit *edit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMinimumSize(QSize(100, 0));
    edit->setMaximumSize(QSize(100, 16777215));
    return edit;
}

void build(QDialog &dialog)
{
    dialog.resize(380, 301);
    dialog.setWindowTitle(QStringLiteral("Kiv File Size Calculator"));
    auto *top = layoutOf<QVBoxLayout>(&dialog);

    auto *group = new QGroupBox(QStringLiteral("Calculate Bitrate/Card Size/Time"), &dialog);
    auto *groupLayout = layoutOf<QVBoxLayout>(group);
    auto *fields = frameIn(group);
    auto *grid = layoutOf<QGridLayout>(fields);
    auto *bitrate = edit(fields);
    auto *cardSize = edit(fields);
    auto *time = edit(fields);
    grid->addWidget(label(fields, "Bitrate", 60, true, bitrate), 0, 0);
    grid->addWidget(bitrate, 0, 1);
    grid->addWidget(label(fields, "Mbits/sec", 150, false, bitrate), 0, 2);
    grid->addWidget(label(fields, "Card Size", 60, true, cardSize), 1, 0);
    grid->addWidget(cardSize, 1, 1);
    grid->addWidget(label(fields, "GB", 150, false, cardSize), 1, 2);
    grid->addWidget(label(fields, "Time", 60, true, time), 2, 0);
    grid->addWidget(time, 2, 1);
    grid->addWidget(label(fields, "Hours:Minutes:Seconds", 150, false, time), 2, 2);
    groupLayout->addWidget(fields);

    auto *buttons = frameIn(group);
    auto *row = layoutOf<QHBoxLayout>(buttons);
    auto *reset = new QPushButton(QStringLiteral("Reset"), buttons);
    reset->setAutoDefault(false);
    auto *calculate = new QPushButton(QStringLiteral("Calculate"), buttons);
    calculate->setDefault(true);
    row->addWidget(reset);
    row->addWidget(calculate);
    groupLayout->addWidget(buttons);
    top->addWidget(group);

    auto *convert =
        new QGroupBox(QStringLiteral("Calculate Bitrate in Mbits/sec or MB/sec"), &dialog);
    auto *convertLayout = layoutOf<QVBoxLayout>(convert);
    auto *units = frameIn(convert);
    auto *unitGrid = layoutOf<QGridLayout>(units);
    auto *mbits = edit(units);
    auto *mbytes = edit(units);
    unitGrid->addWidget(label(units, "Bitrate", 60, true, mbits), 0, 0);
    unitGrid->addWidget(mbits, 0, 1);
    unitGrid->addWidget(label(units, "Mbits/sec", 150, false, mbits), 0, 2);
    unitGrid->addWidget(label(units, "Bitrate", 60, true, mbytes), 1, 0);
    unitGrid->addWidget(mbytes, 1, 1);
    unitGrid->addWidget(label(units, "MB/sec", 150, false, mbytes), 1, 2);
    convertLayout->addWidget(units);
    top->addWidget(convert);

    QWidget::setTabOrder(bitrate, cardSize);
    QWidget::setTabOrder(cardSize, time);
    QWidget::setTabOrder(time, mbits);
    QWidget::setTabOrder(mbits, mbytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    build(dialog);
    kivStartupProbe(&dialog);
    dialog.show();
    return app.exec();
}
