#pragma once

#include "output/Graphics.h"

#include <QFont>

class QPainter;

namespace belltide {

// The surface of a QPainter: a widget on screen, a printer page or a PDF.
class PainterGraphics : public Graphics {
public:
    PainterGraphics(QPainter& painter, int width, int height);

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    void SetTextSize(int points) override;
    int TextSize() const override { return mTextSize; }
    int TextAscent() const override;
    int TextHeight() const override;
    int StringWidth(const QString& text) const override;
    int StringHeight(const QString& text, int wrapWidth) const override;
    void SetColor(const QColor& color) override;
    void DrawString(const QString& text, int x, int baseline, int wrapWidth) override;
    void DrawUpwardString(const QString& text, int x, int y) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;

private:
    QPainter& mPainter;
    int mWidth;
    int mHeight;
    int mTextSize = 12;
    QColor mColor = Qt::black;
};

} // namespace belltide
