#pragma once
// The manual commands of a planning window's lesson grids: the popup menus, "Поставить
// урок", "Перенести в черновик", "Снять урок", "Назначить кабинет" and the drop of a
// dragged block. The core judges and carries out each; this shows its menus, popups
// and messages. A popup is never waited for: its action ends in a slot when it
// hides, and `edited` then tells the owner to repaint.
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "ManualMenus.h"
#include "TPopSetLsnDlg.h"
#include "TTPopSetRoomDlg.h"
#include "core/manual/ManualPlacement.h"

namespace lovaris::ui {

class TSchoolTable;

class ManualActions : public QObject {
    Q_OBJECT
public:
    // `owner` holds the popups and the messages; `withRoom` false: the menus have no
    // "Назначить кабинет".
    ManualActions(VariantWorkspace& workspace, QWidget* owner, bool withRoom);

    ManualPlacement& placement() { return placement_; }
    QMenu* menu(ManualMenu which) const { return menus_[static_cast<std::size_t>(which)]; }
    // The right button on a cell: its menu opens at `globalPos` unless the core says
    // no menu opens there. The menu's commands then work on that cell.
    bool openMenu(const ManualCell& cell, const QPoint& globalPos);
    // Shift+F10 or the Menu key on a grid opens the menu of its current cell, at that
    // cell; `cellAt` names the manual cell under a viewport point. False for any other event.
    bool openMenuByKey(QEvent* event, TSchoolTable* table,
                       const std::function<std::optional<ManualCell>(const QPoint&)>& cellAt);
    // A menu command on a cell.
    void run(ManualCommand command, const ManualCell& cell);
    // A drop the drag tracker accepted.
    void drop(const ManualCell& from, const ManualCell& to);

    LessonChoicePopup* choicePopup() const { return choice_; }
    TTPopSetRoomDlg* roomPopup() const { return room_; }
    const std::optional<ManualCell>& menuCell() const { return menuCell_; }

signals:
    // The variant may have changed: repaint, caption, undo commands. `manyKlasses`:
    // the change spans several classes.
    void edited(bool manyKlasses);
    // A drop was carried out; the target cell takes the focus.
    void dropped(const ManualCell& to, bool manyKlasses);

private:
    void finish(const ManualOutcome& outcome);
    void showPopup(QWidget* popup);

    ManualPlacement placement_;
    QWidget* owner_;
    std::array<QMenu*, 4> menus_{};
    std::optional<ManualCell> menuCell_;
    QPoint menuAt_;
    QPointer<LessonChoicePopup> choice_;
    QPointer<TTPopSetRoomDlg> room_;
};

}  // namespace lovaris::ui
