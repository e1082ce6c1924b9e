#pragma once

#include "undo/EditMenuState.h"

#include <vector>

namespace belltide {

// Who answers a menu command. An item is enabled exactly when the one that
// answers it is there (Undo and Redo: when the document window says so).
enum class MenuHandler {
    None, // a separator
    Application, // new, open and the Help items
    Document, // the document window in front
    DocumentOrAbout, // the document window, or the about window, in front
    TextField, // the text field that has the focus
    UndoHost, // the document window, which also words the item
    Platform, // quitting, always there
};

// Where an item goes on platforms that have an application menu.
enum class MenuPlacement { Menu, ApplicationAbout, ApplicationMenu, ApplicationQuit };

struct MenuItemDefinition {
    const char* Name;
    const char* Caption; // "-": a separator; "&" marks the accelerator letter
    const char* Shortcut; // portable key text; empty for none
    MenuHandler Handler;
    MenuPlacement Placement = MenuPlacement::Menu;
};

struct MenuDefinition {
    const char* Name;
    const char* Caption;
    std::vector<MenuItemDefinition> Items;
};

// The menu bar: its menus and their items, in order.
const std::vector<MenuDefinition>& MenuBarDefinition();

// What is in front of the user when the menus are brought up to date.
struct MenuContext {
    // The application object answers its commands (a window on its own in a
    // test has no application behind it).
    bool ApplicationPresent = false;
    bool DocumentWindowInFront = false;
    bool AboutWindowInFront = false;
    bool TextFieldFocused = false;
    // Undo and Redo as the document window in front works them out.
    EditMenuState UndoRedo;
};

// The enabled state and text of `item` in `context`.
MenuItemState MenuItemStateIn(const MenuItemDefinition& item, const MenuContext& context);

} // namespace belltide
