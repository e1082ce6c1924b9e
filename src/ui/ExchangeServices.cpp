#include "ExchangeServices.h"

#include "ExportDialog.h"
#include "ImportPreviewDialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace belltide {

namespace {

class PlatformExchangeServices : public ExchangeServices {
public:
    bool PresentExport(ExportDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }

    std::optional<QString> ChooseExportFile(QWidget* parent, const QString& suggested, const QString& filter) override
    {
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Export"), suggested, filter);
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }

    std::optional<QString> ChooseImportFile(QWidget* parent) override
    {
        const QString file = QFileDialog::getOpenFileName(parent, QStringLiteral("Import Classes and Specials"),
            QString(), QStringLiteral("Lists (*.csv *.txt);;All Files (*)"));
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }

    bool PresentImport(ImportPreviewDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }

    void Message(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, QStringLiteral("Belltide"), text);
    }
};

} // namespace

std::unique_ptr<ExchangeServices> ExchangeServices::Platform()
{
    return std::make_unique<PlatformExchangeServices>();
}

} // namespace belltide
