// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The dialog's Calculate as one operation: reading the fields, the
// arithmetic and writing the five fields back, without repainting (events are
// not processed while it runs).
#include "KivBenchMain.h"

#include "app/KivFileSizeCalculator.h"

#include <QApplication>
#include <QLineEdit>
#include <QMetaObject>

#include <memory>

namespace {

QLineEdit *field(QWidget &dialog, const char *name)
{
    auto *edit = dialog.findChild<QLineEdit *>(name);
    kivBenchCheck(edit != nullptr, std::string("no field ") + name);
    return edit;
}

// Types `text` into `edit` as the user would, signal included.
void type(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    emit edit->textEdited(text);
}

} // namespace

std::vector<KivBenchOp> kivBenchOps(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    static KivFileSizeCalculator dialog;
    dialog.show();
    QApplication::processEvents();

    // 4 GB in 1:00:00: Calculate computes the bitrate.
    type(field(dialog, "myCardSize1"), "4");
    type(field(dialog, "myTime1"), "1:00:00");
    const int slot = dialog.metaObject()->indexOfSlot("on_pushButton_4_clicked()");
    kivBenchCheck(slot >= 0, "no Calculate slot");
    const auto calculate = [slot] {
        void *arguments[] = {nullptr};
        QMetaObject::metacall(&dialog, QMetaObject::InvokeMetaMethod, slot, arguments);
    };
    calculate();
    QApplication::processEvents();
    kivBenchCheck(field(dialog, "myBitrate1")->text() == "9.10222" &&
                      field(dialog, "myCardSize1")->text() == "4" &&
                      field(dialog, "myTime1")->text() == "01:00:00" &&
                      field(dialog, "myBitrate3")->text() == "1.13778",
                  "Calculate gives " + field(dialog, "myBitrate1")->text().toStdString());

    return {{"dialog.calculate", "kiv", calculate}};
}
