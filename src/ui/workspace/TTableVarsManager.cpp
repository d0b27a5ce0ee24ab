#include "TTableVarsManager.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "TVarOptionsDlg.h"
#include "VariantViews.h"
#include "core/views/DetailChoice.h"
#include "core/views/DialogGrids.h"
#include "core/views/OptimisationProgress.h"
#include "core/workspace/RunChecks.h"
#include "ui/engine/TControlDataDlg.h"
#include "ui/engine/TOptiInfoForm.h"
#include "ui/engine/TPrepareOptiDlg.h"
#include "ui/engine/TProgressWnd.h"
#include "ui/engine/TViewStatDlg.h"
#include "ui/weekvars/TGroupMan.h"
#include "ui/weekvars/TWeekVarsDlg.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kWindowHelp = 7;
// A slice short enough that the window answers at once, long enough that the run
// spends its time searching.
constexpr SliceLimit kRunSlice{0, std::chrono::milliseconds(30)};

// The questions before a run, in the message box: "Да" abandons the run.
class QuestionBoxes : public OptimisationQuestionSink {
public:
    explicit QuestionBoxes(QWidget* owner) : owner_(owner) {}
    bool ask(const std::string& question) override {
        return ShowMessageText(owner_, Text(question), kButtonsYesNo) == kResultYes;
    }

private:
    QWidget* owner_;
};

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

std::unique_ptr<TTableVarsManager> TTableVarsManager::Adopt(std::unique_ptr<VariantWorkspace> workspace,
                                                            bool verticalView, QWidget* parent) {
    return std::unique_ptr<TTableVarsManager>(new TTableVarsManager(std::move(workspace), verticalView, parent));
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
    connect(views_, &VariantViews::continueClicked, this, &TTableVarsManager::TryMoreBtnClick);
    connect(views_, &VariantViews::abortClicked, this, &TTableVarsManager::AbortPlanningBtnClick);
    // Every run, the optimisation's and the week plan's, is known by the states it
    // reports; one closed while it went closes the window once it is over.
    connect(this, &TTableVarsManager::runStateChanged, this, [this](int state) {
        runGoing_ = state != static_cast<int>(RunState::Ended);
        if (runGoing_ || !closeAfterRun_) return;
        closeAfterRun_ = false;
        QMetaObject::invokeMethod(this, &TTableVarsManager::closeFrame, Qt::QueuedConnection);
    });
    chooseDayGroup = [](TTableVarsManager& window) {
        return ChooseDayGroup(&window, *window.workspace_, [&window] { window.RefreshViews(); });
    };
    prepareDay = [](TTableVarsManager& window) {
        const ViewContext& ctx = *window.context_;
        TPrepareOptiDlg dialog(&window, PreparationSetupOf(ctx),
                               [&ctx](DialogGrid& klasses, DialogGrid& teachers) { FillPreparationGrids(ctx, klasses, teachers); });
        if (dialog.exec() != QDialog::Accepted) return false;
        dialog.ApplyTo(window.workspace_->session());
        return true;
    };
    UpdateCaption();
}

TTableVarsManager::~TTableVarsManager() {
    // The run works on the workspace, and the grids ask their cells until they are
    // gone: both go first.
    run_.reset();
    views_->setContext(nullptr);
}

QString TTableVarsManager::caption() const { return Text(workspace_->caption()); }

void TTableVarsManager::UpdateCaption() {
    setWindowTitle(caption());
    emit captionChanged(caption());
}

void TTableVarsManager::RefreshViews() { views_->RefreshViews(); }

void TTableVarsManager::AfterManualEdit() {
    RefreshViews();
    UpdateCaption();
}

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

void TTableVarsManager::RunOptimisation() {
    if (run_) return;
    const auto refused = [this](const DayCheckOutcome& outcome) {
        if (outcome.ready()) return false;
        if (outcome.kind == DayCheckOutcome::Kind::Refused) ShowMessageText(this, Text(outcome.message));
        return true;
    };
    if (refused(BeginOptimisation(*workspace_))) return;
    const std::optional<int> group = chooseDayGroup ? chooseDayGroup(*this) : std::nullopt;
    if (!group || refused(ChooseOptimisationGroup(*workspace_, *group))) return;
    if (prepareDay && !prepareDay(*this)) return;
    QuestionBoxes questions(this);
    if (refused(CheckOptimisationDay(*workspace_, questions))) return;

    run_ = std::make_unique<OptimisationRun>(*workspace_, kRunSlice);
    showRunProgress();
    views_->showRunControls(true);
    views_->abortButton()->setEnabled(true);
    emit runStateChanged(static_cast<int>(RunState::Running));
    QTimer::singleShot(0, this, &TTableVarsManager::resumeRun);
}

void TTableVarsManager::showRunProgress() {
    const Optimisation& search = run_->search();
    const TRTIKlassesCollection& klasses = workspace_->session().klasses();
    if (const auto step = search.preparation()) {
        auto* window = qobject_cast<TProgressWnd*>(progress_);
        if (!window) {
            delete progress_.data();
            window = new TProgressWnd(this, 2, [this] { AbortPlanningBtnClick(); });
            progress_ = window;
            window->show();
        }
        window->SetStage(step->stage, step->count);
        const int position = std::min(step->done, step->count - 1);
        const int klass = step->stage == 1 ? position : (position >= 0 && position < static_cast<int>(search.order().size())
                                                             ? search.order()[static_cast<std::size_t>(position)]
                                                             : -1);
        window->SetStep(step->done, klass >= 0 && klass < klasses.count() ? Text(klasses.at(klass).displayName()) : QString());
        return;
    }
    if (qobject_cast<TOptiInfoForm*>(progress_)) return;
    delete progress_.data();
    progress_ = new TOptiInfoForm(this, OpeningProgressRows(search, klasses),
                                  [&search, &klasses] { return CurrentProgressRows(search, klasses); });
    progress_->show();
}

void TTableVarsManager::resumeRun() {
    if (!run_) return;
    const RunProgress progress = run_->Resume();
    if (progress.state != RunState::Ended) showRunProgress();
    if (progress.variantChanged) {
        RefreshViews();
        UpdateCaption();
    }
    switch (progress.state) {
    case RunState::Running:
        QTimer::singleShot(0, this, &TTableVarsManager::resumeRun);
        break;
    case RunState::Waiting:
        if (auto* table = qobject_cast<TOptiInfoForm*>(progress_)) table->Pause(false);
        views_->continueButton()->setEnabled(true);
        emit runStateChanged(static_cast<int>(RunState::Waiting));
        break;
    case RunState::Ended:
        finishRun();
        break;
    }
}

void TTableVarsManager::TryMoreBtnClick() {
    if (!run_ || run_->state() != RunState::Waiting) return;
    views_->continueButton()->setEnabled(false);
    emit runStateChanged(static_cast<int>(RunState::Running));
    run_->Continue();
    if (auto* table = qobject_cast<TOptiInfoForm*>(progress_)) table->Pause(true);
    QTimer::singleShot(0, this, &TTableVarsManager::resumeRun);
}

void TTableVarsManager::AbortPlanningBtnClick() {
    if (!run_) {
        // The week plan stops as its progress window's "Отмена" stops it.
        if (auto* plan = runGoing_ ? findChild<TProgressWnd*>() : nullptr) plan->cancelButton()->click();
        return;
    }
    const bool waiting = run_->state() == RunState::Waiting;
    run_->Abort();
    // A waiting run has no slice coming: it is taken to its end now.
    if (waiting) QTimer::singleShot(0, this, &TTableVarsManager::resumeRun);
}

void TTableVarsManager::finishRun() {
    const std::string message = run_->endMessage();
    const bool openPending = run_->opensPendingFile();
    const QString pending = Text(run_->pendingVariantFile());
    delete progress_.data();  // it reads the run
    run_.reset();
    views_->showRunControls(false);
    views_->showDay(workspace_->currentDay());
    RefreshViews();
    UpdateCaption();
    const bool closing = closeAfterRun_;
    emit runStateChanged(static_cast<int>(RunState::Ended));
    // The close that stopped the run goes on; the run's best variant stays in its file.
    if (closing) return;
    if (!message.empty()) ShowMessageText(this, Text(message));
    if (openPending) emit pendingVariantReady(pending);
}

void TTableVarsManager::RunWeekSearch() {
    if (run_) return;
    BeginWeekSearch(*workspace_);
    const std::optional<int> group = ChooseWeekGroup(this, *workspace_, [this] { RefreshViews(); });
    if (!group) return;
    const DayCheckOutcome chosen = ChooseWeekSearchGroup(*workspace_, *group);
    if (!chosen.ready()) {
        if (!chosen.message.empty()) ShowMessageText(this, Text(chosen.message));
        return;
    }
    RunWeekVarsDialog(this, *workspace_);
    RefreshViews();
    UpdateCaption();
}

void TTableVarsManager::ShowControl() {
    BeginControl(*workspace_);
    const ViewContext& ctx = *context_;
    TControlDataDlg dialog(this, workspace_->currentDay(), workspace_->session().teachers().count(),
                           workspace_->session().klasses().count(),
                           [&ctx](DialogGrid& klasses, DialogGrid& teachers) { FillControlGrids(ctx, klasses, teachers); });
    dialog.exec();
}

void TTableVarsManager::ShowStatistics() {
    if (const auto refused = CheckStatistics(*workspace_)) {
        ShowMessageText(this, Text(*refused));
        return;
    }
    const ViewContext& ctx = *context_;
    const VariantWorkspace& open = *workspace_;
    TViewStatDlg dialog(
        this, workspace_->session().klasses().count(), [&ctx](DialogGrid& loads) { FillLoadGrid(ctx, loads); },
        [&open](DialogGrid& figures) {
            FillQualityGrid(MeasureWeek(open.session(), open.variant(), open.options()), figures);
        });
    dialog.exec();
}

void TTableVarsManager::closeEvent(QCloseEvent* event) {
    if (runInProgress()) {
        // The run is asked to stop; once it has, the window closes as any close does
        // and planning ends. The main window stays.
        closeAfterRun_ = true;
        AbortPlanningBtnClick();
        event->ignore();
        return;
    }
    if (AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void TTableVarsManager::closeFrame() {
    // Inside the main window the frame is the child window around this one.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->close();
    else close();
}

}  // namespace lovaris::ui
