#include "ScheduleWeekView.h"

#include "HandEdit.h"
#include "HelpCanvas.h"
#include "PageContext.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "output/PainterGraphics.h"
#include "undo/ScheduleChange.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace belltide {

namespace {

const QColor kAllowed(0x20, 0xA0, 0x40);
const QColor kForbidden(0xD0, 0x20, 0x20);
const char* const kDays[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };

} // namespace

ScheduleWeekView::ScheduleWeekView(PageContext& context, QWidget* parent)
    : QWidget(parent)
    , mContext(context)
{
    setObjectName(QStringLiteral("ScheduleContentPane"));
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Week"));
}

ScheduleWeekView::~ScheduleWeekView() = default;

void ScheduleWeekView::SetObject(const ScheduleContent& object)
{
    if (object.Classroom != mObject.Classroom || object.Special != mObject.Special) {
        mCurrent = -1;
        mDrag.reset();
    }
    mObject = object;
    update();
}

void ScheduleWeekView::SetFailureText(const QString& text, bool several)
{
    mFailureText = text;
    mSeveralReasons = several;
    update();
}

QSize ScheduleWeekView::minimumSizeHint() const
{
    QFont font = this->font();
    font.setPointSize(12);
    const int heading = QFontMetrics(font).height() + 2;
    font.setPointSize(10);
    const int day = (QFontMetrics(font).height() + 1) * 2;
    return { 400, heading + 5 * day + 2 };
}

void ScheduleWeekView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, width(), height());
}

void ScheduleWeekView::Paint(QPainter& painter, int width, int height)
{
    mBoxes.clear();
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    PainterGraphics surface(painter, width, height);
    Graphics& g = surface;
    const School& school = mContext.GetSchool();
    if (!school.Schedule) {
        g.SetTextSize(16);
        g.SetColor(QColor(0xFF, 0x80, 0x80));
        // Several reasons need the room from the top down.
        const int baseline = mSeveralReasons ? 15 + g.TextAscent() : height / 2;
        const QString text = school.Timetable
            ? QStringLiteral("The schedule cannot be shown while the school's times are impossible. Correct them on "
                             "the School Information step.")
            : mFailureText;
        g.DrawString(text, 15, baseline, width - 30);
        return;
    }
    if (!mObject) {
        const QString prompt = QStringLiteral("Select a classroom to view");
        g.SetTextSize(24);
        g.SetColor(QColor(0x80, 0x80, 0x80));
        g.DrawString(prompt, (width - g.StringWidth(prompt)) / 2, height / 2);
        return;
    }
    LandscapeScheduleRenderer renderer;
    renderer.Graphics = &surface;
    renderer.PageWidth = width;
    renderer.PageHeight = height;
    renderer.DrawHeader = false;
    renderer.DrawPins = true;
    if (mObject.Special)
        renderer.Render(school, nullptr, mObject.Special);
    else
        renderer.Render(school, mObject.Classroom, nullptr);
    mBoxes = renderer.Boxes;
    mGridLeft = renderer.PageLeft + renderer.HorizontalHeadWidth;
    mGridTop = renderer.PageTop + renderer.HeadingHeight;
    mHourWidth = std::max(renderer.HourWidth, 1);
    mHourHeight = std::max(renderer.HourHeight, 1);
    mSlotsPerDay = renderer.SlotsPerDay();

    if (const DrawnBox* current = BoxOf(mCurrent); current && hasFocus() && !mDrag) {
        painter.setPen(QPen(palette().highlight().color(), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(current->X + 1, current->Y + 1, current->Width - 1, current->Height - 1));
    }
    if (mDrag && mDrag->Moving) {
        // Where the meeting would land, green when the rules allow it.
        const QPoint at = SlotPoint(mDrag->Day, mDrag->Slot);
        const QRect target(at.x(), at.y(), int(std::trunc(mHourWidth * (mDrag->Length / 12.0))), mHourHeight);
        QColor fill = mDrag->Allowed ? kAllowed : kForbidden;
        // Nearly opaque: the label must read over whatever is drawn there.
        fill = fill.lighter(mDrag->Allowed ? 190 : 170);
        fill.setAlpha(225);
        painter.fillRect(target, fill);
        painter.setPen(QPen(mDrag->Allowed ? kAllowed : kForbidden, 3, mDrag->Allowed ? Qt::SolidLine : Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(target.adjusted(1, 1, -1, -1));
        // What would land there, and when.
        const DrawnBox* own = BoxOf(mDrag->Meeting);
        if (own && mEdit && target.width() > 8) {
            const QString title = own->Text.section(QStringLiteral(", "), 0, 0);
            const QString times
                = mEdit->Rules().SlotTime(mDrag->Slot) + u'-' + mEdit->Rules().SlotTime(mDrag->Slot + mDrag->Length);
            QFont font = painter.font();
            font.setPointSize(9);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(
                target.adjusted(3, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title + u'\n' + times);
        }
    }
}

const DrawnBox* ScheduleWeekView::BoxAt(const QPoint& point) const
{
    for (const DrawnBox& box : mBoxes) {
        if (box.Meeting >= 0 && box.Contains(point.x(), point.y()))
            return &box;
    }
    return nullptr;
}

const DrawnBox* ScheduleWeekView::BoxOf(std::int32_t meeting) const
{
    if (meeting < 0)
        return nullptr;
    for (const DrawnBox& box : mBoxes) {
        if (box.Meeting == meeting)
            return &box;
    }
    return nullptr;
}

QRect ScheduleWeekView::MeetingRect(std::int32_t meeting) const
{
    const DrawnBox* box = BoxOf(meeting);
    return box ? QRect(box->X, box->Y, box->Width, box->Height) : QRect();
}

QPoint ScheduleWeekView::SlotPoint(int day, int slot) const
{
    return { mGridLeft + int(std::trunc(mHourWidth * (slot / 12.0))), mGridTop + mHourHeight * day };
}

void ScheduleWeekView::mousePressEvent(QMouseEvent* event)
{
    const DrawnBox* box = BoxAt(event->position().toPoint());
    if (!box) {
        QWidget::mousePressEvent(event);
        return;
    }
    SetCurrentMeeting(box->Meeting);
    if (event->button() != Qt::LeftButton)
        return;
    // Recess is dragged by its lunch: the lunch's box is the one that moves.
    const DrawnBox* own = BoxOf(box->Meeting);
    Drag drag;
    drag.Meeting = box->Meeting;
    drag.PressedAt = event->position().toPoint();
    drag.GrabX = drag.PressedAt.x() - own->X;
    drag.Day = own->Day;
    drag.Slot = own->Slot;
    drag.Length = own->Length;
    mDrag = drag;
    mEdit = HandEdit::For(mContext.GetSchool());
}

void ScheduleWeekView::mouseMoveEvent(QMouseEvent* event)
{
    if (!mDrag || !mEdit)
        return;
    const QPoint point = event->position().toPoint();
    if (!mDrag->Moving && (point - mDrag->PressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    mDrag->Moving = true;
    DragTo(point);
}

void ScheduleWeekView::DragTo(const QPoint& point)
{
    const int day = std::clamp((point.y() - mGridTop) / mHourHeight, 0, 4);
    const int left = point.x() - mDrag->GrabX - mGridLeft;
    const int last = std::max(mSlotsPerDay - mDrag->Length, 0);
    const int slot = std::clamp(int(std::lround(left * 12.0 / mHourWidth)), 0, last);
    if (day == mDrag->Day && slot == mDrag->Slot && mDrag->Allowed)
        return;
    mDrag->Day = day;
    mDrag->Slot = slot;
    const auto why = mEdit->WhyNot(mDrag->Meeting, day, slot);
    mDrag->Allowed = !why;
    setCursor(why ? Qt::ForbiddenCursor : Qt::ClosedHandCursor);
    if (why) {
        mContext.Help().SetText(why->Words, kForbidden);
    } else {
        mContext.Help().ShowHelp(
            QStringLiteral("Drop to move %1 to %2 at %3.")
                .arg(mEdit->Subject(mDrag->Meeting), QString::fromLatin1(kDays[day]), mEdit->Rules().SlotTime(slot)));
    }
    update();
}

void ScheduleWeekView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!mDrag) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Drag drag = *mDrag;
    mDrag.reset();
    setCursor(Qt::ArrowCursor);
    if (drag.Moving && drag.Allowed)
        MoveCurrent(drag.Meeting, drag.Day, drag.Slot);
    // A refused drop changes nothing; the help area keeps saying why.
    mEdit.reset();
    update();
}

bool ScheduleWeekView::MoveCurrent(std::int32_t meeting, int day, int slot, std::int32_t special)
{
    // A drop reuses the drag's judge; a key press makes its own.
    if (!mEdit)
        mEdit = HandEdit::For(mContext.GetSchool());
    if (!mEdit)
        return false;
    if (const auto why = mEdit->WhyNot(meeting, day, slot, special)) {
        Refused(why->Words);
        mEdit.reset();
        return false;
    }
    const Meeting& before = mContext.GetSchool().Timetable->Meetings[std::size_t(meeting)];
    if (special < 0 && before.Day == day && before.Start == mEdit->Rules().Inputs().DayStartAt + 5 * slot) {
        mEdit.reset();
        return false;
    }
    const QString subject = mEdit->Subject(meeting);
    const auto next = mEdit->Moved(meeting, day, slot, special, QDateTime::currentDateTimeUtc());
    const QString where
        = QStringLiteral("%1 at %2").arg(QString::fromLatin1(kDays[day]), mEdit->Rules().SlotTime(slot));
    mEdit.reset();
    Submit(
        next, special < 0 ? QStringLiteral("Move %1").arg(subject) : QStringLiteral("Change %1 Teacher").arg(subject));
    mContext.Help().ShowHelp(QStringLiteral("%1 is now on %2, pinned there. Undo takes it back.").arg(subject, where));
    return true;
}

void ScheduleWeekView::SetPin(std::int32_t meeting, bool pinned)
{
    const auto edit = HandEdit::For(mContext.GetSchool());
    if (!edit || meeting < 0)
        return;
    Submit(edit->WithPin(meeting, pinned), pinned ? QStringLiteral("Pin") : QStringLiteral("Unpin"));
}

void ScheduleWeekView::Submit(const std::shared_ptr<const Timetable>& timetable, const QString& description)
{
    mContext.Submit(std::make_shared<ScheduleChange>(mContext.SchoolPtr(), timetable, description));
    repaint();
    Announce();
}

void ScheduleWeekView::Refused(const QString& words)
{
    mContext.Help().SetText(words, kForbidden);
}

void ScheduleWeekView::SetCurrentMeeting(std::int32_t meeting)
{
    mCurrent = meeting;
    Announce();
    update();
}

void ScheduleWeekView::Announce()
{
    // Screen readers hear the meeting: subject, class, day and times.
    const School& school = mContext.GetSchool();
    QString name = QStringLiteral("Week");
    if (mCurrent >= 0 && school.Timetable && std::size_t(mCurrent) < school.Timetable->Meetings.size()) {
        const Meeting& meeting = school.Timetable->Meetings[std::size_t(mCurrent)];
        const QString subject = meeting.Special ? meeting.Special->Title : QStringLiteral("Lunch");
        const DrawnBox* box = BoxOf(mCurrent);
        const QString times = box ? box->Text.section(QStringLiteral(", "), -1) : QString();
        name = QStringLiteral("%1, %2: %3, %4, %5")
                   .arg(subject, meeting.Class->Grade, meeting.Class->Teacher,
                       QString::fromLatin1(kDays[std::clamp(meeting.Day, 0, 4)]), times);
        if (meeting.Special)
            name += QStringLiteral(", with ") + meeting.Special->Teacher;
        if (meeting.Pinned)
            name += QStringLiteral(", pinned");
    }
    if (name == accessibleName())
        return;
    setAccessibleName(name);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

bool ScheduleWeekView::focusNextPrevChild(bool next)
{
    // Tab walks the meetings first, then leaves the week.
    std::vector<std::int32_t> order;
    for (const DrawnBox& box : mBoxes) {
        if (box.Meeting >= 0 && (order.empty() || order.back() != box.Meeting))
            order.push_back(box.Meeting);
    }
    const auto at = std::find(order.begin(), order.end(), mCurrent);
    if (next && at != order.end() && at + 1 != order.end()) {
        SetCurrentMeeting(*(at + 1));
        return true;
    }
    if (!next && at != order.end() && at != order.begin()) {
        SetCurrentMeeting(*(at - 1));
        return true;
    }
    if (at == order.end() && !order.empty()) {
        SetCurrentMeeting(next ? order.front() : order.back());
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void ScheduleWeekView::Step(int key)
{
    std::vector<const DrawnBox*> boxes;
    for (const DrawnBox& box : mBoxes) {
        if (box.Meeting >= 0 && (boxes.empty() || boxes.back()->Meeting != box.Meeting))
            boxes.push_back(&box);
    }
    if (boxes.empty())
        return;
    const auto at = std::find_if(boxes.begin(), boxes.end(), [&](const DrawnBox* b) { return b->Meeting == mCurrent; });
    if (at == boxes.end()) {
        SetCurrentMeeting(boxes.front()->Meeting);
        return;
    }
    if (key == Qt::Key_Left && at != boxes.begin())
        SetCurrentMeeting((*(at - 1))->Meeting);
    else if (key == Qt::Key_Right && at + 1 != boxes.end())
        SetCurrentMeeting((*(at + 1))->Meeting);
    else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const int day = (*at)->Day + (key == Qt::Key_Up ? -1 : 1);
        const DrawnBox* nearest = nullptr;
        for (const DrawnBox* box : boxes) {
            if (box->Day == day
                && (!nearest || std::abs(box->Slot - (*at)->Slot) < std::abs(nearest->Slot - (*at)->Slot)))
                nearest = box;
        }
        if (nearest)
            SetCurrentMeeting(nearest->Meeting);
    }
}

void ScheduleWeekView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape && mDrag) {
        // The drag is given up: the meeting stays where it was.
        mDrag.reset();
        mEdit.reset();
        setCursor(Qt::ArrowCursor);
        update();
        return;
    }
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const DrawnBox* current = BoxOf(mCurrent);
    if (arrow && (event->modifiers() & Qt::ControlModifier)) {
        if (current) {
            const int day = current->Day + (key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0);
            const int slot = current->Slot + (key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0);
            MoveCurrent(mCurrent, day, slot);
        }
        return;
    }
    if (arrow) {
        Step(key);
        return;
    }
    if ((key == Qt::Key_P || key == Qt::Key_Space) && mCurrent >= 0) {
        SetPin(mCurrent, !mContext.GetSchool().Timetable->Meetings[std::size_t(mCurrent)].Pinned);
        return;
    }
    QWidget::keyPressEvent(event);
}

std::unique_ptr<QMenu> ScheduleWeekView::MeetingMenu(std::int32_t meeting)
{
    auto menu = std::make_unique<QMenu>(this);
    const School& school = mContext.GetSchool();
    if (meeting < 0 || !school.Timetable || std::size_t(meeting) >= school.Timetable->Meetings.size())
        return menu;
    const bool pinned = school.Timetable->Meetings[std::size_t(meeting)].Pinned;
    QAction* pin = menu->addAction(pinned ? QStringLiteral("Unpin") : QStringLiteral("Pin"));
    pin->setObjectName(QStringLiteral("Pin"));
    connect(pin, &QAction::triggered, this, [this, meeting, pinned] { SetPin(meeting, !pinned); });
    const auto edit = HandEdit::For(school);
    if (!edit)
        return menu;
    const auto others = edit->OtherTeachers(meeting);
    if (others.empty())
        return menu;
    menu->addSeparator();
    const DrawnBox* box = BoxOf(meeting);
    bool any = false;
    for (const auto& [special, free] : others) {
        if (!free || !box)
            continue;
        any = true;
        QAction* other = menu->addAction(QStringLiteral("Move to %1").arg(edit->TeacherOf(special)));
        const int day = box->Day;
        const int slot = box->Slot;
        connect(other, &QAction::triggered, this,
            [this, meeting, day, slot, special = special] { MoveCurrent(meeting, day, slot, special); });
    }
    if (!any) {
        menu->addAction(QStringLiteral("No other %1 teacher is free then").arg(edit->Subject(meeting)))
            ->setEnabled(false);
    }
    return menu;
}

void ScheduleWeekView::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect rect = MeetingRect(mCurrent);
        if (rect.isEmpty())
            return;
        at = rect.center();
    } else if (const DrawnBox* box = BoxAt(at)) {
        SetCurrentMeeting(box->Meeting);
    } else {
        return;
    }
    const auto menu = MeetingMenu(mCurrent);
    if (!menu->isEmpty())
        menu->exec(mapToGlobal(at));
}

} // namespace belltide
