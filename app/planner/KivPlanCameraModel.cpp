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

KivPlanCameraModel::KivPlanCameraModel(QObject *parent) : QAbstractTableModel(parent) {}

int KivPlanCameraModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
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
    if (!index.isValid() || index.row() >= rows_.size()) {
        return QVariant();
    }
    const KivPlanRow &row = rows_[index.row()];
    const int column = index.column();
    const bool faulty = index.row() == faultRow && column == faultColumn;
    if (role == Qt::DecorationRole && faulty) {
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    if (role == Qt::TextAlignmentRole && column != Name && column != Bitrate) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole) {
        QStringList tip;
        if (faulty) {
            tip << fault_;
        }
        if (column == Bitrate) {
            if (const auto *clips = std::get_if<KivPlanClips>(&row.source.from)) {
                tip << clips->paths.join(QLatin1Char('\n'));
                tip << (row.measuring ? tr("Measuring clips…") : row.note);
            } else if (!isTyped(row.source) || row.source.audio) {
                tip << sourceText(row.source, KivLocalNumbers(), formats_);
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
        return row.name;
    case Count:
        return row.count;
    case Time:
        return row.time;
    case Bitrate:
        if (isTyped(row.source)) {
            // Shown with its audio, as the Mbit/s beside count it; edited alone.
            return role == Qt::DisplayRole && row.source.audio
                       ? row.rate + QStringLiteral(", ") + audioText(*row.source.audio)
                       : row.rate;
        }
        if (row.measuring && role == Qt::DisplayRole) {
            return tr("Measuring clips…");
        }
        return sourceText(row.source, KivLocalNumbers(), formats_);
    default:
        break;
    }
    if (!answer_ || index.row() >= answer_->cameras.size()) {
        return QString();
    }
    const KivPlanCameraAnswer &c = answer_->cameras[index.row()];
    const KivLocalNumbers numbers;
    switch (column) {
    case Mbps:
        return numbers.figure(c.mbps);
    case GbPerDay:
        return numbers.figure(c.gbPerDay);
    case CardsPerDay:
        return c.cardsPerDay ? numbers.figure(*c.cardsPerDay) : QString();
    case CardTime:
        return c.cardSeconds ? kivTimeText(*c.cardSeconds) : QString();
    case Gb:
        return numbers.figure(c.gb);
    default:
        return QVariant();
    }
}

bool KivPlanCameraModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rows_.size() ||
        index.column() > Bitrate) {
        return false;
    }
    KivPlanRow &row = rows_[index.row()];
    const QString text = value.toString();
    switch (index.column()) {
    case Name:
        row.name = text;
        break;
    case Count:
        row.count = text;
        break;
    case Time:
        row.time = text;
        break;
    default:
        // A typed bitrate keeps the audio a typed one had; a format's or
        // clips' go with them.
        const std::optional<KivAudio> audio = isTyped(row.source) ? row.source.audio : std::nullopt;
        row.source = KivPlanSource{KivPlanBitrate{KivLocalNumbers().read(text)}, audio};
        row.rate = text;
        row.measured.reset();
        row.measuring = false;
        row.note.clear();
        row.problem.clear();
        break;
    }
    changedRow(index.row());
    return true;
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

bool KivPlanCameraModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rows_.size()) {
        return false;
    }
    beginRemoveRows(parent, row, row + count - 1);
    rows_.remove(row, count);
    answer_.reset();
    faultRow = -1;
    endRemoveRows();
    emit edited();
    return true;
}

int KivPlanCameraModel::rowOf(int id) const
{
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) {
            return int(i);
        }
    }
    return -1;
}

void KivPlanCameraModel::setRows(const QList<KivPlanRow> &rows)
{
    beginResetModel();
    rows_ = rows;
    for (KivPlanRow &row : rows_) {
        row.id = nextId++;
    }
    answer_.reset();
    faultRow = -1;
    endResetModel();
    emit edited();
}

int KivPlanCameraModel::insertCamera(int at, KivPlanRow row)
{
    at = std::clamp(at, 0, int(rows_.size()));
    row.id = nextId++;
    beginInsertRows(QModelIndex(), at, at);
    rows_.insert(at, row);
    answer_.reset();
    faultRow = -1;
    endInsertRows();
    emit edited();
    return row.id;
}

void KivPlanCameraModel::setSource(int row, const KivPlanSource &source)
{
    if (row < 0 || row >= rows_.size()) {
        return;
    }
    KivPlanRow &r = rows_[row];
    r.source = source;
    r.rate = isTyped(source) ? KivLocalNumbers().text(*kivPlanTypedMbps(source)) : QString();
    r.measured.reset();
    r.measuring = false;
    r.note.clear();
    r.problem.clear();
    changedRow(row);
}

void KivPlanCameraModel::setMeasuring(int id, bool measuring)
{
    const int row = rowOf(id);
    if (row >= 0) {
        rows_[row].measuring = measuring;
        changedMeasuring(row);
    }
}

void KivPlanCameraModel::setMeasured(int id, const QStringList &paths, double mbps,
                                     const QString &note)
{
    const int row = rowOf(id);
    if (row < 0) {
        return;
    }
    const auto *clips = std::get_if<KivPlanClips>(&rows_[row].source.from);
    const bool same = clips != nullptr && clips->paths == paths;
    KivPlanRow &r = rows_[row];
    r.source = KivPlanSource{KivPlanClips{paths}, std::nullopt};
    r.rate.clear();
    r.measured = mbps;
    r.measuring = false;
    r.note = note;
    r.problem.clear();
    if (same) {
        changedMeasuring(row);
    } else {
        changedRow(row);
    }
}

void KivPlanCameraModel::setUnmeasured(int id, const QString &problem)
{
    const int row = rowOf(id);
    if (row >= 0) {
        rows_[row].measured.reset();
        rows_[row].measuring = false;
        rows_[row].problem = problem;
        changedMeasuring(row);
    }
}

void KivPlanCameraModel::moveClipsTo(const QString &folder)
{
    for (KivPlanRow &row : rows_) {
        if (auto *clips = std::get_if<KivPlanClips>(&row.source.from)) {
            if (QDir(row.folder) != QDir(folder)) {
                clips->paths = kivPlanClipPaths(*clips, row.folder);
            }
        }
        row.folder = folder;
    }
}

void KivPlanCameraModel::setUnits(KivCardUnits units)
{
    units_ = units;
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
}

void KivPlanCameraModel::setAnswer(const std::optional<KivPlanAnswer> &answer)
{
    answer_ = answer;
    if (!rows_.isEmpty()) {
        emit dataChanged(index(0, Mbps), index(int(rows_.size()) - 1, Gb));
    }
}

void KivPlanCameraModel::setFault(int row, int column, const QString &fault)
{
    // Whole rows change, so that a view does not set an open editor's text
    // again (as it does for a single cell), which would move its cursor.
    const int before = faultRow;
    faultRow = row >= 0 && row < rows_.size() ? row : -1;
    faultColumn = column;
    fault_ = fault;
    for (const int changed : {before, faultRow}) {
        if (changed >= 0 && changed < rows_.size()) {
            emit dataChanged(index(changed, 0), index(changed, Columns - 1));
        }
    }
}

bool KivPlanCameraModel::camera(int row, const QString &place, KivPlanCamera &camera,
                                QString &error) const
{
    const KivPlanRow &r = rows_[row];
    camera.name = r.name;
    const QString count = r.count.trimmed();
    bool whole = false;
    const int n = count.toInt(&whole);
    camera.count = count.isEmpty() ? 1 : whole ? n : 0;
    camera.source = r.source;
    QString problem;
    const std::optional<std::uint32_t> seconds = kivReadTime(r.time, problem);
    if (!seconds) {
        error = place + QStringLiteral(".time_per_day: ") + problem;
        return false;
    }
    camera.secondsPerDay = *seconds;
    return true;
}

void KivPlanCameraModel::changedRow(int row)
{
    emit dataChanged(index(row, 0), index(row, Columns - 1));
    emit edited();
}

void KivPlanCameraModel::changedMeasuring(int row)
{
    emit dataChanged(index(row, 0), index(row, Columns - 1));
    emit measuringChanged();
}
