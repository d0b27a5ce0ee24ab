#pragma once
// "Кабинеты": the rooms editor.
#include "RecordEditor.h"

class QCheckBox;

namespace lovaris::ui {

class NumberEdit;
class ProfileList;

class TRoomsManager : public RecordEditor<TRoomItem> {
    Q_OBJECT
public:
    explicit TRoomsManager(Project& project, QWidget* parent = nullptr);

protected:
    void showFields(TRoomItem& room) override;
    void clearFields() override;

private:
    NumberEdit* seatsEdit_;
    NumberEdit* groupsEdit_;
    ProfileList* specializationList_;
    QCheckBox* strictBox_;
};

}  // namespace lovaris::ui
