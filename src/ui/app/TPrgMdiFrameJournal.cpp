// The main window's "Журнал замещений": the archive beside the program is held
// while the journal window shows it over the planning window's variant.
#include <QCoreApplication>

#include "TPrgMdiFrame.h"
#include "core/common/JournalTexts.h"
#include "core/journal/SubstitutionArchive.h"
#include "ui/common/TErrorBox.h"
#include "ui/journal/JournalWidgets.h"
#include "ui/journal/TViewZameshDlg.h"
#include "ui/workspace/TTableVarsManager.h"

namespace lovaris::ui {

void TPrgMdiFrame::ViewZamesh() {
    if (!workspace_) return;
    const auto path = SubstitutionArchive::PathFor(QCoreApplication::applicationDirPath().toStdString());
    auto archive = SubstitutionArchive::Open(path);
    if (!archive) {
        ShowMessageText(this, Res(JournalText::ArchiveOpenError));
        return;
    }
    const JournalTimetable timetable(workspace_->workspace().session(), workspace_->workspace().variant());
    TViewZameshDlg journal(this, *archive, &timetable, TodaySerial());
    journal.exec();
    if (!archive->Close()) ShowMessageText(this, Res(JournalText::ArchiveWriteError));
}

}  // namespace lovaris::ui
