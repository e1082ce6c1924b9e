#pragma once

#include <QString>

namespace belltide {

class UndoManager;

struct MenuItemState {
    QString Text;
    bool Enabled = false;

    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// The Undo and Redo items of the Edit menu, kept apart from any menu class so
// the window only copies them onto its actions.
struct EditMenuState {
    MenuItemState EditUndo;
    MenuItemState EditRedo;

    // `current` is what the enabling pass has made of the items before the
    // window's turn: disabled, unless a focused text field took them over for
    // its own undo, in which case they keep that field's text. An item the
    // manager cannot use is relabelled "Can't Undo"/"Can't Redo" but not
    // disabled by us, so a text field's claim on it stands.
    static EditMenuState Updated(const EditMenuState& current, const UndoManager& manager);

    friend bool operator==(const EditMenuState&, const EditMenuState&) = default;
};

} // namespace belltide
