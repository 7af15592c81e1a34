// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "PlannerTestSupport.h"

void PlannerTest::initTestCase()
{
    QVERIFY(config.isValid() && work.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // The user's own formats, for the window and the child kivfilesize alike.
    QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("kivfilesizecalculator"))));
    QVERIFY(QFile::copy(QStringLiteral(KIV_FORMATS_FILES "/user.json"),
                        config.filePath(QStringLiteral("kivfilesizecalculator/formats.json"))));
}

void PlannerTest::init()
{
    qputenv("KIVFILESIZE", KIV_FILESIZE);
    planner = std::make_unique<KivPlanner>();
    planner->show();
    QVERIFY(QTest::qWaitForWindowExposed(planner.get()));
}

void PlannerTest::cleanup()
{
    planner->setWindowModified(false);
    planner.reset();
    QLocale::setDefault(QLocale::c());
}

void PlannerTest::type(const char *field, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Opens the cell's editor with F2, replaces its text and, with `commit`,
// presses Return.

// Opens the cell's editor with F2, replaces its text and, with `commit`,
// presses Return.
void PlannerTest::typeCell(int row, int column, const QString &text, bool commit)
{
    auto *view = child<QTableView>("cameras");
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    if (commit) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view closes the editor
    }
}

// Steps: "FIELD=text" types into days, copies, cardSize, driveSize, offload
// or proxy; "units=N" chooses the Nth units; "R:C=text" types into row R's
// column C (0 name, 1 count, 2 time, 3 bitrate); "add" adds a camera after
// the current one; "locale:NAME" makes that the user's language.

// Steps: "FIELD=text" types into days, copies, cardSize, driveSize, offload
// or proxy; "units=N" chooses the Nth units; "R:C=text" types into row R's
// column C (0 name, 1 count, 2 time, 3 bitrate); "add" adds a camera after
// the current one; "remove" removes the current camera; "locale:NAME" makes
// that the user's language.
void PlannerTest::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype eq = step.indexOf('=');
        const QString key = step.left(eq);
        const QString text = step.mid(eq + 1);
        if (step.startsWith(QLatin1String("locale:"))) {
            QLocale::setDefault(QLocale(step.mid(7)));
        } else if (step == QLatin1String("add")) {
            QTest::keyClick(planner.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (step == QLatin1String("remove")) {
            QTest::keyClick(child<QTableView>("cameras"), Qt::Key_Delete,
                            Qt::ControlModifier | Qt::ShiftModifier);
        } else if (step == QLatin1String("verify")) {
            child("verify")->setFocus();
            QTest::keyClick(child("verify"), Qt::Key_Space);
        } else if (key == QLatin1String("units")) {
            child<QComboBox>("units")->setCurrentIndex(text.toInt());
        } else if (key.contains(':')) {
            typeCell(key.section(':', 0, 0).toInt(), key.section(':', 1).toInt(), text);
        } else {
            type(qPrintable(key), text);
        }
    }
}
