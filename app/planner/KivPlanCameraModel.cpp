// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivPlanCameraModel.h"

#include "calc/KivDisplay.h"
#include "calc/KivTyped.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {

// Texts of a source's parts are cut here, so that a cell stays readable.
constexpr qsizetype SHOWN = 80;

QString audioText(const KivAudio &audio)
{
    return audio.bits == 24 && audio.khz == 48
               ? KivPlanCameraModel::tr("%1 audio channels").arg(audio.channels)
               : KivPlanCameraModel::tr("audio %1").arg(audio.typed());
}

bool isTyped(const KivPlanSource &source)
{
    return kivPlanTypedMbps(source).has_value();
}

} // namespace

KivPlanCameraModel::KivPlanCameraModel(KivPlanDocument *document, QObject *parent)
    : QAbstractTableModel(parent), document_(document), units_(document->plan().units),
      fault_(document->faultPlace()), faultText(document->fault())
{
    remember();
    connect(document, &KivPlanDocument::aboutToInsert, this,
            [this](int first, int last) { beginInsertRows(QModelIndex(), first, last); });
    connect(document, &KivPlanDocument::inserted, this, [this] {
        endInsertRows();
        remember();
    });
    connect(document, &KivPlanDocument::aboutToRemove, this,
            [this](int first, int last) { beginRemoveRows(QModelIndex(), first, last); });
    connect(document, &KivPlanDocument::removed, this, [this] {
        endRemoveRows();
        remember();
    });
    connect(document, &KivPlanDocument::aboutToReset, this, [this] { beginResetModel(); });
    connect(document, &KivPlanDocument::wasReset, this, [this] {
        endResetModel();
        remember();
    });
    connect(document, &KivPlanDocument::cameraChanged, this, [this](int row, int first, int last) {
        emit dataChanged(index(row, first), index(row, last));
    });
    connect(document, &KivPlanDocument::settingsChanged, this, [this] {
        if (std::exchange(units_, document_->plan().units) != units_) {
            emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
        }
    });
    connect(document, &KivPlanDocument::answered, this, &KivPlanCameraModel::answered);
}

int KivPlanCameraModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(document_->rows().size());
}

int KivPlanCameraModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString KivPlanCameraModel::sourceText(const KivPlanSource &source, const KivLocalNumbers &numbers,
                                       const KivFormatCatalogue *formats)
{
    QStringList parts;
    if (const std::optional<double> mbps = kivPlanTypedMbps(source)) {
        parts << numbers.text(*mbps);
    } else if (const auto *format = std::get_if<KivPlanFormat>(&source.from)) {
        const std::optional<KivFormat> named =
            formats != nullptr ? formats->find(format->name) : std::nullopt;
        parts << kivEscaped(named ? named->name : format->name, SHOWN);
        if (format->frame) {
            parts << format->frame->text();
        }
        if (format->fps) {
            parts << tr("%1 fps").arg(numbers.text(*format->fps));
        }
    } else if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
        QStringList names;
        for (const QString &path : clips->paths) {
            const QString name = QFileInfo(path).fileName();
            names << kivEscaped(name.isEmpty() ? path : name);
        }
        return tr("Clips: %1").arg(kivEscaped(names.join(QStringLiteral(", ")), SHOWN));
    }
    if (source.audio) {
        parts << audioText(*source.audio);
    }
    return parts.join(QStringLiteral(", "));
}

QVariant KivPlanCameraModel::data(const QModelIndex &index, int role) const
{
    const QList<KivPlanRow> &rows = document_->rows();
    if (!index.isValid() || index.row() >= rows.size()) {
        return QVariant();
    }
    const KivPlanRow &row = rows[index.row()];
    const KivPlanSource &source = row.camera.source;
    const int column = index.column();
    const bool faulty = index.row() == fault_.row && column == fault_.cell;
    const bool measuring = document_->measuring(index.row());
    if (role == Qt::DecorationRole && faulty) {
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    if (role == Qt::TextAlignmentRole && column != Name && column != Bitrate) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        QStringList tip;
        if (faulty) {
            tip << document_->fault();
        }
        if (column == Bitrate && role == Qt::ToolTipRole) {
            if (const auto *clips = std::get_if<KivPlanClips>(&source.from)) {
                tip << clips->paths.join(QLatin1Char('\n'));
                tip << (measuring ? tr("Measuring clips…") : document_->measuredNote(index.row()));
            } else if (!isTyped(source) || source.audio) {
                tip << sourceText(source, KivLocalNumbers(), &document_->catalogue());
            }
        }
        tip.removeAll(QString());
        return tip.isEmpty() ? QVariant() : QVariant(tip.join(QLatin1Char('\n')));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return QVariant();
    }
    switch (column) {
    case Name:
        return row.camera.name;
    case Count:
        return row.count;
    case Time:
        return row.time;
    case Bitrate:
        if (measuring && role == Qt::DisplayRole) {
            return tr("Measuring clips…");
        }
        if (isTyped(source)) {
            // Shown with its audio, as the Mbit/s beside count it; edited alone.
            return role == Qt::DisplayRole && source.audio
                       ? row.rate + QStringLiteral(", ") + audioText(*source.audio)
                       : row.rate;
        }
        return sourceText(source, KivLocalNumbers(), &document_->catalogue());
    default:
        break;
    }
    return figure(index.row(), column);
}

QString KivPlanCameraModel::figure(int row, int column) const
{
    const std::optional<KivPlanCameraAnswer> &c = document_->figures().value(row);
    if (!c) {
        return dash(row) ? QStringLiteral("-") : QString();
    }
    const KivLocalNumbers numbers;
    switch (column) {
    case Mbps:
        return numbers.figure(c->mbps);
    case GbPerDay:
        return numbers.figure(c->gbPerDay);
    case CardsPerDay:
        return c->cardsPerDay ? numbers.figure(*c->cardsPerDay) : QString();
    case CardTime:
        return c->cardSeconds ? kivTimeText(*c->cardSeconds) : QString();
    case Cards: {
        const QList<std::optional<int>> &cards = document_->dayCards();
        return row < cards.size() && cards[row] ? numbers.figure(*cards[row]) : QString();
    }
    case Gb:
        return numbers.figure(c->gb);
    default:
        return QString();
    }
}

QStringList KivPlanCameraModel::figures(int row) const
{
    QStringList texts;
    for (int column = Mbps; column <= Gb; ++column) {
        texts << figure(row, column);
    }
    return texts;
}

bool KivPlanCameraModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    return index.isValid() && role == Qt::EditRole && index.column() <= Bitrate &&
           document_->setCell(index.row(), index.column(), value.toString());
}

Qt::ItemFlags KivPlanCameraModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() <= Bitrate ? flags | Qt::ItemIsEditable : flags;
}

QVariant KivPlanCameraModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return KivPlanWords::header(section, units_);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool KivPlanCameraModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || count > kivPlanMaxCameras) {
        return false;
    }
    QList<KivPlanRow> added;
    for (int i = 0; i < count; ++i) {
        added << KivPlanDocument::newCamera(KivPlanDocument::cameraName(row + i, QString()),
                                            document_->folder());
    }
    return document_->insertCameras(row, added);
}

bool KivPlanCameraModel::removeRows(int row, int count, const QModelIndex &parent)
{
    return !parent.isValid() && document_->removeCameras(row, count);
}

void KivPlanCameraModel::answered()
{
    const int rows = rowCount();
    shown.resize(rows);
    for (int row = 0; row < rows; ++row) {
        const QStringList now = figures(row);
        const QStringList before = shown.value(row);
        // Each run of figures that reads otherwise, and no other.
        for (int column = 0; column < now.size();) {
            if (now[column] == before.value(column)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < now.size() && now[column] != before.value(column)) {
                ++column;
            }
            emit dataChanged(index(row, Mbps + first), index(row, Mbps + column - 1));
        }
        shown[row] = now;
    }
    const KivPlanDocument::Place before = std::exchange(fault_, document_->faultPlace());
    const QString text = std::exchange(faultText, document_->fault());
    const bool moved = before.row != fault_.row || before.cell != fault_.cell;
    if (moved && before.row >= 0 && before.row < rows) {
        emit dataChanged(index(before.row, before.cell), index(before.row, before.cell));
    }
    if ((moved || text != faultText) && fault_.row >= 0 && fault_.row < rows) {
        emit dataChanged(index(fault_.row, fault_.cell), index(fault_.row, fault_.cell));
    }
}

bool KivPlanCameraModel::dash(int row) const
{
    return !document_->figures().value(row) && document_->unfinished(row) &&
           !document_->planFault();
}

void KivPlanCameraModel::remember()
{
    // Called as rows come and go, before the figures are worked out again.
    shown.clear();
    for (int row = 0; row < rowCount(); ++row) {
        shown << figures(row);
    }
    fault_ = document_->faultPlace();
    faultText = document_->fault();
}
