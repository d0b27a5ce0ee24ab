#pragma once
// "Экспорт расписания": the open variant's clean copy written as web pages, a CSV
// table or a class's or teacher's calendar. The files are made by the core's exports;
// the dialog gathers where and, for a calendar, whose week, the term and the bells.
#include <QDialog>

#include "core/export/ExportFiles.h"
#include "core/export/TimetableWeek.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace lovaris::ui {

class TExportDlg : public QDialog {
    Q_OBJECT
public:
    TExportDlg(QWidget* owner, TimetableWeek week, std::string variantComment, const QString& variantFile);

private:
    void formatChanged();
    void browseTarget();
    void browseBells();
    void ownerChanged();
    void exportClicked();
    // The bells read, remembered for the next time, and the calendar written.
    FileOutcome writeCalendar(const std::string& target);
    QString suggestedTarget() const;

    TimetableWeek week_;
    std::string comment_;
    QString base_;  // the variant file, without its extension: the default target
    QString suggested_;  // the target last suggested, replaced only while the planner keeps it
    QRadioButton* html_;
    QRadioButton* csv_;
    QRadioButton* ical_;
    QLineEdit* target_;
    QWidget* calendarBox_;
    QRadioButton* forClass_;
    QRadioButton* forTeacher_;
    QComboBox* owner_;
    QDateEdit* from_;
    QDateEdit* to_;
    QLineEdit* bells_;
};

}  // namespace lovaris::ui
