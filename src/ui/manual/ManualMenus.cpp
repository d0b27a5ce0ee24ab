#include "ManualMenus.h"

#include "core/common/ManualTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kMenuHelp = 160;

struct MenuItemDef {
    ManualCommand command;
    ManualText caption;
    const char* name;
    int help;
};
constexpr MenuItemDef kItems[] = {
    {ManualCommand::SetLesson, ManualText::MenuSetLesson, "setLessonItem", 161},
    {ManualCommand::ToDraft, ManualText::MenuToDraft, "toDraftItem", 162},
    {ManualCommand::TakeOff, ManualText::MenuTakeOff, "takeOffItem", 163},
    {ManualCommand::SetRoom, ManualText::MenuSetRoom, "setRoomItem", 164},
};

const char* MenuName(ManualMenu which) {
    switch (which) {
    case ManualMenu::Klass: return "KlassPopupMenu";
    case ManualMenu::Teacher: return "TeacherPopupMenu";
    case ManualMenu::DraftKlass: return "DraftKlassPopupMenu";
    case ManualMenu::DraftTeacher: return "DraftTeacherPopupMenu";
    }
    return "";
}

}  // namespace

QMenu* CreateManualMenu(ManualMenu which, bool withRoom, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(MenuName(which)));
    menu->setProperty("helpContext", kMenuHelp);
    const bool draft = which == ManualMenu::DraftKlass || which == ManualMenu::DraftTeacher;
    for (const MenuItemDef& item : kItems) {
        if (draft && (item.command == ManualCommand::ToDraft || item.command == ManualCommand::SetRoom)) continue;
        if (!withRoom && item.command == ManualCommand::SetRoom) continue;
        QAction* action = menu->addAction(Res(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setData(static_cast<int>(item.command));
        action->setProperty("helpContext", item.help);
    }
    return menu;
}

QAction* MenuItem(QMenu* menu, ManualCommand command) {
    for (QAction* action : menu->actions())
        if (action->data().toInt() == static_cast<int>(command)) return action;
    return nullptr;
}

void EnableMenu(QMenu* menu, const ManualMenuState& state) {
    const auto enable = [menu](ManualCommand command, bool on) {
        if (QAction* action = MenuItem(menu, command)) action->setEnabled(on);
    };
    enable(ManualCommand::SetLesson, state.setLesson);
    enable(ManualCommand::ToDraft, state.toDraft);
    enable(ManualCommand::TakeOff, state.takeOff);
    enable(ManualCommand::SetRoom, state.setRoom);
}

ManualMenu MenuOf(const ManualCell& cell) {
    if (cell.side == ManualSide::Klass) return cell.draft ? ManualMenu::DraftKlass : ManualMenu::Klass;
    return cell.draft ? ManualMenu::DraftTeacher : ManualMenu::Teacher;
}

}  // namespace lovaris::ui
