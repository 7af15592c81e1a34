// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFormatMenu.h"

#include "app/KivFormatChooser.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"
#include "calc/KivUnits.h"

#include <QContextMenuEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStorageInfo>

KivFormatMenu::KivFormatMenu(QLineEdit *field, int entries)
    : QObject(field), field(field), hint(field->toolTip()), entries(entries)
{
    field->installEventFilter(this);
}

bool KivFormatMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != field) {
        return false;
    }
    if (event->type() == QEvent::ToolTipChange) {
        if (field->toolTip().isEmpty() && !hint.isEmpty()) {
            field->setToolTip(hint);
        }
        return false;
    }
    QPoint at;
    if (event->type() == QEvent::ContextMenu) {
        at = static_cast<QContextMenuEvent *>(event)->globalPos();
    } else if (event->type() == QEvent::KeyPress) {
        // Not every platform turns these keys into a context menu event.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Menu &&
            !(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            return false;
        }
        at = field->mapToGlobal(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
    } else {
        return false;
    }
    QMenu *menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAction *> added;
    if (entries & Format) {
        added << new QAction(tr("Bitrate of a recording format…"), menu);
        connect(added.last(), &QAction::triggered, this, &KivFormatMenu::choose);
    }
    if (entries & FreeSpace) {
        added << new QAction(tr("Free space of a mounted card…"), menu);
        connect(added.last(), &QAction::triggered, this, &KivFormatMenu::chooseVolume);
    }
    if (entries & Plan) {
        added << new QAction(tr("Plan a shoot…"), menu);
        connect(added.last(), &QAction::triggered, this, &KivFormatMenu::planRequested);
    }
    QAction *first = menu->actions().value(0);
    menu->insertActions(first, added);
    menu->insertSeparator(first);
    // Return right after the menu key takes the first entry.
    menu->setActiveAction(added.value(0));
    menu->popup(at);
    return true;
}

void KivFormatMenu::chooseVolume()
{
    const KivLocalNumbers numbers;
    QStringList items;
    QList<double> free;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // File systems of no size (/proc, /sys) store nothing.
        if (!volume.isValid() || !volume.isReady() || volume.bytesTotal() <= 0 ||
            volume.bytesAvailable() < 0) {
            continue;
        }
        const QString root = kivEscaped(volume.rootPath());
        const QString name =
            volume.name().isEmpty() ? root : tr("%1 at %2").arg(kivEscaped(volume.name()), root);
        free << kivGigabytes(volume.bytesAvailable());
        items << tr("%1: %2 GB free of %3 GB")
                     .arg(name, numbers.text(free.last()),
                          numbers.text(kivGigabytes(volume.bytesTotal())));
    }
    QWidget *window = field->window();
    if (items.isEmpty()) {
        QMessageBox::information(window, tr("Free Space of a Card"),
                                 tr("No mounted volume was found."));
        return;
    }
    auto *dialog = new QInputDialog(window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Free Space of a Card"));
    dialog->setLabelText(tr("&Volume:"));
    dialog->setComboBoxItems(items);
    dialog->setComboBoxEditable(false);
    connect(dialog, &QInputDialog::textValueSelected, field,
            [this, items, free](const QString &text) {
                const qsizetype chosen = items.indexOf(text);
                if (chosen >= 0) {
                    field->setFocus();
                    field->selectAll();
                    field->insert(KivLocalNumbers().text(free[chosen]));
                }
            });
    dialog->open();
}

void KivFormatMenu::choose()
{
    auto *chooser = new KivFormatChooser(field->window());
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, field, [this, chooser] {
        if (const std::optional<double> mbps = chooser->mbps()) {
            field->setFocus();
            field->selectAll();
            field->insert(KivLocalNumbers().text(*mbps));
        }
    });
    chooser->open();
}
