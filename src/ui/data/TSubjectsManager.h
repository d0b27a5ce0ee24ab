#pragma once
// "Предметы": the subjects editor, with the ordered list of recommended rooms.
#include "RecordEditor.h"

class QCheckBox;
class QListWidget;
class QToolButton;

namespace lovaris::ui {

class NumberEdit;
class ProfileList;

class TSubjectsManager : public RecordEditor<TSubjectItem> {
    Q_OBJECT
public:
    explicit TSubjectsManager(Project& project, QWidget* parent = nullptr);
    void Activated() override;

protected:
    void showFields(TSubjectItem& subject) override;
    void clearFields() override;

private:
    QWidget* makeRoomLists();
    // Both room lists from the rooms collection; recommended rooms that no longer
    // exist are dropped from the subject.
    void rebuildRoomLists();
    void showWishedRooms(const TSubjectItem& subject, int selectId);
    void updateRoomButtons();
    void addWishedRoom();
    void removeWishedRoom();
    void shiftWishedRoom(int step);
    int selectedWishedId() const;

    NumberEdit* coefficientEdit_;
    ProfileList* specializationList_;
    QCheckBox* strictBox_;
    QListWidget* wishedList_ = nullptr;
    QListWidget* allRoomsList_ = nullptr;
    QToolButton* addRoomButton_ = nullptr;
    QToolButton* removeRoomButton_ = nullptr;
    QToolButton* raiseRoomButton_ = nullptr;
    QToolButton* lowerRoomButton_ = nullptr;
};

}  // namespace lovaris::ui
