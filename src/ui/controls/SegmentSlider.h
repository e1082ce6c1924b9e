#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace belltide {

// Divides a range of values (minutes of the day on the pages) into sections
// that are available (green) or not (red). Tabs between sections are dragged,
// inserted by clicking, and removed by pulling them off the control. From the
// keyboard, Ctrl+Left/Right choose a tab (or the start of the range), Left and
// Right move it a step (Shift: twelve), Up and Down make the section after it
// available or not, Insert splits that section and Delete removes the tab.
class SegmentSlider : public QWidget {
    Q_OBJECT

public:
    explicit SegmentSlider(QWidget* parent = nullptr);

    std::vector<bool> SectionAvailability;
    std::vector<int> SectionPoints;
    int TabDragging = -1;
    bool TabIsRemoved = false;
    int DisplayExactTimeOver = -1;
    // The boundary the keyboard works on; 0 is the start of the range.
    int SelectedTab = 0;
    int StepSize = 1;
    // Text shown by a tab for its value; plain minutes when unset.
    std::function<QString(int)> TimeForValue;

    int Minimum() const { return SectionPoints.front(); }
    void SetMinimum(int value);
    int Maximum() const { return SectionPoints.back(); }
    void SetMaximum(int value);
    int NumberOfHatches() const { return mNumberOfHatches; }
    void SetNumberOfHatches(int count);

    void AddPoint(int value, bool available, bool redraw);
    void ClearPoints();
    int PointCount() const { return int(SectionAvailability.size()); }
    int PointValue(int i) const { return SectionPoints[std::size_t(i)]; }
    bool PointAvailability(int i) const { return SectionAvailability[std::size_t(i)]; }
    void ReduceSections();
    void Redraw() { update(); }

    // What a screen reader says as the value: the available times, e.g.
    // "Available 8:10 AM to 10:00 AM, 11:00 AM to 3:00 PM".
    QString AvailabilityText() const;

    // The whole drawing, callable on any painter (tests render it to an image).
    void Paint(QPainter& painter) const;

    QSize sizeHint() const override { return { 300, 24 }; }

signals:
    void Changed();
    void MouseExit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double Scale() const;
    double XForValue(int value) const;
    int ValueForX(int x) const;
    int TabNear(int x) const;
    void InsertBoundary(std::size_t index, int value, bool available);
    void RemoveBoundary(std::size_t index);
    void DragTo(int x, int y);
    QString TextForValue(int value) const;
    int ClampedSelection() const;
    bool MoveSelectedTab(int steps);
    bool SetSelectedAvailability(bool available);
    bool SplitSelectedSection();
    bool RemoveSelectedTab();
    void SelectSectionAt(int value);
    void AnnounceValue();

    int mNumberOfHatches = 0;
    int mRemovedValue = 0;
    bool mRemovedAvailability = true;
};

} // namespace belltide
