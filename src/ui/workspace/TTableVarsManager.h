#pragma once
// The planning window: one timetable variant seen day by day in five views. It
// shows the core's VariantWorkspace and hands it the main window's planning
// commands; what those commands decide lives in the core.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "WorkspaceDialogBoxes.h"
#include "core/views/ViewContext.h"
#include "core/workspace/OptimisationRun.h"
#include "core/workspace/VariantWorkspace.h"

namespace lovaris::ui {

class VariantViews;

class TTableVarsManager : public QWidget {
    Q_OBJECT
public:
    // A new variant; the options dialog is the caller's next step (EditVariantOptions).
    static std::unique_ptr<TTableVarsManager> CreateNew(const Project& project, const WorkspaceSetup& setup,
                                                        bool verticalView, QWidget* parent = nullptr);
    // A variant file; none, with the message shown, when the file is refused.
    static std::unique_ptr<TTableVarsManager> Open(const Project& project, const QString& fileName,
                                                   const WorkspaceSetup& setup, bool verticalView,
                                                   QWidget* parent = nullptr);
    // A workspace opened elsewhere (a test's school) in a planning window.
    static std::unique_ptr<TTableVarsManager> Adopt(std::unique_ptr<VariantWorkspace> workspace, bool verticalView,
                                                    QWidget* parent = nullptr);
    ~TTableVarsManager() override;

    VariantWorkspace& workspace() { return *workspace_; }
    VariantViews* views() const { return views_; }
    WorkspaceDialogBoxes& dialogs() { return dialogs_; }
    QString caption() const;

    // "Сохранить" (1) and "Сохранить как" (2).
    void SaveCommand(int kind);
    // The file to open in place of this variant; empty when none.
    QString ChooseVariantFile();
    // 1 saved or nothing to save, 5 discarded, 2 cancelled.
    int AskSaveChanges();
    // "Опции"; true when confirmed.
    bool EditVariantOptions();
    void RefreshViews();
    // A manual edit, an undo or a redo changed the variant: the views and the caption follow.
    void AfterManualEdit();

    // "Оптимизация": the checks, the group, the preparation, the questions, then the
    // run, driven in slices from the event loop.
    void RunOptimisation();
    // "Продолжить" and "Прервать".
    void TryMoreBtnClick();
    void AbortPlanningBtnClick();
    // An optimisation or a week plan is going (or waits for "Продолжить").
    bool runInProgress() const { return run_ != nullptr || runGoing_; }
    // "Подбор вариантов": the week's group, then the week search window.
    void RunWeekSearch();
    // "Планирование недели": the ejection search finishes the variant's week, with the
    // progress window; "Отмена" keeps the best week so far (TTableVarsManagerPlan.cpp).
    void PlanWeek();
    // "Общий контроль" and "Статистика".
    void ShowControl();
    void ShowStatistics();

    // The steps of a run that open dialogs of their own, each replaceable (tests).
    // The day's teacher group, none when the dialog was cancelled.
    std::function<std::optional<int>(TTableVarsManager&)> chooseDayGroup;
    // The preparation dialog; false when cancelled.
    std::function<bool(TTableVarsManager&)> prepareDay;

signals:
    // The caption changed (a save, a change, a new name).
    void captionChanged(const QString& caption);
    // The orientation switch was moved; it holds for the whole program run.
    void orientationChanged(bool vertical);
    // 0xB0CF: the window was closed; planning ends.
    void closed();
    // 0xB0DE: a double click chose the details' lesson; the manual regime is asked for.
    void manualRegimeRequested();
    // 0xB0D3: 1 a run is going, 2 a variant waits for "Продолжить", 3 the run ended.
    void runStateChanged(int state);
    // 0xB0DD: the best variant saved during the run is to be opened in place of this one.
    void pendingVariantReady(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TTableVarsManager(std::unique_ptr<VariantWorkspace> workspace, bool verticalView, QWidget* parent);
    void UpdateCaption();
    void dayChosen(int day);
    void orientationChosen(bool vertical);
    void cellDoubleClicked(ViewKind kind, int col, int row);
    void resumeRun();
    // The preparation's progress window while the run lists and pairs the classes'
    // day variants, then the search's progress table.
    void showRunProgress();
    void finishRun();
    // Closes the window this one is shown in.
    void closeFrame();

    std::unique_ptr<VariantWorkspace> workspace_;
    std::optional<ViewContext> context_;
    WorkspaceDialogBoxes dialogs_;
    VariantViews* views_;
    std::unique_ptr<OptimisationRun> run_;
    QPointer<QWidget> progress_;  // the run's progress table
    bool closeAfterRun_ = false;  // the window was closed during the run
    bool runGoing_ = false;       // as the run states last reported
};

}  // namespace lovaris::ui
