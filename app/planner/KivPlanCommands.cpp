// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanCommands.h"

KivPlanRowCommand::KivPlanRowCommand(KivPlanDocument *document, const KivPlanRow &before,
                                     const KivPlanRow &after, int session, int cell,
                                     const QString &text)
    : QUndoCommand(text), document(document), before(before), after(after), session(session),
      cell(cell)
{
}

void KivPlanRowCommand::undo()
{
    document->putRow(before.id, before);
}

void KivPlanRowCommand::redo()
{
    document->putRow(after.id, after);
}

bool KivPlanRowCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const KivPlanRowCommand *>(other);
    if (next->session != session || next->cell != cell || next->after.id != after.id) {
        return false;
    }
    after = next->after;
    setObsolete(after == before);
    return true;
}

KivPlanSettingsCommand::KivPlanSettingsCommand(KivPlanDocument *document,
                                               const KivPlanSettings &before,
                                               const KivPlanSettings &after, int session, int field,
                                               const QString &text)
    : QUndoCommand(text), document(document), before(before), after(after), session(session),
      field(field)
{
}

void KivPlanSettingsCommand::undo()
{
    document->putSettings(before);
}

void KivPlanSettingsCommand::redo()
{
    document->putSettings(after);
}

bool KivPlanSettingsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const KivPlanSettingsCommand *>(other);
    if (next->session != session || next->field != field) {
        return false;
    }
    after = next->after;
    setObsolete(after == before);
    return true;
}

KivPlanCamerasCommand::KivPlanCamerasCommand(KivPlanDocument *document, int at,
                                             const QList<KivPlanRow> &rows, bool remove,
                                             const QString &text)
    : QUndoCommand(text), document(document), at(at), rows(rows), remove(remove)
{
}

void KivPlanCamerasCommand::undo()
{
    put(remove);
}

void KivPlanCamerasCommand::redo()
{
    put(!remove);
}

void KivPlanCamerasCommand::put(bool insert)
{
    if (insert) {
        document->putRows(at, rows);
    } else {
        document->takeRows(at, int(rows.size()));
    }
}
