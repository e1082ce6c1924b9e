#pragma once

#include "MenuItems.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;

namespace belltide {

class ApplicationCommands;
class MainWindow;

// File, Edit and Help on a menu bar. Commands that need no document go to the
// application, document commands to the window the bar belongs to, editing
// commands to the focused text field; items are enabled only while whoever
// answers them is there.
class MenuBar : public QObject {
    Q_OBJECT

public:
    // `window` gets the document commands. Without one this is the bar a
    // platform shows when no document window is open: they stay disabled.
    MenuBar(QMenuBar* bar, MainWindow* window);

    void SetApplicationCommands(ApplicationCommands* commands);
    QAction* Item(const QString& name) const { return mItems.value(name); }
    QMenu* Menu(const QString& name) const { return mMenus.value(name); }

    MenuContext Context() const;
    // A disabled item's shortcut does nothing, so this runs whenever the
    // answer may change (focus, undo, a menu opening), not only on opening.
    void Update();

private:
    QAction* AddItem(QMenu* menu, const MenuItemDefinition& definition);
    void Perform(const MenuItemDefinition& definition);
    bool PerformTextCommand(const QString& name);
    QLineEdit* FocusedTextField() const;

    MainWindow* mWindow;
    ApplicationCommands* mCommands = nullptr;
    QHash<QString, QAction*> mItems;
    QHash<QString, QMenu*> mMenus;
};

} // namespace belltide
