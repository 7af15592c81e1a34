// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's table of cameras over the plan document: what each camera
// is as typed (name, count, time per day, bitrate: typed, a recording
// format or measured clips), then its figures (Mbit/s, GB a day, cards a
// day, the time one card holds, with a day length the cards each body
// carries, GB), "-" for an unfinished camera's. Edits
// go to the document (and so on its undo stack); each change the document
// makes is signalled for exactly the cells it changes.
#pragma once

#include "calc/KivTyped.h"
#include "plan/KivPlan.h"
#include "plan/KivPlanAnswer.h"
#include "plan/KivPlanWords.h"

#include "KivPlanDocument.h"

#include <QAbstractTableModel>

#include <optional>

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
        Cards = KivPlanWords::DayCards,
        Gb = KivPlanWords::Gb,
        Columns = KivPlanWords::Columns
    };

    explicit KivPlanCameraModel(KivPlanDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // New cameras, named by their row, as the document makes them.
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // Where a rate comes from, in words: "ProRes 422 HQ, 3840x2160, 25 fps"
    // (a format named as `formats` names it, else by its id), "Clips:
    // A001.MXF, A002.MXF"; a typed figure as its Mbit/s, then its audio.
    // Numbers are written as `numbers` writes them.
    static QString sourceText(const KivPlanSource &source,
                              const KivLocalNumbers &numbers = KivLocalNumbers(),
                              const KivFormatCatalogue *formats = nullptr);

    KivPlanDocument *document() const { return document_; }

private:
    void answered();
    void remember();
    // Whether the camera at `row` shows "-" for its figures: unfinished, in
    // a plan without a fault.
    bool dash(int row) const;
    // The figure in `column` of the camera at `row` as shown; all of them.
    QString figure(int row, int column) const;
    QStringList figures(int row) const;

    KivPlanDocument *document_;
    KivCardUnits units_;
    // What the figure columns and the fault mark showed, so that only the
    // cells that change are signalled.
    QList<QStringList> shown;
    KivPlanDocument::Place fault_;
    QString faultText;
};
