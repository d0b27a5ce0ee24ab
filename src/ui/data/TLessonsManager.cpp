#include "TLessonsManager.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "TLessonFindDlg.h"
#include "TLinkDlg.h"
#include "TSepQuantsDlg.h"
#include "core/common/LessonTexts.h"
#include "core/data/BusyCellState.h"
#include "core/data/EditorParsers.h"
#include "core/data/LessonOperations.h"
#include "core/data/LessonSubgroupCount.h"
#include "ui/common/TErrorBox.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ReferenceList.h"
#include "ui/controls/TWeeking.h"

namespace lovaris::ui {
namespace {

constexpr int kMaxPupils = 10000;

// Red marks what a plain look would hide: separated hours, existing links.
void SetRed(QWidget* widget, QPalette::ColorRole role, bool red) {
    QPalette palette = widget->palette();
    palette.setColor(role, red ? QColor(0xD0, 0x00, 0x00) : widget->style()->standardPalette().color(role));
    widget->setPalette(palette);
}

QLabel* FieldLabel(LessonText text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(Res(text), parent);
    label->setBuddy(buddy);
    return label;
}

QString TabText(int subgroup) { return QString::number(subgroup + 1) + QLatin1Char(' ') + Res(TextId::SubgroupWord); }

}  // namespace

TLessonsManager::TLessonsManager(Project& project, QWidget* parent)
    : EditorWindow(EditorKind::Lessons, 12, project.params, parent), project_(project) {
    setWindowTitle(Res(TextId::LessonsCaption));
    setObjectName(QStringLiteral("lessonsManager"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeCommandBar(false));
    // The fields with the busy table take the height the window is given.
    layout->addWidget(makeLessonFields(), 1);
    layout->addWidget(makeSubgroupPanel());
    ResizeBusyTable();
    ShowRecord(project_.lessons.empty() ? -1 : 0);
}

QWidget* TLessonsManager::makeLessonFields() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    classList_ = new ReferenceList(false, box);
    classList_->setObjectName(QStringLiteral("classList"));
    classList_->setProperty("helpContext", 301);
    subgroupCountEdit_ = new QLineEdit(box);
    subgroupCountEdit_->setObjectName(QStringLiteral("subgroupCountEdit"));
    subgroupCountEdit_->setProperty("helpContext", 302);
    subgroupCountEdit_->setMaximumWidth(60);
    spreadEdit_ = new QLineEdit(box);
    spreadEdit_->setObjectName(QStringLiteral("spreadEdit"));
    spreadEdit_->setProperty("helpContext", 303);
    spreadEdit_->installEventFilter(this);
    noAttachedRoomCheck_ = new QCheckBox(box);
    noAttachedRoomCheck_->setObjectName(QStringLiteral("noAttachedRoomCheck"));
    noAttachedRoomCheck_->setAccessibleName(Res(LessonText::NoAttachedRoomLabel));
    QWidget* busyButtons = makeBusyButtons(false);  // before the table, as the tab order goes
    busyTable_ = new TWeeking(box);
    busyTable_->setObjectName(QStringLiteral("busyTable"));
    busyTable_->setProperty("helpContext", 305);
    // Taller than its lessons it would only show an empty strip.
    busyTable_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    busyTable_->setStateSource([this](int slot) {
        const auto* l = lesson();
        return l ? ByteBusyCellState(l->busy.get(slot)) : kCellFree;
    });

    grid->addWidget(FieldLabel(LessonText::ClassLabel, classList_, box), 0, 0, 1, 2);
    grid->addWidget(classList_, 1, 0, 1, 2);
    grid->addWidget(FieldLabel(LessonText::SubgroupCountLabel, subgroupCountEdit_, box), 2, 0);
    grid->addWidget(subgroupCountEdit_, 2, 1, Qt::AlignLeft);
    grid->addWidget(FieldLabel(LessonText::SpreadLabel, spreadEdit_, box), 3, 0);
    grid->addWidget(spreadEdit_, 3, 1);
    grid->addWidget(FieldLabel(LessonText::NoAttachedRoomLabel, noAttachedRoomCheck_, box), 4, 0);
    grid->addWidget(noAttachedRoomCheck_, 4, 1);
    grid->setRowStretch(5, 1);

    auto* busyHeader = new QHBoxLayout;
    busyHeader->addWidget(FieldLabel(LessonText::BusyLabel, busyTable_, box));
    busyHeader->addStretch();
    busyHeader->addWidget(busyButtons);
    grid->addLayout(busyHeader, 0, 2);
    grid->addWidget(busyTable_, 1, 2, 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);

    connect(classList_, &ReferenceList::idChosen, this, &TLessonsManager::ClassChange);
    connect(subgroupCountEdit_, &QLineEdit::textChanged, this, &TLessonsManager::SubgroupCountChange);
    connect(spreadEdit_, &QLineEdit::textChanged, this, &TLessonsManager::SpreadChange);
    connect(noAttachedRoomCheck_, &QCheckBox::toggled, this, &TLessonsManager::NoAttachedRoomClick);
    connect(busyTable_, &TWeeking::slotClicked, this, &TLessonsManager::BusyCellClick);
    dataControls_ << classList_ << subgroupCountEdit_ << spreadEdit_ << noAttachedRoomCheck_ << busyTable_;
    return box;
}

QWidget* TLessonsManager::makeSubgroupPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    subgroupTabs_ = new QTabBar(panel);
    subgroupTabs_->setObjectName(QStringLiteral("subgroupTabs"));
    subgroupTabs_->setProperty("helpContext", 306);
    subgroupTabs_->setExpanding(false);
    subgroupTabs_->setDrawBase(false);
    column->addWidget(subgroupTabs_);

    auto* page = new QGroupBox(panel);
    auto* form = new QGridLayout(page);
    subjectList_ = new ReferenceList(false, page);
    subjectList_->setObjectName(QStringLiteral("subjectList"));
    subjectList_->setProperty("helpContext", 307);
    teacherList_ = new ReferenceList(false, page);
    teacherList_->setObjectName(QStringLiteral("teacherList"));
    teacherList_->setProperty("helpContext", 308);
    pupilsEdit_ = new NumberEdit(kMaxPupils, TextId::SubgroupChildrenError, page);
    pupilsEdit_->setObjectName(QStringLiteral("pupilsEdit"));
    pupilsEdit_->setProperty("helpContext", 309);
    pupilsEdit_->setMaximumWidth(80);
    fictiveRoomEdit_ = new QLineEdit(page);
    fictiveRoomEdit_->setObjectName(QStringLiteral("fictiveRoomEdit"));
    fictiveRoomEdit_->setProperty("helpContext", 310);
    fictiveRoomEdit_->setMaxLength(static_cast<int>(TLessonSubItem::kMaxFictiveRoom));

    auto button = [page](const char* name, LessonText caption, LessonText hint, int help) {
        auto* b = new QPushButton(Res(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(Res(hint));
        b->setProperty("helpContext", help);
        b->setAutoDefault(false);
        return b;
    };
    linkButton_ = button("linkButton", LessonText::LinkButton, LessonText::LinkButtonHint, 208);
    clearButton_ = button("clearButton", LessonText::ClearButton, LessonText::ClearButtonHint, 207);
    findButton_ = button("findButton", LessonText::FindButton, LessonText::FindButtonHint, 206);

    form->addWidget(FieldLabel(LessonText::SubjectLabel, subjectList_, page), 0, 0);
    form->addWidget(subjectList_, 0, 1, 1, 3);
    form->addWidget(FieldLabel(LessonText::TeacherLabel, teacherList_, page), 1, 0);
    form->addWidget(teacherList_, 1, 1, 1, 3);
    form->addWidget(FieldLabel(LessonText::PupilsLabel, pupilsEdit_, page), 2, 0);
    form->addWidget(pupilsEdit_, 2, 1);
    form->addWidget(FieldLabel(LessonText::FictiveRoomLabel, fictiveRoomEdit_, page), 2, 2, Qt::AlignRight);
    form->addWidget(fictiveRoomEdit_, 2, 3);
    form->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(linkButton_);
    buttons->addWidget(clearButton_);
    buttons->addStretch();
    buttons->addWidget(findButton_);
    form->addLayout(buttons, 3, 0, 1, 4);
    column->addWidget(page);

    connect(subgroupTabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (!updating()) showSubgroup(index);
    });
    connect(subjectList_, &ReferenceList::idChosen, this, &TLessonsManager::SubjectChange);
    connect(teacherList_, &ReferenceList::idChosen, this, &TLessonsManager::TeacherChange);
    connect(pupilsEdit_, &NumberEdit::valueEdited, this, &TLessonsManager::PupilsChange);
    connect(fictiveRoomEdit_, &QLineEdit::textChanged, this, &TLessonsManager::FictiveRoomChange);
    connect(linkButton_, &QPushButton::clicked, this, &TLessonsManager::OpenLinkDialog);
    connect(clearButton_, &QPushButton::clicked, this, &TLessonsManager::ClearSubgroup);
    connect(findButton_, &QPushButton::clicked, this, &TLessonsManager::OpenFindDialog);
    dataControls_ << subgroupTabs_ << subjectList_ << teacherList_ << pupilsEdit_ << fictiveRoomEdit_ << linkButton_
                  << clearButton_;
    return panel;
}

TLessonItem* TLessonsManager::lesson() {
    const int pos = currentPosition();
    return pos >= 0 && pos < project_.lessons.count() ? &project_.lessons.at(pos) : nullptr;
}

TLessonSubItem* TLessonsManager::subgroup() {
    auto* l = lesson();
    const int s = currentSubgroup();
    return l && s >= 0 && s < l->subgroupCount() ? &l->subgroups[static_cast<std::size_t>(s)] : nullptr;
}

int TLessonsManager::currentSubgroup() const { return currentPosition() < 0 ? -1 : subgroupTabs_->currentIndex(); }

void TLessonsManager::ResizeBusyTable() { busyTable_->setLessonsPerDay(params().lessonsPerDay); }

void TLessonsManager::Activated() {
    if (!lesson()) return;
    Filling filling(*this);
    fillReferenceLists();
}

void TLessonsManager::ShowLesson(int position, int subgroupIndex) {
    ShowRecord(position);
    auto* l = lesson();
    if (!l || subgroupIndex <= 0 || subgroupIndex >= l->subgroupCount()) return;
    {
        Filling filling(*this);
        subgroupTabs_->setCurrentIndex(subgroupIndex);
    }
    showSubgroup(subgroupIndex);
}

void TLessonsManager::fillRecord(int /*position*/) {
    auto* l = lesson();
    setDataControlsEnabled(true);
    subgroupCountEdit_->setText(QString::number(l->subgroupCount()));
    spreadEdit_->setText(QString::fromStdString(JoinNumbers(l->spread())));
    updateSpreadColour();
    noAttachedRoomCheck_->setChecked(l->noAttachedRoom != 0);
    busyTable_->refresh();
    rebuildTabs();
    showSubgroup(0);  // fills the reference lists, the subgroup's among them
}

void TLessonsManager::clearRecord() {
    classList_->clearEntries();
    subgroupCountEdit_->clear();
    spreadEdit_->clear();
    updateSpreadColour();
    noAttachedRoomCheck_->setChecked(false);
    busyTable_->refresh();
    while (subgroupTabs_->count() > 0) subgroupTabs_->removeTab(0);
    subjectList_->clearEntries();
    teacherList_->clearEntries();
    pupilsEdit_->showNothing();
    fictiveRoomEdit_->clear();
    updateLinkCaption();
    setDataControlsEnabled(false);
}

int TLessonsManager::appendRecord() {
    project_.lessons.add();
    return project_.lessons.count() - 1;
}

void TLessonsManager::deleteRecord(int position) { project_.lessons.remove(position); }

void TLessonsManager::setDataControlsEnabled(bool enabled) {
    for (auto* w : dataControls_) w->setEnabled(enabled);
}

void TLessonsManager::fillReferenceLists() {
    auto* l = lesson();
    auto* s = subgroup();
    if (!l || !s) return;
    // A reference to a record deleted meanwhile is dropped here.
    bool dropped = classList_->fillFor(DisplayNameEntries(project_.klasses), l->klass);
    dropped |= subjectList_->fillFor(DisplayNameEntries(project_.subjects), s->subject);
    dropped |= teacherList_->fillFor(DisplayNameEntries(project_.teachers), s->teacher);
    if (dropped) markModified();
}

void TLessonsManager::rebuildTabs() {
    const int count = lesson() ? lesson()->subgroupCount() : 0;
    while (subgroupTabs_->count() > count) subgroupTabs_->removeTab(subgroupTabs_->count() - 1);
    while (subgroupTabs_->count() < count) subgroupTabs_->addTab(TabText(subgroupTabs_->count()));
    subgroupTabs_->setCurrentIndex(count > 0 ? 0 : -1);
}

void TLessonsManager::showSubgroup(int /*index*/) {
    Filling filling(*this);
    auto* s = subgroup();
    if (!s) return;
    fillReferenceLists();
    pupilsEdit_->showValue(s->children);
    fictiveRoomEdit_->setText(QString::fromStdString(s->fictiveRoom));
    updateLinkCaption();
}

void TLessonsManager::showPupils() {
    if (auto* s = subgroup()) pupilsEdit_->showValue(s->children);
}

void TLessonsManager::updateSpreadColour() {
    const auto* l = lesson();
    SetRed(spreadEdit_, QPalette::Text, l && l->hasSeparatedHours());
}

void TLessonsManager::updateLinkCaption() {
    const auto* s = subgroup();
    SetRed(linkButton_, QPalette::ButtonText, s && !s->links.empty());
}

bool TLessonsManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spreadEdit_ && event->type() == QEvent::MouseButtonDblClick && lesson()) {
        OpenSeparateHoursDialog();
        return true;
    }
    return EditorWindow::eventFilter(watched, event);
}

void TLessonsManager::ClassChange(int id) {
    auto* l = lesson();
    if (updating() || !l) return;
    l->klass = id;
    DistributePupils(*l, project_.klasses);
    showPupils();
    markModified();
}

void TLessonsManager::SubgroupCountChange(const QString& text) {
    if (updating() || !lesson()) return;
    const auto change = ApplySubgroupCountToLesson(project_, currentPosition(), text.toStdString());
    if (change.kind == LessonFieldChange::Kind::Refused) {
        ShowMessageId(this, change.message);
        return;
    }
    if (change.kind == LessonFieldChange::Kind::Unchanged) return;
    {
        Filling filling(*this);
        if (change.rewrite && *change.rewrite != text.toStdString())
            subgroupCountEdit_->setText(QString::fromStdString(*change.rewrite));
        rebuildTabs();
    }
    showSubgroup(0);
    markModified();
}

void TLessonsManager::SpreadChange(const QString& text) {
    auto* l = lesson();
    if (updating() || !l) return;
    const auto change = ApplySpreadText(*l, text.toStdString());
    if (change.kind == LessonFieldChange::Kind::Refused) {
        ShowMessageId(this, change.message);
        return;
    }
    if (change.kind == LessonFieldChange::Kind::Unchanged) return;
    updateSpreadColour();
    markModified();
}

void TLessonsManager::NoAttachedRoomClick(bool checked) {
    auto* l = lesson();
    if (updating() || !l) return;
    l->noAttachedRoom = checked ? 1 : 0;
    markModified();
}

void TLessonsManager::BusyCellClick(int slot) {
    auto* l = lesson();
    if (!l) return;
    l->busy.set(slot, ByteBusyValueForState(chosenCellState()));
    busyTable_->busyModel()->refreshSlot(slot);
    markModified();
}

void TLessonsManager::SubjectChange(int id) {
    auto* s = subgroup();
    if (updating() || !s) return;
    s->subject = id;
    markModified();
}

void TLessonsManager::TeacherChange(int id) {
    auto* s = subgroup();
    if (updating() || !s) return;
    s->teacher = id;
    markModified();
}

void TLessonsManager::PupilsChange(int value) {
    auto* s = subgroup();
    if (updating() || !s) return;
    s->children = static_cast<std::uint16_t>(value);
    markModified();
}

void TLessonsManager::FictiveRoomChange(const QString& text) {
    auto* s = subgroup();
    if (updating() || !s) return;
    s->setFictiveRoom(text.toStdString());
    markModified();
}

void TLessonsManager::OpenLinkDialog() {
    if (!subgroup()) return;
    TLinkDlg dlg(project_, currentPosition(), currentSubgroup(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    updateLinkCaption();
    markModified();
}

void TLessonsManager::ClearSubgroup() {
    auto* s = subgroup();
    if (!s) return;
    s->subject = -1;
    s->teacher = -1;
    s->fictiveRoom.clear();
    showSubgroup(currentSubgroup());
    markModified();
}

void TLessonsManager::OpenFindDialog() {
    TLessonFindDlg dlg(project_, currentPosition(), currentSubgroup(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    switch (dlg.choice()) {
    case TLessonFindDlg::Choice::Show:
        ShowLesson(dlg.chosenPosition(), dlg.chosenSubgroup());
        break;
    case TLessonFindDlg::Choice::Copy:
        // 0xB0CE: the copy has no class; its links stay one-sided.
        ShowLesson(CopyLessonAsNew(project_, dlg.chosenPosition()), dlg.chosenSubgroup());
        markModified();
        break;
    case TLessonFindDlg::Choice::None:
        break;
    }
}

void TLessonsManager::OpenSeparateHoursDialog() {
    auto* l = lesson();
    if (!l) return;
    TSepQuantsDlg dlg(*l, this);
    const bool confirmed = dlg.exec() == QDialog::Accepted;
    updateSpreadColour();
    if (confirmed) markModified();
}

}  // namespace lovaris::ui
