#pragma once
// "Просмотр и печать" of the project: the teachers' and the classes' curriculum hours.
#include "ReportPrintDialog.h"

class QRadioButton;

namespace lovaris {
struct Project;
}

namespace lovaris::ui {

class TPrintDatasDlg : public ReportPrintDialog {
    Q_OBJECT
public:
    TPrintDatasDlg(const Project& project, QWidget* parent);
    QRadioButton* teachersChoice() const { return teachers_; }
    QRadioButton* classesChoice() const { return classes_; }

protected:
    std::optional<Report> MakeReport() override;

private:
    const Project& project_;
    QRadioButton* teachers_;
    QRadioButton* classes_;
};

}  // namespace lovaris::ui
