// The main window's planning commands: the planning window is made, replaced and
// ended here; what each command decides is the planning window's.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "TMdiTable.h"
#include "TPrgMdiFrame.h"
#include "core/common/WorkspaceTexts.h"
#include "ui/common/TErrorBox.h"
#include "ui/manual/ManualController.h"
#include "ui/manual/TTableDetailsManeger.h"
#include "ui/workspace/TTableVarsManager.h"

namespace lovaris::ui {
namespace {

// Fills the client area and keeps filling it as the main window is resized.
class WorkspaceFitter : public QObject {
public:
    using QObject::QObject;
    std::function<void()> fit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && fit) fit();
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

WorkspaceSetup TPrgMdiFrame::workspaceSetup() const {
    WorkspaceSetup setup;
    // A new variant is proposed in the "Variant" folder beside the program when there
    // is one, else beside the project (in its own "Variant" folder when it has one).
    const QDir program(QCoreApplication::applicationDirPath());
    const bool besideProgram = program.exists(Res(WorkspaceText::VariantFolderName));
    setup.programFolder = (besideProgram || !project_ ? program.path() : QFileInfo(project_->GetFileName()).absolutePath())
                              .toStdString();
    setup.groupSettings = groupSettings_;
    return setup;
}

void TPrgMdiFrame::installWorkspace(std::unique_ptr<TTableVarsManager> workspace) {
    workspace_ = workspace.get();
    // A child window without a maximise button; closing it ends planning (0xB0CF).
    workspaceWindow_ = area_->addSubWindow(workspace.release(), Qt::SubWindow | Qt::CustomizeWindowHint |
                                                                     Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    workspaceWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    workspaceWindow_->setWindowTitle(workspace_->caption());
    connect(workspace_, &TTableVarsManager::captionChanged, workspaceWindow_, &QWidget::setWindowTitle);
    connect(workspace_, &TTableVarsManager::orientationChanged, this, [this](bool vertical) { verticalView_ = vertical; });
    const auto endPlanning = [this] {
        // Posted: the window finishes its close before it is taken away.
        QMetaObject::invokeMethod(
            this,
            [this] {
                StopPlanning();
                CloseTableMenuOnClick();
            },
            Qt::QueuedConnection);
    };
    connect(workspace_, &TTableVarsManager::closed, this, endPlanning);
    auto* manual = new ManualController(workspace_);
    connect(manual, &ManualController::detailsClosed, this, endPlanning);
    // "Отменить" and "Повторить" in the variant menu, before "Опции".
    for (QAction* entry : planningMenuBar_->actions())
        if (QMenu* variantMenu = entry->menu(); variantMenu && variantMenu->objectName() == QStringLiteral("variantMenu")) {
            QAction* before = command(QStringLiteral("optionsItem"));
            // The separator goes with the planning window, as the two commands do.
            auto* separator = new QAction(manual);
            separator->setSeparator(true);
            variantMenu->insertActions(before, {manual->undoAction(), manual->redoAction(), separator});
        }
    connect(workspace_, &TTableVarsManager::runStateChanged, this, &TPrgMdiFrame::SetRunState);
    // 0xB0DE: a double click chose a lesson to work on by hand.
    connect(workspace_, &TTableVarsManager::manualRegimeRequested, this, &TPrgMdiFrame::OnManualRegime);
    // 0xB0D4: a planning window starts in the automatic regime.
    SetVarMenuBarForRegime(PlanningRegime::Automatic);
    connect(workspace_, &TTableVarsManager::pendingVariantReady, this, [this](const QString& file) {
        // 0xB0DD, posted: the run's best variant replaces the open one, without a question.
        QMetaObject::invokeMethod(this, [this, file] { OpenVariant(file); }, Qt::QueuedConnection);
    });
    auto* fitter = new WorkspaceFitter(workspaceWindow_);
    fitter->fit = [this] { fitWorkspace(); };
    area_->viewport()->installEventFilter(fitter);
    fitWorkspace();
    workspaceWindow_->show();
}

void TPrgMdiFrame::fitWorkspace() {
    if (workspaceWindow_) workspaceWindow_->setGeometry(area_->viewport()->rect());
}

void TPrgMdiFrame::StartPlanning() {
    if (!project_) return;
    installWorkspace(TTableVarsManager::CreateNew(project_->document().project(), workspaceSetup(), verticalView_));
    // A new variant's options are asked for at once.
    workspace_->EditVariantOptions();
}

bool TPrgMdiFrame::StartPlanningOn(const QString& variantFile) {
    if (!project_) return false;
    auto opened = TTableVarsManager::Open(project_->document().project(), variantFile, workspaceSetup(), verticalView_, this);
    if (!opened) return false;
    installWorkspace(std::move(opened));
    return true;
}

void TPrgMdiFrame::StopPlanning() {
    if (!workspace_) return;
    // The group dialogs' settings go on to the next planning window.
    groupSettings_ = GroupDialogSettings::From(workspace_->workspace().state());
    workspace_ = nullptr;
    delete workspaceWindow_.data();
}

void TPrgMdiFrame::NewVarClick() {
    if (!workspace_ || workspace_->AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) return;
    StopPlanning();
    StartPlanning();
}

void TPrgMdiFrame::LoadVarClick() {
    if (!workspace_ || workspace_->AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) return;
    const QString chosen = workspace_->ChooseVariantFile();
    if (!chosen.isEmpty()) OpenVariant(chosen);
}

bool TPrgMdiFrame::OpenVariant(const QString& fileName) {
    if (!workspace_) return false;
    StopPlanning();
    if (StartPlanningOn(fileName)) return true;
    // The refused file was named in its message; planning ends.
    CloseTableMenuOnClick();
    return false;
}

void TPrgMdiFrame::VarSaveOnClick() {
    if (workspace_) workspace_->SaveCommand(1);
}

void TPrgMdiFrame::VarSaveAsOnClick() {
    if (workspace_) workspace_->SaveCommand(2);
}

void TPrgMdiFrame::OnVarOptionsClick() {
    if (workspace_) workspace_->EditVariantOptions();
}

void TPrgMdiFrame::OnOptimizeClick() {
    if (workspace_) workspace_->RunOptimisation();
}

void TPrgMdiFrame::OnWeekVarsClick() {
    if (workspace_) workspace_->RunWeekSearch();
}

void TPrgMdiFrame::OnPlanWeekClick() {
    if (workspace_) workspace_->PlanWeek();
}

void TPrgMdiFrame::PrepareDateOnClick() {
    if (workspace_) workspace_->ShowControl();
}

void TPrgMdiFrame::VarStatisticsButtonClick() {
    if (workspace_) workspace_->ShowStatistics();
}

void TPrgMdiFrame::SetRoomsClick() {
    if (ManualController* manual = manualController()) manual->AssignRooms();
}

ManualController* TPrgMdiFrame::manualController() const {
    return workspace_ ? workspace_->findChild<ManualController*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TPrgMdiFrame::OnAutomaticRegime() {
    if (!workspace_) return;
    workspace_->workspace().SetRegime(PlanningRegime::Automatic);
    SetVarMenuBarForRegime(PlanningRegime::Automatic);
}

void TPrgMdiFrame::OnManualRegime() {
    if (!workspace_) return;
    workspace_->workspace().SetRegime(PlanningRegime::Manual);
    SetVarMenuBarForRegime(PlanningRegime::Manual);
}

void TPrgMdiFrame::SetVarMenuBarForRegime(PlanningRegime regime) {
    const bool automatic = regime == PlanningRegime::Automatic;
    for (const char* name : {"weekVariantsItem", "weekVariantsButton", "optimizeItem", "optimizeButton", "planWeekItem", "setRoomsItem",
                             "setRoomsButton", "controlItem", "controlButton", "statisticsItem", "statisticsButton"})
        if (QAction* action = command(QString::fromLatin1(name))) action->setEnabled(automatic);
    command(QString::fromLatin1(automatic ? "automaticButton" : "manualButton"))->setChecked(true);
    command(QStringLiteral("automaticItem"))->setChecked(automatic);
    command(QStringLiteral("manualItem"))->setChecked(!automatic);
    // The manual regime works in the details window over the planning window.
    if (ManualController* manual = manualController()) {
        if (automatic) manual->CloseDetails();
        else manual->OpenDetails();
    }
}

void TPrgMdiFrame::AbortPlanningBtnClick() {
    if (workspace_) workspace_->AbortPlanningBtnClick();
}

void TPrgMdiFrame::TryMoreBtnClick() {
    if (workspace_) workspace_->TryMoreBtnClick();
}

void TPrgMdiFrame::SetRunState(int state) {
    // Help and "Журнал замещений" stay as they are in every run state.
    const auto untouched = [](const QString& name) {
        return name.isEmpty() || name.contains(QStringLiteral("Help")) || name.startsWith(QStringLiteral("substitutions"));
    };
    const auto setAll = [&](const QList<QAction*>& actions, bool on) {
        for (QAction* action : actions)
            if (!untouched(action->objectName())) action->setEnabled(on);
    };
    const auto setNamed = [this](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names)
            if (QAction* action = command(QString::fromLatin1(name))) action->setEnabled(on);
    };
    // The items of the variant and work menus, and of the regime submenu.
    QList<QAction*> items;
    for (QAction* entry : planningMenuBar_->actions()) {
        QMenu* menu = entry->menu();
        if (!menu || menu->objectName() == QStringLiteral("helpMenu")) continue;
        for (QAction* item : menu->actions()) {
            items << item;
            if (item->menu()) items << item->menu()->actions();
        }
    }
    switch (state) {
    case 1:  // a run is going: only its end, the close and the exit are offered
        setAll(planningToolbar_->actions(), false);
        setAll(items, false);
        setNamed({"endPlanningButton", "closeVariantItem", "planningExitItem", "abortItem"}, true);
        break;
    case 2:  // a variant waits for "Продолжить": it may be saved first
        setNamed({"saveVariantButton", "endPlanningButton", "saveVariantItem", "saveVariantAsItem", "closeVariantItem",
                  "planningExitItem", "abortItem", "continueItem"},
                 true);
        break;
    case 3:  // the run is over: everything but its own two commands
        setAll(planningToolbar_->actions(), true);
        setAll(items, true);
        setNamed({"abortItem", "continueItem"}, false);
        // The automatic runs stay with the automatic regime.
        if (workspace_) SetVarMenuBarForRegime(workspace_->workspace().state().planningRegime);
        break;
    default:
        break;
    }
}

bool TPrgMdiFrame::deferWhileRunning(std::function<void()> retry) {
    if (!workspace_ || !workspace_->runInProgress()) return false;
    workspace_->AbortPlanningBtnClick();
    QTimer::singleShot(500, this, std::move(retry));
    return true;
}

}  // namespace lovaris::ui
