#include "PrintServices.h"

#include "PrintChoicesWindow.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace belltide {

namespace {

class PlatformPrintServices : public PrintServices {
public:
    bool PageSetup(QPrinter& printer, QWidget* parent) override
    {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool PrintDialog(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool PresentChoices(PrintChoicesWindow& choices) override
    {
        choices.exec();
        return !choices.Cancelled();
    }

    void Message(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, QStringLiteral("Belltide"), text);
    }
};

} // namespace

std::unique_ptr<PrintServices> PrintServices::Platform()
{
    return std::make_unique<PlatformPrintServices>();
}

PrinterSettings::PrinterSettings() = default;
PrinterSettings::~PrinterSettings() = default;

QPrinter& PrinterSettings::Printer()
{
    if (!mPrinter)
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *mPrinter;
}

} // namespace belltide
