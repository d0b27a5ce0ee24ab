#pragma once
// "Поставить урок": the lessons that can be put at one place of the day, on tabs by
// where their hours stand now ("Черновик", "Общие", the weekdays), each row with how
// many hours fit and, when it cannot be placed, why. A double click places the row
// and the popup hides. The class popup and the teacher popup are twins.
#include <QSpinBox>

#include "PopupWindow.h"
#include "core/manual/ManualPlacement.h"

class QLabel;
class QTabBar;
class QTableView;

namespace lovaris::ui {

class ChoiceEntriesModel;

// The "Часы" editor of a row on "Общие": steps through the row's block sizes.
class ChoiceSizeSpin : public QSpinBox {
    Q_OBJECT
public:
    ChoiceSizeSpin(LessonChoice& choice, int tab, int row, QWidget* parent);
    void stepBy(int steps) override;

signals:
    void sizeChanged(int row);

protected:
    StepEnabled stepEnabled() const override;

private:
    LessonChoice& choice_;
    int tab_;
    int row_;
};

class LessonChoicePopup : public PopupWindow {
    Q_OBJECT
public:
    LessonChoicePopup(QWidget* owner, ManualPlacement& placement, LessonChoice choice);

    const LessonChoice& choice() const { return choice_; }
    QTabBar* tabs() const { return tabs_; }
    QTableView* grid() const { return grid_; }
    QLabel* messageBar() const { return message_; }
    // The double click on a row of the shown tab; false when the row cannot be placed.
    bool placeRow(int row);
    const ManualOutcome& outcome() const { return outcome_; }

private:
    void showTab(int tab);
    void showStatus();
    void layOutSpins();

    ManualPlacement& placement_;
    LessonChoice choice_;
    ManualOutcome outcome_;
    QTabBar* tabs_;
    QTableView* grid_;
    ChoiceEntriesModel* model_;
    QLabel* message_;
};

class TPopSetLsnDlg : public LessonChoicePopup {
    Q_OBJECT
public:
    using LessonChoicePopup::LessonChoicePopup;
};

class TPopTchLsnDlg : public LessonChoicePopup {
    Q_OBJECT
public:
    using LessonChoicePopup::LessonChoicePopup;
};

// The popup for a choice: the teacher twin for a teacher cell. None when it has no tab.
LessonChoicePopup* CreateLessonChoicePopup(QWidget* owner, ManualPlacement& placement, LessonChoice choice);

}  // namespace lovaris::ui
