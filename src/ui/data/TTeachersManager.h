#pragma once
// "Учителя": the teachers editor, with the graded wishes of the busy table.
#include "RecordEditor.h"

namespace lovaris::ui {

class NumberEdit;
class ReferenceList;

class TTeachersManager : public RecordEditor<TTeacherItem> {
    Q_OBJECT
public:
    explicit TTeachersManager(Project& project, QWidget* parent = nullptr);
    void Activated() override;

protected:
    void showFields(TTeacherItem& teacher) override;
    void clearFields() override;

private:

    NumberEdit* freeDaysEdit_;
    ReferenceList* roomList_;
    NumberEdit* plannedHoursEdit_;
};

}  // namespace lovaris::ui
