#include "ChoiceEntriesModel.h"

#include <QColor>

#include "core/common/ManualTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

ChoiceEntriesModel::ChoiceEntriesModel(const LessonChoice& choice, QObject* parent)
    : QAbstractTableModel(parent), choice_(choice) {}

void ChoiceEntriesModel::showTab(int tab) {
    beginResetModel();
    tab_ = tab;
    endResetModel();
}

bool ChoiceEntriesModel::commonTab() const {
    return tab_ >= 0 && tab_ < static_cast<int>(choice_.tabs.size()) &&
           choice_.tabs[static_cast<std::size_t>(tab_)].key == kChoiceCommonKey;
}

void ChoiceEntriesModel::rowChanged(int row) { emit dataChanged(index(row, 0), index(row, 1)); }

int ChoiceEntriesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || tab_ < 0 || tab_ >= static_cast<int>(choice_.tabs.size())) return 0;
    return static_cast<int>(choice_.tabs[static_cast<std::size_t>(tab_)].entries.size());
}

int ChoiceEntriesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ChoiceEntriesModel::data(const QModelIndex& index, int role) const {
    const ChoiceEntry* row = index.isValid() ? entry(index.row()) : nullptr;
    if (!row) return {};
    switch (role) {
    case Qt::DisplayRole:
        // On "Общие" the spin editor over the cell shows the size.
        if (index.column() == 0) return Text(row->subjectText);
        return commonTab() ? QVariant() : QVariant(Text(LessonChoice::HoursText(*row)));
    case Qt::BackgroundRole:
        if (choice_.State(*row) != ChoiceState::Placeable) return QColor(Qt::lightGray);
        return {};
    case Qt::ToolTipRole:
        return Text(choice_.StatusText(*row));
    default:
        return {};
    }
}

QVariant ChoiceEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Res(section == 0 ? ManualText::ColumnSubject : ManualText::ColumnHours);
}

Qt::ItemFlags ChoiceEntriesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The spin editors own the "Часы" cells of "Общие".
    if (index.column() == 1 && commonTab()) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace lovaris::ui
