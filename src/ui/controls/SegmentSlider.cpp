#include "SegmentSlider.h"

#include "AccessibleControls.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace belltide {

namespace {

constexpr int kMargin = 4;
constexpr int kHitDistance = 5;
const QColor kAvailable(0, 221, 0);
const QColor kUnavailable(221, 0, 0);
const QColor kHatch(255, 221, 136);

int RoundDownToMultiple(int value, int step)
{
    if (step <= 1)
        return value;
    const int remainder = ((value % step) + step) % step;
    return value - remainder;
}

int RoundUpToMultiple(int value, int step)
{
    return -RoundDownToMultiple(-value, step);
}

} // namespace

SegmentSlider::SegmentSlider(QWidget* parent)
    : QWidget(parent)
    , SectionAvailability { true }
    , SectionPoints { 0, 100 }
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    AccessibleControls::Install();
}

void SegmentSlider::SetMinimum(int value)
{
    SectionPoints.front() = value;
    update();
}

void SegmentSlider::SetMaximum(int value)
{
    SectionPoints.back() = value;
    update();
}

void SegmentSlider::SetNumberOfHatches(int count)
{
    mNumberOfHatches = count;
    update();
}

void SegmentSlider::AddPoint(int value, bool available, bool redraw)
{
    for (std::size_t i = 0; i < SectionAvailability.size(); ++i) {
        if (value == SectionPoints[i]) {
            SectionAvailability[i] = available;
            break;
        }
        if (value > SectionPoints[i] && value < SectionPoints[i + 1]) {
            InsertBoundary(i + 1, value, available);
            break;
        }
    }
    ReduceSections();
    if (redraw)
        Redraw();
}

void SegmentSlider::ClearPoints()
{
    SectionPoints = { SectionPoints.front(), SectionPoints.back() };
    SectionAvailability = { SectionAvailability.front() };
}

void SegmentSlider::ReduceSections()
{
    for (std::size_t i = SectionAvailability.size() - 1; i >= 1; --i) {
        if (SectionAvailability[i] == SectionAvailability[i - 1] || SectionPoints[i] == SectionPoints[i - 1])
            RemoveBoundary(i);
    }
}

void SegmentSlider::InsertBoundary(std::size_t index, int value, bool available)
{
    SectionPoints.insert(SectionPoints.begin() + std::ptrdiff_t(index), value);
    SectionAvailability.insert(SectionAvailability.begin() + std::ptrdiff_t(index), available);
}

// Takes out boundary `index` together with the section that starts there, so
// the section before it grows over the gap.
void SegmentSlider::RemoveBoundary(std::size_t index)
{
    SectionPoints.erase(SectionPoints.begin() + std::ptrdiff_t(index));
    SectionAvailability.erase(SectionAvailability.begin() + std::ptrdiff_t(index));
}

double SegmentSlider::Scale() const
{
    const int range = Maximum() - Minimum();
    return range > 0 ? double(width() - 2 * kMargin) / range : 1.0;
}

double SegmentSlider::XForValue(int value) const
{
    return kMargin + (value - Minimum()) * Scale();
}

int SegmentSlider::ValueForX(int x) const
{
    return Minimum() + int(std::trunc((x - kMargin) / Scale()));
}

int SegmentSlider::TabNear(int x) const
{
    for (std::size_t i = 1; i + 1 < SectionPoints.size(); ++i) {
        if (std::abs(XForValue(SectionPoints[i]) - x) <= kHitDistance)
            return int(i);
    }
    return -1;
}

void SegmentSlider::mousePressEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    const int value = ValueForX(x);
    TabDragging = -1;
    TabIsRemoved = false;
    const std::size_t last = SectionAvailability.size();
    for (std::size_t i = 0; i < last; ++i) {
        if (std::abs(XForValue(SectionPoints[i]) - x) <= kHitDistance) {
            TabDragging = int(i);
        } else if (i + 1 < last && std::abs(XForValue(SectionPoints[i + 1]) - x) <= kHitDistance) {
            TabDragging = int(i + 1);
        } else if (value > SectionPoints[i] && value < SectionPoints[i + 1]) {
            InsertBoundary(i + 1, value, SectionAvailability[i]);
            TabDragging = int(i + 1);
        }
        if (TabDragging >= 0)
            break;
    }
    // The range's start never moves: a copy of it is what gets dragged.
    if (TabDragging == 0) {
        InsertBoundary(0, SectionPoints[0], SectionAvailability[0]);
        TabDragging = 1;
    }
    DisplayExactTimeOver = TabDragging;
    Redraw();
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void SegmentSlider::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (TabDragging >= 0 && (event->buttons() & Qt::LeftButton)) {
        DragTo(at.x(), at.y());
        return;
    }
    const int near = TabNear(at.x());
    if (near != DisplayExactTimeOver) {
        DisplayExactTimeOver = near;
        Redraw();
    }
}

void SegmentSlider::DragTo(int x, int y)
{
    const auto tab = std::size_t(TabDragging);
    if (y < 0 || y > height()) {
        if (!TabIsRemoved) {
            mRemovedValue = SectionPoints[tab];
            mRemovedAvailability = SectionAvailability[tab];
            RemoveBoundary(tab);
            TabIsRemoved = true;
            DisplayExactTimeOver = -1;
            Redraw();
        }
        return;
    }
    if (TabIsRemoved) {
        InsertBoundary(tab, mRemovedValue, mRemovedAvailability);
        TabIsRemoved = false;
    }
    const int value = RoundDownToMultiple(ValueForX(x), StepSize);
    SectionPoints[tab] = std::clamp(value, SectionPoints[tab - 1], SectionPoints[tab + 1]);
    SectionAvailability[tab] = y < height() / 2;
    DisplayExactTimeOver = TabDragging;
    Redraw();
}

void SegmentSlider::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (TabDragging < 0)
        return;
    // The keyboard carries on with the tab the mouse left.
    const int released
        = TabIsRemoved ? SectionPoints[std::size_t(TabDragging) - 1] : SectionPoints[std::size_t(TabDragging)];
    TabDragging = -1;
    TabIsRemoved = false;
    ReduceSections();
    SelectSectionAt(released);
    DisplayExactTimeOver = -1;
    Redraw();
    emit Changed();
    AnnounceValue();
}

void SegmentSlider::leaveEvent(QEvent*)
{
    DisplayExactTimeOver = -1;
    Redraw();
    emit MouseExit();
}

void SegmentSlider::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void SegmentSlider::keyPressEvent(QKeyEvent* event)
{
    if (!isEnabled() || TabDragging >= 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int steps = event->modifiers() & Qt::ShiftModifier ? 12 : 1;
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int direction = event->key() == Qt::Key_Left ? -1 : 1;
        if (control)
            SelectedTab = std::clamp(ClampedSelection() + direction, 0, PointCount() - 1);
        else
            changed = MoveSelectedTab(direction * steps);
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        changed = SetSelectedAvailability(event->key() == Qt::Key_Up);
        break;
    case Qt::Key_Insert:
        changed = SplitSelectedSection();
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        changed = RemoveSelectedTab();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    DisplayExactTimeOver = ClampedSelection();
    Redraw();
    if (changed) {
        emit Changed();
        AnnounceValue();
    }
}

void SegmentSlider::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Redraw();
}

void SegmentSlider::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    DisplayExactTimeOver = -1;
    Redraw();
}

int SegmentSlider::ClampedSelection() const
{
    return std::clamp(SelectedTab, 0, PointCount() - 1);
}

// A tab keeps a step away from its neighbours: meeting one would merge the
// sections in a way the keyboard user did not ask for. Delete removes a tab.
bool SegmentSlider::MoveSelectedTab(int steps)
{
    const auto tab = std::size_t(ClampedSelection());
    if (tab == 0)
        return false;
    const int step = std::max(StepSize, 1);
    const int value = SectionPoints[tab];
    const int wanted
        = steps > 0 ? RoundDownToMultiple(value, step) + steps * step : RoundUpToMultiple(value, step) + steps * step;
    const int lowest = SectionPoints[tab - 1] + step;
    const int highest = SectionPoints[tab + 1] - step;
    if (lowest > highest)
        return false;
    const int moved = std::clamp(wanted, lowest, highest);
    if (moved == value)
        return false;
    SectionPoints[tab] = moved;
    return true;
}

bool SegmentSlider::SetSelectedAvailability(bool available)
{
    const auto tab = std::size_t(ClampedSelection());
    if (SectionAvailability[tab] == available)
        return false;
    const int value = SectionPoints[tab];
    SectionAvailability[tab] = available;
    ReduceSections();
    SelectSectionAt(value);
    return true;
}

// The second half of the selected section changes its availability, with a
// new tab between the halves that becomes the selected one.
bool SegmentSlider::SplitSelectedSection()
{
    const auto tab = std::size_t(ClampedSelection());
    const int middle = RoundDownToMultiple((SectionPoints[tab] + SectionPoints[tab + 1]) / 2, std::max(StepSize, 1));
    if (middle <= SectionPoints[tab] || middle >= SectionPoints[tab + 1])
        return false;
    InsertBoundary(tab + 1, middle, !SectionAvailability[tab]);
    ReduceSections();
    SelectSectionAt(middle);
    return true;
}

bool SegmentSlider::RemoveSelectedTab()
{
    const auto tab = std::size_t(ClampedSelection());
    if (tab == 0)
        return false;
    const int before = SectionPoints[tab - 1];
    RemoveBoundary(tab);
    ReduceSections();
    SelectSectionAt(before);
    return true;
}

// Selects the boundary of the section holding `value`.
void SegmentSlider::SelectSectionAt(int value)
{
    int section = 0;
    while (section + 1 < PointCount() && SectionPoints[std::size_t(section + 1)] <= value)
        ++section;
    SelectedTab = section;
}

QString SegmentSlider::TextForValue(int value) const
{
    return TimeForValue ? TimeForValue(value) : QString::number(value);
}

QString SegmentSlider::AvailabilityText() const
{
    QStringList ranges;
    for (std::size_t i = 0; i < SectionAvailability.size(); ++i) {
        if (SectionAvailability[i] && SectionPoints[i] < SectionPoints[i + 1])
            ranges << TextForValue(SectionPoints[i]) + QStringLiteral(" to ") + TextForValue(SectionPoints[i + 1]);
    }
    return ranges.isEmpty() ? QStringLiteral("Not available") : QStringLiteral("Available ") + ranges.join(u", ");
}

void SegmentSlider::AnnounceValue()
{
    QAccessibleValueChangeEvent event(this, AvailabilityText());
    QAccessible::updateAccessibility(&event);
}

void SegmentSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void SegmentSlider::Paint(QPainter& painter) const
{
    const int w = width();
    const int h = height();
    const int middle = h / 2;
    painter.fillRect(rect(), palette().color(QPalette::Button));

    if (isEnabled()) {
        for (std::size_t i = 0; i < SectionAvailability.size(); ++i) {
            const int left = int(XForValue(SectionPoints[i]));
            const int right = int(XForValue(SectionPoints[i + 1]));
            QColor row = SectionAvailability[i] ? kAvailable : kUnavailable;
            // Each row up is a little darker, which gives the bar its relief.
            for (int y = middle + 3; y >= middle - 3; --y) {
                painter.fillRect(QRect(left, y, std::max(right - left, 0), 1), row);
                row = QColor::fromHsvF(row.hsvHueF(), row.hsvSaturationF(), float(row.valueF() * 0.9));
            }
        }
    }

    painter.setPen(kHatch);
    for (int k = 0; k < mNumberOfHatches; ++k) {
        const int x = kMargin + int(double(k) * (w - 2 * kMargin) / mNumberOfHatches);
        painter.drawLine(x, middle - 6, x, middle + 6);
    }

    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(kMargin, middle - 4, w - kMargin, middle - 4);
    painter.drawLine(kMargin, middle - 4, kMargin, middle + 4);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(kMargin, middle + 4, w - kMargin, middle + 4);
    painter.drawLine(w - kMargin, middle - 4, w - kMargin, middle + 4);

    if (isEnabled()) {
        painter.setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 1; i + 1 < SectionPoints.size(); ++i) {
            const double x = XForValue(SectionPoints[i]);
            QPainterPath tab;
            tab.moveTo(x, middle - 1);
            tab.lineTo(x + 4, middle + 3);
            tab.lineTo(x + 4, h - 1);
            tab.lineTo(x - 4, h - 1);
            tab.lineTo(x - 4, middle + 3);
            tab.closeSubpath();
            // The keyboard's tab is outlined thicker, in the focus colour.
            const bool selected = hasFocus() && int(i) == ClampedSelection();
            painter.setPen(selected ? QPen(palette().color(QPalette::Highlight), 2) : QPen(Qt::black));
            painter.setBrush(SectionAvailability[i] ? kAvailable : kUnavailable);
            painter.drawPath(tab);
        }
        if (hasFocus() && ClampedSelection() == 0) {
            // The start of the range has no tab: a mark under it instead.
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawLine(QPointF(kMargin, h - 2), QPointF(kMargin + 8, h - 2));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    if (DisplayExactTimeOver > 0 && std::size_t(DisplayExactTimeOver) + 1 < SectionPoints.size()) {
        const int value = SectionPoints[std::size_t(DisplayExactTimeOver)];
        const QString text = TextForValue(value);
        const int x = int(XForValue(value));
        const int textWidth = painter.fontMetrics().horizontalAdvance(text);
        // Beside the tab, on whichever side has room.
        const int textX = x + 7 + textWidth <= w ? x + 7 : x - 7 - textWidth;
        painter.setPen(Qt::black);
        painter.drawText(textX, middle - 5, text);
    }
}

} // namespace belltide
