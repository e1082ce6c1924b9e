#include "DocumentController.h"

#include "App.h"
#include "DocumentDialogs.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "ui/MainWindow.h"

#include <QFileInfo>

namespace belltide {

DocumentController::DocumentController(App& app, MainWindow& window)
    : mApp(app)
    , mWindow(window)
    , mSavedContent(SchoolDocument::ToBytes(window.GetSchool()))
{
}

bool DocumentController::PerformSave()
{
    if (mWindow.DiskFile().isEmpty())
        return PerformSaveAs();
    return WriteToFile();
}

bool DocumentController::PerformSaveAs()
{
    const QString suggested
        = mWindow.DiskFile().isEmpty() ? SuggestedFileName(mWindow.GetSchool().Name) : mWindow.DiskFile();
    const std::optional<QString> chosen = mApp.Dialogs().ChooseSaveFile(&mWindow, suggested);
    if (!chosen)
        return false;
    const QString previous = mWindow.DiskFile();
    mWindow.SetDiskFile(QFileInfo(*chosen).absoluteFilePath());
    if (WriteToFile())
        return true;
    // A file that could not be written is not the document's file: the next
    // Save asks again rather than failing the same way.
    mWindow.SetDiskFile(previous);
    return false;
}

bool DocumentController::WriteToFile()
{
    const Status written = SchoolDocument::Write(mWindow.GetSchool(), mWindow.DiskFile());
    if (!written) {
        mApp.Dialogs().ShowError(&mWindow, written.Error());
        return false;
    }
    mWindow.UndoManager().MarkSave();
    mWindow.MarkDirty(false);
    mSavedContent = SchoolDocument::ToBytes(mWindow.GetSchool());
    mApp.DocumentWritten(mWindow.DiskFile());
    return true;
}

bool DocumentController::CancelClose(bool)
{
    if (!HasUnsavedChanges())
        return false;
    // When the whole program quits, each window asking shows itself first.
    mWindow.raise();
    mWindow.activateWindow();
    switch (mApp.Dialogs().AskSaveChanges(&mWindow)) {
    case SaveChoice::Save:
        return !PerformSave();
    case SaveChoice::DontSave:
        return false;
    case SaveChoice::Cancel:
        return true;
    }
    return true;
}

QString DocumentController::SuggestedFileName(const QString& schoolName)
{
    QString name = schoolName.trimmed();
    name.replace(u'/', u'-');
    // Not a hidden ".psc".
    if (name.isEmpty())
        name = QStringLiteral("Untitled");
    return name + QString::fromLatin1(SchoolDocument::kExtension);
}

bool DocumentController::HasUnsavedChanges()
{
    return mWindow.Dirty() || SchoolDocument::ToBytes(mWindow.GetSchool()) != mSavedContent;
}

} // namespace belltide
