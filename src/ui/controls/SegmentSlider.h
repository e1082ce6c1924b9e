#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace belltide {

// Divides a range of values (minutes of the day on the pages) into sections
// that are available (green) or not (red). Tabs between sections are dragged,
// inserted by clicking, and removed by pulling them off the control.
class SegmentSlider : public QWidget {
    Q_OBJECT

public:
    explicit SegmentSlider(QWidget* parent = nullptr);

    std::vector<bool> SectionAvailability;
    std::vector<int> SectionPoints;
    int TabDragging = -1;
    bool TabIsRemoved = false;
    int DisplayExactTimeOver = -1;
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

private:
    double Scale() const;
    double XForValue(int value) const;
    int ValueForX(int x) const;
    int TabNear(int x) const;
    void InsertBoundary(std::size_t index, int value, bool available);
    void RemoveBoundary(std::size_t index);
    void DragTo(int x, int y);

    int mNumberOfHatches = 0;
    int mRemovedValue = 0;
    bool mRemovedAvailability = true;
};

} // namespace belltide
