#pragma once
// "Назначить кабинет": one tab per teacher of the block's link set ("Группа 1", ...),
// a row per hour of the block, and for each hour a list of the rooms that subgroup
// may take, led by "Отсутствует". A choice is written at once; the popup hides itself
// when the planner leaves it.
#include <QAbstractTableModel>
#include <vector>

#include "PopupWindow.h"
#include "core/manual/ManualPlacement.h"

class QComboBox;
class QTabBar;
class QTableView;

namespace lovaris::ui {

// The rows of one tab: the hour, the teacher and (drawn under its list) the room.
class RoomRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RoomRowsModel(const RoomPopup& popup, QObject* parent);
    void showTab(int tab);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const RoomPopup& popup_;
    int tab_ = 0;
};

class TTPopSetRoomDlg : public PopupWindow {
    Q_OBJECT
public:
    TTPopSetRoomDlg(QWidget* owner, ManualPlacement& placement, RoomPopup popup);

    QTabBar* tabs() const { return tabs_; }
    QTableView* grid() const { return grid_; }
    // The "Кабинет" list of an hour (from 1) on the shown tab.
    QComboBox* roomList(int hour) const;
    // Chooses the item of an hour's list, as the planner does.
    void chooseItem(int hour, int item);

private:
    void showTab(int tab);
    void fillLists();

    ManualPlacement& placement_;
    RoomPopup popup_;
    QTabBar* tabs_;
    QTableView* grid_;
    RoomRowsModel* model_;
    std::vector<QComboBox*> lists_;
    std::vector<RoomPopupRow> rows_;
};

}  // namespace lovaris::ui
