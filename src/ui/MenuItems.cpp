#include "MenuItems.h"

namespace belltide {

const std::vector<MenuDefinition>& MenuBarDefinition()
{
    using H = MenuHandler;
    using P = MenuPlacement;
    static const std::vector<MenuDefinition> menus = {
        { "FileMenu", "&File",
            {
                { "FileNewSchedule", "New Schedule", "Ctrl+N", H::Application },
                { "FileOpenSchedule", "Open Schedule...", "Ctrl+O", H::Application },
                { "FileClose", "Close", "Ctrl+W", H::DocumentOrAbout },
                { "UntitledItem", "-", "", H::None },
                { "FileSave", "Save", "Ctrl+S", H::Document },
                { "FileSaveAs", "Save As...", "Ctrl+Shift+S", H::Document },
                { "UntitledItem", "-", "", H::None },
                { "FileExport", "&Export...", "Ctrl+E", H::Document },
                { "FileImport", "&Import Classes and Specials...", "Ctrl+Shift+I", H::Document },
                { "UntitledItem", "-", "", H::None },
                { "FilePageSetup", "Page Setup...", "Ctrl+Shift+P", H::Document },
                { "FilePrint", "Print...", "Ctrl+P", H::Document },
                { "UntitledItem", "-", "", H::None },
                { "FileQuit", "E&xit", "", H::Platform, P::ApplicationQuit },
            } },
        { "EditMenu", "&Edit",
            {
                { "EditUndo", "&Undo", "Ctrl+Z", H::UndoHost },
                { "EditRedo", "Redo", "Ctrl+Shift+Z", H::UndoHost },
                { "UntitledMenu1", "-", "", H::None },
                { "EditCut", "Cu&t", "Ctrl+X", H::TextField },
                { "EditCopy", "&Copy", "Ctrl+C", H::TextField },
                { "EditPaste", "&Paste", "Ctrl+V", H::TextField },
                { "EditClear", "&Delete", "", H::TextField },
                { "UntitledMenu0", "-", "", H::None },
                { "EditSelectAll", "Select &All", "Ctrl+A", H::TextField },
            } },
        { "ScheduleMenu", "&Schedule",
            {
                { "ScheduleNew", "Make a &New Schedule", "", H::Document },
                { "ScheduleComplete", "&Complete Schedule", "", H::Document },
            } },
        { "HelpMenu", "Help",
            {
                { "HelpAboutBelltide", "About Belltide", "", H::Application, P::ApplicationAbout },
                { "HelpBelltideWebsite", "Belltide Website", "", H::Application },
                { "HelpEmailCustomerService", "Email Customer Service", "", H::Application },
                { "HelpCheckforUpdates", "Check for Updates...", "", H::Application, P::ApplicationMenu },
            } },
    };
    return menus;
}

MenuItemState MenuItemStateIn(const MenuItemDefinition& item, const MenuContext& context)
{
    const QString caption = QString::fromLatin1(item.Caption);
    const QString name = QString::fromLatin1(item.Name);
    switch (item.Handler) {
    case MenuHandler::None:
        return { caption, false };
    case MenuHandler::Application:
        return { caption, context.ApplicationPresent };
    case MenuHandler::Document:
        return { caption, context.DocumentWindowInFront };
    case MenuHandler::DocumentOrAbout:
        return { caption, context.DocumentWindowInFront || context.AboutWindowInFront };
    case MenuHandler::TextField:
        return { caption, context.TextFieldFocused };
    case MenuHandler::Platform:
        return { caption, true };
    case MenuHandler::UndoHost:
        break;
    }
    if (!context.DocumentWindowInFront)
        return { caption, false };
    return name == QStringLiteral("EditRedo") ? context.UndoRedo.EditRedo : context.UndoRedo.EditUndo;
}

} // namespace belltide
