// The main window's print commands: the project's data reports, and the planning
// window's reports of its open variant.
#include "TMdiTable.h"
#include "TPrgMdiFrame.h"
#include "ui/reports/TPrintDatasDlg.h"
#include "ui/reports/TPrintTableDlg.h"
#include "ui/workspace/TTableVarsManager.h"

namespace lovaris::ui {

void TPrgMdiFrame::PrintOnClick() {
    if (!project_) return;
    TPrintDatasDlg dialog(project_->document().project(), this);
    dialog.pdfFolder = StartFolder();
    dialog.exec();
}

void TPrgMdiFrame::TableOnClick() {
    if (!project_ || !workspace_) return;
    TPrintTableDlg dialog(workspace_->workspace(), this);
    dialog.pdfFolder = StartFolder();
    dialog.exec();
}

}  // namespace lovaris::ui
