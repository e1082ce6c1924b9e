#include "MenuBar.h"

#include "AboutWindow.h"
#include "ApplicationCommands.h"
#include "MainWindow.h"
#include "controls/NiceEditField.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace belltide {

namespace {

template <typename Target> using Handler = bool (*)(Target&);

const std::pair<const char*, Handler<MainWindow>> kDocumentHandlers[] = {
    { "FileClose", [](MainWindow& window) { return window.FileClose(); } },
    { "FileSave", [](MainWindow& window) { return window.FileSave(); } },
    { "FileSaveAs", [](MainWindow& window) { return window.FileSaveAs(); } },
    { "FileExport", [](MainWindow& window) { return window.FileExport(); } },
    { "FileImport", [](MainWindow& window) { return window.FileImport(); } },
    { "FilePageSetup", [](MainWindow& window) { return window.FilePageSetup(); } },
    { "FilePrint", [](MainWindow& window) { return window.FilePrint(); } },
    { "EditUndo", [](MainWindow& window) { return window.EditUndo(); } },
    { "EditRedo", [](MainWindow& window) { return window.EditRedo(); } },
    { "ScheduleNew", [](MainWindow& window) { return window.ScheduleNew(); } },
    { "ScheduleComplete", [](MainWindow& window) { return window.ScheduleComplete(); } },
};

const std::pair<const char*, Handler<ApplicationCommands>> kApplicationHandlers[] = {
    { "FileNewSchedule", [](ApplicationCommands& app) { return app.FileNewSchedule(); } },
    { "FileOpenSchedule", [](ApplicationCommands& app) { return app.FileOpenSchedule(); } },
    { "HelpAboutBelltide", [](ApplicationCommands& app) { return app.HelpAboutBelltide(); } },
    { "HelpBelltideWebsite", [](ApplicationCommands& app) { return app.HelpBelltideWebsite(); } },
    { "HelpEmailCustomerService", [](ApplicationCommands& app) { return app.HelpEmailCustomerService(); } },
    { "HelpCheckforUpdates", [](ApplicationCommands& app) { return app.HelpCheckforUpdates(); } },
};

template <typename Target, std::size_t N>
bool Dispatch(const std::pair<const char*, Handler<Target>> (&handlers)[N], Target* target, const char* name)
{
    if (!target)
        return false;
    for (const auto& [known, handler] : handlers) {
        if (qstrcmp(known, name) == 0)
            return handler(*target);
    }
    return false;
}

QAction::MenuRole RoleFor(MenuPlacement placement)
{
    switch (placement) {
    case MenuPlacement::ApplicationAbout:
        return QAction::AboutRole;
    case MenuPlacement::ApplicationMenu:
        return QAction::ApplicationSpecificRole;
    case MenuPlacement::ApplicationQuit:
        return QAction::QuitRole;
    case MenuPlacement::Menu:
        break;
    }
    // Not guessed from the caption: "Page Setup..." would pass for preferences.
    return QAction::NoRole;
}

} // namespace

MenuBar::MenuBar(QMenuBar* bar, MainWindow* window)
    : QObject(bar)
    , mWindow(window)
{
    for (const MenuDefinition& definition : MenuBarDefinition()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(definition.Caption));
        menu->setObjectName(QString::fromLatin1(definition.Name));
        mMenus.insert(menu->objectName(), menu);
        for (const MenuItemDefinition& item : definition.Items)
            AddItem(menu, item);
        connect(menu, &QMenu::aboutToShow, this, &MenuBar::Update);
    }
    connect(qApp, &QApplication::focusChanged, this, &MenuBar::Update);
    Update();
}

QAction* MenuBar::AddItem(QMenu* menu, const MenuItemDefinition& definition)
{
    QAction* action = definition.Handler == MenuHandler::None
        ? menu->addSeparator()
        : menu->addAction(QString::fromLatin1(definition.Caption));
    action->setObjectName(QString::fromLatin1(definition.Name));
    if (definition.Handler == MenuHandler::None)
        return action;
    action->setShortcut(QKeySequence(QString::fromLatin1(definition.Shortcut)));
    action->setMenuRole(RoleFor(definition.Placement));
    connect(action, &QAction::triggered, this, [this, &definition] { Perform(definition); });
    mItems.insert(action->objectName(), action);
    return action;
}

void MenuBar::SetApplicationCommands(ApplicationCommands* commands)
{
    mCommands = commands;
    Update();
}

void MenuBar::Perform(const MenuItemDefinition& definition)
{
    switch (definition.Handler) {
    case MenuHandler::Application:
        Dispatch(kApplicationHandlers, mCommands, definition.Name);
        break;
    case MenuHandler::Document:
    case MenuHandler::UndoHost:
        Dispatch(kDocumentHandlers, mWindow, definition.Name);
        break;
    case MenuHandler::DocumentOrAbout:
        if (!Dispatch(kDocumentHandlers, mWindow, definition.Name)) {
            if (auto* about = qobject_cast<AboutWindow*>(QApplication::activeWindow()))
                about->close();
        }
        break;
    case MenuHandler::TextField:
        PerformTextCommand(QString::fromLatin1(definition.Name));
        break;
    case MenuHandler::Platform:
        // Each document window asks about unsaved changes; a cancel stops the quit.
        QApplication::closeAllWindows();
        break;
    case MenuHandler::None:
        break;
    }
}

bool MenuBar::PerformTextCommand(const QString& name)
{
    QLineEdit* field = FocusedTextField();
    if (!field)
        return false;
    if (name == QStringLiteral("EditCut")) {
        field->cut();
    } else if (name == QStringLiteral("EditCopy")) {
        field->copy();
    } else if (name == QStringLiteral("EditPaste")) {
        field->paste();
    } else if (name == QStringLiteral("EditClear")) {
        // Deletes what is selected, never the letter after the cursor.
        if (field->hasSelectedText())
            field->del();
    } else if (name == QStringLiteral("EditSelectAll")) {
        if (auto* nice = qobject_cast<NiceEditField*>(field))
            return nice->SelectAllCommand();
        field->selectAll();
    } else {
        return false;
    }
    return true;
}

QLineEdit* MenuBar::FocusedTextField() const
{
    QWidget* focus = QApplication::focusWidget();
    auto* field = qobject_cast<QLineEdit*>(focus);
    // An editable combo box keeps the focus and types into its line edit.
    if (auto* box = qobject_cast<QComboBox*>(focus); box && box->isEditable())
        field = box->lineEdit();
    // Another window's field is not this bar's business.
    if (!field || (mWindow && field->window() != mWindow))
        return nullptr;
    return field;
}

MenuContext MenuBar::Context() const
{
    MenuContext context;
    context.ApplicationPresent = mCommands != nullptr;
    context.DocumentWindowInFront = mWindow != nullptr;
    context.AboutWindowInFront = qobject_cast<AboutWindow*>(QApplication::activeWindow()) != nullptr;
    context.TextFieldFocused = FocusedTextField() != nullptr;
    // The enabling pass leaves Undo and Redo disabled; the window enables them.
    if (mWindow)
        context.UndoRedo = mWindow->EnableMenuItems({});
    return context;
}

void MenuBar::Update()
{
    const MenuContext context = Context();
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (const MenuItemDefinition& item : menu.Items) {
            QAction* action = Item(QString::fromLatin1(item.Name));
            if (!action)
                continue;
            const MenuItemState state = MenuItemStateIn(item, context);
            action->setText(state.Text);
            action->setEnabled(state.Enabled);
        }
    }
}

} // namespace belltide
