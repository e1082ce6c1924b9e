#pragma once

#include "StepPage.h"
#include "output/ScheduleRenderer.h"

#include <QStringList>

#include <functional>

#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class AccessibilityTest;
class ScheduleStepTest;
class ScheduleWeekViewTest;

namespace belltide {

class DayOverviewView;
class PageContext;
class ScheduleWeekView;
class SchedulerThread;
struct GenerationResult;
struct ThoroughProgress;

// Step 5: shows the school's schedule, the week of the class or special chosen
// in the popup. A school without one gets one in the background on entering
// the step (the thorough search follows by itself when the quick attempts
// fail); a schedule that edits have left incomplete gets a bar saying what is
// missing, with Complete Schedule and New Schedule.
class SchedulePage : public StepPage {
    Q_OBJECT

public:
    SchedulePage(PageContext& context, QWidget* parent = nullptr);
    ~SchedulePage() override;

    // Called whenever the step is shown: makes a schedule when the school has
    // none (after stopping a run still going), and refills the popup.
    void Enter();
    // Leaving the step: a run in progress stops; nothing waits for it.
    void Leave();
    // An edit, undo or redo: a run in progress was for the school as it was.
    void Follow(Notification name, const ActionTag& tag) override;

    // A different schedule on purpose, keeping pinned meetings.
    void NewSchedule();
    // Keeps every meeting that still fits and places the missing ones.
    void CompleteSchedule();
    // Stops the thorough search; the quick search's failure is shown.
    void CancelSearch_Click();

    bool IsGenerating() const;
    bool IsSearchingThoroughly() const { return IsGenerating() && mThorough; }

    void RebuildPreviewList();
    // The object of the selected popup row: an overview, a class or a special.
    ScheduleContent SelectedObject() const;
    // The text shown when there is no schedule: the thorough search's reasons
    // once it has proved that none exists.
    QString FailureText() const;
    // Meetings the schedule lacks; 0 when it is complete or there is none.
    int MissingMeetings() const;

    void PaintContent(QPainter& painter, int width, int height);

    // Quick attempts before the thorough search takes over.
    int QuickAttempts = 10;
    // Asks whether pinned meetings that no longer fit may be placed
    // elsewhere, unpinned; a message box unless a test answers.
    std::function<bool(const QString& question)> AskToUnpin;

signals:
    // A run has ended, with or without a schedule, and the panes are back.
    void GenerationEnded();

private:
    friend class ::AccessibilityTest;
    friend class ::ScheduleStepTest;
    friend class ::ScheduleWeekViewTest;

    QLabel* mStaticText1 = nullptr;
    QComboBox* mSchedulePreview = nullptr;
    QPushButton* mNewScheduleButton = nullptr;
    QFrame* mBar = nullptr;
    QLabel* mBarText = nullptr;
    QPushButton* mBarComplete = nullptr;
    QPushButton* mBarNew = nullptr;
    ScheduleWeekView* mScheduleContentPane = nullptr;
    QWidget* mScheduleGenerationPane = nullptr;
    QLabel* mGenerationCaption = nullptr;
    QProgressBar* mGenerationProgress = nullptr;
    QPushButton* mCancelSearch = nullptr;

    enum class Kind { First, New, Complete };
    void Start(Kind kind);
    // False when pinned meetings no longer fit and the user keeps them.
    bool LetLostPinsGo();
    void ShowGenerating(bool generating);
    void SchedulerThread_Finished(const GenerationResult& result);
    void ShowProgress(const ThoroughProgress& progress);
    // The pane for the popup's row: a week, an overview, or the run at work.
    void ShowSelected();
    // Hands the week view what it draws.
    void ShowWeek();
    // Brings the bar up to date with the school's schedule.
    void RefreshBar();

    PageContext& mContext;
    SchedulerThread* mScheduler = nullptr;
    QStackedWidget* mPanes = nullptr;
    DayOverviewView* mOverview = nullptr;
    std::vector<ScheduleContent> mPreviewObjects;
    Kind mKind = Kind::First;
    bool mRestartWhenDone = false;
    bool mResultIsStale = false;
    // The run in progress has reached the thorough search.
    bool mThorough = false;
    // Counts runs, so that progress posted by an earlier one is ignored.
    int mRun = 0;
    QString mLastError;
    QStringList mReasons;
    // What the last run left to say when the school keeps a schedule: the
    // meetings Complete gave back, or why no new schedule was made.
    QString mNote;
};

} // namespace belltide
