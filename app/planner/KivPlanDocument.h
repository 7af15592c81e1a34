// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The plan the planner window shows, held in one place: the KivPlan, the
// texts as typed where the plan cannot hold them ("1.5" as a count, "four
// hours" as a time, "" as a days count that is 1), and the clips measured
// for each camera. Every edit is a command on the document's undo stack, so
// that it can be undone; consecutive keys in one field or cell are one
// command until endTyping(). The answer follows each change.
//
// A camera without a bitrate or a time per day (typed empty), or whose clips
// are being measured, is unfinished: it has no figures and no fault, the
// other cameras keep theirs, and the totals are those of the finished
// cameras (incomplete() names the others); it is saved as it is. A camera
// whose rate or card the plan library refuses shows that fault and no
// figures, the others keep theirs; a fault of the plan as a whole (a field,
// a count, a time that cannot be read) leaves no figure at all. Rates are
// resolved and the plan answered by the plan library (kivPlanRates,
// kivPlanAnswer). Measuring is not an edit; clips dropped and measured
// become the camera's source by an edit.
#pragma once

#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <array>
#include <optional>

class QUndoStack;

// One camera as the planner holds it: the plan's camera and its cells as
// typed.
struct KivPlanRow
{
    KivPlanCamera camera;
    QString count = QStringLiteral("1");
    QString time;
    QString rate;        // a typed bitrate as typed (Mbit/s); empty: none yet
    QString timeProblem; // why `time` cannot be read, or empty
    QString folder;      // the folder relative clips are relative to
    int id = 0;          // set by the document, the same while the row lives
    friend bool operator==(const KivPlanRow &, const KivPlanRow &) = default;
};

// What the plan holds besides its cameras (which `plan.cameras` leaves out),
// with the fields as typed.
struct KivPlanSettings
{
    enum Field
    {
        Days,
        Copies,
        CardSize,
        DriveSize,
        Offload,
        Proxy,
        DayLength,
        Handoff,
        Readers,
        Fields
    };
    KivPlan plan;
    std::array<QString, Fields> texts;
    // Why a field's text cannot be read (a time as "ten hours"), or empty.
    std::array<QString, Fields> problems;
    friend bool operator==(const KivPlanSettings &, const KivPlanSettings &) = default;
};

class KivPlanDocument : public QObject
{
    Q_OBJECT

public:
    // A camera's cells that are typed, in the table's order.
    enum Cell
    {
        Name,
        Count,
        Time,
        Bitrate,
        Cells
    };
    // Where the fault lies: a camera's cell, a field, or neither.
    struct Place
    {
        int row = -1;
        int cell = Bitrate;
        int field = -1; // a KivPlanSettings::Field
    };

    explicit KivPlanDocument(QObject *parent = nullptr);

    // A new camera named `name`: one body, an hour a day, its bitrate for
    // the user to type.
    static KivPlanRow newCamera(const QString &name, const QString &folder);
    // The row of `camera` read from a plan in `folder`.
    static KivPlanRow row(const KivPlanCamera &camera, const QString &folder);
    // A whole number as typed: 1 where empty, and 0, which no plan takes,
    // where it is none.
    static int whole(const QString &text);
    // The camera of `row` named as the table shows it: "Camera 2, Drone".
    static QString cameraName(int row, const QString &name);

    // The plan as typed: it may be faulty or unfinished.
    const KivPlan &plan() const { return plan_; }
    const QList<KivPlanRow> &rows() const { return rows_; }
    const KivPlanSettings &settings() const { return settings_; }
    QString text(KivPlanSettings::Field field) const { return settings_.texts[field]; }
    QUndoStack *undoStack() const { return stack; }
    // The folder of the plan's file, where new cameras' clips are relative to.
    const QString &folder() const { return folder_; }
    void setFolder(const QString &folder) { folder_ = folder; }
    // The row of the camera with `id`, or -1 once it is gone.
    int rowOf(int id) const;
    // Whether the camera at `row` waits for its rate: none typed, or clips
    // being measured.
    bool unfinished(int row) const;
    // The measuring of the camera at `row`: under way, what was measured,
    // why not (each empty where it is not so).
    bool measuring(int row) const;
    QString measuredNote(int row) const;

    // Shows `settings` and `rows` as a plan just opened: nothing to undo.
    void reset(const KivPlanSettings &settings, const QList<KivPlanRow> &rows);
    // The settings of `plan` (its figures written in the user's language,
    // its formats named as `formats` names them).
    static KivPlanSettings settingsOf(const KivPlan &plan,
                                      const KivFormatCatalogue *formats = nullptr);
    // The formats that rates and names are looked up in, read once.
    const KivFormatCatalogue &catalogue();

    // Edits, each undoable.
    void setField(KivPlanSettings::Field field, const QString &text);
    void setUnits(KivCardUnits units);
    void setVerify(bool verify);
    void setProxySource(const std::optional<KivPlanSource> &source);
    bool setCell(int row, int cell, const QString &text);
    void setSource(int row, const KivPlanSource &source);
    // The clips at `paths` measured at `mbps` become the source of camera `id`.
    void setClips(int id, const QStringList &paths, double mbps, const QString &note);
    bool insertCameras(int at, const QList<KivPlanRow> &rows);
    bool removeCameras(int at, int count);
    // The next key typed starts an edit of its own.
    void endTyping() { ++session; }
    // Takes back the keys typed into a cell since the last endTyping(), as
    // if they were never typed (Escape).
    void cancelTyping();

    // Measuring the clips a camera's source names (not an edit): started or
    // stopped, done at `mbps`, or refused for `problem`. A camera whose
    // source is no longer those clips is passed over.
    void setMeasuring(int id, bool measuring);
    void setMeasured(int id, double mbps, const QString &note);
    void setUnmeasured(int id, const QString &problem);

    // The plan with relative clip paths that `folder` does not hold made
    // absolute, as it is saved there.
    KivPlan planIn(const QString &folder) const;
    // Makes the rows so, once saved (not an edit).
    void moveClipsTo(const QString &folder);

    // Whether the plan's figures are all such as a plan file takes (an
    // unfinished camera is); else false with the first fault.
    bool readable(QString &error) const;

    // The plan's answer, none while it is faulty or unfinished; each camera's
    // figures and the totals as shown (those of the finished cameras).
    const std::optional<KivPlanAnswer> &answer() const { return answer_; }
    const QList<std::optional<KivPlanCameraAnswer>> &figures() const { return figures_; }
    const std::optional<KivPlanAnswer> &totals() const { return totals_; }
    // The cards each body of a camera carries through the day, with a day
    // length; per row, none where the camera has no figures.
    const QList<std::optional<int>> &dayCards() const { return dayCards_; }
    // `fault` in the user's language, its camera named as its row shows it.
    QString words(const KivPlanFault &fault) const;
    // Whether the fault is the plan's as a whole (no camera has figures).
    bool planFault() const { return wholeFault; }
    // The first fault in the user's language and its place, or empty.
    const QString &fault() const { return fault_; }
    const Place &faultPlace() const { return faultPlace_; }
    // What the totals leave out, in words, or empty.
    QString incomplete() const;

signals:
    void aboutToInsert(int first, int last);
    void inserted();
    void aboutToRemove(int first, int last);
    void removed();
    void aboutToReset();
    void wasReset();
    // The cells `first` to `last` of the camera at `row` changed.
    void cameraChanged(int row, int first, int last);
    // A field or the units changed.
    void settingsChanged();
    // The answer, the figures and the fault were worked out again.
    void answered();

private:
    friend class KivPlanRowCommand;
    friend class KivPlanSettingsCommand;
    friend class KivPlanCamerasCommand;

    struct Measure
    {
        QStringList paths; // resolved, as measured
        std::optional<double> mbps;
        QString note;
        QString problem;
        bool measuring = false;
    };

    void putRow(int id, const KivPlanRow &row);
    void putSettings(const KivPlanSettings &settings);
    void putRows(int at, const QList<KivPlanRow> &rows);
    void takeRows(int at, int count);
    // An edit of the camera at `row`; `stopped` says its measuring stopped.
    void editRow(int row, const KivPlanRow &after, int cell, const QString &text, bool stopped);
    void editSettings(const KivPlanSettings &after, int field, const QString &text);
    QStringList clipPaths(int row) const;
    const Measure *measure(int row) const;
    void recompute();
    // Whether every typed time could be read; else false with the fault.
    bool timesRead(KivPlanFault &fault) const;

    KivPlan plan_;
    KivPlanSettings settings_;
    QList<KivPlanRow> rows_;
    QHash<int, Measure> measures;
    QUndoStack *stack;
    QString folder_;
    int nextId = 1;
    int session = 0;
    std::optional<KivFormatCatalogue> formats;
    std::optional<KivPlanAnswer> answer_;
    std::optional<KivPlanAnswer> totals_;
    QList<std::optional<KivPlanCameraAnswer>> figures_;
    QList<std::optional<int>> dayCards_;
    QString fault_;
    Place faultPlace_;
    bool wholeFault = false; // the plan's, not one camera's
};
