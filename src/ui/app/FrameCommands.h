#pragma once
// The main window's menus and toolbars as data: one row per item or button.
#include "../common/AppIcons.h"
#include "TPrgMdiFrame.h"
#include "core/common/ShellTexts.h"

namespace lovaris::ui {

using FrameHandler = void (TPrgMdiFrame::*)();

enum FrameCommandFlag : unsigned {
    kSeparatorBefore = 1,
    kCheckable = 2,
    kChecked = 4,
    kDisabled = 8,
    kRegimeGroup = 16,   // the two exclusive regime buttons
    kSubmenuBegin = 32,  // opens a submenu named by this row; the rows up to kSubmenuEnd go in it
    kSubmenuEnd = 64,
};

struct FrameCommand {
    const char* name;
    ShellText text;        // caption of an item, hint of a button
    const char* keys;      // shortcut, nullptr for none
    int help;              // help context
    int tag;               // -1: none
    FrameHandler handler;  // nullptr: not available yet
    Glyph glyph;
    unsigned flags;
};

struct FrameMenu {
    const char* name;
    ShellText caption;
    int help;
    const FrameCommand* items;
    int count;
};

// Menus of one bar, in order; the help menu is shared by both bars.
struct FrameMenuBar {
    const FrameMenu* menus;
    int count;
};

FrameMenuBar ProjectMenus();
FrameMenuBar PlanningMenus();
const FrameMenu& HelpMenu();
std::pair<const FrameCommand*, int> ProjectToolbar();
std::pair<const FrameCommand*, int> PlanningToolbar();

}  // namespace lovaris::ui
