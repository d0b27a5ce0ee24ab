#pragma once
// "Отчетный период": a period from "С:" to "По:", both today at first; in day mode
// "Отчетный день" with a single "Дата:". The caller puts an end before the start right.
#include <QDialog>

#include "core/journal/JournalDate.h"

class QDateEdit;
class QLabel;

namespace lovaris::ui {

class TSelDateDlg : public QDialog {
    Q_OBJECT
public:
    TSelDateDlg(QWidget* owner, bool dayMode, SerialDate today);

    SerialDate from() const;
    SerialDate to() const;  // the one date in day mode
    QDateEdit* fromPicker() const { return from_; }
    QDateEdit* toPicker() const { return to_; }

private:
    QDateEdit* from_;
    QDateEdit* to_;
    bool dayMode_;
};

}  // namespace lovaris::ui
