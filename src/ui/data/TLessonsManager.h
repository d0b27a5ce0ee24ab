#pragma once
// "Уроки": one line of the curriculum at a time — the class, its subgroups with
// subject, teacher, pupils and own room, the hour spread, the hours at which the
// lesson may not take place and the links between subgroups of different classes.
#include "EditorWindow.h"
#include "core/data/Project.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace lovaris::ui {

class NumberEdit;
class ReferenceList;
class TWeeking;

class TLessonsManager : public EditorWindow {
    Q_OBJECT
public:
    explicit TLessonsManager(Project& project, QWidget* parent = nullptr);

    int recordCount() const override { return project_.lessons.count(); }
    void ResizeBusyTable() override;
    void Activated() override;

    // The subgroup shown (from 0), -1 without a record.
    int currentSubgroup() const;
    // Shows the lesson at the position with one of its subgroups.
    void ShowLesson(int position, int subgroup);

    // The commands of the subgroup buttons and the spread's double-click.
    void OpenLinkDialog();
    void ClearSubgroup();
    void OpenFindDialog();
    void OpenSeparateHoursDialog();

protected:
    void fillRecord(int position) override;
    void clearRecord() override;
    int appendRecord() override;
    void deleteRecord(int position) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeLessonFields();
    QWidget* makeSubgroupPanel();
    TLessonItem* lesson();
    TLessonSubItem* subgroup();

    void fillReferenceLists();
    void rebuildTabs();
    void showSubgroup(int index);
    void showPupils();
    void updateSpreadColour();
    void updateLinkCaption();
    void setDataControlsEnabled(bool enabled);

    void ClassChange(int id);
    void SubgroupCountChange(const QString& text);
    void SpreadChange(const QString& text);
    void NoAttachedRoomClick(bool checked);
    void BusyCellClick(int slot);
    void SubjectChange(int id);
    void TeacherChange(int id);
    void PupilsChange(int value);
    void FictiveRoomChange(const QString& text);

    Project& project_;
    ReferenceList* classList_ = nullptr;
    QLineEdit* subgroupCountEdit_ = nullptr;
    QLineEdit* spreadEdit_ = nullptr;
    TWeeking* busyTable_ = nullptr;
    QCheckBox* noAttachedRoomCheck_ = nullptr;
    QTabBar* subgroupTabs_ = nullptr;
    ReferenceList* subjectList_ = nullptr;
    ReferenceList* teacherList_ = nullptr;
    NumberEdit* pupilsEdit_ = nullptr;
    QLineEdit* fictiveRoomEdit_ = nullptr;
    QPushButton* linkButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QList<QWidget*> dataControls_;
};

}  // namespace lovaris::ui
