#include "TSubjectsManager.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include "core/common/EditorTexts.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ProfileList.h"

namespace lovaris::ui {

TSubjectsManager::TSubjectsManager(Project& project, QWidget* parent)
    : RecordEditor(EditorKind::Subjects, 9, TextId::SubjectsCaption, project, project.subjects, parent) {
    coefficientEdit_ = new NumberEdit(20, TextId::SubjectCoefficientError, form());
    coefficientEdit_->setObjectName(QStringLiteral("coefficientEdit"));
    coefficientEdit_->setMaximumWidth(80);
    specializationList_ = new ProfileList(form());
    specializationList_->setObjectName(QStringLiteral("specializationList"));
    strictBox_ = new QCheckBox(form());
    strictBox_->setObjectName(QStringLiteral("strictBox"));

    addRow(EditorText::NameLabel, nameList(), 241);
    addRow(EditorText::CoefficientLabel, coefficientEdit_, 242, Qt::AlignLeft);
    addRow(EditorText::SpecializationLabel, specializationList_, 243);
    addRow(EditorText::StrictLabel, strictBox_, 244);
    grid()->addWidget(makeRoomLists(), grid()->rowCount(), 0, 1, 2);
    grid()->setRowStretch(grid()->rowCount() - 1, 1);

    connect(coefficientEdit_, &NumberEdit::valueEdited, this, [this](int v) {
        edit([v](TSubjectItem& s) { s.sanitaryCoefficient = static_cast<std::uint16_t>(v); });
    });
    connect(specializationList_, &ProfileList::specializationChosen, this,
            [this](int n) { edit([n](TSubjectItem& s) { s.specialization = static_cast<std::uint8_t>(n); }); });
    connect(strictBox_, &QCheckBox::toggled, this,
            [this](bool strict) { edit([strict](TSubjectItem& s) { s.generalUse = strict ? 0 : 1; }); });
    resize(560, 480);
    Reload();
}

QWidget* TSubjectsManager::makeRoomLists() {
    auto* box = new QWidget(form());
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    wishedList_ = new QListWidget(box);
    wishedList_->setObjectName(QStringLiteral("wishedRoomsList"));
    wishedList_->setProperty("helpContext", 246);
    allRoomsList_ = new QListWidget(box);
    allRoomsList_->setObjectName(QStringLiteral("allRoomsList"));
    allRoomsList_->setProperty("helpContext", 247);
    auto* wishedLabel = new QLabel(Res(EditorText::WishedRoomsLabel), box);
    wishedLabel->setBuddy(wishedList_);
    auto* allLabel = new QLabel(Res(EditorText::AllRoomsLabel), box);
    allLabel->setBuddy(allRoomsList_);

    auto makeButton = [&](const char* name, EditorText hint, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(box);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(Res(hint));
        b->setIcon(style()->standardIcon(icon));
        b->setProperty("helpContext", 245);
        return b;
    };
    addRoomButton_ = makeButton("addRoomButton", EditorText::WishedRoomAddHint, QStyle::SP_ArrowLeft);
    removeRoomButton_ = makeButton("removeRoomButton", EditorText::WishedRoomRemoveHint, QStyle::SP_ArrowRight);
    raiseRoomButton_ = makeButton("raiseRoomButton", EditorText::WishedRoomRaiseHint, QStyle::SP_ArrowUp);
    lowerRoomButton_ = makeButton("lowerRoomButton", EditorText::WishedRoomLowerHint, QStyle::SP_ArrowDown);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (auto* b : {addRoomButton_, removeRoomButton_, raiseRoomButton_, lowerRoomButton_}) buttons->addWidget(b);
    buttons->addStretch();

    grid->addWidget(wishedLabel, 0, 0);
    grid->addWidget(allLabel, 0, 2);
    grid->addWidget(wishedList_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(allRoomsList_, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    // Tab follows the screen: recommended rooms, the buttons between, then all rooms.
    QWidget* order[] = {wishedList_, addRoomButton_, removeRoomButton_, raiseRoomButton_, lowerRoomButton_, allRoomsList_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(wishedList_, &QListWidget::currentRowChanged, this, &TSubjectsManager::updateRoomButtons);
    connect(allRoomsList_, &QListWidget::currentRowChanged, this, &TSubjectsManager::updateRoomButtons);
    connect(addRoomButton_, &QToolButton::clicked, this, &TSubjectsManager::addWishedRoom);
    connect(allRoomsList_, &QListWidget::itemDoubleClicked, this, &TSubjectsManager::addWishedRoom);
    connect(removeRoomButton_, &QToolButton::clicked, this, &TSubjectsManager::removeWishedRoom);
    connect(raiseRoomButton_, &QToolButton::clicked, this, [this] { shiftWishedRoom(-1); });
    connect(lowerRoomButton_, &QToolButton::clicked, this, [this] { shiftWishedRoom(+1); });
    updateRoomButtons();
    return box;
}

void TSubjectsManager::Activated() {
    if (current()) rebuildRoomLists();
}

void TSubjectsManager::showFields(TSubjectItem& subject) {
    coefficientEdit_->showValue(subject.sanitaryCoefficient);
    specializationList_->showSpecialization(subject.specialization);
    strictBox_->setChecked(subject.generalUse == 0);
    rebuildRoomLists();
}

void TSubjectsManager::clearFields() {
    coefficientEdit_->showNothing();
    specializationList_->showNothing();
    strictBox_->setChecked(false);
    wishedList_->clear();
    allRoomsList_->clear();
    updateRoomButtons();
}

void TSubjectsManager::rebuildRoomLists() {
    TSubjectItem* subject = current();
    if (!subject) return;
    const auto wished = subject->wishedRooms;
    bool dropped = false;
    for (const auto id : wished) {
        if (project_.rooms.indexOfId(id) < 0) {
            subject->removeWishedRoom(id);
            dropped = true;
        }
    }
    if (dropped) markModified();
    {
        const QSignalBlocker quiet(allRoomsList_);
        allRoomsList_->clear();
        ListEntries rooms = DisplayNameEntries(project_.rooms);
        SortByText(rooms);
        for (const auto& room : rooms) {
            auto* item = new QListWidgetItem(room.text, allRoomsList_);
            item->setData(Qt::UserRole, room.id);
        }
    }
    showWishedRooms(*subject, -1);
}

void TSubjectsManager::showWishedRooms(const TSubjectItem& subject, int selectId) {
    {
        const QSignalBlocker quiet(wishedList_);
        wishedList_->clear();
        for (const auto id : subject.wishedRooms) {
            const auto* room = project_.rooms.findById(id);
            auto* item = new QListWidgetItem(QString::fromStdString(room ? room->displayName() : std::string()), wishedList_);
            item->setData(Qt::UserRole, id);
            if (id == selectId) wishedList_->setCurrentItem(item);
        }
    }
    updateRoomButtons();
}

int TSubjectsManager::selectedWishedId() const {
    const auto* item = wishedList_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TSubjectsManager::updateRoomButtons() {
    const int row = wishedList_->currentRow();
    const int count = wishedList_->count();
    addRoomButton_->setEnabled(allRoomsList_->currentRow() >= 0);
    removeRoomButton_->setEnabled(row >= 0);
    raiseRoomButton_->setEnabled(row > 0);
    lowerRoomButton_->setEnabled(row >= 0 && row < count - 1);
}

void TSubjectsManager::addWishedRoom() {
    const auto* chosen = allRoomsList_->currentItem();
    TSubjectItem* subject = current();
    if (!chosen || !subject) return;
    const int id = chosen->data(Qt::UserRole).toInt();
    const auto before = subject->wishedRooms.size();
    subject->insertWishedRoom(static_cast<int>(before), id);
    if (subject->wishedRooms.size() == before) return;  // already there, or ten already
    showWishedRooms(*subject, id);
    markModified();
}

void TSubjectsManager::removeWishedRoom() {
    TSubjectItem* subject = current();
    const int id = selectedWishedId();
    if (!subject || id < 0) return;
    subject->removeWishedRoom(id);
    showWishedRooms(*subject, -1);
    markModified();
}

void TSubjectsManager::shiftWishedRoom(int step) {
    TSubjectItem* subject = current();
    const int id = selectedWishedId();
    const int row = wishedList_->currentRow();
    const int target = row + step;
    if (!subject || id < 0 || target < 0 || target >= wishedList_->count()) return;
    subject->removeWishedRoom(id);
    subject->insertWishedRoom(target, id);
    showWishedRooms(*subject, id);
    markModified();
}

}  // namespace lovaris::ui
