#include "ManualActions.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>

#include "TPopSetLsnDlg.h"
#include "TTPopSetRoomDlg.h"
#include "ui/common/TErrorBox.h"
#include "ui/workspace/TSchoolTable.h"

namespace lovaris::ui {

ManualActions::ManualActions(VariantWorkspace& workspace, QWidget* owner, bool withRoom)
    : QObject(owner), placement_(workspace), owner_(owner) {
    for (ManualMenu which : {ManualMenu::Klass, ManualMenu::Teacher, ManualMenu::DraftKlass, ManualMenu::DraftTeacher}) {
        QMenu* menu = CreateManualMenu(which, withRoom, owner);
        menus_[static_cast<std::size_t>(which)] = menu;
        connect(menu, &QMenu::triggered, this, [this](QAction* item) {
            if (menuCell_) run(static_cast<ManualCommand>(item->data().toInt()), *menuCell_);
        });
    }
}

bool ManualActions::openMenu(const ManualCell& cell, const QPoint& globalPos) {
    const ManualMenuState state = placement_.Menu(cell);
    if (!state.opens) return false;
    menuCell_ = cell;
    menuAt_ = globalPos;
    QMenu* shown = menu(MenuOf(cell));
    EnableMenu(shown, state);
    shown->popup(globalPos);  // no loop of its own: the command comes as a signal
    return true;
}

bool ManualActions::openMenuByKey(QEvent* event, TSchoolTable* table,
                                  const std::function<std::optional<ManualCell>(const QPoint&)>& cellAt) {
    bool menuKey = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        menuKey = key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    } else if (event->type() == QEvent::ContextMenu) {
        menuKey = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    }
    if (!menuKey) return false;
    const QPoint current = table->currentCell();
    if (current.x() <= 0 || current.y() <= 0) return true;
    const QPoint at = table->cellRect(current.x(), current.y()).center();
    if (const std::optional<ManualCell> cell = cellAt(at)) openMenu(*cell, table->viewport()->mapToGlobal(at));
    return true;
}

void ManualActions::run(ManualCommand command, const ManualCell& cell) {
    // One popup at a time: a new command takes the open one away first.
    for (QWidget* open : {static_cast<QWidget*>(choice_.data()), static_cast<QWidget*>(room_.data())})
        if (open) open->hide();
    switch (command) {
    case ManualCommand::SetLesson: {
        choice_ = CreateLessonChoicePopup(owner_, placement_, placement_.OpenChoice(cell));
        if (choice_) showPopup(choice_);
        else emit edited(false);
        return;
    }
    case ManualCommand::ToDraft:
        finish(placement_.ToDraft(cell));
        return;
    case ManualCommand::TakeOff:
        finish(placement_.TakeOff(cell));
        return;
    case ManualCommand::SetRoom: {
        const std::optional<RoomBlock> block = placement_.RoomBlockAt(cell);
        if (!block) return;
        RoomPopup popup = placement_.OpenRoomPopup(*block);
        if (!popup.shown()) {
            emit edited(false);
            return;
        }
        room_ = new TTPopSetRoomDlg(owner_, placement_, std::move(popup));
        showPopup(room_);
        return;
    }
    }
}

void ManualActions::showPopup(QWidget* popup) {
    auto* window = static_cast<PopupWindow*>(popup);
    connect(window, &PopupWindow::hidden, this, [this, window] {
        window->deleteLater();
        emit edited(true);
    });
    window->popupAt(menuCell_ ? menuAt_ : QCursor::pos());
}

void ManualActions::drop(const ManualCell& from, const ManualCell& to) {
    const ManualOutcome outcome = placement_.Drop(from, to);
    if (outcome.done()) emit dropped(to, outcome.manyKlasses);
    finish(outcome);
}

void ManualActions::finish(const ManualOutcome& outcome) {
    if (!outcome.done() && !outcome.message.empty()) ShowMessageText(owner_, Text(outcome.message));
    emit edited(outcome.manyKlasses);
}

}  // namespace lovaris::ui
