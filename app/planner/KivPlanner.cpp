// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// The planner's fields and answer: what is typed goes to the document, and
// its settings, answer and fault are shown.
#include "app/KivPlanner.h"
#include "ui_KivPlanner.h"

#include "KivPlanCameraModel.h"
#include "KivPlanDocument.h"
#include "app/KivClipChild.h"
#include "calc/KivDisplay.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QUndoStack>
#include <QWindow>

namespace {

// Commits a cell as it is typed, so that the totals follow each key, and
// only a cell that was typed in: a format's or clips' cell opened and closed
// keeps its source. Escape takes back what was typed.
class TypingDelegate : public QStyledItemDelegate
{
public:
    TypingDelegate(KivPlanDocument *document, QObject *filter, QObject *parent)
        : QStyledItemDelegate(parent), document(document), filter(filter)
    {
        connect(this, &QAbstractItemDelegate::closeEditor, this,
                [document](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                    if (hint == QAbstractItemDelegate::RevertModelCache) {
                        document->cancelTyping();
                    } else {
                        document->endTyping();
                    }
                });
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        document->endTyping();
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setAccessibleName(
                index.model()->headerData(index.column(), Qt::Horizontal).toString());
            line->installEventFilter(filter);
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

private:
    KivPlanDocument *document;
    QObject *filter;
};

} // namespace

KivPlanner::KivPlanner(QWidget *parent)
    : QMainWindow(parent), document(new KivPlanDocument(this)),
      model(new KivPlanCameraModel(document, this)), clips(new KivClipChild(this))
{
    ui = std::make_unique<Ui::KivPlannerClass>();
    ui->setupUi(this);
    // At any font the window fits the screen and its contents scroll.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(takeCentralWidget());
    setCentralWidget(scroll);
    // The form lists the units in KIV_CARD_UNITS' order; the rest asks the item.
    for (int i = 0; i < ui->units->count() && i < int(std::size(KIV_CARD_UNITS)); ++i) {
        ui->units->setItemData(i, int(KIV_CARD_UNITS[i].units));
    }
    ui->cameras->setModel(model);
    ui->cameras->setItemDelegate(new TypingDelegate(document, this, ui->cameras));
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

    auto *editMenu = new QMenu(tr("&Edit"), this);
    editMenu->setObjectName(QStringLiteral("editMenu"));
    QUndoStack *stack = document->undoStack();
    QAction *undo = stack->createUndoAction(this, tr("&Undo"));
    QAction *redo = stack->createRedoAction(this, tr("&Redo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    menuBar()->insertMenu(ui->cameraMenu->menuAction(), editMenu);
    connect(stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });

    fields = {ui->days,  ui->copies,    ui->cardSize, ui->driveSize, ui->offload,
              ui->proxy, ui->dayLength, ui->handoff,  ui->readers};
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int f = 0; f < KivPlanSettings::Fields; ++f) {
        QLineEdit *field = fields[f];
        QAction *mark = field->addAction(warning, QLineEdit::TrailingPosition);
        mark->setVisible(false);
        marks << mark;
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, f](const QString &text) {
            document->setField(KivPlanSettings::Field(f), text);
        });
        connect(field, &QLineEdit::editingFinished, document, &KivPlanDocument::endTyping);
    }
    connect(ui->verify, &QCheckBox::toggled, this, [this](bool verify) {
        if (verify != document->plan().verify) {
            document->setVerify(verify);
        }
    });
    connect(document, &KivPlanDocument::settingsChanged, this, &KivPlanner::showSettings);
    connect(document, &KivPlanDocument::answered, this, &KivPlanner::showAnswer);
    connect(clips, &KivClipChild::measured, this, &KivPlanner::measured);
    connect(clips, &KivClipChild::failed, this, [this](const QString &why) { unmeasured(why); });
    connect(clips, &KivClipChild::canceled, this,
            [this] { unmeasured(tr("measuring was cancelled"), true); });
    addTotals();
    on_actionNew_triggered();
    // The first field has the focus, framed as after a Tab (see eventFilter).
    ui->units->installEventFilter(this);
    ui->units->setFocus(Qt::TabFocusReason);
}

KivPlanner::~KivPlanner() = default;

void KivPlanner::setPlan(const KivPlan &plan, const QString &path)
{
    QList<KivPlanRow> rows;
    const QString folder = path.isEmpty() ? QDir::currentPath() : QFileInfo(path).absolutePath();
    for (const KivPlanCamera &camera : plan.cameras) {
        rows << KivPlanDocument::row(camera, folder);
    }
    showPlan(KivPlanDocument::settingsOf(plan, &document->catalogue()), rows, path);
}

void KivPlanner::showPlan(const KivPlanSettings &settings, const QList<KivPlanRow> &rows,
                          const QString &path)
{
    clips->cancel();
    waiting.clear();
    current.reset();
    const QString folder = path.isEmpty() ? QDir::currentPath() : QFileInfo(path).absolutePath();
    document->setFolder(folder);
    document->reset(settings, rows);
    this->path = path;
    for (const KivPlanRow &row : document->rows()) {
        if (const auto *paths = std::get_if<KivPlanClips>(&row.camera.source.from)) {
            QList<QUrl> urls;
            for (const QString &clip : kivPlanClipPaths(*paths, row.folder)) {
                const QUrl url(clip);
                urls << (url.scheme().size() > 1 ? url : QUrl::fromLocalFile(clip));
            }
            measure(row.id, urls, false);
        }
    }
    if (model->rowCount() > 0) {
        ui->cameras->setCurrentIndex(model->index(0, 0));
    }
    setWindowModified(false);
    setWindowTitle(title());
}

void KivPlanner::seed(std::optional<double> mbps, std::optional<std::uint32_t> seconds,
                      std::optional<double> cardSize)
{
    KivPlanSettings settings = document->settings();
    QList<KivPlanRow> rows = document->rows();
    const KivLocalNumbers numbers;
    if (!rows.isEmpty() && mbps) {
        rows[0].camera.source = KivPlanSource{KivPlanBitrate{*mbps}, {}};
        rows[0].rate = numbers.text(*mbps);
    }
    if (!rows.isEmpty() && seconds) {
        rows[0].camera.secondsPerDay = *seconds;
        rows[0].time = kivTimeText(*seconds);
        rows[0].timeProblem.clear();
    }
    if (cardSize) {
        settings.plan.cardSize = cardSize;
        settings.texts[KivPlanSettings::CardSize] = numbers.text(*cardSize);
    }
    showPlan(settings, rows, path);
}

std::optional<KivPlan> KivPlanner::plan(QString *fault) const
{
    QString error;
    if (!document->readable(error)) {
        if (fault != nullptr) {
            *fault = error;
        }
        return std::nullopt;
    }
    return document->plan();
}

const std::optional<KivPlanAnswer> &KivPlanner::answer() const
{
    return document->answer();
}

QString KivPlanner::fault() const
{
    return document->fault();
}

KivCardUnits KivPlanner::units() const
{
    return document->plan().units;
}

void KivPlanner::on_units_currentIndexChanged(int index)
{
    const QVariant units = ui->units->itemData(index);
    if (units.isValid()) {
        document->setUnits(KivCardUnits(units.toInt()));
    }
}

void KivPlanner::showEvent(QShowEvent *event)
{
    // Shown the first time, the window's frame is known: window and frame
    // fit the screen, the contents at their size where they can.
    if (!fitted && windowHandle() != nullptr) {
        fitted = true;
        const auto *scroll = static_cast<QScrollArea *>(centralWidget());
        const QSize bars = QSize(1, 1) * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize wanted = size() - scroll->size() + scroll->widget()->sizeHint() + bars;
        const QMargins frame = windowHandle()->frameMargins();
        const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
        const QRect screen = windowHandle()->screen()->availableGeometry();
        resize(wanted.boundedTo(screen.size() - margins));
        // A top-level window moves by its frame.
        const QSize outer = size() + margins;
        move(std::clamp(x(), screen.left(),
                        std::max(screen.left(), screen.right() + 1 - outer.width())),
             std::clamp(y(), screen.top(),
                        std::max(screen.top(), screen.bottom() + 1 - outer.height())));
    }
    QMainWindow::showEvent(event);
}

bool KivPlanner::eventFilter(QObject *watched, QEvent *event)
{
    // Undo and redo are the plan's, not a field's own.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return true;
        }
    }
    if (watched == ui->cameras->viewport()) {
        return dropOnRows(event);
    }
    // Activating the window gives the focus back without the frame a Tab
    // shows; keyboard users need to see where they are.
    if (watched == ui->units && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        ui->units->update();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The fields show the document's settings; a field being typed in already
// shows its text, and keeps its cursor.
void KivPlanner::showSettings()
{
    const KivPlanSettings &settings = document->settings();
    for (int f = 0; f < KivPlanSettings::Fields; ++f) {
        if (fields[f]->text() != settings.texts[f]) {
            fields[f]->setText(settings.texts[f]);
        }
    }
    const std::optional<KivPlanSource> &proxy = settings.plan.proxy;
    ui->proxy->setToolTip(
        proxy && (!kivPlanTypedMbps(*proxy) || proxy->audio)
            ? KivPlanCameraModel::sourceText(*proxy, KivLocalNumbers(), &document->catalogue())
            : QString());
    if (ui->verify->isChecked() != settings.plan.verify) {
        const QSignalBlocker blocker(ui->verify);
        ui->verify->setChecked(settings.plan.verify);
    }
    const int at = ui->units->findData(int(settings.plan.units));
    if (at >= 0 && at != ui->units->currentIndex()) {
        const QSignalBlocker blocker(ui->units);
        ui->units->setCurrentIndex(at);
    }
}

void KivPlanner::showAnswer()
{
    showTotals();
    const QString &fault = document->fault();
    ui->fault->setText(fault.isEmpty() ? document->incomplete() : fault);
    const bool news = describe(ui->fault, ui->fault->text());
    if (news && !fault.isEmpty()) {
        // Heard at once, not only when the line is visited.
        QAccessibleEvent alert(ui->fault, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    const int field = document->faultPlace().field;
    for (int f = 0; f < marks.size(); ++f) {
        marks[f]->setVisible(f == field);
        marks[f]->setToolTip(f == field ? fault : QString());
        describe(fields[f], f == field ? fault : QString());
    }
}

bool KivPlanner::describe(QWidget *widget, const QString &text)
{
    if (widget->accessibleDescription() == text) {
        return false;
    }
    widget->setAccessibleDescription(text);
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    return true;
}

QString KivPlanner::title() const
{
    return path.isEmpty() ? tr("Plan a Shoot") + QStringLiteral("[*]")
                          : tr("%1[*] – Plan a Shoot").arg(QFileInfo(path).fileName());
}
