#pragma once

#include "StepPage.h"
#include "output/ScheduleRenderer.h"

#include <QStringList>

#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace belltide {

class MainWindow;
class SchedulerThread;
struct GenerationResult;
struct ThoroughProgress;

// Step 5: generates the schedule in the background when there is none, then
// shows the week of the class or special chosen in the popup above it.
class SchedulePage : public StepPage {
    Q_OBJECT

public:
    SchedulePage(MainWindow& window, QWidget* parent = nullptr);
    ~SchedulePage() override;

    // Called whenever the step is shown: generates when the school has no
    // schedule (after stopping a generation still running), and refills the popup.
    void Enter();
    // Leaving the step: the attempt in progress stops; nothing waits for it.
    void Leave();
    // An edit made the schedule out of date: a running generation is stopped
    // and its result thrown away.
    void Discard();
    bool IsGenerating() const;

    // When the quick attempts have failed: a complete search in the
    // background, which finds a schedule or says why none exists.
    void SearchThoroughly_Click();
    // Stops the thorough search; the failure before it is shown again.
    void CancelSearch_Click();
    bool IsSearchingThoroughly() const { return IsGenerating() && mThorough; }

    void RebuildPreviewList();
    // The object of the selected popup row: a class or a special.
    ScheduleContent SelectedObject() const;
    // Everything in the popup, in its order.
    std::vector<ScheduleContent> PreviewObjects() const { return mPreviewObjects; }
    // The text shown when there is no schedule: the thorough search's
    // reasons once it has proved that none exists.
    QString FailureText() const;

    void PaintContent(QPainter& painter, int width, int height) const;

    QLabel* StaticText1 = nullptr;
    QComboBox* SchedulePreview = nullptr;
    QWidget* ScheduleContentPane = nullptr;
    QWidget* ScheduleGenerationPane = nullptr;
    QLabel* GenerationCaption = nullptr;
    QProgressBar* GenerationProgress = nullptr;
    QPushButton* CancelSearch = nullptr;
    QPushButton* SearchThoroughly = nullptr;

signals:
    // A generation has ended, with or without a schedule, and the panes are back.
    void GenerationEnded();

private:
    void StartGeneration();
    void ShowGenerating(bool generating);
    void SchedulerThread_Finished(const GenerationResult& result);
    void ShowProgress(const ThoroughProgress& progress);
    void ForgetFailure();

    MainWindow& mWindow;
    SchedulerThread* mScheduler = nullptr;
    QStackedWidget* mPanes = nullptr;
    std::vector<ScheduleContent> mPreviewObjects;
    bool mRestartWhenDone = false;
    bool mResultIsStale = false;
    bool mHasGenerated = false;
    // The run in progress is the thorough search.
    bool mThorough = false;
    // Counts runs, so that progress posted by an earlier one is ignored.
    int mRun = 0;
    // The quick attempts failed on a school the thorough search can take.
    bool mQuickFailed = false;
    QString mLastError;
    QStringList mReasons;
};

} // namespace belltide
