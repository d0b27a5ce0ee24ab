#pragma once
// The four popup menus of the lesson grids, their items named so that the commands
// and the tests find them; which items are enabled is asked of the core each time.
#include <QMenu>

#include "core/manual/ManualCell.h"

namespace lovaris::ui {

// The items' object names: "setLessonItem", "toDraftItem", "takeOffItem", "setRoomItem".
enum class ManualCommand { SetLesson, ToDraft, TakeOff, SetRoom };

// Builds a menu named `KlassPopupMenu`, `TeacherPopupMenu`, `DraftKlassPopupMenu` or
// `DraftTeacherPopupMenu`; the draft menus have only "Поставить урок" and "Снять урок",
// and `withRoom` false leaves "Назначить кабинет" out (the details window).
QMenu* CreateManualMenu(ManualMenu which, bool withRoom, QWidget* parent);
QAction* MenuItem(QMenu* menu, ManualCommand command);
// Enables the items as the core's state says.
void EnableMenu(QMenu* menu, const ManualMenuState& state);
ManualMenu MenuOf(const ManualCell& cell);

}  // namespace lovaris::ui
