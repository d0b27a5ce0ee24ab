#pragma once
// "Просмотр и печать" of the planning window: the load, substitution and timetable
// reports of the open variant.
#include <functional>

#include "ReportPrintDialog.h"

class QListWidget;

namespace lovaris {
class VariantWorkspace;
}

namespace lovaris::ui {

class TSelDateDlg;

class TPrintTableDlg : public ReportPrintDialog {
    Q_OBJECT
public:
    // The rows of the report list, in its order.
    enum Row : int {
        kLoadTable,
        kLoadCharts,
        kSubstDay,
        kSubstPeriod,
        kAllClasses,
        kAllTeachers,
        kClassTable,
        kTeacherTable,
        kRowCount
    };

    TPrintTableDlg(VariantWorkspace& workspace, QWidget* parent);
    ~TPrintTableDlg() override;
    QListWidget* reportTypeGrid() const { return grid_; }

    // The substitution archive the journal keeps beside the program, and the day or
    // period asked for its reports (false: cancelled); replaceable in tests.
    QString archivePath;
    std::function<bool(TSelDateDlg&)> askPeriod;

protected:
    std::optional<Report> MakeReport() override;
    void fitChoice() override;

private:
    // The class or teacher chosen in the item dialog with the short-form flag; none when cancelled.
    std::optional<std::pair<int, bool>> chooseItem(bool klass);
    // Opens the archive, asks the day or the period, makes the report and closes the archive.
    std::optional<Report> substitutionReport(bool oneDay);

    VariantWorkspace& workspace_;
    QListWidget* grid_;
    int dayWhenOpened_;
};

}  // namespace lovaris::ui
