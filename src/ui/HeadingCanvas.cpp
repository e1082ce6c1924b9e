#include "HeadingCanvas.h"

#include "Resources.h"

#include <QPainter>

namespace belltide {

HeadingCanvas::HeadingCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HeadingCanvas"));
    setFixedHeight(80);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void HeadingCanvas::SetHeading(const QImage& icon, const QString& big, const QString& small)
{
    mHeadingIcon = icon;
    mBig = big;
    mSmall = small;
    setAccessibleName(big);
    setAccessibleDescription(small);
    update();
}

void HeadingCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void HeadingCanvas::Paint(QPainter& painter) const
{
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, w, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, w, 1);
    if (!mHeadingIcon.isNull())
        Resources::DrawIcon(painter, QRect(QPoint(16, 16), mHeadingIcon.size()), mHeadingIcon);

    QFont bigFont = font();
    bigFont.setPointSize(24);
    painter.setFont(bigFont);
    painter.setPen(QColor(0, 64, 128));
    const int bigAscent = painter.fontMetrics().ascent();
    painter.drawText(80, int(h / 2.0 + bigAscent / 2.0 - 12), mBig);

    painter.setFont(font());
    painter.setPen(QColor(68, 68, 68));
    const int ascent = painter.fontMetrics().ascent();
    const int baseline = int(h / 2.0 + ascent + 4);
    painter.drawText(QRect(100, baseline - ascent, std::max(w - 100, 0), h - (baseline - ascent)),
        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, mSmall);

    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, h - 1, w, h - 1);
}

} // namespace belltide
