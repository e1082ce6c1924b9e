#pragma once

#include "undo/WindowUndoHost.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace belltide {

class ApplicationCommands;
class AttendancePage;
class ClassesPage;
class DocumentHandler;
class ExchangeServices;
class HeadingCanvas;
class HelpCanvas;
class HomePage;
class MenuBar;
class PageContext;
class PrintServices;
class PrinterSettings;
class ScheduleExchange;
class SchedulePage;
class School;
class SchoolScheduleKeeper;
class SchoolInfoPage;
class SpecialsPage;
class StepPage;
class StepPicture;

// The document window: leads the user through the six steps, one page each,
// with a heading, Continue and Back, a "Go to:" row and the instant help. It is
// also the undo host of its document: every notification brings it up to date.
class MainWindow : public QMainWindow, public WindowUndoHost {
    Q_OBJECT

public:
    explicit MainWindow(std::shared_ptr<School> school, const MicrosecondClock& clock = MicrosecondClock::Steady(),
        QWidget* parent = nullptr);
    // A document: `file` is where it was opened from, empty for a new school.
    MainWindow(const QString& file, std::shared_ptr<School> school,
        const MicrosecondClock& clock = MicrosecondClock::Steady(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The file the document was opened from or last saved to; empty for a new
    // school never saved.
    const QString& DiskFile() const { return mDiskFile; }
    void SetDiskFile(const QString& file) { mDiskFile = file; }
    // Saving and closing are the application's: it installs the handler.
    void SetDocumentHandler(std::unique_ptr<DocumentHandler> handler);
    DocumentHandler* Document() const { return mDocument.get(); }
    // New, Open and the Help items; without them those items stay disabled.
    void SetApplicationCommands(ApplicationCommands* commands);
    // Menu handlers; true: the command was handled.
    bool FileSave();
    bool FileSaveAs();
    bool FileClose();

    // The only way to change steps; numbers outside 0-5 change nothing.
    void GoToStep(int step);
    int CurrentPanel() const { return mCurrentPanel; }

    void ShowHelp(const QString& text);
    void HideHelp();
    // What the pages work with: the school, the undo manager, the clock, the
    // internal-change guard and the help area.
    PageContext& Context() const { return *mContext; }
    static QImage PictureForStep(int step);

    // Whether the lunch start field shows its help; the preference behind it
    // belongs to the application.
    std::function<bool()> ShowInstantHelp = [] { return true; };

    School& GetSchool() const { return *mSchool; }
    std::shared_ptr<School> SchoolPtr() const { return mSchool; }

    int mPageBeforePrint = -1;

    HeadingCanvas* Heading() const { return mHeadingCanvas; }
    HelpCanvas* Help() const { return mHelpCanvas; }
    HomePage* Home() const { return mHomePage; }
    QPushButton* ContinueButton() const { return mContinueButton; }
    QPushButton* BackButton() const { return mBackButton; }
    QWidget* GotoGroup() const { return mGotoGroup; }
    StepPicture* GotoCanvas(int step) const { return mGotoCanvas[std::size_t(step)]; }
    StepPage* Page(int step) const { return mPages[std::size_t(step)]; }
    SchoolInfoPage& SchoolInfo() const { return *mSchoolInfoPage; }
    ClassesPage& Classes() const { return *mClassesPage; }
    SpecialsPage& Specials() const { return *mSpecialsPage; }
    AttendancePage& Attendance() const { return *mAttendancePage; }
    belltide::SchedulePage& SchedulePage() const { return *mSchedulePage; }

    // Printing: the dialogs can be replaced (tests), and the printer settings
    // are the application's when it hands them over.
    void SetPrintServices(std::unique_ptr<PrintServices> services);
    void SetPrinterSettings(PrinterSettings* settings) { mPageSetup = settings; }
    bool FilePageSetup();
    bool FilePrint();
    void DoPrint();
    // Export and import: the dialogs can be replaced (tests).
    void SetExchangeServices(std::unique_ptr<ExchangeServices> services);
    ScheduleExchange& Exchange() const { return *mExchange; }
    bool FileExport();
    bool FileImport();
    // The Schedule menu: a new schedule keeping pins, or the missing meetings placed.
    bool ScheduleNew();
    bool ScheduleComplete();

    belltide::MenuBar& Menus() const { return *mMenus; }
    QAction* UndoAction() const;
    QAction* RedoAction() const;

    // Brings every menu item up to date, Undo and Redo with the undo manager.
    void UpdateMenus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void NotificationReceived(Notification name, const ActionTag& tag) override;
    void RefreshMenus() override { UpdateMenus(); }

private:
    void BuildFrame();
    void BuildMenus();
    void LoadFromSchool();
    void SchedulePage_GenerationEnded();
    PrinterSettings& PageSetup();
    QWidget* BuildBottomRow();
    void WatchForHelp(QWidget* root);
    void Panel_Change(int page);
    void CommitPage(int page);
    void SetupPage(int page);
    void ContinueButton_Action();
    void BackButton_Action();

    std::shared_ptr<School> mSchool;
    QString mDiskFile;
    std::unique_ptr<DocumentHandler> mDocument;
    int mCurrentPanel = 0;
    bool mOpened = false;
    std::array<QPointer<QWidget>, 6> mPageFocus;

    HeadingCanvas* mHeadingCanvas = nullptr;
    QStackedWidget* mPanel = nullptr;
    HelpCanvas* mHelpCanvas = nullptr;
    HomePage* mHomePage = nullptr;
    SchoolInfoPage* mSchoolInfoPage = nullptr;
    ClassesPage* mClassesPage = nullptr;
    SpecialsPage* mSpecialsPage = nullptr;
    AttendancePage* mAttendancePage = nullptr;
    belltide::SchedulePage* mSchedulePage = nullptr;
    std::unique_ptr<SchoolScheduleKeeper> mScheduleKeeper;
    std::unique_ptr<PageContext> mContext;
    std::unique_ptr<PrintServices> mPrintServices;
    std::unique_ptr<ExchangeServices> mExchangeServices;
    std::unique_ptr<ScheduleExchange> mExchange;
    std::unique_ptr<PrinterSettings> mOwnPageSetup;
    PrinterSettings* mPageSetup = nullptr;
    std::array<StepPage*, 6> mPages {};
    QPushButton* mContinueButton = nullptr;
    QPushButton* mBackButton = nullptr;
    QWidget* mGotoGroup = nullptr;
    std::array<StepPicture*, 6> mGotoCanvas {};
    belltide::MenuBar* mMenus = nullptr;
};

} // namespace belltide
