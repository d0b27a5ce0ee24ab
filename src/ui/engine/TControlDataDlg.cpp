#include "TControlDataDlg.h"


#include "EngineDialogButtons.h"

namespace lovaris::ui {

TControlDataDlg::TControlDataDlg(QWidget* workspace, int day, int teacherCount, int klassCount,
                                 const CountersFill& fill)
    : QDialog(workspace, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      klasses_(LaidKlassGrid(CountersDialog::Control, klassCount)),
      teachers_(LaidTeacherGrid(CountersDialog::Control, teacherCount)) {
    setObjectName(QStringLiteral("controlDialog"));
    setWindowTitle(QString::fromStdString(CountersCaption(CountersDialog::Control, day)));
    setProperty("helpContext", kHelpTopic);
    if (fill) fill(klasses_, teachers_);

    // Nothing here can be selected: no editing predicate.
    auto* klassModel = new DialogGridModel(klasses_, this);
    auto* teacherModel = new DialogGridModel(teachers_, this);
    klassModel->setShadeReadOnly(true);
    teacherModel->setShadeReadOnly(true);
    pages_ = new CountersPages(new DialogGridView(klassModel, "klassGrid", kHelpTopic),
                               new DialogGridView(teacherModel, "teacherGrid", kHelpTopic), this);

    LayOutShowingDialog(this, pages_, kHelpTopic);
    SizeGridDialog(this, {view(CountersPage::Klasses), view(CountersPage::Teachers)});
}

TControlDataDlg::~TControlDataDlg() { delete pages_; }

}  // namespace lovaris::ui
