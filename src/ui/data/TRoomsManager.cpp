#include "TRoomsManager.h"

#include <QCheckBox>

#include "core/common/EditorTexts.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ProfileList.h"

namespace lovaris::ui {

TRoomsManager::TRoomsManager(Project& project, QWidget* parent)
    : RecordEditor(EditorKind::Rooms, 8, TextId::RoomsCaption, project, project.rooms, parent) {
    seatsEdit_ = new NumberEdit(100, TextId::RoomSeatsError, form());
    seatsEdit_->setObjectName(QStringLiteral("seatsEdit"));
    seatsEdit_->setMaximumWidth(80);
    // The number of groups served at once is kept in the file but not offered.
    groupsEdit_ = new NumberEdit(10000, TextId::RoomGroupsError, form());
    groupsEdit_->setObjectName(QStringLiteral("groupsEdit"));
    groupsEdit_->hide();
    specializationList_ = new ProfileList(form());
    specializationList_->setObjectName(QStringLiteral("specializationList"));
    strictBox_ = new QCheckBox(form());
    strictBox_->setObjectName(QStringLiteral("strictBox"));

    addRow(EditorText::NameLabel, nameList(), 221);
    addRow(EditorText::SeatsLabel, seatsEdit_, 224, Qt::AlignLeft);
    addRow(EditorText::SpecializationLabel, specializationList_, 222);
    addRow(EditorText::StrictLabel, strictBox_, 223);
    addRow(EditorText::BusyLabel, makeBusyButtons(false), 0, Qt::AlignLeft);
    grid()->addWidget(makeBusyTable(form(), 226), grid()->rowCount(), 0, 1, 2);
    grid()->setRowStretch(grid()->rowCount() - 1, 1);

    connect(seatsEdit_, &NumberEdit::valueEdited, this,
            [this](int v) { edit([v](TRoomItem& r) { r.seats = static_cast<std::uint16_t>(v); }); });
    connect(groupsEdit_, &NumberEdit::valueEdited, this,
            [this](int v) { edit([v](TRoomItem& r) { r.maxGroups = static_cast<std::uint16_t>(v); }); });
    connect(specializationList_, &ProfileList::specializationChosen, this,
            [this](int n) { edit([n](TRoomItem& r) { r.specialization = static_cast<std::uint8_t>(n); }); });
    connect(strictBox_, &QCheckBox::toggled, this,
            [this](bool strict) { edit([strict](TRoomItem& r) { r.generalUse = strict ? 0 : 1; }); });
    resize(440, 520);
    Reload();
}

void TRoomsManager::showFields(TRoomItem& room) {
    seatsEdit_->showValue(room.seats);
    groupsEdit_->showValue(room.maxGroups);
    specializationList_->showSpecialization(room.specialization);
    strictBox_->setChecked(room.generalUse == 0);
}

void TRoomsManager::clearFields() {
    seatsEdit_->showNothing();
    groupsEdit_->showNothing();
    specializationList_->showNothing();
    strictBox_->setChecked(false);
}

}  // namespace lovaris::ui
