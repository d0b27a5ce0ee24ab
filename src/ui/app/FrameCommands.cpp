#include "FrameCommands.h"

#include <iterator>

#include "core/common/PlanTexts.h"

namespace lovaris::ui {
namespace {

using F = TPrgMdiFrame;
using S = ShellText;
using G = Glyph;

constexpr FrameCommand kProjectItems[] = {
    {"newProjectItem", S::MenuNew, "Ctrl+N", 101, -1, &F::CreateNewProject, G::New, 0},
    {"openProjectItem", S::MenuOpen, "Ctrl+O", 102, -1, &F::LoadProject, G::Open, 0},
    {"saveProjectItem", S::MenuSave, "Ctrl+S", 103, -1, &F::SaveProjectMenuClick, G::Save, 0},
    {"saveProjectAsItem", S::MenuSaveAs, nullptr, 104, -1, &F::SaveProjectAsMenuClick, G::None, 0},
    {"closeProjectItem", S::MenuClose, nullptr, 105, -1, &F::CloseProjectMenuClick, G::None, 0},
    {"printDataItem", S::MenuPrint, "Ctrl+P", 106, -1, &F::PrintOnClick, G::Print, kSeparatorBefore},
    {"paramsItem", S::MenuParams, "Ctrl+R", 107, -1, &F::ProjectParamsMenuClick, G::Params, kSeparatorBefore},
    {"exitItem", S::MenuExit, "Ctrl+X", 108, -1, &F::ExitMenuClick, G::None, kSeparatorBefore},
};

constexpr FrameCommand kProjectWorkItems[] = {
    {"testDataItem", S::MenuTestData, nullptr, 121, -1, &F::TestDataOnClick, G::TestData, 0},
    {"RunKorvidanMenu", S::MenuRun, "F9", 122, -1, &F::RunMenuOnClick, G::Run, 0},
};

constexpr FrameCommand kWindowItems[] = {
    {"roomsWindowItem", S::MenuRooms, nullptr, 141, 0, &F::ChildMenuOnClick, G::None, kCheckable | kChecked},
    {"subjectsWindowItem", S::MenuSubjects, nullptr, 142, 1, &F::ChildMenuOnClick, G::None, kCheckable | kChecked},
    {"classesWindowItem", S::MenuClasses, nullptr, 142, 2, &F::ChildMenuOnClick, G::None, kCheckable | kChecked},
    {"teachersWindowItem", S::MenuTeachers, nullptr, 144, 3, &F::ChildMenuOnClick, G::None, kCheckable | kChecked},
    {"lessonsWindowItem", S::MenuLessons, nullptr, 145, 4, &F::ChildMenuOnClick, G::None, kCheckable | kChecked},
    {"tileItem", S::MenuTile, nullptr, 146, -1, &F::TileMenuOnClick, G::None, kSeparatorBefore},
    {"cascadeItem", S::MenuCascade, nullptr, 147, -1, &F::CascadeMenuClick, G::None, 0},
};

constexpr FrameCommand kHelpItems[] = {
    {"helpContentsItem", S::MenuHelpContents, nullptr, 151, 1, &F::HelpContentsOnClick, G::None, 0},
    {"helpQuickStartItem", S::MenuHelpQuickStart, nullptr, 152, 2, &F::HelpContentsOnClick, G::None, 0},
    {"helpInterfaceItem", S::MenuHelpInterface, nullptr, 153, 3, &F::HelpContentsOnClick, G::None, 0},
    {"helpKindsItem", S::MenuHelpKinds, nullptr, 154, 4, &F::HelpContentsOnClick, G::None, 0},
    {"helpSupportItem", S::MenuHelpSupport, nullptr, 155, 5, &F::HelpContentsOnClick, G::None, 0},
    {"aboutItem", S::MenuAbout, nullptr, 156, -1, &F::ShowAboutBox, G::None, kSeparatorBefore},
};

// The planning commands reach the planning window.
constexpr FrameCommand kVariantItems[] = {
    {"newVariantItem", S::MenuNew, "Ctrl+N", 111, -1, &F::NewVarClick, G::New, 0},
    {"openVariantItem", S::MenuOpen, "Ctrl+O", 112, -1, &F::LoadVarClick, G::Open, 0},
    {"saveVariantItem", S::MenuSave, "Ctrl+S", 113, 1, &F::VarSaveOnClick, G::Save, 0},
    {"saveVariantAsItem", S::MenuSaveAs, nullptr, 114, 2, &F::VarSaveAsOnClick, G::None, 0},
    {"closeVariantItem", S::MenuClose, nullptr, 115, -1, &F::CloseTableMenuOnClick, G::None, 0},
    {"printVariantItem", S::MenuPrint, "Ctrl+P", 116, -1, &F::TableOnClick, G::Print, kSeparatorBefore},
    {"optionsItem", S::MenuOptions, "Ctrl+R", 117, -1, &F::OnVarOptionsClick, G::Params, kSeparatorBefore},
    {"planningExitItem", S::MenuExit, "Ctrl+X", 118, -1, &F::ExitMenuClick, G::None, kSeparatorBefore},
};

constexpr FrameCommand kPlanningWorkItems[] = {
    {"regimeMenu", S::MenuRegime, nullptr, 138, -1, nullptr, G::None, kSubmenuBegin},
    {"automaticItem", S::MenuRegimeAutomatic, "Ctrl+A", 138, 2, &F::OnAutomaticRegime, G::None, kCheckable | kChecked},
    {"manualItem", S::MenuRegimeManual, "Ctrl+M", 138, 0, &F::OnManualRegime, G::None, kCheckable | kSubmenuEnd},
    {"weekVariantsItem", S::MenuWeekVariants, "F9", 131, -1, &F::OnWeekVarsClick, G::WeekVariants, 0},
    {"optimizeItem", S::MenuOptimize, nullptr, 132, -1, &F::OnOptimizeClick, G::Optimize, 0},
    {"planWeekItem", static_cast<S>(static_cast<int>(PlanText::MenuPlanWeek)), nullptr, 132, -1, &F::OnPlanWeekClick, G::None, 0},
    {"setRoomsItem", S::MenuSetRooms, nullptr, 133, -1, &F::SetRoomsClick, G::SetRooms, 0},
    {"controlItem", S::MenuControl, nullptr, 134, -1, &F::PrepareDateOnClick, G::Control, 0},
    {"statisticsItem", S::MenuStatistics, nullptr, 135, -1, &F::VarStatisticsButtonClick, G::Statistics, 0},
    {"substitutionsItem", S::MenuSubstitutions, nullptr, 139, -1, &F::ViewZamesh, G::Substitutions, 0},
    {"abortItem", S::MenuAbort, nullptr, 136, -1, &F::AbortPlanningBtnClick, G::None, kSeparatorBefore | kDisabled},
    {"continueItem", S::MenuContinue, nullptr, 137, -1, &F::TryMoreBtnClick, G::None, kDisabled},
};

constexpr FrameMenu kProjectMenus[] = {
    {"projectMenu", S::MenuProject, 100, kProjectItems, int(std::size(kProjectItems))},
    {"projectWorkMenu", S::MenuWork, 120, kProjectWorkItems, int(std::size(kProjectWorkItems))},
    {"windowsMenu", S::MenuWindows, 140, kWindowItems, int(std::size(kWindowItems))},
};

constexpr FrameMenu kPlanningMenus[] = {
    {"variantMenu", S::MenuVariant, 110, kVariantItems, int(std::size(kVariantItems))},
    {"planningWorkMenu", S::MenuWork, 130, kPlanningWorkItems, int(std::size(kPlanningWorkItems))},
};

constexpr FrameMenu kHelpMenu = {"helpMenu", S::MenuHelp, 150, kHelpItems, int(std::size(kHelpItems))};

constexpr FrameCommand kProjectButtons[] = {
    {"openProjectButton", S::HintOpenProject, nullptr, 102, -1, &F::LoadProject, G::Open, 0},
    {"newProjectButton", S::HintNewProject, nullptr, 101, -1, &F::CreateNewProject, G::New, 0},
    {"saveProjectButton", S::HintSaveProject, nullptr, 103, -1, &F::SaveProjectMenuClick, G::Save, 0},
    {"printDataButton", S::HintPrintData, nullptr, 106, -1, &F::PrintOnClick, G::Print, 0},
    {"testDataButton", S::HintTestData, nullptr, 121, -1, &F::TestDataOnClick, G::TestData, 0},
    {"runButton", S::HintRun, nullptr, 122, -1, &F::RunMenuOnClick, G::Run, 0},
    {"paramsButton", S::HintProjectParams, nullptr, 107, -1, &F::ProjectParamsMenuClick, G::Params, 0},
    {"dataHelpButton", S::HintDataHelp, nullptr, 6, 6, &F::HelpContentsOnClick, G::Help, 0},
};

constexpr FrameCommand kPlanningButtons[] = {
    {"openVariantButton", S::HintOpenVariant, nullptr, 112, -1, &F::LoadVarClick, G::Open, 0},
    {"newVariantButton", S::HintNewVariant, nullptr, 111, -1, &F::NewVarClick, G::New, 0},
    {"saveVariantButton", S::HintSaveVariant, nullptr, 113, 1, &F::VarSaveOnClick, G::Save, 0},
    {"printVariantButton", S::HintPrintVariant, nullptr, 116, -1, &F::TableOnClick, G::Print, 0},
    {"automaticButton", S::HintAutomatic, nullptr, 138, 2, &F::OnAutomaticRegime, G::Automatic, kCheckable | kChecked | kRegimeGroup},
    {"endPlanningButton", S::HintEndPlanning, nullptr, 115, -1, &F::CloseTableMenuOnClick, G::EndPlanning, 0},
    {"optionsButton", S::HintOptions, nullptr, 117, -1, &F::OnVarOptionsClick, G::Params, 0},
    {"planningHelpButton", S::HintPlanningHelp, nullptr, 7, 7, &F::HelpContentsOnClick, G::Help, 0},
    {"manualButton", S::HintManual, nullptr, 138, 0, &F::OnManualRegime, G::Manual, kCheckable | kRegimeGroup | kSeparatorBefore},
    {"controlButton", S::HintControl, nullptr, 134, -1, &F::PrepareDateOnClick, G::Control, 0},
    {"weekVariantsButton", S::HintWeekVariants, nullptr, 131, -1, &F::OnWeekVarsClick, G::WeekVariants, 0},
    {"optimizeButton", S::HintOptimize, nullptr, 132, -1, &F::OnOptimizeClick, G::Optimize, 0},
    {"setRoomsButton", S::HintSetRooms, nullptr, 133, -1, &F::SetRoomsClick, G::SetRooms, 0},
    {"statisticsButton", S::HintStatistics, nullptr, 135, -1, &F::VarStatisticsButtonClick, G::Statistics, 0},
    {"substitutionsButton", S::HintSubstitutions, nullptr, 139, -1, &F::ViewZamesh, G::Substitutions, 0},
};

}  // namespace

FrameMenuBar ProjectMenus() { return {kProjectMenus, int(std::size(kProjectMenus))}; }
FrameMenuBar PlanningMenus() { return {kPlanningMenus, int(std::size(kPlanningMenus))}; }
const FrameMenu& HelpMenu() { return kHelpMenu; }
std::pair<const FrameCommand*, int> ProjectToolbar() { return {kProjectButtons, int(std::size(kProjectButtons))}; }
std::pair<const FrameCommand*, int> PlanningToolbar() { return {kPlanningButtons, int(std::size(kPlanningButtons))}; }

}  // namespace lovaris::ui
