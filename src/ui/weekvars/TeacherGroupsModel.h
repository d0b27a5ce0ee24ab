#pragma once
// The group grid's model: one column per shown group, one row per teacher place, over
// the dialog's working copy. Teachers are dragged between cells with the view's drag
// and drop; where a dropped teacher lands is the working copy's decision.
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/planning/TeacherGroupTable.h"

namespace lovaris::ui {

class TeacherGroupsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `names`: the display names of the teachers, by teacher index.
    TeacherGroupsModel(TeacherGroupTable& table, QStringList names, QObject* parent = nullptr);

    TeacherGroupTable& table() const { return table_; }
    QModelIndex indexOf(GroupCell cell) const { return index(cell.place, cell.group); }
    static GroupCell cellAt(const QModelIndex& index) { return GroupCell{index.column(), index.row()}; }
    // "Группа 2": the column header and the selected-group list's item.
    static QString GroupTitle(int group);

    // The grid is shown afresh after each change of the working copy.
    template <typename Change>
    auto Apply(Change&& change) {
        beginResetModel();
        auto result = change(table_);
        endResetModel();
        return result;
    }
    // The drop the view hands over after a drag; the teacher's new cell, none when refused.
    std::optional<GroupCell> DropTeacher(GroupCell from, GroupCell to);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // A teacher was dropped and now stands in `cell`.
    void teacherDropped(lovaris::GroupCell cell);

private:
    TeacherGroupTable& table_;
    QStringList names_;
};

}  // namespace lovaris::ui
