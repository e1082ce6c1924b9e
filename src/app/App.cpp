#include "App.h"

#include "DocumentController.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

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
{
}

App::~App()
{
    for (const QPointer<MainWindow>& window : mWindows)
        delete window.data();
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
    Result<std::shared_ptr<School>> read = SchoolDocument::Read(path);
    if (!read) {
        mDialogs->ShowError(FrontWindow(), read.Error());
        return nullptr;
    }
    return ShowWindow(path, read.TakeValue());
}

MainWindow* App::ShowWindow(const QString& file, std::shared_ptr<School> school)
{
    const QList<MainWindow*> open = Windows();
    auto* window = new MainWindow(file, std::move(school));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetDocumentHandler(std::make_unique<DocumentController>(*this, *window));
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
    for (const Status& status : {setDefault(extension, typeName), setDefault(typeName, std::nullopt),
             setDefault(typeName + QStringLiteral("\\DefaultIcon"), iconPath),
             setDefault(typeName + QStringLiteral("\\shell\\open\\command"), command)}) {
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
