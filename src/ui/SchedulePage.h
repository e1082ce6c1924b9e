#pragma once

#include "StepPage.h"
#include "output/ScheduleRenderer.h"

#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;

namespace belltide {

class MainWindow;
class SchedulerThread;
struct GenerationResult;

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

    void RebuildPreviewList();
    // The object of the selected popup row: a class or a special.
    ScheduleContent SelectedObject() const;
    // Everything in the popup, in its order.
    std::vector<ScheduleContent> PreviewObjects() const { return mPreviewObjects; }
    // The text shown when there is no schedule.
    QString FailureText() const;

    void PaintContent(QPainter& painter, int width, int height) const;

    QLabel* StaticText1 = nullptr;
    QComboBox* SchedulePreview = nullptr;
    QWidget* ScheduleContentPane = nullptr;
    QWidget* ScheduleGenerationPane = nullptr;
    QProgressBar* GenerationProgress = nullptr;

signals:
    // A generation has ended, with or without a schedule, and the panes are back.
    void GenerationEnded();

private:
    void StartGeneration();
    void ShowGenerating(bool generating);
    void SchedulerThread_Finished(const GenerationResult& result);

    MainWindow& mWindow;
    SchedulerThread* mScheduler = nullptr;
    QStackedWidget* mPanes = nullptr;
    std::vector<ScheduleContent> mPreviewObjects;
    bool mRestartWhenDone = false;
    bool mResultIsStale = false;
    bool mHasGenerated = false;
    QString mLastError;
};

} // namespace belltide
