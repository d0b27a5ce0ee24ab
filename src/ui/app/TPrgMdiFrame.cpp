#include "TPrgMdiFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>

#include "../common/AppIcons.h"
#include "FrameCommands.h"
#include "../common/HelpViewer.h"
#include "../common/TErrorBox.h"
#include "TMdiTable.h"
#include "TTblAboutDlg.h"
#include "TileWindows.h"
#include "core/common/DataFolder.h"
#include "core/common/MessageFormat.h"
#include "core/common/InterchangeTexts.h"
#include "ui/data/EditorWindow.h"
#include "ui/data/TTestDataDlg.h"
#include "ui/workspace/TTableVarsManager.h"

namespace lovaris::ui {
namespace {

constexpr int kProjectModeHelp = 6;
constexpr int kPlanningModeHelp = 7;

// The client area: a sunken well with the logo in its middle.
class ClientArea : public QMdiArea {
public:
    explicit ClientArea(QWidget* parent) : QMdiArea(parent) {
        setObjectName(QStringLiteral("clientArea"));
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setBackground(QColor(0x8a, 0x97, 0xa8));
        // Editors that do not fit beside one another are reached by scrolling; the
        // area never asks the main window to grow past the screen for them.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    QSize minimumSizeHint() const override { return {200, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override {
        QMdiArea::paintEvent(event);
        QPainter painter(viewport());
        painter.setOpacity(0.35);
        const int size = qMin(160, qMin(viewport()->width(), viewport()->height()) / 2);
        if (size < 32) return;
        const QRect where(QPoint(0, 0), QSize(size, size));
        painter.drawPixmap(where.translated(viewport()->rect().center() - where.center()), LogoPixmap(size));
    }
};

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

const std::array<const char*, kEditorKinds> kWindowItemNames = {"roomsWindowItem", "subjectsWindowItem",
                                                                "classesWindowItem", "teachersWindowItem",
                                                                "lessonsWindowItem"};

}  // namespace

TPrgMdiFrame::TPrgMdiFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TPrgMdiFrame"));
    setWindowTitle(Res(TextId::AppTitle));
    setWindowIcon(LogoIcon());
    setProperty("helpContext", kProjectModeHelp);
    setContextMenuPolicy(Qt::NoContextMenu);  // the toolbars belong to the modes, not to the user

    area_ = new ClientArea(this);
    setCentralWidget(area_);
    buildCommands();
    showMode(false);
    listenToActivation(true);
    UpdateMenusAndTools();
}

TPrgMdiFrame::~TPrgMdiFrame() {
    listenToActivation(false);
    project_.reset();
}

QAction* TPrgMdiFrame::command(const QString& name) const { return findChild<QAction*>(name); }

TTestDataDlg* TPrgMdiFrame::checkWindow() const { return checkWindow_; }

QString TPrgMdiFrame::ProjectFolder() const {
    const QDir programFolder(
        QString::fromStdString(DataFolder(QCoreApplication::applicationDirPath().toStdString())));
    const QString projects = Res(TextId::ProjectFolderName);
    return programFolder.exists(projects) ? programFolder.filePath(projects) : programFolder.path();
}

QString TPrgMdiFrame::StartFolder() const {
    return project_ ? QFileInfo(project_->GetFileName()).absolutePath() : ProjectFolder();
}

// ---- menus and toolbars ---------------------------------------------------------------

QAction* TPrgMdiFrame::makeAction(QObject* owner, const FrameCommand& entry) {
    auto* action = new QAction(Res(entry.text), owner);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setToolTip(Res(entry.text));
    action->setProperty("helpContext", entry.help);
    if (entry.tag >= 0) action->setData(entry.tag);
    if (entry.keys) action->setShortcut(QKeySequence(QString::fromLatin1(entry.keys)));
    if (entry.glyph != Glyph::None) action->setIcon(GlyphIcon(entry.glyph));
    action->setCheckable(entry.flags & kCheckable);
    action->setChecked(entry.flags & kChecked);
    action->setEnabled(!(entry.flags & kDisabled));
    if (entry.handler) connect(action, &QAction::triggered, this, entry.handler);
    return action;
}

QMenu* TPrgMdiFrame::buildMenu(const FrameMenu& entry) {
    auto* menu = new QMenu(Res(entry.caption), this);
    menu->setObjectName(QString::fromLatin1(entry.name));
    menu->setProperty("helpContext", entry.help);
    menu->menuAction()->setObjectName(QString::fromLatin1(entry.name) + QStringLiteral("Action"));
    menu->setToolTipsVisible(false);
    QMenu* target = menu;
    for (int i = 0; i < entry.count; ++i) {
        const FrameCommand& item = entry.items[i];
        if (item.flags & kSeparatorBefore) target->addSeparator();
        if (item.flags & kSubmenuBegin) {
            target = menu->addMenu(Res(item.text));
            target->setObjectName(QString::fromLatin1(item.name));
            target->menuAction()->setObjectName(QString::fromLatin1(item.name) + QStringLiteral("Action"));
            target->setProperty("helpContext", item.help);
            continue;
        }
        target->addAction(makeAction(menu, item));
        if (item.flags & kSubmenuEnd) target = menu;
    }
    return menu;
}

QToolBar* TPrgMdiFrame::buildToolbar(const char* name, std::pair<const FrameCommand*, int> buttons) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    for (int i = 0; i < buttons.second; ++i) {
        const FrameCommand& button = buttons.first[i];
        if (button.flags & kSeparatorBefore) bar->addSeparator();
        QAction* action = makeAction(bar, button);
        if (button.flags & kRegimeGroup) {
            if (!regimeButtons_) regimeButtons_ = new QActionGroup(bar);
            regimeButtons_->addAction(action);
        }
        bar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void TPrgMdiFrame::buildCommands() {
    // Both menu bars live in the menu area; only the current mode's is visible, so
    // only its shortcuts are live (F9 and Ctrl+N mean different things per mode).
    auto* menuArea = new QWidget(this);
    auto* stack = new QVBoxLayout(menuArea);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto makeBar = [&](const char* name, FrameMenuBar menus) {
        auto* bar = new QMenuBar(menuArea);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setNativeMenuBar(false);
        for (int i = 0; i < menus.count; ++i) bar->addMenu(buildMenu(menus.menus[i]));
        stack->addWidget(bar);
        return bar;
    };
    projectMenuBar_ = makeBar("TimeTableMainMenu", ProjectMenus());
    planningMenuBar_ = makeBar("TableVarMainMenu", PlanningMenus());
    QMenu* help = buildMenu(HelpMenu());
    projectMenuBar_->addMenu(help);
    planningMenuBar_->addMenu(help);
    setMenuWidget(menuArea);

    projectToolbar_ = buildToolbar("MainToolbar", ProjectToolbar());
    planningToolbar_ = buildToolbar("VarToolbar", PlanningToolbar());
    for (int k = 0; k < kEditorKinds; ++k)
        windowItems_[static_cast<std::size_t>(k)] = command(QString::fromLatin1(kWindowItemNames[static_cast<std::size_t>(k)]));
    addInterchangeCommands();
}

void TPrgMdiFrame::showMode(bool planning) {
    planning_ = planning;
    setUpdatesEnabled(false);
    projectMenuBar_->setVisible(!planning);
    planningMenuBar_->setVisible(planning);
    projectToolbar_->setVisible(!planning);
    planningToolbar_->setVisible(planning);
    setUpdatesEnabled(true);
    setProperty("helpContext", planning ? kPlanningModeHelp : kProjectModeHelp);
}

void TPrgMdiFrame::listenToActivation(bool on) {
    disconnect(activation_);
    if (on) activation_ = connect(area_, &QMdiArea::subWindowActivated, this, &TPrgMdiFrame::UpdateMenusAndTools);
}

void TPrgMdiFrame::UpdateMenusAndTools() {
    const bool open = project_ && project_->hasEditors();
    for (const char* name : {"saveProjectButton", "printDataButton", "paramsButton", "testDataButton", "runButton",
                             "saveProjectItem", "saveProjectAsItem", "closeProjectItem", "printDataItem", "paramsItem",
                             "projectWorkMenuAction", "windowsMenuAction", "exportFetItem", "importFetWeekItem"})
        command(QString::fromLatin1(name))->setEnabled(open);

    bool anyShown = false;
    if (open) {
        for (int k = 0; k < kEditorKinds; ++k) {
            const bool shown = project_->editorWindow(static_cast<EditorKind>(k))->isVisible();
            windowItems_[static_cast<std::size_t>(k)]->setChecked(shown);
            anyShown = anyShown || shown;
        }
    }
    command(QStringLiteral("tileItem"))->setEnabled(anyShown);
    command(QStringLiteral("cascadeItem"))->setEnabled(anyShown);
}

// ---- project commands -----------------------------------------------------------------

QString TPrgMdiFrame::chooseFile(FileDialogKind kind, const QString& start) {
    if (fileChooser) return fileChooser(kind, start);
    const bool save = kind == FileDialogKind::SaveProject || kind == FileDialogKind::SaveFetSchool;
    const bool fet = kind == FileDialogKind::SaveFetSchool || kind == FileDialogKind::OpenFetWeek;
    QFileDialog dialog(this, fet ? Res(save ? InterchangeText::ExportFetMenu : InterchangeText::ImportFetWeekMenu)
                                 : Res(save ? ShellText::SaveProjectAsTitle : ShellText::OpenProjectTitle));
    dialog.setNameFilter(fet ? Res(InterchangeText::ImportFetFilter) : Res(ShellText::ProjectFileFilter));
    dialog.setDefaultSuffix(fet ? QStringLiteral("fet") : Res(TextId::ProjectExtension));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QFileInfo startInfo(start);
    dialog.setDirectory(save ? startInfo.absolutePath() : start);
    if (save) dialog.selectFile(startInfo.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool TPrgMdiFrame::isOpenProject(const QString& fileName) const {
    if (!project_) return false;
    const QString open = QFileInfo(project_->GetFileName()).absoluteFilePath();
    return QFileInfo(fileName).absoluteFilePath().compare(open, Qt::CaseInsensitive) == 0;
}

bool TPrgMdiFrame::replaceProject(const QString& fileName, bool create) {
    if (isOpenProject(fileName)) {
        ShowMessageText(this, Text(FormatMessage(TextId::ProjectAlreadyOpen, FileNameWithoutFolder(fileName.toStdString()))));
        return false;
    }
    if (project_ && project_->QueryClose() == kCloseCancelled) return false;
    bool opened = false;
    {
        BusyCursor busy;
        closeProject();
        auto fresh = std::make_unique<TMdiTable>(this, area_);
        connect(fresh.get(), &TMdiTable::editorStateReported, this, &TPrgMdiFrame::EditorStateMessage);
        opened = create ? fresh->CreateNew(fileName) : fresh->Open(fileName);
        if (opened) project_ = std::move(fresh);
    }
    if (!opened) setWindowTitle(Res(TextId::AppTitle));
    return opened;
}

void TPrgMdiFrame::closeProject() {
    // The check window reads the project while it fills its pages; it goes with it.
    if (checkWindow_) checkWindow_->close();
    project_.reset();
    setWindowTitle(Res(TextId::AppTitle));
}

void TPrgMdiFrame::CreateNewProject() {
    if (planning_) return;
    ++newProjectCounter_;
    const QString suggested = QDir(StartFolder()).filePath(Res(TextId::NewProjectPrefix) +
                                                             QString::number(newProjectCounter_) + QLatin1Char('.') +
                                                             Res(TextId::ProjectExtension));
    const QString chosen = chooseFile(FileDialogKind::SaveProject, suggested);
    if (chosen.isEmpty()) return;
    if (replaceProject(chosen, true)) {
        // A new project is written at once; the parameters follow, then the first save.
        project_->EditParams();
        project_->Save();
    }
    UpdateMenusAndTools();
}

void TPrgMdiFrame::LoadProject() {
    if (planning_) return;
    const QString chosen = chooseFile(FileDialogKind::OpenProject, StartFolder());
    if (chosen.isEmpty()) return;
    OpenProjectFile(chosen);
}

bool TPrgMdiFrame::OpenProjectFile(const QString& fileName) {
    const bool opened = replaceProject(fileName, false);
    UpdateMenusAndTools();
    return opened;
}

void TPrgMdiFrame::SaveProjectMenuClick() {
    if (project_ && project_->modified()) project_->Save();
}

void TPrgMdiFrame::SaveProjectAsMenuClick() {
    if (!project_) return;
    const QString chosen = chooseFile(FileDialogKind::SaveProject, project_->GetFileName());
    if (!chosen.isEmpty()) project_->SaveAs(chosen);
}

void TPrgMdiFrame::CloseProjectMenuClick() {
    if (!project_ || project_->QueryClose() == kCloseCancelled) return;
    closeProject();
    UpdateMenusAndTools();
}

void TPrgMdiFrame::ProjectParamsMenuClick() {
    if (project_) project_->EditParams();
}

void TPrgMdiFrame::ExitMenuClick() { close(); }

void TPrgMdiFrame::TestDataOnClick() {
    if (!project_) return;
    BusyCursor busy;
    if (!checkWindow_) {
        checkWindow_ = new TTestDataDlg(this);
        // 0xB0DB: the data check window was closed.
        connect(checkWindow_, &TTestDataDlg::closed, this, [this] { checkWindow_ = nullptr; });
    }
    checkWindow_->showNormal();
    checkWindow_->raise();
    QApplication::processEvents();
    if (checkWindow_) checkWindow_->runChecks(project_->document().project());
}

void TPrgMdiFrame::ChildMenuOnClick() {
    auto* item = qobject_cast<QAction*>(sender());
    if (!item || !project_) return;
    const auto kind = static_cast<EditorKind>(item->data().toInt());
    // The item has already toggled itself: checked now means it was unchecked before.
    if (item->isChecked()) project_->ShowEditor(kind, true, true);
    item->setChecked(true);
    project_->ActivateEditor(kind);
    UpdateMenusAndTools();
}

void TPrgMdiFrame::TileMenuOnClick() { TileSideBySide(area_); }

void TPrgMdiFrame::CascadeMenuClick() { area_->cascadeSubWindows(); }

void TPrgMdiFrame::HelpContentsOnClick() {
    if (auto* item = qobject_cast<QAction*>(sender())) ShowHelpTopic(this, item->data().toInt());
}

void TPrgMdiFrame::ShowAboutBox() {
    TTblAboutDlg about(this);
    about.exec();
}

void TPrgMdiFrame::EditorStateMessage(int kind, int state) {
    if (!project_ || kind < 0 || kind >= kEditorKinds) return;
    if (state == kWindowHidden) windowItems_[static_cast<std::size_t>(kind)]->setChecked(false);
    project_->SetEditorState(static_cast<EditorKind>(kind), state);
    if (!planning_) UpdateMenusAndTools();
}

// ---- modes ----------------------------------------------------------------------------

void TPrgMdiFrame::RunMenuOnClick() {
    if (planning_ || !project_) return;
    if (project_->modified() && !project_->EnsureSavedForPlanning()) return;
    BusyCursor busy;
    listenToActivation(false);
    showMode(true);
    project_->HideEditors();
    // The window items keep their marks: they say which editors come back.
    StartPlanning();
}

void TPrgMdiFrame::CloseTableMenuOnClick() {
    if (!planning_) return;
    if (deferWhileRunning([this] { CloseTableMenuOnClick(); })) return;
    if (workspace_ && workspace_->AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) return;
    BusyCursor busy;
    StopPlanning();
    showMode(false);
    if (project_) {
        std::array<bool, kEditorKinds> shown{};
        for (int k = 0; k < kEditorKinds; ++k)
            shown[static_cast<std::size_t>(k)] = windowItems_[static_cast<std::size_t>(k)]->isChecked();
        project_->RestoreEditors(shown);
    }
    listenToActivation(true);
    UpdateMenusAndTools();
}

void TPrgMdiFrame::closeEvent(QCloseEvent* event) {
    if (deferWhileRunning([this] { close(); })) {
        event->ignore();
        return;
    }
    // The variant is asked about before the project.
    if (workspace_ && workspace_->AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) {
        event->ignore();
        return;
    }
    if (project_ && project_->QueryClose() == kCloseCancelled) {
        event->ignore();
        return;
    }
    StopPlanning();
    listenToActivation(false);
    closeProject();
    event->accept();
}

}  // namespace lovaris::ui
