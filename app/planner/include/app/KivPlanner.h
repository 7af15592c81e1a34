// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// "Plan a Shoot": a whole shoot's plan in a window. A table of cameras (name,
// count, time per day, bitrate: typed, chosen with the format chooser, or
// measured from clips and folders dropped on the row), the days, copies,
// card and drive sizes, offload speed and proxy, and the answer of the plan
// library (KivPlanAnswer.h) beside it, updated as you type: each figure is
// the one `kivfilesize --plan --json` gives for the plan saved.
//
// The plan is held by a document (KivPlanDocument.h): every edit (a field
// or cell typed, a format chosen, clips measured, a camera added or
// removed, the units) can be undone and redone (Edit menu), Escape takes
// back what was typed in a cell, and the plan is modified unless the undo
// stack is where it was saved. The texts stay as typed. An empty count, days
// or copies is 1, an empty card size, drive size, offload speed or proxy is
// none; a field the plan cannot take shows the fault naming its place,
// marked at the field or cell and worded in the user's language, naming the
// camera as its row does ("Camera 2, Drone, Count: ..."), and no figure, so
// that nothing stale shows; a camera whose rate or card cannot be answered
// shows its fault and leaves the others their figures. A camera without a
// bitrate or time yet is unfinished: "-" for its figures, no fault, the
// totals those of the other cameras, saying whom they leave out, and it is
// saved as it is. Typing
// a camera's bitrate makes it a typed rate (a typed rate from a file keeps
// its audio); choosing a format keeps the format as the camera's source (id,
// frame size, rate and audio); measuring keeps the clips' paths, of which
// those the reader refuses (not clips) are left out.
// Clips dropped below the rows make a camera of their own. A camera's clips
// read from a plan file are measured on opening, one camera after another
// (until then the camera is unfinished), and a path refused there is a
// fault, as for kivfilesize; Cancel on the progress leaves the cameras
// waiting unmeasured. The format chooser offers 2, 4 or 8 channels of 24-bit
// 48 kHz audio, so a format's other audio read from a file becomes the
// chooser's only when a format is chosen again.
//
// The totals and the fault line carry their text as their accessible
// description, and a field at fault its fault (Qt 6.4 has no invalid-entry
// state to give it); a new fault is announced. The window fits the screen at
// any font and scrolls inside; the first field starts with the focus, framed.
//
// Plan files are opened and saved with the plan library; a broken file is
// refused with its fault named and the window left as it was. Unsaved changes
// are asked about before they would be lost (New, Open, Close). Saving to
// another folder makes relative clip paths absolute, so that they still name
// the same clips; a save that fails changes nothing.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"

#include <QMainWindow>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <optional>

class KivClipChild;
class QAction;
class QLineEdit;
struct KivClipMeasured;
class KivPlanCameraModel;
class KivPlanDocument;
struct KivPlanRow;
struct KivPlanSettings;

namespace Ui {
class KivPlannerClass;
}

class KivPlanner : public QMainWindow
{
    Q_OBJECT

public:
    // An untitled plan of one camera.
    explicit KivPlanner(QWidget *parent = nullptr);
    ~KivPlanner() override;

    // Shows `plan` as read from `path` (empty: an untitled plan whose relative
    // clips are relative to the current folder), unmodified.
    void setPlan(const KivPlan &plan, const QString &path);
    // Reads the plan file at `path` and shows it; a refusal says why in a
    // message and changes nothing.
    bool openFile(const QString &path);
    // Saves the plan to `path`, whole or not at all; a plan with a field it
    // cannot take, or a file that cannot be written, says why in a message.
    bool saveFile(const QString &path);
    // Exports the table and the totals; nothing while the plan has a fault.
    bool exportCsv(const QString &path);
    bool exportPdf(const QString &path);
    // The first camera's rate, time per day and the card size, as the
    // calculator holds them, each where it is given.
    void seed(std::optional<double> mbps, std::optional<std::uint32_t> seconds,
              std::optional<double> cardSize);

    // The plan file shown, or empty.
    QString filePath() const { return path; }
    // The plan the fields hold (maybe unfinished), or nothing with the fault
    // in its figures.
    std::optional<KivPlan> plan(QString *fault = nullptr) const;
    // The whole plan's answer, or nothing while the plan has a fault, a camera
    // is unfinished or clips are being measured.
    const std::optional<KivPlanAnswer> &answer() const;
    // The plan's first fault in the user's language, or empty.
    QString fault() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionExportCsv_triggered();
    void on_actionExportPdf_triggered();
    void on_actionAddCamera_triggered();
    void on_actionRemoveCamera_triggered();
    void on_actionChooseFormat_triggered();
    void on_actionMeasureClips_triggered();
    void on_actionMeasureFolder_triggered();
    void on_proxyFormat_clicked();
    void on_units_currentIndexChanged(int index);

private:
    struct Waiting
    {
        int id; // the camera's
        QList<QUrl> urls;
        bool dropped; // else read from the plan file
    };

    void showPlan(const KivPlanSettings &settings, const QList<KivPlanRow> &rows,
                  const QString &path);
    bool dropOnRows(QEvent *event);
    void showSettings();
    // The totals the form lacks (all bodies' cards, TB beside GB), and all
    // of them shown for the answer.
    void addTotals();
    void showTotals();
    void showAnswer();
    // Gives `widget` the accessible description `text`, said to assistive
    // tools; false where it had it already.
    static bool describe(QWidget *widget, const QString &text);
    bool askToSave();
    QString askForPath(const QString &title, const QString &filter, const QString &suffix);
    void warn(const QString &title, const QString &text);
    void chooseFormat(int row);
    void measure(int id, const QList<QUrl> &urls, bool dropped);
    void measureNext();
    void measured(const KivClipMeasured &result);
    // Nothing was measured; Cancel stops the measuring of every camera waiting.
    void unmeasured(const QString &why, bool canceled = false);
    KivCardUnits units() const;
    QString title() const;
    // Why there is nothing to export: the fault, or what the totals leave out.
    QString exportFault() const;

    std::unique_ptr<Ui::KivPlannerClass> ui;
    KivPlanDocument *document;
    KivPlanCameraModel *model;
    KivClipChild *clips;
    QString path;
    QList<QLineEdit *> fields; // in the order of KivPlanSettings::Field
    QList<QAction *> marks;    // the fault's mark at each field
    QList<Waiting> waiting;
    std::optional<Waiting> current; // being measured
    bool fitted = false;            // to the screen, when first shown
};
