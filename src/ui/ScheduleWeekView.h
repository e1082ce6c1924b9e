#pragma once

#include "output/ScheduleRenderer.h"

#include <QPoint>
#include <QWidget>

#include <memory>
#include <optional>

class QMenu;
class QPainter;
class ScheduleWeekViewTest;

namespace belltide {

class HandEdit;
class PageContext;
struct Timetable;

// The week of one class or one special, as the Schedule step shows it; when
// the school has no schedule, the text saying why. Meetings are moved by hand
// here: dragged on the 5-minute grid or moved with Ctrl and the arrow keys,
// each step judged by the schedule's rules; a context menu pins them or hands
// them to another teacher of the subject.
class ScheduleWeekView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleWeekView(PageContext& context, QWidget* parent = nullptr);
    ~ScheduleWeekView() override;

    // The class or special whose week is drawn; none asks to pick one.
    void SetObject(const ScheduleContent& object);
    const ScheduleContent& Object() const { return mObject; }
    // Said in red when the school has no schedule; `several` reasons start at the top.
    void SetFailureText(const QString& text, bool several);

    void Paint(QPainter& painter, int width, int height);

    // The meeting the keys act on (its index in the school's timetable), or -1.
    std::int32_t CurrentMeeting() const { return mCurrent; }
    void SetCurrentMeeting(std::int32_t meeting);
    // Where the meeting is drawn now; empty when it is not in this week.
    QRect MeetingRect(std::int32_t meeting) const;
    // The point of the grid where a meeting starting at the day's slot begins.
    QPoint SlotPoint(int day, int slot) const;

    // The actions of a meeting's context menu: pin or unpin, other teachers.
    std::unique_ptr<QMenu> MeetingMenu(std::int32_t meeting);

    // The week shares the height it gets, each day at least two lines of
    // small text high (as the renderer fills it); a smaller pane scrolls.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class ::ScheduleWeekViewTest;

    struct Drag {
        std::int32_t Meeting = -1;
        QPoint PressedAt;
        // From the meeting box's left edge to the press.
        int GrabX = 0;
        bool Moving = false;
        int Day = 0;
        int Slot = 0;
        int Length = 1;
        bool Allowed = false;
    };

    const DrawnBox* BoxAt(const QPoint& point) const;
    const DrawnBox* BoxOf(std::int32_t meeting) const;
    void DragTo(const QPoint& point);
    // Judges a move and, when the rules allow it, makes it one undoable
    // action; otherwise the help area says why. Returns whether it moved.
    bool MoveCurrent(std::int32_t meeting, int day, int slot, std::int32_t special = -1);
    void SetPin(std::int32_t meeting, bool pinned);
    void Submit(const std::shared_ptr<const Timetable>& timetable, const QString& description);
    // Left/right: the meeting before or after; up/down: the nearest one on the day before or after.
    void Step(int key);
    void Refused(const QString& words);
    void Announce();

    PageContext& mContext;
    ScheduleContent mObject;
    QString mFailureText;
    bool mSeveralReasons = false;
    // The grid as last drawn.
    std::vector<DrawnBox> mBoxes;
    int mGridLeft = 0;
    int mGridTop = 0;
    int mHourWidth = 0;
    int mHourHeight = 0;
    int mSlotsPerDay = 0;
    std::int32_t mCurrent = -1;
    std::optional<Drag> mDrag;
    std::unique_ptr<HandEdit> mEdit;
};

} // namespace belltide
