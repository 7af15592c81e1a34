// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's table of cameras: what each camera is as typed (name, count,
// time per day, bitrate) and where its rate comes from (a typed figure, a
// recording format, measured clips), then its answer (Mbit/s, GB a day,
// cards a day, the time one card holds, GB). The texts stay as typed, so
// that a fault in one is shown, not lost; a figure read from a plan file is
// kept exact until it is typed over.
#pragma once

#include "calc/KivTyped.h"
#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanWords.h"

#include <QAbstractTableModel>

#include <optional>

// One camera as the planner holds it.
struct KivPlanRow
{
    QString name;
    QString count = QStringLiteral("1");
    QString time;         // H:M:S as typed
    QString rate;         // a typed bitrate as typed (Mbit/s)
    KivPlanSource source; // always the camera's source; a typed one as read from `rate`
    QString folder;       // the folder relative clips are relative to

    // Measured clips: the rate, what was measured, or why not.
    std::optional<double> measured;
    QString note;
    QString problem;
    bool measuring = false;

    int id = 0; // set by the model, the same while the row lives
};

class KivPlanCameraModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Name = KivPlanWords::Name,
        Count = KivPlanWords::Count,
        Time = KivPlanWords::Time,
        Bitrate = KivPlanWords::Bitrate,
        Mbps = KivPlanWords::Mbps,
        GbPerDay = KivPlanWords::GbPerDay,
        CardsPerDay = KivPlanWords::CardsPerDay,
        CardTime = KivPlanWords::CardTime,
        Gb = KivPlanWords::Gb,
        Columns = KivPlanWords::Columns
    };

    explicit KivPlanCameraModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // Where a rate comes from, in words: "ProRes 422 HQ, 3840x2160, 25 fps"
    // (a format named as `formats` names it, else by its id), "Clips:
    // A001.MXF, A002.MXF"; a typed figure as its Mbit/s, then its audio.
    // Numbers are written as `numbers` writes them.
    static QString sourceText(const KivPlanSource &source,
                              const KivLocalNumbers &numbers = KivLocalNumbers(),
                              const KivFormatCatalogue *formats = nullptr);
    // The catalogue that names the formats shown; none shows their ids.
    void setFormats(const KivFormatCatalogue *formats) { formats_ = formats; }

    const QList<KivPlanRow> &rows() const { return rows_; }
    // The row of the camera with `id`, or -1 once it is gone.
    int rowOf(int id) const;

    void setRows(const QList<KivPlanRow> &rows);
    // Inserts `row` at `at` and returns its id.
    int insertCamera(int at, KivPlanRow row);
    // Gives the camera at `row` another source (a format chosen, clips
    // measured): its typed text goes.
    void setSource(int row, const KivPlanSource &source);
    // The measuring of the clips of the camera `id`: started (or stopped, as
    // it was), done with a rate and the paths measured (its source becomes
    // those clips), or failed for `problem`. A camera gone is passed over.
    void setMeasuring(int id, bool measuring);
    void setMeasured(int id, const QStringList &paths, double mbps, const QString &note);
    void setUnmeasured(int id, const QString &problem);
    // Makes relative clip paths that `folder` does not hold absolute.
    void moveClipsTo(const QString &folder);

    void setUnits(KivCardUnits units);
    // The answer shown beside the cameras, or none while the plan is faulty.
    void setAnswer(const std::optional<KivPlanAnswer> &answer);
    // Marks the cell that holds the fault, or none for a row of -1.
    void setFault(int row, int column, const QString &fault);

    // The camera of `row` as the plan takes it. A count that is no whole
    // number reads as 0 and an empty one as 1, so that kivCheckPlan names the
    // fault; a time that cannot be read gives `error` after `place` and false.
    bool camera(int row, const QString &place, KivPlanCamera &camera, QString &error) const;

signals:
    // Anything of the plan changed (not the answer shown).
    void edited();
    // A camera's clips were measured, or not; the plan is as it was.
    void measuringChanged();

private:
    void changedRow(int row);
    void changedMeasuring(int row);

    QList<KivPlanRow> rows_;
    int nextId = 1;
    KivCardUnits units_ = KivCardUnits::Kiv;
    std::optional<KivPlanAnswer> answer_;
    int faultRow = -1;
    int faultColumn = 0;
    QString fault_;
    const KivFormatCatalogue *formats_ = nullptr;
};
