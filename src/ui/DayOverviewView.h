#pragma once

#include "output/ScheduleRenderer.h"

#include <QWidget>

#include <vector>

class QScrollArea;
class QTabBar;
class ScheduleStepTest;

namespace belltide {

class School;

// One day of the whole school or of the specials on screen, with a tab for
// each day so the week is a click (or Ctrl+Tab) away. A school taller than the
// view scrolls rather than shrinking its rows past reading; a box's full text
// is its tooltip, since narrow boxes show only the start of their subject.
class DayOverviewView : public QWidget {
    Q_OBJECT

public:
    explicit DayOverviewView(const School& school, QWidget* parent = nullptr);

    void SetOverview(ScheduleOverview overview);
    ScheduleOverview Overview() const { return mOverview; }
    // 0 is Monday.
    void SetDay(int day);
    int Day() const;
    // Redraws after the school or its schedule changed.
    void Refresh();

    // The boxes drawn last, in the canvas's coordinates.
    const std::vector<DrawnBox>& Boxes() const { return mBoxes; }
    // The full text of the box at a point of the canvas; empty off every box.
    QString TextAt(const QPoint& point) const;
    QWidget* Canvas() const { return mCanvas; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ::ScheduleStepTest;

    void Paint(QWidget& canvas);
    // The rows' least height at the canvas's width, so the scroll area knows.
    void UpdateCanvasHeight();

    const School& mSchool;
    ScheduleOverview mOverview = ScheduleOverview::Classes;
    QTabBar* mDays = nullptr;
    QScrollArea* mScroller = nullptr;
    QWidget* mCanvas = nullptr;
    std::vector<DrawnBox> mBoxes;
};

} // namespace belltide
