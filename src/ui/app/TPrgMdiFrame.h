#pragma once
// The program's main window: the client area with the data editors or the
// planning workspace, the project-mode and planning-mode menu bars and toolbars,
// and every project command.
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "core/data/ProjectParams.h"
#include "core/workspace/VariantWorkspace.h"

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QMenuBar;
class QMdiSubWindow;
class QToolBar;

namespace lovaris::ui {

class TMdiTable;
class ManualController;
class TTableVarsManager;
class TTestDataDlg;
struct FrameCommand;
struct FrameMenu;

class TPrgMdiFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class FileDialogKind { SaveProject, OpenProject, SaveFetSchool, OpenFetWeek };
    // Asks for a project file, or a FET file to write or read: `start` is the suggested
    // file (save) or the folder (open); returns the chosen path or an empty text. Tests
    // put their own in.
    std::function<QString(FileDialogKind kind, const QString& start)> fileChooser;

    explicit TPrgMdiFrame(QWidget* parent = nullptr);
    ~TPrgMdiFrame() override;

    TMdiTable* project() const { return project_.get(); }
    // The planning window while planning, else none.
    TTableVarsManager* workspace() const { return workspace_; }
    bool planning() const { return planning_; }
    TTestDataDlg* checkWindow() const;
    QMdiArea* clientArea() const { return area_; }
    // A menu item or toolbar button by its object name.
    QAction* command(const QString& name) const;
    // Where new projects are proposed: the "Project" folder beside the program when it exists.
    QString ProjectFolder() const;
    // Where the project file dialogs start: the open project's folder, else the above.
    QString StartFolder() const;

    // Project commands.
    void CreateNewProject();
    void LoadProject();
    // Opens the file as the project (after the already-open check and the close question).
    bool OpenProjectFile(const QString& fileName);
    void SaveProjectMenuClick();
    void SaveProjectAsMenuClick();
    void CloseProjectMenuClick();
    // "Импорт из FET…": the school as a new project, not yet saved; false when refused.
    void ImportFetClick();
    bool ImportFetFile(const QString& fetFile);
    // "Экспорт в FET…": the open project written as a FET school held to the planner's
    // rules; false when it could not be written.
    void ExportFetClick();
    bool ExportFetFile(const QString& fetFile);
    // "Импорт недели из FET…": the week FET wrote for that school, saved as a new variant
    // beside the project and opened in the planning window; false when refused.
    void ImportFetWeekClick();
    bool ImportFetWeekFile(const QString& timetableFile);
    void PrintOnClick();
    void TableOnClick();  // the planning window's print dialog
    void ProjectParamsMenuClick();
    void ExitMenuClick();
    void TestDataOnClick();
    void RunMenuOnClick();
    void CloseTableMenuOnClick();
    // Planning commands: each does nothing without a planning window.
    void NewVarClick();
    void LoadVarClick();
    void VarSaveOnClick();
    void VarSaveAsOnClick();
    void OnVarOptionsClick();
    void ExportVariantClick();
    void OnOptimizeClick();
    void OnWeekVarsClick();
    void OnPlanWeekClick();
    void PrepareDateOnClick();
    void VarStatisticsButtonClick();
    // "Журнал замещений": the journal of the archive beside the program, on the open variant.
    void ViewZamesh();
    // "Расстановка кабинетов" for the selected day.
    void SetRoomsClick();
    // The planning window's manual planning: drags, menus, undo, the details window.
    ManualController* manualController() const;
    // The working regime: the automatic runs are offered only in the automatic one.
    void OnAutomaticRegime();
    void OnManualRegime();
    void SetVarMenuBarForRegime(PlanningRegime regime);
    void AbortPlanningBtnClick();
    void TryMoreBtnClick();
    // 0xB0D3: a run is going (1), waits for "Продолжить" (2), has ended (3).
    void SetRunState(int state);
    // Opens the variant file in place of the planning window's variant; a refused
    // file ends planning.
    bool OpenVariant(const QString& fileName);
    void ChildMenuOnClick();
    void TileMenuOnClick();
    void CascadeMenuClick();
    void HelpContentsOnClick();
    void ShowAboutBox();
    void UpdateMenusAndTools();
    // 0xB0C8: an editor window reports its shown state.
    void EditorStateMessage(int kind, int state);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCommands();
    void addInterchangeCommands();  // TPrgMdiFrameInterchange.cpp
    QMenu* buildMenu(const FrameMenu& entry);
    QToolBar* buildToolbar(const char* name, std::pair<const FrameCommand*, int> buttons);
    QAction* makeAction(QObject* owner, const FrameCommand& entry);
    void showMode(bool planning);
    void listenToActivation(bool on);
    bool isOpenProject(const QString& fileName) const;
    // Closes the open project and makes the new one; false leaves no project.
    bool replaceProject(const QString& fileName, bool create);
    void closeProject();
    QString chooseFile(FileDialogKind kind, const QString& start);
    // The planning window on a new variant or on a file (false when refused), and its end.
    void StartPlanning();
    bool StartPlanningOn(const QString& variantFile);
    void StopPlanning();
    void installWorkspace(std::unique_ptr<TTableVarsManager> workspace);
    WorkspaceSetup workspaceSetup() const;
    void fitWorkspace();
    // While a run goes on, closing waits for it: the run is asked to stop and the
    // close is tried again (0xB0D8).
    bool deferWhileRunning(std::function<void()> retry);

    QMdiArea* area_;
    QMenuBar* projectMenuBar_;
    QMenuBar* planningMenuBar_;
    QToolBar* projectToolbar_;
    QToolBar* planningToolbar_;
    std::array<QAction*, kEditorKinds> windowItems_{};
    std::unique_ptr<TMdiTable> project_;
    quint16 newProjectCounter_ = 0;
    bool planning_ = false;
    QMetaObject::Connection activation_;
    QActionGroup* regimeButtons_ = nullptr;
    QPointer<TTestDataDlg> checkWindow_;  // the open data check window
    QPointer<QMdiSubWindow> workspaceWindow_;
    TTableVarsManager* workspace_ = nullptr;  // owned by its window
    // Kept for the whole program run, from one planning window to the next.
    bool verticalView_ = true;
    GroupDialogSettings groupSettings_ = GroupDialogSettings::Starting();
};

}  // namespace lovaris::ui
