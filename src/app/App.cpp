#include "App.h"

#include "DocumentController.h"
#include "QtMessagePresenter.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "ui/AboutWindow.h"
#include "ui/BuildConfig.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/MainWindow.h"
#include "ui/MenuBar.h"
#include "ui/PrintServices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QUrl>

namespace belltide {

namespace {

const QString kInstantHelp = QStringLiteral("InstantHelp");
const QString kLastSchedule = QStringLiteral("LastSchedule");

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(), Qt::CaseInsensitive) == 0;
}

} // namespace

App::App(std::unique_ptr<Registry> registry, std::unique_ptr<DocumentDialogs> dialogs)
    : Prefs(*registry)
    , mRegistry(std::move(registry))
    , mDialogs(std::move(dialogs))
    , mUrlOpener(std::make_unique<DesktopUrlOpener>())
    , mMessages(std::make_unique<QtMessagePresenter>())
    , mPrinterSettings(std::make_unique<PrinterSettings>())
{
#ifdef Q_OS_MACOS
    mMenuBar = std::make_unique<QMenuBar>();
    (new MenuBar(mMenuBar.get(), nullptr))->SetApplicationCommands(this);
#endif
}

App::~App()
{
    for (const QPointer<MainWindow>& window : mWindows)
        delete window.data();
    delete mAbout.data();
}

void App::Open()
{
    Prefs.CompanyName = QStringLiteral("Quorvane");
    Prefs.ApplicationName = QStringLiteral("Belltide");
    Prefs.Location = 0;
    Prefs.Load();
    // Rewritten at every start, so a program moved to another folder repairs it.
    const QString icon = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("DocIcon.ico"));
    AssociateFileType(QString::fromLatin1(SchoolDocument::kExtension), QString::fromLatin1(SchoolDocument::kTypeName),
        QCoreApplication::applicationFilePath(), icon);
    ShowInstantHelp = Prefs.Value(kInstantHelp, true).toBool();
    IsLaunching = true;
}

void App::NewDocument()
{
    if (IsLaunching) {
        IsLaunching = false;
        if (Prefs.HasKey(kLastSchedule)) {
            const QString last = Prefs.Value(kLastSchedule, QString()).toString();
            if (!last.isEmpty() && QFileInfo(last).isFile() && OpenDoc(last))
                return;
        }
    }
    NewDoc();
}

void App::OpenDocument(const QString& file)
{
    OpenDoc(file);
    IsLaunching = false;
}

void App::Close()
{
    Prefs.SetValue(kInstantHelp, ShowInstantHelp);
    if (const Status saved = Prefs.SaveIfNeeded(); !saved)
        mDialogs->ShowError(nullptr, saved.Error());
}

void App::Launch(const QStringList& documents)
{
    Open();
    for (const QString& document : documents)
        OpenDocument(document);
    if (documents.isEmpty())
        NewDocument();
    if (Windows().isEmpty())
        NewDoc();
}

void App::DocumentsFromLaterStart(const QStringList& documents)
{
    IsLaunching = false;
    MainWindow* shown = nullptr;
    for (const QString& document : documents) {
        if (MainWindow* window = OpenDoc(document))
            shown = window;
    }
    if (documents.isEmpty())
        shown = NewDoc();
    // Asked for from a shell or file manager, so the window comes forward.
    if (shown) {
        shown->raise();
        shown->activateWindow();
    }
}

MainWindow* App::NewDoc()
{
    return ShowWindow(QString(), std::make_shared<School>());
}

MainWindow* App::OpenDoc(const QString& file)
{
    for (MainWindow* window : Windows()) {
        if (!window->DiskFile().isEmpty() && SameFile(window->DiskFile(), file)) {
            window->showNormal();
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    const QString path = QFileInfo(file).absoluteFilePath();
    QString warning;
    Result<std::shared_ptr<School>> read = SchoolDocument::Read(path, &warning);
    if (!read) {
        mDialogs->ShowError(FrontWindow(), read.Error());
        return nullptr;
    }
    MainWindow* window = ShowWindow(path, read.TakeValue());
    if (!warning.isEmpty())
        mDialogs->ShowError(window, warning);
    return window;
}

MainWindow* App::ShowWindow(const QString& file, std::shared_ptr<School> school)
{
    const QList<MainWindow*> open = Windows();
    auto* window = new MainWindow(file, std::move(school));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetDocumentHandler(std::make_unique<DocumentController>(*this, *window));
    window->SetApplicationCommands(this);
    window->SetPrinterSettings(mPrinterSettings.get());
    window->ShowInstantHelp = [this] { return ShowInstantHelp; };
    // Each new window a little below and right of the last, so none hides another.
    if (!open.isEmpty())
        window->move(open.last()->pos() + QPoint(24, 24));
    mWindows.removeIf([](const QPointer<MainWindow>& gone) { return gone.isNull(); });
    mWindows.append(window);
    window->show();
    return window;
}

Status App::AssociateFileType(
    const QString& extension, const QString& typeName, const QString& executablePath, const QString& iconPath)
{
    const std::shared_ptr<RegistryKey> root = mRegistry->Open(RegistryRoot::ClassesRoot);
    const auto setDefault = [&](const QString& path, const std::optional<QString>& value) {
        auto key = root->AddSubkey(path);
        if (!key)
            return Status::Fail(key.Error());
        return value ? key.Value()->SetValue(QString(), RegistryValue::String(*value)) : Status::Ok({});
    };
    const QString quote = QStringLiteral("\"");
    const QString command = quote + executablePath + QStringLiteral("\" \"%1\"");
    for (const Status& status : { setDefault(extension, typeName), setDefault(typeName, std::nullopt),
             setDefault(typeName + QStringLiteral("\\DefaultIcon"), iconPath),
             setDefault(typeName + QStringLiteral("\\shell\\open\\command"), command) }) {
        if (!status)
            return status;
    }
    return root->Flush();
}

bool App::FileNewSchedule()
{
    NewDoc();
    return true;
}

bool App::FileOpenSchedule()
{
    if (const std::optional<QString> file = mDialogs->ChooseOpenFile(FrontWindow()))
        OpenDoc(*file);
    return true;
}

bool App::HelpAboutBelltide()
{
    if (!mAbout) {
        mAbout = new AboutWindow(Version, QUrl(QString::fromLatin1(BuildConfig::Website)), *mUrlOpener);
        mAbout->setAttribute(Qt::WA_DeleteOnClose);
    }
    mAbout->show();
    mAbout->raise();
    mAbout->activateWindow();
    return true;
}

AboutWindow* App::About() const
{
    return mAbout;
}

bool App::HelpBelltideWebsite()
{
    mUrlOpener->OpenUrl(QUrl(QString::fromLatin1(BuildConfig::Website)));
    return true;
}

bool App::HelpEmailCustomerService()
{
    mUrlOpener->OpenUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(BuildConfig::CustomerServiceEmail)));
    return true;
}

bool App::HelpCheckforUpdates()
{
    return UpdateCheck(Updates, Version, *mMessages, *mUrlOpener).Run(QApplication::activeWindow());
}

void App::SetUrlOpener(std::unique_ptr<UrlOpener> opener)
{
    mUrlOpener = std::move(opener);
}

void App::SetMessages(std::unique_ptr<MessagePresenter> messages)
{
    mMessages = std::move(messages);
}

void App::DocumentWritten(const QString& file)
{
    Prefs.SetValue(kLastSchedule, QFileInfo(file).absoluteFilePath());
    // Kept at once rather than only at shutdown: a program that is killed or a
    // computer switched off should still find this schedule next time.
    Prefs.SaveIfNeeded();
}

QList<MainWindow*> App::Windows() const
{
    QList<MainWindow*> open;
    for (const QPointer<MainWindow>& window : mWindows) {
        // A closed window waits hidden for its deletion.
        if (window && window->isVisible())
            open.append(window);
    }
    return open;
}

MainWindow* App::FrontWindow() const
{
    return qobject_cast<MainWindow*>(QApplication::activeWindow());
}

} // namespace belltide
