#pragma once
// "Параметры проекта": the comment, lessons per day, shift starts and the daily
// minimums of a project. The record changes only when every field passes.
#include <QDialog>

#include "core/data/ProjectParams.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace lovaris::ui {

class CommentMemo;

class TProjParams : public QDialog {
    Q_OBJECT
public:
    TProjParams(QWidget* owner, const QString& projectName, ProjectParams& params);

    // "Да": checks the fields; the first failure is shown and the dialog stays open.
    void Confirm();

private:
    QLineEdit* addNumberRow(QGridLayout* grid, int row, int labelText, int help, const char* name);

    ProjectParams& params_;
    CommentMemo* comment_;
    QLineEdit* lessonsPerDay_;
    QLineEdit* shiftStarts_;
    QLineEdit* classMin_;
    QLineEdit* teacherMin_;
    QPushButton* yesButton_;
};

}  // namespace lovaris::ui
