// The main window's exchange with other programs: "Импорт из FET…" in the project
// menu shows what the import could not carry over, then opens the school as a new,
// unsaved project; "Экспорт в FET…" beside it writes the open project as a FET school
// held to the planner's rules, and "Импорт недели из FET…" reads the week FET wrote for
// that school as a new variant; "Экспорт…" in the variant menu writes the open variant
// as web pages, a CSV table or a calendar.
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
#include "core/variant/VariantFile.h"
#include "interchange/FetImport.h"
#include "interchange/FetSchoolExport.h"
#include "interchange/FetWeekImport.h"
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

// In `folder`, named after the FET file, under a name no file has yet: an import never
// overwrites a project or a variant.
QString FreeFileName(const QDir& folder, const QString& fetFile, const QString& extension) {
    const QString base = QFileInfo(fetFile).completeBaseName();
    QString name = folder.filePath(base + extension);
    for (int n = 2; QFileInfo::exists(name); ++n) name = folder.filePath(base + QLatin1Char('_') + QString::number(n) + extension);
    return name;
}

}  // namespace

void TPrgMdiFrame::addInterchangeCommands() {
    auto* importItem = new QAction(Res(X::ImportFetMenu), this);
    importItem->setObjectName(QStringLiteral("importFetItem"));
    importItem->setProperty("helpContext", 4201);
    connect(importItem, &QAction::triggered, this, &TPrgMdiFrame::ImportFetClick);
    InsertBefore(findChild<QMenu*>(QStringLiteral("projectMenu")), QStringLiteral("printDataItem"), importItem);

    auto* exportFetItem = new QAction(Res(X::ExportFetMenu), this);
    exportFetItem->setObjectName(QStringLiteral("exportFetItem"));
    exportFetItem->setProperty("helpContext", 4201);
    connect(exportFetItem, &QAction::triggered, this, &TPrgMdiFrame::ExportFetClick);
    InsertBefore(findChild<QMenu*>(QStringLiteral("projectMenu")), QStringLiteral("printDataItem"), exportFetItem);

    auto* importWeekItem = new QAction(Res(X::ImportFetWeekMenu), this);
    importWeekItem->setObjectName(QStringLiteral("importFetWeekItem"));
    importWeekItem->setProperty("helpContext", 4201);
    connect(importWeekItem, &QAction::triggered, this, &TPrgMdiFrame::ImportFetWeekClick);
    InsertBefore(findChild<QMenu*>(QStringLiteral("projectMenu")), QStringLiteral("printDataItem"), importWeekItem);

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
    fresh->Adopt(std::move(*result.project), FreeFileName(QFileInfo(fetFile).absoluteDir(), fetFile, QStringLiteral(".tbl")));
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

void TPrgMdiFrame::ExportFetClick() {
    if (planning_ || !project_) return;
    const QFileInfo projectFile(project_->GetFileName());
    const QString chosen = chooseFile(FileDialogKind::SaveFetSchool,
                                      QDir(StartFolder()).filePath(projectFile.completeBaseName() + QStringLiteral(".fet")));
    if (!chosen.isEmpty()) ExportFetFile(chosen);
}

bool TPrgMdiFrame::ExportFetFile(const QString& fetFile) {
    if (!project_) return false;
    PlanningSession session(project_->document().project());
    interchange::ApplyNewVariantOptions(session);
    const std::string text = interchange::ExportSchoolToFet(session).text;
    if (!WriteFileAtomically(fetFile.toStdString(), std::vector<std::uint8_t>(text.begin(), text.end()))) {
        ShowMessageText(this, Text(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(fetFile.toStdString()))));
        return false;
    }
    ShowMessageText(this, Res(X::ExportFetDone) + fetFile);
    return true;
}

void TPrgMdiFrame::ImportFetWeekClick() {
    if (planning_ || !project_) return;
    const QString chosen = chooseFile(FileDialogKind::OpenFetWeek, StartFolder());
    if (!chosen.isEmpty()) ImportFetWeekFile(chosen);
}

bool TPrgMdiFrame::ImportFetWeekFile(const QString& timetableFile) {
    if (planning_ || !project_) return false;
    const auto bytes = ReadWholeFile(timetableFile.toStdString());
    if (!bytes) {
        ShowMessageText(this, Res(X::ImportFetRefused) +
                                  Text(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(timetableFile.toStdString()))));
        return false;
    }
    PlanningSession session(project_->document().project());
    interchange::ApplyNewVariantOptions(session);
    TTableVarItem variant = session.NewVariant();
    const interchange::FetWeekImport read = interchange::ReadFetWeek(*bytes, interchange::ExportSchoolToFet(session), variant);
    if (!read.error.empty()) {
        ShowMessageText(this, Res(X::ImportFetRefused) + Text(read.error));
        return false;
    }
    const VariantOptions options = VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay());
    const QString variantFile =
        FreeFileName(QFileInfo(project_->GetFileName()).absoluteDir(), timetableFile, QStringLiteral(".rsp"));
    const FileOutcome saved = SaveVariantFile(variantFile.toStdString(), variant, options, options.startingDay());
    if (!saved.ok) {
        ShowMessageText(this, Text(saved.message));
        return false;
    }
    ShowMessageText(this, Text(FormatMessageEach(LoadResText(X::ImportFetWeekDone),
                                                 {std::to_string(read.placedHours), std::to_string(read.hours)})) +
                              variantFile);
    return StartPlanningOn(variantFile);
}

void TPrgMdiFrame::ExportVariantClick() {
    if (!workspace_) return;
    const VariantWorkspace& open = workspace_->workspace();
    TExportDlg dialog(this, CollectTimetableWeek(open.session(), open.variant()), open.options().comment,
                      project_ ? project_->GetFileName() : QString());
    dialog.exec();
}

}  // namespace lovaris::ui
