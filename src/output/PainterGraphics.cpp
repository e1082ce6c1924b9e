#include "PainterGraphics.h"

#include <QFontMetrics>
#include <QPainter>

namespace belltide {

namespace {

constexpr int kUnbounded = 1 << 20;

} // namespace

PainterGraphics::PainterGraphics(QPainter& painter, int width, int height)
    : mPainter(painter)
    , mWidth(width)
    , mHeight(height)
{
    SetTextSize(mTextSize);
}

void PainterGraphics::SetTextSize(int points)
{
    mTextSize = points;
    QFont font = mPainter.font();
    font.setPointSize(std::max(points, 1));
    mPainter.setFont(font);
}

int PainterGraphics::TextAscent() const
{
    return mPainter.fontMetrics().ascent();
}

int PainterGraphics::TextHeight() const
{
    return mPainter.fontMetrics().height();
}

int PainterGraphics::StringWidth(const QString& text) const
{
    return mPainter.fontMetrics().horizontalAdvance(text);
}

int PainterGraphics::StringHeight(const QString& text, int wrapWidth) const
{
    if (wrapWidth <= 0)
        return TextHeight();
    return mPainter.fontMetrics().boundingRect(QRect(0, 0, wrapWidth, kUnbounded), Qt::TextWordWrap, text).height();
}

void PainterGraphics::SetColor(const QColor& color)
{
    mColor = color;
}

void PainterGraphics::DrawString(const QString& text, int x, int baseline, int wrapWidth)
{
    mPainter.setPen(mColor);
    if (wrapWidth <= 0) {
        mPainter.drawText(x, baseline, text);
        return;
    }
    const int top = baseline - TextAscent();
    mPainter.drawText(QRect(x, top, wrapWidth, kUnbounded), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}

void PainterGraphics::DrawUpwardString(const QString& text, int x, int y)
{
    mPainter.save();
    mPainter.setPen(mColor);
    mPainter.translate(x + TextAscent(), y);
    mPainter.rotate(-90);
    mPainter.drawText(0, 0, text);
    mPainter.restore();
}

void PainterGraphics::FillRect(int x, int y, int width, int height)
{
    mPainter.fillRect(QRect(x, y, width, height), mColor);
}

void PainterGraphics::DrawRect(int x, int y, int width, int height)
{
    // A frame covering width by height units, as a filled rectangle would.
    mPainter.setPen(mColor);
    mPainter.setBrush(Qt::NoBrush);
    mPainter.drawRect(QRect(x, y, width - 1, height - 1));
}

void PainterGraphics::DrawLine(int x1, int y1, int x2, int y2)
{
    mPainter.setPen(mColor);
    mPainter.drawLine(x1, y1, x2, y2);
}

} // namespace belltide
