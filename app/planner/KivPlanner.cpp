// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's fields and answer: the plan read from what is typed, each
// rate resolved as kivfilesize resolves it, the answer or the fault shown.
#include "app/KivPlanner.h"
#include "ui_KivPlanner.h"

#include "KivPlanCameraModel.h"
#include "app/KivClipChild.h"
#include "calc/KivDisplay.h"
#include "catalogue/KivFormatLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

// Commits a cell as it is typed, so that the totals follow each key, and
// only a cell that was typed in: a format's or clips' cell opened and closed
// keeps its source.
class TypingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setAccessibleName(
                index.model()->headerData(index.column(), Qt::Horizontal).toString());
            auto *self = const_cast<TypingDelegate *>(this);
            connect(line, &QLineEdit::textEdited, self,
                    [self, line] { emit self->commitData(line); });
        }
        return editor;
    }

    // The model's text is the editor's after each key; set again, it would
    // move the cursor to the end.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<QLineEdit *>(editor);
        if (line == nullptr || line->text() != index.data(Qt::EditRole).toString()) {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<QLineEdit *>(editor);
        if (line == nullptr || line->isModified()) {
            QStyledItemDelegate::setModelData(editor, model, index);
        }
    }
};

// A whole number as typed: 1 where empty, and 0, which no plan takes, where
// it is none.
int whole(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return text.trimmed().isEmpty() ? 1 : ok ? n : 0;
}

} // namespace

KivPlanner::KivPlanner(QWidget *parent)
    : QMainWindow(parent), model(new KivPlanCameraModel(this)), clips(new KivClipChild(this))
{
    ui = std::make_unique<Ui::KivPlannerClass>();
    ui->setupUi(this);
    ui->cameras->setModel(model);
    ui->cameras->setItemDelegate(new TypingDelegate(ui->cameras));
    ui->cameras->verticalHeader()->hide();
    ui->cameras->horizontalHeader()->setStretchLastSection(true);
    ui->cameras->horizontalHeader()->setDefaultSectionSize(90);
    const std::pair<int, int> widths[] = {{KivPlanCameraModel::Name, 130},
                                          {KivPlanCameraModel::Count, 55},
                                          {KivPlanCameraModel::Time, 95},
                                          {KivPlanCameraModel::Bitrate, 220}};
    for (const auto &[column, width] : widths) {
        ui->cameras->setColumnWidth(column, width);
    }
    ui->cameras->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    // Drops reach the rows, where the filter takes the clips.
    ui->cameras->viewport()->setAcceptDrops(true);
    ui->cameras->viewport()->installEventFilter(this);
    connect(ui->addCamera, &QPushButton::clicked, ui->actionAddCamera, &QAction::trigger);
    connect(ui->removeCamera, &QPushButton::clicked, ui->actionRemoveCamera, &QAction::trigger);
    connect(ui->chooseFormat, &QPushButton::clicked, ui->actionChooseFormat, &QAction::trigger);

    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (QLineEdit *field :
         {ui->days, ui->copies, ui->cardSize, ui->driveSize, ui->offload, ui->proxy}) {
        QAction *mark = field->addAction(warning, QLineEdit::TrailingPosition);
        mark->setVisible(false);
        marks.insert(field, mark);
        if (field != ui->proxy) {
            connect(field, &QLineEdit::textEdited, this, [this, field] {
                exact.remove(field);
                edited();
            });
        }
    }
    connect(ui->proxy, &QLineEdit::textEdited, this, [this](const QString &text) {
        // A typed proxy keeps the audio a typed one had; a format's goes.
        const std::optional<KivAudio> audio =
            proxy && kivPlanTypedMbps(*proxy) ? proxy->audio : std::nullopt;
        proxy.reset();
        if (!text.trimmed().isEmpty()) {
            proxy = KivPlanSource{KivPlanBitrate{KivLocalNumbers().read(text)}, audio};
        }
        ui->proxy->setToolTip(QString());
        edited();
    });
    connect(model, &KivPlanCameraModel::edited, this, &KivPlanner::edited);
    connect(model, &KivPlanCameraModel::measuringChanged, this, &KivPlanner::recompute);
    connect(clips, &KivClipChild::measured, this, &KivPlanner::measured);
    connect(clips, &KivClipChild::failed, this, [this](const QString &why) { unmeasured(why); });
    connect(clips, &KivClipChild::canceled, this,
            [this] { unmeasured(tr("measuring was cancelled"), true); });
    addTotals();
    model->setFormats(&catalogue());
    on_actionNew_triggered();
}

KivPlanner::~KivPlanner() = default;

void KivPlanner::setPlan(const KivPlan &plan, const QString &path)
{
    clips->cancel();
    waiting.clear();
    current.reset();
    const QString folder = path.isEmpty() ? QDir::currentPath() : QFileInfo(path).absolutePath();
    {
        const QSignalBlocker blocker(ui->units);
        ui->units->setCurrentIndex(int(plan.units));
    }
    model->setUnits(plan.units);
    planTitle = plan.title;
    ui->days->setText(QString::number(plan.days));
    ui->copies->setText(QString::number(plan.copies));
    setTypedField(ui->cardSize, plan.cardSize);
    setTypedField(ui->driveSize, plan.driveSize);
    setTypedField(ui->offload, plan.offloadMbytesPerSec);
    proxy = plan.proxy;
    const std::optional<double> typedProxy = proxy ? kivPlanTypedMbps(*proxy) : std::nullopt;
    const QString proxyText =
        proxy ? KivPlanCameraModel::sourceText(*proxy, KivLocalNumbers(), &catalogue()) : QString();
    ui->proxy->setText(typedProxy ? KivLocalNumbers().text(*typedProxy) : proxyText);
    ui->proxy->setToolTip(proxy && (!typedProxy || proxy->audio) ? proxyText : QString());
    QList<KivPlanRow> rows;
    for (const KivPlanCamera &camera : plan.cameras) {
        KivPlanRow row;
        row.name = camera.name;
        row.count = QString::number(camera.count);
        row.time = kivTimeText(camera.secondsPerDay);
        const std::optional<double> typed = kivPlanTypedMbps(camera.source);
        row.rate = typed ? KivLocalNumbers().text(*typed) : QString();
        row.source = camera.source;
        row.folder = folder;
        rows << row;
    }
    model->setRows(rows);
    this->path = path;
    for (const KivPlanRow &row : model->rows()) {
        if (const auto *paths = std::get_if<KivPlanClips>(&row.source.from)) {
            QList<QUrl> urls;
            for (const QString &clip : kivPlanClipPaths(*paths, folder)) {
                const QUrl url(clip);
                urls << (url.scheme().size() > 1 ? url : QUrl::fromLocalFile(clip));
            }
            measure(row.id, urls, false);
        }
    }
    if (model->rowCount() > 0) {
        ui->cameras->setCurrentIndex(model->index(0, 0));
    }
    recompute();
    setWindowModified(false);
    setWindowTitle(title());
}

void KivPlanner::seed(std::optional<double> mbps, std::optional<std::uint32_t> seconds,
                      std::optional<double> cardSize)
{
    if (mbps) {
        model->setData(model->index(0, KivPlanCameraModel::Bitrate), KivLocalNumbers().text(*mbps));
    }
    if (seconds) {
        model->setData(model->index(0, KivPlanCameraModel::Time), kivTimeText(*seconds));
    }
    if (cardSize) {
        ui->cardSize->setText(KivLocalNumbers().text(*cardSize));
    }
    recompute();
    setWindowModified(false);
}

std::optional<KivPlan> KivPlanner::plan(QString *fault) const
{
    KivPlan p;
    p.units = KIV_CARD_UNITS[std::clamp(ui->units->currentIndex(), 0, 2)].units;
    p.title = planTitle;
    p.days = whole(ui->days->text());
    p.copies = whole(ui->copies->text());
    p.cardSize = fieldValue(ui->cardSize);
    p.driveSize = fieldValue(ui->driveSize);
    p.offloadMbytesPerSec = fieldValue(ui->offload);
    p.proxy = proxy;
    QString timeFault;
    for (int i = 0; i < model->rowCount(); ++i) {
        KivPlanCamera camera;
        QString error;
        if (!model->camera(i, kivPlanCameraPlace(i), camera, error) && timeFault.isEmpty()) {
            timeFault = error;
        }
        p.cameras << camera;
    }
    QString error;
    if (!kivCheckPlan(p, error) || !(error = timeFault).isEmpty()) {
        if (fault != nullptr) {
            *fault = error;
        }
        return std::nullopt;
    }
    return p;
}

void KivPlanner::setTypedField(QLineEdit *field, std::optional<double> value)
{
    field->setText(value ? KivLocalNumbers().text(*value) : QString());
    if (value) {
        exact.insert(field, *value);
    } else {
        exact.remove(field);
    }
}

std::optional<double> KivPlanner::fieldValue(QLineEdit *field) const
{
    if (exact.contains(field)) {
        return exact.value(field);
    }
    const QString text = field->text().trimmed();
    return text.isEmpty() ? std::nullopt : std::optional<double>(KivLocalNumbers().read(text));
}

void KivPlanner::on_units_currentIndexChanged(int)
{
    model->setUnits(KIV_CARD_UNITS[std::clamp(ui->units->currentIndex(), 0, 2)].units);
    edited();
}

void KivPlanner::edited()
{
    setWindowModified(true);
    recompute();
}

const KivFormatCatalogue &KivPlanner::catalogue()
{
    if (!formats) {
        formats = kivLoadFormats().catalogue;
    }
    return *formats;
}

bool KivPlanner::rates(const KivPlan &plan, QList<double> &cameras,
                       std::optional<double> &proxyRate, QString &error)
{
    // As kivfilesize resolves them: the proxy first, then each camera.
    const auto rate = [&](const KivPlanSource &source, const QString &place,
                          const KivPlanRow *row) -> std::optional<double> {
        if (const std::optional<double> typed = kivPlanTypedMbps(source)) {
            return kivPlanWithAudio(source, *typed);
        }
        if (std::holds_alternative<KivPlanClips>(source.from)) {
            if (row != nullptr && row->measured) {
                return row->measured;
            }
            // Empty while the clips are measured: no fault, but no answer yet.
            error = row == nullptr || row->measuring || row->problem.isEmpty()
                        ? QString()
                        : place + QStringLiteral(".clips: ") + row->problem;
            return std::nullopt;
        }
        const std::optional<KivFormatChoice> choice =
            kivPlanChooseFormat(catalogue(), source, place, error);
        return choice ? std::optional<double>(kivPlanWithAudio(source, choice->rate.mbps))
                      : std::nullopt;
    };
    if (plan.proxy && !(proxyRate = rate(*plan.proxy, kivPlanProxyPlace(), nullptr))) {
        return false;
    }
    for (qsizetype i = 0; i < plan.cameras.size(); ++i) {
        const std::optional<double> mbps =
            rate(plan.cameras[i].source, kivPlanCameraPlace(i), &model->rows()[i]);
        if (!mbps) {
            if (error.isEmpty()) {
                error = tr("Measuring the clips of %1…").arg(kivQuoted(plan.cameras[i].name));
            }
            return false;
        }
        cameras << *mbps;
    }
    return true;
}

void KivPlanner::recompute()
{
    answer_.reset();
    QString error;
    const std::optional<KivPlan> p = plan(&error);
    QList<double> cameraRates;
    std::optional<double> proxyRate;
    KivPlanAnswer answer;
    if (p && rates(*p, cameraRates, proxyRate, error) &&
        kivPlanAnswer(*p, cameraRates, proxyRate, answer, error)) {
        answer_ = answer;
        error.clear();
    }
    model->setAnswer(answer_);
    showTotals();
    showFault(error);
}

void KivPlanner::showFault(const QString &fault)
{
    fault_ = fault;
    ui->fault->setText(fault);
    for (QAction *mark : std::as_const(marks)) {
        mark->setVisible(false);
    }
    model->setFault(-1, 0, QString());
    // The place is the text before the first ": ", as the plan library writes it.
    const QString place = fault.left(fault.indexOf(QStringLiteral(": ")));
    static const QRegularExpression cameraPlace(
        QStringLiteral("^cameras\\[(\\d+)\\](?:\\.([a-z_]+))?"));
    const QRegularExpressionMatch match = cameraPlace.match(place);
    if (match.hasMatch()) {
        const QString member = match.captured(2);
        const int column = member == QLatin1String("count")          ? KivPlanCameraModel::Count
                           : member == QLatin1String("time_per_day") ? KivPlanCameraModel::Time
                                                                     : KivPlanCameraModel::Bitrate;
        model->setFault(match.captured(1).toInt(), column, fault);
        return;
    }
    const struct
    {
        const char *member;
        QLineEdit *field;
    } fields[] = {{"days", ui->days},
                  {"copies", ui->copies},
                  {"card_size", ui->cardSize},
                  {"drive_size", ui->driveSize},
                  {"offload_mbyte_s", ui->offload},
                  {"proxy", ui->proxy}};
    for (const auto &f : fields) {
        if (place == QLatin1String(f.member) || place.startsWith(QLatin1String(f.member) + '.')) {
            marks[f.field]->setToolTip(fault);
            marks[f.field]->setVisible(true);
        }
    }
}

QString KivPlanner::title() const
{
    return path.isEmpty() ? tr("Plan a Shoot") + QStringLiteral("[*]")
                          : tr("%1[*] – Plan a Shoot").arg(QFileInfo(path).fileName());
}
