#pragma once
// "Найти запись": every subgroup of every lesson, class by class; the user shows
// one of them in the lessons editor or copies its lesson.
#include <QDialog>

#include "core/data/LessonOperations.h"

class QTableView;

namespace lovaris::ui {

class LessonRowsModel;

class TLessonFindDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Show, Copy };

    TLessonFindDlg(const Project& project, int shownPosition, int shownSubgroup, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    Choice choice() const { return choice_; }
    // The chosen row's lesson position and subgroup (from 0).
    int chosenPosition() const { return chosenPosition_; }
    int chosenSubgroup() const { return chosenSubgroup_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(Choice choice);

    std::vector<LessonFindRow> rows_;
    LessonRowsModel* model_;
    QTableView* list_;
    Choice choice_ = Choice::None;
    int chosenPosition_ = -1;
    int chosenSubgroup_ = 0;
};

}  // namespace lovaris::ui
