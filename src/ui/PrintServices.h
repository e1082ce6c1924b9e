#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace belltide {

class PrintChoicesWindow;

// What to do about a print while meetings are missing from the schedule.
enum class PrintChoice { Complete, AsItIs, Cancel };

// The dialogs of printing, behind an interface so tests can answer them.
class PrintServices {
public:
    virtual ~PrintServices() = default;
    // True when the user accepted the page setup.
    virtual bool PageSetup(QPrinter& printer, QWidget* parent) = 0;
    // True when the user chose to print; the printer is then ready.
    virtual bool PrintDialog(QPrinter& printer, QWidget* parent) = 0;
    // Shows the choices modally; true unless the user cancelled.
    virtual bool PresentChoices(PrintChoicesWindow& choices) = 0;
    // Shows the pages `paint` draws on the printer, before anything is printed.
    virtual void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint, QWidget* parent) = 0;
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // The schedule lacks `missing` meetings: complete it first, print it as it
    // is, or not print.
    virtual PrintChoice AskCompleteBeforePrint(QWidget* parent, int missing) = 0;

    static std::unique_ptr<PrintServices> Platform();
};

// The application's printer settings, shared by its windows: made on first
// use, in landscape (the only way schedules print), kept until it quits.
class PrinterSettings {
public:
    PrinterSettings();
    ~PrinterSettings();
    PrinterSettings(const PrinterSettings&) = delete;
    PrinterSettings& operator=(const PrinterSettings&) = delete;
    QPrinter& Printer();

private:
    std::unique_ptr<QPrinter> mPrinter;
};

} // namespace belltide
