#pragma once
// "Просмотр журнала замещений": the journal of one day, chosen with "Дата:", with
// its weekday, a grid of the day's rows, adding an absent teacher's lessons,
// deleting a row, choosing substitutes and the period summary ("Отчет"). The shown
// day is saved whenever another is chosen and when the window closes.
//
//   auto archive = SubstitutionArchive::Open(SubstitutionArchive::PathFor(folder));
//   TViewZameshDlg journal(window, *archive, &timetable, TodaySerial());
//   journal.exec();
#include <QDialog>

#include "JournalTableModel.h"
#include "core/journal/JournalDayModel.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace lovaris::ui {

class TViewZameshDlg : public QDialog {
    Q_OBJECT
public:
    TViewZameshDlg(QWidget* owner, SubstitutionArchive& archive, const JournalTimetable* timetable, SerialDate today);

    JournalDayModel& day() { return day_; }
    QDateEdit* datePicker() const { return date_; }
    QLineEdit* dayEdit() const { return weekday_; }
    QTableView* grid() const { return grid_; }

    // The commands of the window's buttons.
    void AddRecButtonClick();
    void DelRecButtonClick();
    void ReportBtnClick();
    void ChooseSubstitute(int row);

    void done(int result) override;

private:
    void showDate(SerialDate date);
    void refused(const JournalOutcome& outcome);
    // Says why, then opens the cell's editor again with the text the planner typed.
    void editRefused(const QModelIndex& index, const QString& typed, const QString& message);

    SubstitutionArchive& archive_;
    JournalDayModel day_;
    JournalTableModel* model_;
    QDateEdit* date_;
    QLineEdit* weekday_;
    QTableView* grid_;
};

}  // namespace lovaris::ui
