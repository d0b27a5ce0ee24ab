#include "TTPopSetRoomDlg.h"

#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/common/ManualTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kHelpTopic = 28;
constexpr int kTabsHelp = 331;
constexpr int kGridHelp = 332;

}  // namespace

RoomRowsModel::RoomRowsModel(const RoomPopup& popup, QObject* parent) : QAbstractTableModel(parent), popup_(popup) {}

void RoomRowsModel::showTab(int tab) {
    beginResetModel();
    tab_ = tab;
    endResetModel();
}

int RoomRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : popup_.hours; }
int RoomRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant RoomRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || tab_ < 0 || tab_ >= static_cast<int>(popup_.tabs.size())) return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == 0) return index.row() + 1;
        if (index.column() == 1) return Text(popup_.tabs[static_cast<std::size_t>(tab_)].teacherText);
        return {};
    }
    if (role == Qt::TextAlignmentRole) return Qt::AlignCenter;
    if (role == Qt::BackgroundRole && index.column() != 1) return QColor(Qt::lightGray);
    return {};
}

QVariant RoomRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static constexpr ManualText kColumns[] = {ManualText::RoomColumnHours, ManualText::RoomColumnTeacher,
                                              ManualText::RoomColumnRoom};
    return Res(kColumns[section]);
}

Qt::ItemFlags RoomRowsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Only the teacher cells can be chosen; the room is chosen in its list.
    return index.column() == 1 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

TTPopSetRoomDlg::TTPopSetRoomDlg(QWidget* owner, ManualPlacement& placement, RoomPopup popup)
    : PopupWindow(owner), placement_(placement), popup_(std::move(popup)) {
    setObjectName(QStringLiteral("TTPopSetRoomDlg"));
    setProperty("helpContext", kHelpTopic);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("GroupsTabControl"));
    tabs_->setProperty("helpContext", kTabsHelp);
    tabs_->setExpanding(false);
    // One tab for every teacher of the link, however many there are.
    for (const RoomPopupTab& tab : popup_.tabs) tabs_->addTab(Text(tab.caption));

    model_ = new RoomRowsModel(popup_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("LessonsGrid"));
    grid_->setProperty("helpContext", kGridHelp);
    grid_->setModel(model_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 12);
    QHeaderView* header = grid_->horizontalHeader();
    header->resizeSection(0, grid_->fontMetrics().horizontalAdvance(QStringLiteral("Часы")) + 20);
    header->resizeSection(1, 170);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    grid_->setMinimumWidth(460);
    const int rowsShown = std::min(popup_.hours, 4);
    grid_->setFixedHeight(header->sizeHint().height() + rowsShown * grid_->verticalHeader()->defaultSectionSize() + 4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(grid_);

    connect(tabs_, &QTabBar::currentChanged, this, &TTPopSetRoomDlg::showTab);
    showTab(0);
}

QComboBox* TTPopSetRoomDlg::roomList(int hour) const {
    return hour >= 1 && hour <= static_cast<int>(lists_.size()) ? lists_[static_cast<std::size_t>(hour - 1)] : nullptr;
}

void TTPopSetRoomDlg::showTab(int tab) {
    model_->showTab(tab);
    lists_.clear();
    for (int hour = 1; hour <= popup_.hours; ++hour) {
        auto* list = new QComboBox(grid_);
        list->setObjectName(QStringLiteral("CmbBox%1").arg(hour));
        grid_->setIndexWidget(model_->index(hour - 1, 2), list);
        connect(list, &QComboBox::activated, this, [this, hour](int item) { chooseItem(hour, item); });
        lists_.push_back(list);
    }
    fillLists();
    grid_->setCurrentIndex(model_->index(0, 1));
}

void TTPopSetRoomDlg::fillLists() {
    rows_ = placement_.RoomRows(popup_, tabs_->currentIndex());
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        QComboBox* list = lists_[i];
        const QSignalBlocker quiet(list);
        list->clear();
        if (i >= rows_.size()) continue;
        for (const std::string& text : rows_[i].texts) list->addItem(Text(text));
        list->setCurrentIndex(rows_[i].selected);
    }
}

void TTPopSetRoomDlg::chooseItem(int hour, int item) {
    const std::size_t at = static_cast<std::size_t>(hour - 1);
    if (at >= rows_.size() || item < 0 || item >= static_cast<int>(rows_[at].rooms.size())) return;
    placement_.ChooseRoom(popup_, tabs_->currentIndex(), hour, rows_[at].rooms[static_cast<std::size_t>(item)]);
    fillLists();
}

}  // namespace lovaris::ui
