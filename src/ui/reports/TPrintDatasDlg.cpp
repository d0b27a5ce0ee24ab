#include "TPrintDatasDlg.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/common/ReportTexts.h"
#include "core/reports/TTeachersDataRpForm.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TPrintDatasDlg::TPrintDatasDlg(const Project& project, QWidget* parent) : ReportPrintDialog(parent), project_(project) {
    setObjectName(QStringLiteral("TPrintDatasDlg"));
    auto* group = new QGroupBox(Res(ReportText::ChoiceGroup), this);
    auto* column = new QVBoxLayout(group);
    teachers_ = new QRadioButton(Res(ReportText::DataTeachers), group);
    teachers_->setObjectName(QStringLiteral("teachersChoice"));
    classes_ = new QRadioButton(Res(ReportText::DataClasses), group);
    classes_->setObjectName(QStringLiteral("classesChoice"));
    teachers_->setChecked(true);
    column->addWidget(teachers_);
    column->addWidget(classes_);
    column->addStretch();
    setChoice(group);
}

std::optional<Report> TPrintDatasDlg::MakeReport() {
    return teachers_->isChecked() ? TTeachersDataRpForm::Build(project_) : TClassDataRpForm::Build(project_);
}

}  // namespace lovaris::ui
