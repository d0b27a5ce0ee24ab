#pragma once
// The period summary: "Пропуски" (absences per teacher) and "Замещения"
// (substitutions per teacher), under the caption "Пропуски и замещения: " and the period.
#include <QDialog>

#include "core/journal/PeriodSummary.h"

class QTableView;
class QTabWidget;

namespace lovaris::ui {

class TZamRprtDlg : public QDialog {
    Q_OBJECT
public:
    TZamRprtDlg(QWidget* owner, const PeriodSummary& summary);

    QTabWidget* pages() const { return pages_; }
    QTableView* illGrid() const { return ill_; }
    QTableView* healthGrid() const { return health_; }

private:
    QTabWidget* pages_;
    QTableView* ill_;
    QTableView* health_;
};

}  // namespace lovaris::ui
