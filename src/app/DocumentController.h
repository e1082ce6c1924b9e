#pragma once

#include "ui/DocumentHandler.h"

#include <QByteArray>
#include <QString>

namespace belltide {

class App;
class MainWindow;

// The life of one document window: saving it, saving it elsewhere, and asking
// about unsaved changes before it closes.
class DocumentController final : public DocumentHandler {
public:
    DocumentController(App& app, MainWindow& window);

    bool PerformSave() override;
    bool PerformSaveAs() override;
    // Writes the school to the window's file; on failure shows why and changes
    // nothing else: the window stays dirty and the last schedule stays as it was.
    bool WriteToFile();
    bool CancelClose(bool appQuitting) override;

    // A school's name with the schedule extension, fit to be a file name.
    static QString SuggestedFileName(const QString& schoolName);

private:
    bool HasUnsavedChanges();

    App& mApp;
    MainWindow& mWindow;
    // The document as last opened or saved. Undo depth alone can miss a change:
    // an edit merged into the action that was saved, or an undo followed by
    // another edit, leaves the depth as it was.
    QByteArray mSavedContent;
};

} // namespace belltide
