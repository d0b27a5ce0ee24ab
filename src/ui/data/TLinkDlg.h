#pragma once
// "Связать с подгруппой": choose the subgroups of other classes' lessons, taught by
// the same teacher, that are taught together with the lessons editor's subgroup.
#include <QDialog>

#include "core/data/LessonOperations.h"

class QTableView;

namespace lovaris::ui {

class LessonRowsModel;

class TLinkDlg : public QDialog {
    Q_OBJECT
public:
    TLinkDlg(Project& project, int lessonPosition, int subgroup, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    const std::vector<LinkCandidate>& candidates() const { return candidates_; }
    // Switches the row's "Связать" between "Да" and "Нет" (a double-click).
    void ToggleRow(int row);
    // What the last confirmation could not link.
    const LinkApplyResult& applyResult() const { return applied_; }

private:
    void confirm();
    QString refusalText() const;

    Project& project_;
    int lessonPosition_;
    int subgroup_;
    std::vector<LinkCandidate> candidates_;
    LinkApplyResult applied_;
    LessonRowsModel* model_;
    QTableView* list_;
};

}  // namespace lovaris::ui
