#include "TeacherGroupsModel.h"

#include <QMimeData>

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

// A dragged teacher is known by its cell: "group place".
const QString kCellMime = QStringLiteral("application/x-lovaris-group-cell");

std::optional<GroupCell> DraggedCell(const QMimeData* data) {
    if (!data || !data->hasFormat(kCellMime)) return std::nullopt;
    const QStringList parts = QString::fromLatin1(data->data(kCellMime)).split(QLatin1Char(' '));
    bool okGroup = false;
    bool okPlace = false;
    if (parts.size() != 2) return std::nullopt;
    GroupCell cell{parts.at(0).toInt(&okGroup), parts.at(1).toInt(&okPlace)};
    if (!okGroup || !okPlace) return std::nullopt;
    return cell;
}

// The cell dropped on: the item under the cursor, or the place the view names.
std::optional<GroupCell> DropTarget(int row, int column, const QModelIndex& parent) {
    if (parent.isValid()) return TeacherGroupsModel::cellAt(parent);
    if (row >= 0 && column >= 0) return GroupCell{column, row};
    return std::nullopt;
}

}  // namespace

TeacherGroupsModel::TeacherGroupsModel(TeacherGroupTable& table, QStringList names, QObject* parent)
    : QAbstractTableModel(parent), table_(table), names_(std::move(names)) {}

QString TeacherGroupsModel::GroupTitle(int group) {
    return Res(TextId::GroupWord) + QLatin1Char(' ') + QString::number(group + 1);
}

std::optional<GroupCell> TeacherGroupsModel::DropTeacher(GroupCell from, GroupCell to) {
    const auto cell = Apply([&](TeacherGroupTable& t) { return t.Drop(from, to); });
    if (cell) emit teacherDropped(*cell);
    return cell;
}

int TeacherGroupsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int TeacherGroupsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.shownGroupCount();
}

QVariant TeacherGroupsModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const int teacher = table_.teacherAt(cellAt(index));
    if (teacher < 0 || teacher >= names_.size()) return {};
    return names_.at(teacher);
}

QVariant TeacherGroupsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return GroupTitle(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TeacherGroupsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Only a teacher's cell can be selected and dragged; every cell takes a drop.
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    if (table_.teacherAt(cellAt(index)) >= 0) flags |= Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    return flags;
}

QStringList TeacherGroupsModel::mimeTypes() const { return {kCellMime}; }

QMimeData* TeacherGroupsModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    const GroupCell cell = cellAt(indexes.first());
    auto* data = new QMimeData;
    data->setData(kCellMime, QStringLiteral("%1 %2").arg(cell.group).arg(cell.place).toLatin1());
    return data;
}

bool TeacherGroupsModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int column,
                                         const QModelIndex& parent) const {
    return DraggedCell(data) && DropTarget(row, column, parent);
}

bool TeacherGroupsModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int column,
                                      const QModelIndex& parent) {
    const auto from = DraggedCell(data);
    const auto to = DropTarget(row, column, parent);
    return from && to && DropTeacher(*from, *to);
}

}  // namespace lovaris::ui
