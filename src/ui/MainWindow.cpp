#include "MainWindow.h"

#include "AttendancePage.h"
#include "ClassesPage.h"
#include "DocumentHandler.h"
#include "ExchangeServices.h"
#include "HeadingCanvas.h"
#include "HelpCanvas.h"
#include "HomePage.h"
#include "MenuBar.h"
#include "PageContext.h"
#include "PrintChoicesWindow.h"
#include "PrintServices.h"
#include "Resources.h"
#include "ScheduleExchange.h"
#include "SchedulePage.h"
#include "SchoolInfoPage.h"
#include "SchoolScheduleKeeper.h"
#include "SpecialsPage.h"
#include "StepLinks.h"
#include "StepPage.h"
#include "StepTexts.h"
#include "model/School.h"
#include "output/SchedulePrinting.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>

#include <utility>

namespace belltide {

namespace {

// The step whose page shows what a notification is about; -1 for none.
int StepForNotification(Notification name)
{
    switch (name) {
    case Notification::SchoolNameChange:
    case Notification::SchoolTimeChangeDayStart:
    case Notification::SchoolTimeChangeDayEnd:
    case Notification::SchoolTimeChangeSpecialStart:
    case Notification::SchoolFreeTimeChange:
    case Notification::SchoolTimeChangeLunchStart:
    case Notification::SchoolTimeChangeLunchEnd:
    case Notification::SchoolTimeChangeLunchMax:
    case Notification::SchoolTimeChangeLunchRecess:
    case Notification::SchoolTimeChangeLunchTime:
        return kSchoolStep;
    case Notification::ClassListChange:
    case Notification::ClassTeacherChange:
    case Notification::ClassGradeChange:
    case Notification::ClassTimeChangeDayStart:
    case Notification::ClassTimeChangeDayEnd:
    case Notification::ClassNumberOfStudentsChange:
        return kClassesStep;
    case Notification::SpecialListChange:
    case Notification::SpecialTitleChange:
    case Notification::SpecialAvailabilityChange:
    case Notification::SpecialDurationChange:
    case Notification::SpecialMaxStudentsChange:
    case Notification::SpecialOverlapChange:
    case Notification::SpecialTeacherChange:
        return kSpecialsStep;
    case Notification::SpecialAttendenceChange:
        return kAttendanceStep;
    case Notification::None:
    case Notification::ScheduleChange:
        return -1;
    }
    return -1;
}

} // namespace

MainWindow::MainWindow(std::shared_ptr<School> school, const MicrosecondClock& clock, QWidget* parent)
    : MainWindow(QString(), std::move(school), clock, parent)
{
}

MainWindow::MainWindow(
    const QString& file, std::shared_ptr<School> school, const MicrosecondClock& clock, QWidget* parent)
    : QMainWindow(parent)
    , WindowUndoHost(clock)
    , mSchool(std::move(school))
    , mDiskFile(file)
    , mScheduleKeeper(std::make_unique<SchoolScheduleKeeper>(mSchool))
{
    setWindowTitle(QStringLiteral("Belltide"));
    resize(800, 480);
    UndoManager().Keeper = mScheduleKeeper.get();
    // A schedule that came with the document is shown as it was saved.
    mScheduleKeeper->Opened();
    mPrintServices = PrintServices::Platform();
    BuildFrame();
    SetExchangeServices(ExchangeServices::Platform());
    BuildMenus();
    LoadFromSchool();
}

void MainWindow::LoadFromSchool()
{
    const PageContext::InternalChange guard(*mContext);
    for (StepPage* page : mPages)
        page->Load();
}

MainWindow::~MainWindow()
{
    // The menus and the pages go first, while the undo host still exists:
    // controls losing the focus as they die must not turn into edits, nor ask
    // a half-destroyed window for the state of its menus.
    delete std::exchange(mMenus, nullptr);
    const PageContext::InternalChange closing(*mContext);
    delete takeCentralWidget();
    UndoManager().Keeper = nullptr;
}

void MainWindow::BuildFrame()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    mHeadingCanvas = new HeadingCanvas(central);
    column->addWidget(mHeadingCanvas);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    // The help area comes first: the pages get it with their context.
    mHelpCanvas = new HelpCanvas(central);
    mContext = std::make_unique<PageContext>(mSchool, UndoManager(), Clock(), *mHelpCanvas);
    mPanel = new QStackedWidget(central);
    mPanel->setObjectName(QStringLiteral("Panel"));
    mHomePage = new HomePage(mPanel);
    connect(mHomePage, &HomePage::StepChosen, this, &MainWindow::GoToStep);
    mSchoolInfoPage = new SchoolInfoPage(*mContext, mPanel);
    connect(mSchoolInfoPage, &SchoolInfoPage::TitleChanged, this, &QWidget::setWindowTitle);
    mClassesPage = new ClassesPage(*mContext, mPanel);
    mSpecialsPage = new SpecialsPage(*mContext, mPanel);
    mAttendancePage = new AttendancePage(*mContext, mPanel);
    mSchedulePage = new belltide::SchedulePage(*mContext, mPanel);
    connect(mSchedulePage, &SchedulePage::GenerationEnded, this, &MainWindow::SchedulePage_GenerationEnded);
    mPages = { mHomePage, mSchoolInfoPage, mClassesPage, mSpecialsPage, mAttendancePage, mSchedulePage };
    for (StepPage* page : mPages)
        mPanel->addWidget(page);
    middle->addWidget(mPanel, 1);
    middle->addWidget(mHelpCanvas);
    column->addLayout(middle, 1);
    column->addWidget(BuildBottomRow());
    setCentralWidget(central);

    connect(mPanel, &QStackedWidget::currentChanged, this, &MainWindow::Panel_Change);
}

QWidget* MainWindow::BuildBottomRow()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(12, 6, 12, 8);

    mGotoGroup = new QWidget(bar);
    mGotoGroup->setObjectName(QStringLiteral("GotoGroup"));
    auto* gotoRow = new QHBoxLayout(mGotoGroup);
    gotoRow->setContentsMargins(0, 0, 0, 0);
    gotoRow->setSpacing(6);
    auto* label = new QLabel(QStringLiteral("Go to:"), mGotoGroup);
    label->setObjectName(QStringLiteral("StaticText20"));
    gotoRow->addWidget(label);
    for (int step = 0; step < kStepCount; ++step) {
        auto* canvas = new StepPicture(step, PictureForStep(step), 20, mGotoGroup);
        canvas->setObjectName(QStringLiteral("GotoCanvas%1").arg(step));
        canvas->setToolTip(QString::fromLatin1(TextForStep(step).HeadingBig));
        connect(canvas, &StepPicture::Clicked, this, &MainWindow::GoToStep);
        mGotoCanvas[std::size_t(step)] = canvas;
        gotoRow->addWidget(canvas);
    }
    row->addWidget(mGotoGroup);
    row->addStretch(1);

    mBackButton = new QPushButton(QStringLiteral("Back"), bar);
    mBackButton->setObjectName(QStringLiteral("BackButton"));
    mContinueButton = new QPushButton(QStringLiteral("Continue"), bar);
    mContinueButton->setObjectName(QStringLiteral("ContinueButton"));
    mContinueButton->setDefault(true);
    for (QPushButton* button : { mBackButton, mContinueButton }) {
        button->setFixedHeight(std::max(22, button->sizeHint().height()));
        button->setMinimumWidth(90);
        row->addWidget(button);
    }
    connect(mBackButton, &QPushButton::clicked, this, &MainWindow::BackButton_Action);
    connect(mContinueButton, &QPushButton::clicked, this, &MainWindow::ContinueButton_Action);
    return bar;
}

void MainWindow::BuildMenus()
{
    mMenus = new belltide::MenuBar(menuBar(), this);
    // A document window also takes Ctrl+Y for redo, as Windows programs do.
    RedoAction()->setShortcuts({ RedoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y) });
}

void MainWindow::SetApplicationCommands(ApplicationCommands* commands)
{
    mMenus->SetApplicationCommands(commands);
}

QAction* MainWindow::UndoAction() const
{
    return mMenus->Item(QStringLiteral("EditUndo"));
}

QAction* MainWindow::RedoAction() const
{
    return mMenus->Item(QStringLiteral("EditRedo"));
}

void MainWindow::SetPrintServices(std::unique_ptr<PrintServices> services)
{
    mPrintServices = std::move(services);
}

PrinterSettings& MainWindow::PageSetup()
{
    if (!mPageSetup) {
        mOwnPageSetup = std::make_unique<PrinterSettings>();
        mPageSetup = mOwnPageSetup.get();
    }
    return *mPageSetup;
}

bool MainWindow::FilePageSetup()
{
    QPrinter& printer = PageSetup().Printer();
    if (mPrintServices->PageSetup(printer, this) && printer.pageLayout().orientation() != QPageLayout::Landscape) {
        mPrintServices->Message(this,
            QStringLiteral("Belltide only supports printing in landscape.\n\n"
                           "This setting has been reverted."));
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    return true;
}

bool MainWindow::FilePrint()
{
    if (mSchool->Schedule && !mSchedulePage->IsGenerating()) {
        const int missing = mSchedulePage->MissingMeetings();
        switch (missing > 0 ? mPrintServices->AskCompleteBeforePrint(this, missing) : PrintChoice::AsItIs) {
        case PrintChoice::AsItIs:
            DoPrint();
            return true;
        case PrintChoice::Cancel:
            return true;
        case PrintChoice::Complete:
            mPageBeforePrint = mCurrentPanel;
            GoToStep(kScheduleStep);
            mSchedulePage->CompleteSchedule();
            return true;
        }
    }
    // The schedule step makes one; the print follows when it is done.
    mPageBeforePrint = mCurrentPanel;
    GoToStep(kScheduleStep);
    if (mPageBeforePrint >= 0 && !mSchedulePage->IsGenerating()) {
        // Nothing started: the step already shows why there is no schedule,
        // and no print may wait for a run the user starts later.
        mPageBeforePrint = -1;
        mPrintServices->Message(this, QStringLiteral("There is no schedule to print. ") + mSchedulePage->FailureText());
    }
    return true;
}

bool MainWindow::ScheduleNew()
{
    GoToStep(kScheduleStep);
    mSchedulePage->NewSchedule();
    return true;
}

bool MainWindow::ScheduleComplete()
{
    GoToStep(kScheduleStep);
    mSchedulePage->CompleteSchedule();
    return true;
}

void MainWindow::DoPrint()
{
    PrinterSettings& settings = PageSetup();
    PrintChoicesWindow choices(this);
    choices.Fill(*mSchool);
    QPrinter& printer = settings.Printer();
    // In points, as the page header's sizes are meant: a printer's own dots
    // (600 an inch) would make the grid's lines hairlines and its insets
    // slivers. Set at each drawing, as the print dialog may pick a printer
    // that brings its own.
    const auto draw = [&](QPrinter& paper) {
        paper.setResolution(72);
        PrintSchedules(*mSchool, choices.WhatToPrint, paper, choices.PrintPins);
    };
    connect(&choices, &PrintChoicesWindow::PreviewRequested, this,
        [&] { mPrintServices->Preview(printer, draw, &choices); });
    if (!mPrintServices->PresentChoices(choices))
        return;
    choices.CollectChoices();
    if (!mPrintServices->PrintDialog(printer, this))
        return;
    draw(printer);
}

void MainWindow::SetExchangeServices(std::unique_ptr<ExchangeServices> services)
{
    mExchangeServices = std::move(services);
    mExchange = std::make_unique<ScheduleExchange>(*mContext, *mExchangeServices, this);
}

bool MainWindow::FileExport()
{
    mExchange->Export();
    return true;
}

bool MainWindow::FileImport()
{
    mExchange->Import();
    return true;
}

void MainWindow::SchedulePage_GenerationEnded()
{
    if (mPageBeforePrint < 0)
        return;
    const int page = mPageBeforePrint;
    mPageBeforePrint = -1;
    if (!mSchool->Schedule) {
        // Empty grids would say nothing: the step shows why, and so does this.
        mPrintServices->Message(this, QStringLiteral("There is no schedule to print. ") + mSchedulePage->FailureText());
        return;
    }
    // Back where the print was asked for, unless the user has moved on since.
    if (mCurrentPanel == kScheduleStep)
        GoToStep(page);
    DoPrint();
}

void MainWindow::SetDocumentHandler(std::unique_ptr<DocumentHandler> handler)
{
    mDocument = std::move(handler);
}

bool MainWindow::FileSave()
{
    if (mDocument)
        mDocument->PerformSave();
    return true;
}

bool MainWindow::FileSaveAs()
{
    if (mDocument)
        mDocument->PerformSaveAs();
    return true;
}

bool MainWindow::FileClose()
{
    close();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unsaved changes may keep the window open.
    if (mDocument && mDocument->CancelClose(false)) {
        event->ignore();
        return;
    }
    // A print waiting for the schedule goes with the window.
    mPageBeforePrint = -1;
    mSchedulePage->Leave();
    QMainWindow::closeEvent(event);
}

void MainWindow::UpdateMenus()
{
    if (mMenus)
        mMenus->Update();
}

void MainWindow::NotificationReceived(Notification name, const ActionTag& tag)
{
    // The schedule keeper has already kept what still fits; a run in progress
    // was for the school as it was. Then every page brings up to date what it
    // derives from the school, whoever made the change.
    mSchedulePage->Follow(name, tag);
    for (StepPage* page : mPages) {
        if (page != mSchedulePage)
            page->Follow(name, tag);
    }
    UpdateMenus();
    if (mContext->IsInternalChange())
        return;
    const PageContext::InternalChange guard(*mContext);
    const int step = StepForNotification(name);
    if (step < 0)
        return;
    GoToStep(step);
    mPages[std::size_t(step)]->React(name, tag);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (mOpened)
        return;
    mOpened = true;
    WatchForHelp(this);
    SetupPage(mCurrentPanel);
}

void MainWindow::WatchForHelp(QWidget* root)
{
    for (QWidget* child : root->findChildren<QWidget*>())
        child->installEventFilter(this);
}

QImage MainWindow::PictureForStep(int step)
{
    if (PageNumberToStep(step) < 0)
        return {};
    return Resources::GetIcon(QString::fromLatin1(TextForStep(step).Icon));
}

void MainWindow::GoToStep(int step)
{
    mPageFocus[std::size_t(mCurrentPanel)] = QApplication::focusWidget();
    if (PageNumberToStep(step) < 0)
        return;
    mPanel->setCurrentIndex(step);
}

void MainWindow::Panel_Change(int page)
{
    CommitPage(mCurrentPanel);
    mCurrentPanel = page;
    SetupPage(mCurrentPanel);
}

void MainWindow::CommitPage(int page)
{
    // A run a print waits for goes on while the user looks elsewhere.
    if (page == kScheduleStep && mPageBeforePrint < 0)
        mSchedulePage->Leave();
}

void MainWindow::SetupPage(int page)
{
    HideHelp();
    const int step = PageNumberToStep(page);
    mBackButton->setEnabled(step != kHomeStep);
    mGotoGroup->setVisible(step != kHomeStep);
    mContinueButton->setEnabled(step != kScheduleStep);
    mHelpCanvas->SetFallbackHelp(QString());

    const StepText& text = TextForStep(step);
    mHeadingCanvas->SetHeading(
        PictureForStep(step), QString::fromLatin1(text.HeadingBig), QString::fromLatin1(text.HeadingSmall));
    mHelpCanvas->SetFallbackHelp(QString::fromLatin1(text.FallbackHelp));
    mHelpCanvas->SetProblem(mPages[std::size_t(step)]->Problem());
    if (QWidget* first = mPages[std::size_t(step)]->FirstControl())
        first->setFocus(Qt::OtherFocusReason);
    if (step == kScheduleStep)
        mSchedulePage->Enter();

    // Coming back to a page puts the user where they left it.
    if (QWidget* remembered = mPageFocus[std::size_t(page)];
        remembered && mPages[std::size_t(page)]->isAncestorOf(remembered))
        remembered->setFocus(Qt::OtherFocusReason);
    mHeadingCanvas->update();
    HideHelp();
}

void MainWindow::ContinueButton_Action()
{
    GoToStep(PageNumberToStep(mCurrentPanel) + 1);
}

void MainWindow::BackButton_Action()
{
    GoToStep(PageNumberToStep(mCurrentPanel) - 1);
}

void MainWindow::ShowHelp(const QString& text)
{
    mHelpCanvas->ShowHelp(text);
}

void MainWindow::HideHelp()
{
    mHelpCanvas->HideHelp();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Enter && event->type() != QEvent::Leave)
        return QMainWindow::eventFilter(watched, event);
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    const QString name = control->objectName();
    QString text = HelpTextFor(name);
    // The special classes page explains its controls with their tooltips.
    if (text.isEmpty() && control->property("instantHelpFromToolTip").toBool())
        text = control->toolTip();
    if (name == QStringLiteral("SchoolDayLunchStartAt") && !ShowInstantHelp())
        text.clear();
    if (text.isEmpty())
        return false;
    if (event->type() == QEvent::Enter)
        ShowHelp(text);
    else
        HideHelp();
    return false;
}

} // namespace belltide
