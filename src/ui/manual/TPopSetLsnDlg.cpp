#include "TPopSetLsnDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ChoiceEntriesModel.h"
#include "ui/common/TErrorBox.h"
#include "ui/weekvars/FittedTextDelegate.h"

namespace lovaris::ui {
namespace {

constexpr int kHelpTopic = 19;
constexpr int kTabsHelp = 321;
constexpr int kGridHelp = 322;
constexpr int kMessageHelp = 323;

int SmallestSize(const ChoiceEntry& entry) {
    return entry.sizes.empty() ? 1 : *std::min_element(entry.sizes.begin(), entry.sizes.end());
}
int LargestSize(const ChoiceEntry& entry) {
    return entry.sizes.empty() ? 1 : *std::max_element(entry.sizes.begin(), entry.sizes.end());
}

}  // namespace

ChoiceSizeSpin::ChoiceSizeSpin(LessonChoice& choice, int tab, int row, QWidget* parent)
    : QSpinBox(parent), choice_(choice), tab_(tab), row_(row) {
    const ChoiceEntry* entry = choice_.entry(tab_, row_);
    // The sizes need not rise in spread order: the range only has to hold them all.
    setRange(std::max(1, std::min(SmallestSize(*entry), 10)), std::min(LargestSize(*entry), 10));
    setValue(entry->size());
    setAlignment(Qt::AlignCenter);
}

void ChoiceSizeSpin::stepBy(int steps) {
    const int step = steps > 0 ? 1 : -1;
    bool moved = false;
    for (int i = 0; i < std::abs(steps); ++i) moved = choice_.StepSize(tab_, row_, step) || moved;
    if (!moved) return;
    setValue(choice_.entry(tab_, row_)->size());
    emit sizeChanged(row_);
}

QAbstractSpinBox::StepEnabled ChoiceSizeSpin::stepEnabled() const {
    const ChoiceEntry* entry = choice_.entry(tab_, row_);
    StepEnabled enabled = StepNone;
    if (entry->selected + 1 < static_cast<int>(entry->sizes.size())) enabled |= StepUpEnabled;
    if (entry->selected > 0) enabled |= StepDownEnabled;
    return enabled;
}

LessonChoicePopup::LessonChoicePopup(QWidget* owner, ManualPlacement& placement, LessonChoice choice)
    : PopupWindow(owner), placement_(placement), choice_(std::move(choice)) {
    setObjectName(choice_.teacherPopup() ? QStringLiteral("TPopTchLsnDlg") : QStringLiteral("TPopSetLsnDlg"));
    setProperty("helpContext", kHelpTopic);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("LsnGroupsControl"));
    tabs_->setProperty("helpContext", kTabsHelp);
    tabs_->setExpanding(false);
    for (const ChoiceTab& tab : choice_.tabs) tabs_->addTab(Text(tab.caption));

    model_ = new ChoiceEntriesModel(choice_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("LessonsGrid"));
    grid_->setProperty("helpContext", kGridHelp);
    grid_->setModel(model_);
    grid_->setItemDelegateForColumn(0, new FittedTextDelegate(grid_));
    grid_->setItemDelegateForColumn(1, new FittedTextDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    grid_->horizontalHeader()->resizeSection(1, grid_->fontMetrics().horizontalAdvance(QStringLiteral("Часы")) + 48);
    grid_->setMinimumSize(340, 200);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("MessageBar"));
    message_->setProperty("helpContext", kMessageHelp);
    message_->setFrameShape(QFrame::StyledPanel);
    message_->setMinimumHeight(message_->fontMetrics().height() + 6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(grid_, 1);
    layout->addWidget(message_);

    connect(tabs_, &QTabBar::currentChanged, this, &LessonChoicePopup::showTab);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showStatus(); });
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
        if (at.column() == 0) placeRow(at.row());
    });
    showTab(0);
}

void LessonChoicePopup::showTab(int tab) {
    model_->showTab(tab);
    layOutSpins();
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
    showStatus();
}

void LessonChoicePopup::layOutSpins() {
    if (!model_->commonTab()) return;  // a reset took the other tab's editors away
    for (int row = 0; row < model_->rowCount(); ++row) {
        auto* spin = new ChoiceSizeSpin(choice_, model_->tab(), row, grid_);
        spin->setObjectName(QStringLiteral("SpEdit%1").arg(row + 1));
        connect(spin, &ChoiceSizeSpin::sizeChanged, this, [this](int changed) {
            model_->rowChanged(changed);
            showStatus();
        });
        grid_->setIndexWidget(model_->index(row, 1), spin);
    }
}

void LessonChoicePopup::showStatus() {
    const ChoiceEntry* entry = model_->entry(grid_->currentIndex().row());
    message_->setText(entry ? Text(choice_.StatusText(*entry)) : QString());
}

bool LessonChoicePopup::placeRow(int row) {
    const ChoiceEntry* entry = model_->entry(row);
    if (!entry || choice_.State(*entry) != ChoiceState::Placeable) return false;
    outcome_ = placement_.PlaceChoice(choice_, model_->tab(), row);
    if (!outcome_.done()) {
        message_->setText(Text(outcome_.message));
        return false;
    }
    hide();
    return true;
}

LessonChoicePopup* CreateLessonChoicePopup(QWidget* owner, ManualPlacement& placement, LessonChoice choice) {
    if (!choice.shown()) return nullptr;
    if (choice.teacherPopup()) return new TPopTchLsnDlg(owner, placement, std::move(choice));
    return new TPopSetLsnDlg(owner, placement, std::move(choice));
}

}  // namespace lovaris::ui
