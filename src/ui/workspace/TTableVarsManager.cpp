#include "TTableVarsManager.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "TVarOptionsDlg.h"
#include "VariantViews.h"
#include "core/views/DetailChoice.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kWindowHelp = 7;

}  // namespace

std::unique_ptr<TTableVarsManager> TTableVarsManager::CreateNew(const Project& project, const WorkspaceSetup& setup,
                                                                bool verticalView, QWidget* parent) {
    return std::unique_ptr<TTableVarsManager>(
        new TTableVarsManager(VariantWorkspace::CreateNew(project, setup), verticalView, parent));
}

std::unique_ptr<TTableVarsManager> TTableVarsManager::Open(const Project& project, const QString& fileName,
                                                           const WorkspaceSetup& setup, bool verticalView,
                                                           QWidget* parent) {
    std::unique_ptr<VariantWorkspace> opened;
    const FileOutcome outcome = VariantWorkspace::Open(project, fileName.toStdString(), setup, opened);
    if (!outcome.ok || !opened) {
        ShowMessageText(parent, Text(outcome.message));
        return nullptr;
    }
    return std::unique_ptr<TTableVarsManager>(new TTableVarsManager(std::move(opened), verticalView, parent));
}

TTableVarsManager::TTableVarsManager(std::unique_ptr<VariantWorkspace> workspace, bool verticalView, QWidget* parent)
    : QWidget(parent), workspace_(std::move(workspace)), dialogs_(this), views_(new VariantViews(this)) {
    setObjectName(QStringLiteral("TTableVarsManager"));
    setProperty("helpContext", kWindowHelp);
    context_.emplace(ViewContext{workspace_->session(), workspace_->planning(), workspace_->options()});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(views_);
    views_->showOrientation(verticalView);
    views_->showDay(workspace_->currentDay());
    views_->setContext(&*context_);
    connect(views_, &VariantViews::dayChosen, this, &TTableVarsManager::dayChosen);
    connect(views_, &VariantViews::orientationChosen, this, &TTableVarsManager::orientationChosen);
    connect(views_, &VariantViews::lessonCellDoubleClicked, this, &TTableVarsManager::cellDoubleClicked);
    UpdateCaption();
}

TTableVarsManager::~TTableVarsManager() {
    // The grids ask their cells until they are gone: they must not outlive the context.
    views_->setContext(nullptr);
}

QString TTableVarsManager::caption() const { return Text(workspace_->caption()); }

void TTableVarsManager::UpdateCaption() {
    setWindowTitle(caption());
    emit captionChanged(caption());
}

void TTableVarsManager::RefreshViews() { views_->RefreshViews(); }

void TTableVarsManager::SaveCommand(int kind) {
    workspace_->SaveCommand(kind == 2 ? SaveKind::SaveAs : SaveKind::Save, dialogs_);
    UpdateCaption();
}

QString TTableVarsManager::ChooseVariantFile() {
    const auto chosen = workspace_->ChooseVariantFile(dialogs_);
    return chosen ? Text(*chosen) : QString();
}

int TTableVarsManager::AskSaveChanges() {
    const int result = static_cast<int>(workspace_->AskSaveChanges(dialogs_));
    UpdateCaption();
    return result;
}

bool TTableVarsManager::EditVariantOptions() {
    TVarOptionsDlg dialog(this, Text(workspace_->OptionsCaption()), workspace_->OptionsEntry(),
                          [this](const VariantOptionsEntry& entry) { return workspace_->ConfirmOptions(entry); });
    if (dialog.exec() != QDialog::Accepted) return false;
    RefreshViews();
    UpdateCaption();
    return true;
}

void TTableVarsManager::dayChosen(int day) {
    if (!workspace_->SelectDay(day)) return;
    RefreshViews();
}

void TTableVarsManager::orientationChosen(bool vertical) {
    views_->RebuildGrids();
    views_->RefreshViews();
    emit orientationChanged(vertical);
}

void TTableVarsManager::cellDoubleClicked(ViewKind kind, int col, int row) {
    auto detail = ChooseDetail(*context_, kind, views_->vertical(), col, row);
    if (!detail) return;
    workspace_->SetSelectedDetail(std::move(*detail));
    emit manualRegimeRequested();
}

void TTableVarsManager::closeEvent(QCloseEvent* event) {
    if (AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace lovaris::ui
