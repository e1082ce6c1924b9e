#pragma once

#include <QColor>
#include <QString>

namespace belltide {

// A drawing surface in integer units (pixels on screen, points on paper),
// origin at the top left. The schedule renderer draws only through this, so
// one renderer serves the screen, the printer, PDF files and tests.
class Graphics {
public:
    virtual ~Graphics() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetTextSize(int points) = 0;
    virtual int TextSize() const = 0;
    virtual int TextAscent() const = 0;
    virtual int TextHeight() const = 0;
    virtual int StringWidth(const QString& text) const = 0;
    // The height `text` takes when wrapped at `wrapWidth`.
    virtual int StringHeight(const QString& text, int wrapWidth) const = 0;

    virtual void SetColor(const QColor& color) = 0;
    // Draws with the first baseline at y; a wrap width above 0 wraps the text.
    virtual void DrawString(const QString& text, int x, int baseline, int wrapWidth = 0) = 0;
    // Draws one line turned a quarter left, reading upward from y; the tops of
    // its letters face x, its baseline lies at x + TextAscent().
    virtual void DrawUpwardString(const QString& text, int x, int y) = 0;
    virtual void FillRect(int x, int y, int width, int height) = 0;
    virtual void DrawRect(int x, int y, int width, int height) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
};

} // namespace belltide
