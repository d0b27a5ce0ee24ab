#include "LessonRowsModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace lovaris::ui {

LessonRowsModel::LessonRowsModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void LessonRowsModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void LessonRowsModel::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    auto& cells = rows_[static_cast<std::size_t>(row)];
    while (cells.size() <= column) cells.append(QString());
    cells[column] = text;
    emit dataChanged(index(row, column), index(row, column));
}

QString LessonRowsModel::cell(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows_[static_cast<std::size_t>(row)].value(column);
}

int LessonRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LessonRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : headers_.size(); }

QVariant LessonRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return cell(index.row(), index.column());
}

QVariant LessonRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return headers_.value(section);
    return QVariant();
}

Qt::ItemFlags LessonRowsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QTableView* MakeLessonRowsView(QWidget* parent, const char* objectName, int helpContext, LessonRowsModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setProperty("helpContext", helpContext);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

int LessonRowsViewWidth(const QTableView* view) {
    constexpr int kWidest = 960;
    const int columns = view->horizontalHeader()->length();
    return std::min(kWidest, columns + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth() + 4);
}

void SelectLessonRow(QTableView* view, int row) {
    if (row < 0 || row >= view->model()->rowCount()) return;
    const QModelIndex index = view->model()->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

int SelectedLessonRow(const QTableView* view) {
    const auto rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace lovaris::ui
