#pragma once

#include "DocumentDialogs.h"
#include "Preferences.h"
#include "Registry.h"
#include "UpdateCheck.h"
#include "model/Result.h"
#include "ui/AppVersion.h"
#include "ui/ApplicationCommands.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QMenuBar;

namespace belltide {

class AboutWindow;
class MainWindow;
class MessagePresenter;
class PrinterSettings;
class School;
class UrlOpener;

// The application object: starts up, opens and creates documents, one window
// each, keeps the preferences for the whole run, and answers the menu commands
// that need no document.
class App : public ApplicationCommands {
public:
    App(std::unique_ptr<Registry> registry, std::unique_ptr<DocumentDialogs> dialogs);
    ~App() override;

    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Preferences Prefs;
    // True from the end of start-up until the first document is opened or created.
    bool IsLaunching = false;
    bool ShowInstantHelp = true;
    AppVersion Version = AppVersion::Current();
    UpdateServer Updates = UpdateServer::Configured();

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
    // Documents from a later start of the program, which handed them over and
    // ended: each opens in a window of its own, in front; a start without any
    // asks for a new school.
    void DocumentsFromLaterStart(const QStringList& documents);

    MainWindow* NewDoc();
    // Brings forward the window that has `file` already; otherwise reads it. On
    // failure shows why and gives nothing.
    MainWindow* OpenDoc(const QString& file);

    // Registers the document type with the shell: the extension names the type,
    // the type has an icon and an open command.
    Status AssociateFileType(
        const QString& extension, const QString& typeName, const QString& executablePath, const QString& iconPath);

    // Menu handlers for commands that need no document.
    bool FileNewSchedule() override;
    bool FileOpenSchedule() override;
    bool HelpAboutBelltide() override;
    bool HelpBelltideWebsite() override;
    bool HelpEmailCustomerService() override;
    bool HelpCheckforUpdates() override;

    // Called by a window after its document was written.
    void DocumentWritten(const QString& file);

    DocumentDialogs& Dialogs() const { return *mDialogs; }
    // The browser and mail program, and the message boxes; tests put their own
    // before any window uses them.
    void SetUrlOpener(std::unique_ptr<UrlOpener> opener);
    void SetMessages(std::unique_ptr<MessagePresenter> messages);
    // The about window while it is open.
    AboutWindow* About() const;
    Registry& GetRegistry() const { return *mRegistry; }
    // The open document windows, oldest first.
    QList<MainWindow*> Windows() const;

private:
    MainWindow* ShowWindow(const QString& file, std::shared_ptr<School> school);
    MainWindow* FrontWindow() const;

    std::unique_ptr<Registry> mRegistry;
    std::unique_ptr<DocumentDialogs> mDialogs;
    std::unique_ptr<UrlOpener> mUrlOpener;
    std::unique_ptr<MessagePresenter> mMessages;
    QList<QPointer<MainWindow>> mWindows;
    QPointer<AboutWindow> mAbout;
    // One printer and page setup for every window, as long as the program runs.
    std::unique_ptr<PrinterSettings> mPrinterSettings;
    // Shown by platforms that keep a program running with every window
    // closed; elsewhere each document window carries its own.
    std::unique_ptr<QMenuBar> mMenuBar;
};

} // namespace belltide
