// The main window's exchange with other programs: "Импорт из FET…" in the project
// menu shows what the import could not carry over, then opens the school as a new,
// unsaved project; "Экспорт…" in the variant menu writes the open variant as web
// pages, a CSV table or a calendar.
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "TExportDlg.h"
#include "TFetReportDlg.h"
#include "TMdiTable.h"
#include "TPrgMdiFrame.h"
#include "core/common/FileIO.h"
#include "core/common/InterchangeTexts.h"
#include "core/common/MessageFormat.h"
#include "core/export/TimetableWeek.h"
#include "interchange/FetImport.h"
#include "ui/common/TErrorBox.h"
#include "ui/workspace/TTableVarsManager.h"

namespace lovaris::ui {
namespace {

using X = InterchangeText;

// Puts the item into the menu just before the named item.
void InsertBefore(QMenu* menu, const QString& before, QAction* item) {
    for (QAction* a : menu->actions())
        if (a->objectName() == before) {
            menu->insertAction(a, item);
            return;
        }
    menu->addAction(item);
}

// Beside the FET file, under a name no file has yet: an import never overwrites a project.
QString FreeProjectName(const QString& fetFile) {
    const QFileInfo info(fetFile);
    QString name = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".tbl"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = info.absoluteDir().filePath(info.completeBaseName() + QLatin1Char('_') + QString::number(n) +
                                           QStringLiteral(".tbl"));
    return name;
}

}  // namespace

void TPrgMdiFrame::addInterchangeCommands() {
    auto* importItem = new QAction(Res(X::ImportFetMenu), this);
    importItem->setObjectName(QStringLiteral("importFetItem"));
    importItem->setProperty("helpContext", 4201);
    connect(importItem, &QAction::triggered, this, &TPrgMdiFrame::ImportFetClick);
    InsertBefore(findChild<QMenu*>(QStringLiteral("projectMenu")), QStringLiteral("printDataItem"), importItem);

    auto* exportItem = new QAction(Res(X::ExportMenu), this);
    exportItem->setObjectName(QStringLiteral("exportVariantItem"));
    exportItem->setProperty("helpContext", 4200);
    connect(exportItem, &QAction::triggered, this, &TPrgMdiFrame::ExportVariantClick);
    InsertBefore(findChild<QMenu*>(QStringLiteral("variantMenu")), QStringLiteral("printVariantItem"), exportItem);
}

bool TPrgMdiFrame::ImportFetFile(const QString& fetFile) {
    const auto bytes = ReadWholeFile(fetFile.toStdString());
    auto result = bytes ? interchange::ImportFet(*bytes) : interchange::FetImportResult{};
    if (!bytes) result.error = FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(fetFile.toStdString()));
    if (!result.project) {
        ShowMessageText(this, Res(X::ImportFetRefused) + Text(result.error));
        return false;
    }
    TFetReportDlg(this, Text(result.report.text(*result.project))).exec();
    if (project_ && project_->QueryClose() == kCloseCancelled) return false;
    closeProject();
    auto fresh = std::make_unique<TMdiTable>(this, area_);
    connect(fresh.get(), &TMdiTable::editorStateReported, this, &TPrgMdiFrame::EditorStateMessage);
    fresh->Adopt(std::move(*result.project), FreeProjectName(fetFile));
    project_ = std::move(fresh);
    UpdateMenusAndTools();
    return true;
}

void TPrgMdiFrame::ImportFetClick() {
    if (planning_) return;
    const QString chosen =
        QFileDialog::getOpenFileName(this, Res(X::ImportFetReportCaption), StartFolder(), Res(X::ImportFetFilter));
    if (!chosen.isEmpty()) ImportFetFile(chosen);
}

void TPrgMdiFrame::ExportVariantClick() {
    if (!workspace_) return;
    const VariantWorkspace& open = workspace_->workspace();
    TExportDlg dialog(this, CollectTimetableWeek(open.session(), open.variant()), open.options().comment,
                      project_ ? project_->GetFileName() : QString());
    dialog.exec();
}

}  // namespace lovaris::ui
