#include "ManualController.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMouseEvent>

#include "GridDragTracker.h"
#include "ManualActions.h"
#include "TTableDetailsManeger.h"
#include "core/common/ManualTexts.h"
#include "ui/common/TErrorBox.h"
#include "ui/workspace/TTableVarsManager.h"
#include "ui/workspace/VariantViews.h"

namespace lovaris::ui {
namespace {

constexpr ViewKind kLessonViews[] = {ViewKind::Klasses, ViewKind::Teachers, ViewKind::KlassesDraft,
                                     ViewKind::TeachersDraft};

// The questions of room assignment, in the message box.
class RoomQuestionBoxes : public RoomQuestionSink {
public:
    explicit RoomQuestionBoxes(QWidget* owner) : owner_(owner) {}
    bool Ask(const RoomQuestion& question) override {
        return ShowMessageText(owner_, Text(question.text), kButtonsYesNo) == kResultYes;
    }

private:
    QWidget* owner_;
};

}  // namespace

ManualController::ManualController(TTableVarsManager* window)
    : QObject(window), window_(window), actions_(new ManualActions(window->workspace(), window, true)) {
    setObjectName(QStringLiteral("ManualController"));
    VariantViews* views = window_->views();
    const auto rules = [this](ViewKind kind) {
        GridDragTracker::Rules r;
        r.cellAt = [this, kind](const QPoint& at) { return cellAt(kind, at); };
        r.judgeStart = [this](const ManualCell& from) { return actions_->placement().JudgeDragStart(from); };
        r.judgeDrop = [this](const ManualCell& from, const ManualCell& to) {
            return actions_->placement().JudgeDrop(from, to);
        };
        r.drop = [this](const ManualCell& from, const ManualCell& to) { actions_->drop(from, to); };
        r.reason = [this](const ManualVerdict& verdict) {
            return Text(VerdictText(verdict, window_->workspace().session()));
        };
        return r;
    };
    klassDrag_ = new GridDragTracker(views->grid(ViewKind::Klasses), rules(ViewKind::Klasses));
    teacherDrag_ = new GridDragTracker(views->grid(ViewKind::Teachers), rules(ViewKind::Teachers));
    for (ViewKind kind : kLessonViews) {
        views->grid(kind)->viewport()->installEventFilter(this);
        views->grid(kind)->installEventFilter(this);  // the menu keys
    }

    connect(actions_, &ManualActions::edited, this, &ManualController::edited);
    connect(actions_, &ManualActions::dropped, this, [this](const ManualCell& to, bool) {
        TSchoolTable* grid = window_->views()->grid(to.side == ManualSide::Klass ? ViewKind::Klasses : ViewKind::Teachers);
        const bool vertical = window_->views()->vertical();
        const int col = vertical ? to.number : to.entity + 1;
        const int row = vertical ? to.entity + 1 : to.number;
        grid->setCurrentIndex(grid->cells()->index(row - 1, col - 1));
    });

    undo_ = new QAction(Res(ManualText::UndoCommand), window_);
    undo_->setObjectName(QStringLiteral("undoItem"));
    undo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    redo_ = new QAction(Res(ManualText::RedoCommand), window_);
    redo_->setObjectName(QStringLiteral("redoItem"));
    redo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
    for (QAction* action : {undo_, redo_}) {
        action->setProperty("helpContext", 160);
        window_->addAction(action);
    }
    connect(undo_, &QAction::triggered, this, [this] { step(true); });
    connect(redo_, &QAction::triggered, this, [this] { step(false); });
    // A save moves the saved position; a run's end hands the commands back: both
    // after the main window has set its commands.
    connect(window_, &TTableVarsManager::captionChanged, this, &ManualController::updateUndoActions,
            Qt::QueuedConnection);
    connect(window_, &TTableVarsManager::runStateChanged, this, &ManualController::updateUndoActions,
            Qt::QueuedConnection);
    updateUndoActions();
}

GridDragTracker* ManualController::dragTracker(ViewKind kind) const {
    if (kind == ViewKind::Klasses) return klassDrag_;
    if (kind == ViewKind::Teachers) return teacherDrag_;
    return nullptr;
}

std::optional<ManualCell> ManualController::cellAt(ViewKind kind, const QPoint& viewportPoint) const {
    const QPoint cell = window_->views()->grid(kind)->cellAt(viewportPoint);
    if (cell.x() <= 0 || cell.y() <= 0) return std::nullopt;
    const bool vertical = window_->views()->vertical();
    ManualCell at;
    at.side = kind == ViewKind::Klasses || kind == ViewKind::KlassesDraft ? ManualSide::Klass : ManualSide::Teacher;
    at.draft = kind == ViewKind::KlassesDraft || kind == ViewKind::TeachersDraft;
    at.entity = (vertical ? cell.y() : cell.x()) - 1;
    at.number = vertical ? cell.x() : cell.y();
    at.day = window_->workspace().currentDay();
    return at;
}

std::optional<ViewKind> ManualController::kindOf(QObject* viewport) const {
    for (ViewKind kind : kLessonViews)
        if (window_->views()->grid(kind)->viewport() == viewport) return kind;
    return std::nullopt;
}

bool ManualController::eventFilter(QObject* watched, QEvent* event) {
    if (auto* table = qobject_cast<TSchoolTable*>(watched)) {
        const std::optional<ViewKind> kind = kindOf(table->viewport());
        return kind && actions_->openMenuByKey(event, table, [this, kind](const QPoint& at) { return cellAt(*kind, at); });
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton || mouse->buttons() != Qt::RightButton ||
        mouse->modifiers() != Qt::NoModifier)
        return false;
    const std::optional<ViewKind> kind = kindOf(watched);
    if (!kind) return false;
    const std::optional<ManualCell> cell = cellAt(*kind, mouse->position().toPoint());
    if (!cell) return true;
    // The clicked cell is focused before the menu opens.
    TSchoolTable* grid = window_->views()->grid(*kind);
    grid->setCurrentIndex(grid->indexAt(mouse->position().toPoint()));
    actions_->openMenu(*cell, mouse->globalPosition().toPoint());
    return true;
}

void ManualController::edited(bool) {
    window_->AfterManualEdit();
    if (details_) details_->Refresh();
    updateUndoActions();
}

void ManualController::step(bool undo) {
    if (window_->runInProgress()) return;
    VariantWorkspace& workspace = window_->workspace();
    if (undo ? workspace.Undo() : workspace.Redo()) edited(true);
}

void ManualController::updateUndoActions() {
    const VariantWorkspace& workspace = window_->workspace();
    // A run holds the variant: no step back or forth until it is over.
    const bool idle = !window_->runInProgress();
    undo_->setEnabled(idle && workspace.CanUndo());
    redo_->setEnabled(idle && workspace.CanRedo());
    const auto caption = [](ManualText command, const std::string& name) {
        return name.empty() ? Res(command) : Res(command) + QStringLiteral(" (") + Text(name) + QStringLiteral(")");
    };
    undo_->setText(caption(ManualText::UndoCommand, workspace.UndoName()));
    redo_->setText(caption(ManualText::RedoCommand, workspace.RedoName()));
}

void ManualController::AssignRooms() {
    if (window_->runInProgress()) return;
    RoomQuestionBoxes questions(window_);
    actions_->placement().AssignRoomsOfDay(questions);
    edited(true);
}

void ManualController::OpenDetails() {
    if (details_) return;
    details_ = new TTableDetailsManeger(window_, window_->workspace());
    connect(details_, &TTableDetailsManeger::edited, this, &ManualController::edited);
    connect(details_, &TTableDetailsManeger::closedByUser, this, &ManualController::detailsClosed);
    details_->show();
}

void ManualController::CloseDetails() {
    if (!details_) return;
    delete details_.data();
}

}  // namespace lovaris::ui
