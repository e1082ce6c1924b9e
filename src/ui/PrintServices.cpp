#include "PrintServices.h"

#include "PrintChoicesWindow.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

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

    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) override
    {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Print Preview"));
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* paper) { paint(*paper); });
        dialog.exec();
    }

    void Message(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, QStringLiteral("Belltide"), text);
    }

    PrintChoice AskCompleteBeforePrint(QWidget* parent, int missing) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Belltide"),
            missing == 1 ? QStringLiteral("1 meeting is missing from the schedule.")
                         : QStringLiteral("%1 meetings are missing from the schedule.").arg(missing),
            QMessageBox::NoButton, parent);
        box.setInformativeText(QStringLiteral("Complete the schedule before printing it?"));
        QPushButton* complete = box.addButton(QStringLiteral("Complete and Print"), QMessageBox::AcceptRole);
        QPushButton* asItIs = box.addButton(QStringLiteral("Print As It Is"), QMessageBox::DestructiveRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(complete);
        box.exec();
        if (box.clickedButton() == complete)
            return PrintChoice::Complete;
        return box.clickedButton() == asItIs ? PrintChoice::AsItIs : PrintChoice::Cancel;
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
    if (!mPrinter) {
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Page Setup shows what printing uses, so an untouched OK is no change.
        mPrinter->setPageOrientation(QPageLayout::Landscape);
    }
    return *mPrinter;
}

} // namespace belltide
