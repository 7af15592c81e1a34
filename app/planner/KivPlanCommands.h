// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's edits as undo commands: a camera's row before and after, the
// settings before and after, cameras inserted or removed. Keys typed into
// one cell or field in one go merge into one command; typed back to where
// they started (Escape), the command is dropped.
#pragma once

#include "KivPlanDocument.h"

#include <QUndoCommand>

class KivPlanRowCommand : public QUndoCommand
{
public:
    // `session` is the document's typing session, or -1 for an edit that
    // merges with none; `cell` the cell typed.
    KivPlanRowCommand(KivPlanDocument *document, const KivPlanRow &before, const KivPlanRow &after,
                      int session, int cell, const QString &text);
    void undo() override;
    void redo() override;
    int id() const override { return session < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override;
    const KivPlanRow &start() const { return before; }
    int typing() const { return session; }
    int typedCell() const { return cell; }

private:
    KivPlanDocument *document;
    KivPlanRow before;
    KivPlanRow after;
    int session;
    int cell;
};

class KivPlanSettingsCommand : public QUndoCommand
{
public:
    KivPlanSettingsCommand(KivPlanDocument *document, const KivPlanSettings &before,
                           const KivPlanSettings &after, int session, int field,
                           const QString &text);
    void undo() override;
    void redo() override;
    int id() const override { return session < 0 ? -1 : 2; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    KivPlanDocument *document;
    KivPlanSettings before;
    KivPlanSettings after;
    int session;
    int field;
};

class KivPlanCamerasCommand : public QUndoCommand
{
public:
    // Inserts `rows` at `at`, or with `remove` takes them away from there.
    KivPlanCamerasCommand(KivPlanDocument *document, int at, const QList<KivPlanRow> &rows,
                          bool remove, const QString &text);
    void undo() override;
    void redo() override;

private:
    void put(bool insert);

    KivPlanDocument *document;
    int at;
    QList<KivPlanRow> rows;
    bool remove;
};
