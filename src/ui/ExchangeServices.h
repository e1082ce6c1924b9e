#pragma once

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace belltide {

class ExportDialog;
class ImportPreviewDialog;

// The dialogs of exporting and importing, behind an interface so tests can
// answer them with file names of their own.
class ExchangeServices {
public:
    virtual ~ExchangeServices() = default;
    // Shows what to export modally; true unless the user cancelled.
    virtual bool PresentExport(ExportDialog& dialog) = 0;
    // Where to write, starting from `suggested`; `filter` as a file dialog
    // takes it ("Web Pages (*.html)"). Nothing when cancelled.
    virtual std::optional<QString> ChooseExportFile(QWidget* parent, const QString& suggested, const QString& filter)
        = 0;
    // The list to import; nothing when cancelled.
    virtual std::optional<QString> ChooseImportFile(QWidget* parent) = 0;
    // Shows the preview modally; true when the user confirmed the import.
    virtual bool PresentImport(ImportPreviewDialog& dialog) = 0;
    virtual void Message(QWidget* parent, const QString& text) = 0;

    static std::unique_ptr<ExchangeServices> Platform();
};

} // namespace belltide
