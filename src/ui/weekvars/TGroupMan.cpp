#include "TGroupMan.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "FittedTextDelegate.h"
#include "GroupSettingsBox.h"
#include "TeacherGroupsModel.h"
#include "core/common/GroupDialogTexts.h"
#include "core/workspace/VariantWorkspace.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

using X = GroupDialogText;
constexpr int kDialogHelp = 15;
constexpr int kColumnWidth = 120;  // the narrowest column

QPushButton* Button(QWidget* parent, const char* name, X caption, X hint, int help) {
    return DialogButton(parent, name, Res(caption), Res(hint), help);
}

QString Caption(GroupDialogKind kind, int day) {
    const QString what = kind == GroupDialogKind::Day ? Text(WeekdayLongName(day)) : Res(TextId::WholeWeek);
    return Res(TextId::TeacherGroupsCaption) + QStringLiteral(": ") + what;
}

std::optional<int> ChooseGroup(TGroupMan& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    dialog.table().WriteBack();
    return dialog.table().selectedGroup();
}

}  // namespace

TGroupMan::TGroupMan(QWidget* owner, VariantWorkspace& workspace, std::function<void()> viewsChanged)
    : TGroupMan(owner, workspace, GroupDialogKind::Day, std::move(viewsChanged)) {}

TGroupMan::TGroupMan(QWidget* owner, VariantWorkspace& workspace, GroupDialogKind kind,
                     std::function<void()> viewsChanged)
    : QDialog(owner),
      workspace_(workspace),
      viewsChanged_(std::move(viewsChanged)),
      table_(std::make_unique<TeacherGroupTable>(kind, workspace.session().teachers())) {
    setObjectName(kind == GroupDialogKind::Day ? QStringLiteral("TGroupMan") : QStringLiteral("TWeekGroupMan"));
    setWindowTitle(Caption(kind, workspace.currentDay()));
    setProperty("helpContext", kDialogHelp);

    model_ = new TeacherGroupsModel(*table_, TeacherNames(workspace), this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("TeachersGroupsGrid"));
    grid_->setProperty("helpContext", 343);
    grid_->setModel(model_);
    grid_->setItemDelegate(new FittedTextDelegate(grid_));
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);  // whole names
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setDragEnabled(true);
    grid_->setAcceptDrops(true);
    grid_->setDragDropMode(QAbstractItemView::DragDrop);
    grid_->setDefaultDropAction(Qt::CopyAction);
    grid_->setDragDropOverwriteMode(true);  // a drop lands on the cell under the cursor
    grid_->setDropIndicatorShown(true);
    grid_->setAutoScroll(true);  // scrolls while a drag reaches the grid's edge
    grid_->setMinimumSize(5 * kColumnWidth, 360);
    connect(grid_, &QTableView::clicked, this, &TGroupMan::GridReleased);
    connect(model_, &TeacherGroupsModel::teacherDropped, this, [this](GroupCell cell) {
        FocusCell(cell);
        ShowSelectedGroup();
    });

    selectedGroup_ = new QComboBox(this);
    selectedGroup_->setObjectName(QStringLiteral("SelectedGroupCombo"));
    selectedGroup_->setProperty("helpContext", 341);
    connect(selectedGroup_, &QComboBox::activated, this, [this](int group) { table_->selectGroup(group); });
    attachGroup_ = new QComboBox(this);
    attachGroup_->setObjectName(QStringLiteral("AttachGroupCombo"));
    attachGroup_->setProperty("helpContext", 342);
    connect(attachGroup_, &QComboBox::activated, this, &TGroupMan::AttachChosen);

    auto* place = Button(this, "OKPrgBtn", X::PlaceButton, X::PlaceHint, 346);
    place->setDefault(true);
    auto* close = Button(this, "CancelPrgBtn", X::CloseButton, X::CloseHint, 351);
    addGroup_ = Button(this, "AddGrpPrgBtn", X::AddGroupButton, X::AddGroupHint, 349);
    auto* toDraft = Button(this, "DelGrpPrgBtn", X::ToDraftButton, X::ToDraftHint, 347);
    auto* remove = Button(this, "ClearPrgBtn", X::RemoveButton, X::RemoveHint, 348);
    auto* recompute = Button(this, "DefaultGroupsBtn", X::DefaultGroupsButton, X::DefaultGroupsHint, 350);
    auto* help = Button(this, "HelpBtn", X::HelpButton, X::HelpHint, 352);
    connect(place, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(addGroup_, &QPushButton::clicked, this, &TGroupMan::AddGroup);
    connect(toDraft, &QPushButton::clicked, this, [this] { RunCommand(GroupCommand::MoveToDraft); });
    connect(remove, &QPushButton::clicked, this, [this] { RunCommand(GroupCommand::Remove); });
    connect(recompute, &QPushButton::clicked, this, &TGroupMan::Recompute);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kDialogHelp); });

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(Res(X::SelectedGroupLabel), this));
    side->addWidget(selectedGroup_);
    side->addWidget(new QLabel(Res(X::AttachGroupLabel), this));
    side->addWidget(attachGroup_);
    side->addSpacing(8);
    for (QPushButton* b : {addGroup_, toDraft, remove, recompute}) side->addWidget(b);
    side->addSpacing(8);
    side->addWidget(new GroupSettingsBox(kind, workspace.state(), this));
    side->addStretch();
    for (QPushButton* b : {place, close, help}) side->addWidget(b);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(side);
    resize(1000, 560);  // room for several groups of full names

    FillLists();
    FocusCell(GroupCell{0, 0});
}

TGroupMan::~TGroupMan() = default;

void TGroupMan::FillLists() {
    selectedGroup_->clear();
    attachGroup_->clear();
    for (int g = 0; g < table_->shownGroupCount(); ++g) {
        selectedGroup_->addItem(TeacherGroupsModel::GroupTitle(g));
        attachGroup_->addItem(Res(TextId::AttachGroupWord) + QLatin1Char(' ') + QString::number(g + 1));
    }
    attachGroup_->setCurrentIndex(-1);
    addGroup_->setEnabled(table_->canAddGroup());
    ShowSelectedGroup();
}

void TGroupMan::ShowSelectedGroup() { selectedGroup_->setCurrentIndex(table_->selectedGroup()); }

void TGroupMan::FocusCell(GroupCell cell) {
    grid_->setFocus();
    if (table_->teacherAt(cell) < 0) return;
    grid_->setCurrentIndex(model_->indexOf(cell));
}

// A click on any cell, a teacher's or a blank one, chooses that cell's group.
void TGroupMan::GridReleased(const QModelIndex& index) {
    if (table_->selectGroup(index.column())) ShowSelectedGroup();
}

void TGroupMan::AttachChosen(int group) {
    const int focused = table_->teacherAt(TeacherGroupsModel::cellAt(grid_->currentIndex()));
    model_->Apply([group](TeacherGroupTable& t) { return t.Attach(group); });
    attachGroup_->setCurrentIndex(-1);
    if (focused >= 0) FocusCell(table_->cellOf(focused));
}

void TGroupMan::AddGroup() {
    model_->Apply([](TeacherGroupTable& t) { return t.AddGroup(); });
    FillLists();
}

void TGroupMan::Recompute() {
    model_->Apply([this](TeacherGroupTable& t) {
        t.Reload(workspace_.planning());
        return true;
    });
    FillLists();
    FocusCell(GroupCell{0, 0});
}

void TGroupMan::RunCommand(GroupCommand command) {
    const auto outcomes = workspace_.RunGroupCommand(*table_, command);
    if (viewsChanged_) viewsChanged_();
    for (const GroupCommandOutcome& outcome : outcomes)
        if (const std::string message = GroupCommandMessage(outcome); !message.empty())
            ShowMessageText(this, Text(message));
}

std::optional<int> ChooseDayGroup(QWidget* owner, VariantWorkspace& workspace, std::function<void()> viewsChanged) {
    TGroupMan dialog(owner, workspace, std::move(viewsChanged));
    return ChooseGroup(dialog);
}

std::optional<int> ChooseWeekGroup(QWidget* owner, VariantWorkspace& workspace,
                                   std::function<void()> viewsChanged) {
    TWeekGroupMan dialog(owner, workspace, std::move(viewsChanged));
    return ChooseGroup(dialog);
}

}  // namespace lovaris::ui
