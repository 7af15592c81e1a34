// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "app/KivFormatMenu.h"

#include "app/KivFormatChooser.h"
#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

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
