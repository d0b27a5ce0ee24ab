#pragma once
// The day or the period a substitution report covers: "С:" and "По:" (both today),
// or in day mode "Дата:" alone under the caption "Отчетный день". "Да" confirms,
// the window's close box cancels. An end before the start is left to the caller.
#include <QDate>
#include <QDialog>

class QDateEdit;

namespace lovaris::ui {

class ReportPeriodDlg : public QDialog {
    Q_OBJECT
public:
    ReportPeriodDlg(QWidget* parent, bool dayMode);
    QDateEdit* fromPicker() const { return from_; }
    QDateEdit* toPicker() const { return to_; }
    QDate from() const;
    QDate to() const;  // the start in day mode

private:
    QDateEdit* from_;
    QDateEdit* to_;
    bool dayMode_;
};

}  // namespace lovaris::ui
