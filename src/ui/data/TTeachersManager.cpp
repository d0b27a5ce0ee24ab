#include "TTeachersManager.h"

#include "core/common/EditorTexts.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ReferenceList.h"

namespace lovaris::ui {

TTeachersManager::TTeachersManager(Project& project, QWidget* parent)
    : RecordEditor(EditorKind::Teachers, 11, TextId::TeachersCaption, project, project.teachers, parent) {
    freeDaysEdit_ = new NumberEdit(7, TextId::TeacherFreeDaysError, form());
    freeDaysEdit_->setObjectName(QStringLiteral("freeDaysEdit"));
    freeDaysEdit_->setMaximumWidth(80);
    roomList_ = new ReferenceList(true, form());
    roomList_->setObjectName(QStringLiteral("attachedRoomList"));
    plannedHoursEdit_ = new NumberEdit(144, TextId::TeacherPlannedHoursError, form());
    plannedHoursEdit_->setObjectName(QStringLiteral("plannedHoursEdit"));
    plannedHoursEdit_->setMaximumWidth(80);

    addRow(EditorText::TeacherNameLabel, nameList(), 281);
    addRow(EditorText::FreeDaysLabel, freeDaysEdit_, 282, Qt::AlignLeft);
    addRow(EditorText::AttachedRoomLabel, roomList_, 283);
    addRow(EditorText::PlannedHoursLabel, plannedHoursEdit_, 0, Qt::AlignLeft);
    addRow(EditorText::BusyLabel, makeBusyButtons(true), 0, Qt::AlignLeft);
    grid()->addWidget(makeBusyTable(form(), 285), grid()->rowCount(), 0, 1, 2);
    grid()->setRowStretch(grid()->rowCount() - 1, 1);

    connect(freeDaysEdit_, &NumberEdit::valueEdited, this,
            [this](int v) { edit([v](TTeacherItem& t) { t.freeDays = v; }); });
    connect(roomList_, &ReferenceList::idChosen, this,
            [this](int id) { edit([id](TTeacherItem& t) { t.attachedRoom = id; }); });
    connect(plannedHoursEdit_, &NumberEdit::valueEdited, this,
            [this](int v) { edit([v](TTeacherItem& t) { t.plannedHours = v; }); });
    resize(480, 540);
    Reload();
}

void TTeachersManager::Activated() {
    if (TTeacherItem* teacher = current()) fillRoomReference(roomList_, teacher->attachedRoom);
}

void TTeachersManager::showFields(TTeacherItem& teacher) {
    freeDaysEdit_->showValue(teacher.freeDays);
    fillRoomReference(roomList_, teacher.attachedRoom);
    plannedHoursEdit_->showValue(teacher.plannedHours);
}

void TTeachersManager::clearFields() {
    freeDaysEdit_->showNothing();
    roomList_->clearEntries();
    plannedHoursEdit_->showNothing();
}

}  // namespace lovaris::ui
