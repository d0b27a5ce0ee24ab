#pragma once
// The week busy table of the data editors: days Monday..Saturday across, lessons
// 1..lessonsPerDay down. Each cell shows a state: 0 free (green), 4 busy (red),
// 1..3 a teacher's wish (yellow, with the number).
#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

namespace lovaris::ui {

class BusyTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using StateOf = std::function<int(int slot)>;

    explicit BusyTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void setStateSource(StateOf stateOf);
    void setLessonsPerDay(int lessons);
    int lessonsPerDay() const { return lessons_; }
    void refresh();
    void refreshSlot(int slot);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The busy slot of a cell: (day - 1) * 24 + lesson.
    static int slotOf(const QModelIndex& index) { return index.column() * 24 + index.row() + 1; }
    int stateAt(int slot) const { return stateOf_ ? stateOf_(slot) : 0; }

private:
    StateOf stateOf_;
    int lessons_ = 8;
};

class TWeeking : public QTableView {
    Q_OBJECT
public:
    explicit TWeeking(QWidget* parent = nullptr);
    BusyTableModel* busyModel() const { return model_; }
    void setStateSource(BusyTableModel::StateOf stateOf) { model_->setStateSource(std::move(stateOf)); }
    void setLessonsPerDay(int lessons);
    void refresh() { model_->refresh(); }
    // Clicks the cell of (day, lesson) as the mouse would.
    void clickCell(int day, int lesson);
    QSize sizeHint() const override;

signals:
    // A cell was clicked; the editor writes the chosen state and marks modified.
    void slotClicked(int slot);

private:
    BusyTableModel* model_;
};

}  // namespace lovaris::ui
