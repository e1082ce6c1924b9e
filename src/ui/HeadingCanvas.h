#pragma once

#include <QImage>
#include <QWidget>

namespace belltide {

// The band across the top of the window: the step's icon, its title drawn
// large and a line saying what the step is for.
class HeadingCanvas : public QWidget {
    Q_OBJECT

public:
    explicit HeadingCanvas(QWidget* parent = nullptr);

    void SetHeading(const QImage& icon, const QString& big, const QString& small);
    const QString& HeadingBig() const { return mBig; }
    const QString& HeadingSmall() const { return mSmall; }

    void Paint(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mHeadingIcon;
    QString mBig;
    QString mSmall;
};

} // namespace belltide
