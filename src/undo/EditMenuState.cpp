#include "EditMenuState.h"

#include "UndoManager.h"

namespace belltide {

namespace {

MenuItemState UpdatedItem(MenuItemState item, bool can, const QString& cantText, const QString& text)
{
    if (!can) {
        item.Text = cantText;
        return item;
    }
    if (!item.Enabled)
        item.Text = text;
    item.Enabled = true;
    return item;
}

} // namespace

EditMenuState EditMenuState::Updated(const EditMenuState& current, const UndoManager& manager)
{
    return { UpdatedItem(current.EditUndo, manager.CanUndo(), QStringLiteral("Can't Undo"), manager.UndoText()),
        UpdatedItem(current.EditRedo, manager.CanRedo(), QStringLiteral("Can't Redo"), manager.RedoText()) };
}

} // namespace belltide
