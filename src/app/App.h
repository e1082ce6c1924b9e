#pragma once

#include "DocumentDialogs.h"
#include "Preferences.h"
#include "Registry.h"
#include "model/Result.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

namespace belltide {

class MainWindow;
class School;

// The application object: starts up, opens and creates documents, one window
// each, and keeps the preferences for the whole run.
class App {
public:
    App(std::unique_ptr<Registry> registry, std::unique_ptr<DocumentDialogs> dialogs);
    ~App();

    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Preferences Prefs;
    // True from the end of start-up until the first document is opened or created.
    bool IsLaunching = false;
    bool ShowInstantHelp = true;

    // The platform's events: start-up; a request for a document when started
    // without one; a document handed over; shutdown.
    void Open();
    void NewDocument();
    void OpenDocument(const QString& file);
    void Close();

    // Start-up as the platform runs it: the documents named, else the last
    // schedule or a new school. A run never starts without a window, so a
    // document that could not be opened leaves a new school on screen.
    void Launch(const QStringList& documents);

    MainWindow* NewDoc();
    // Brings forward the window that has `file` already; otherwise reads it. On
    // failure shows why and gives nothing.
    MainWindow* OpenDoc(const QString& file);

    // Registers the document type with the shell: the extension names the type,
    // the type has an icon and an open command.
    Status AssociateFileType(
        const QString& extension, const QString& typeName, const QString& executablePath, const QString& iconPath);

    // Menu handlers for commands that need no document.
    bool FileNewSchedule();
    bool FileOpenSchedule();

    // Called by a window after its document was written.
    void DocumentWritten(const QString& file);

    DocumentDialogs& Dialogs() const { return *mDialogs; }
    Registry& GetRegistry() const { return *mRegistry; }
    // The open document windows, oldest first.
    QList<MainWindow*> Windows() const;

private:
    MainWindow* ShowWindow(const QString& file, std::shared_ptr<School> school);
    MainWindow* FrontWindow() const;

    std::unique_ptr<Registry> mRegistry;
    std::unique_ptr<DocumentDialogs> mDialogs;
    QList<QPointer<MainWindow>> mWindows;
};

} // namespace belltide
