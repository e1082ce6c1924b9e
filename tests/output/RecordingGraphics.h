#pragma once

#include "output/Graphics.h"

#include <QColor>
#include <QString>

#include <vector>

namespace belltide::test {

// A surface with simple, exact metrics that remembers what was drawn: each
// character is half the text size wide, a line is the size plus 2 high.
class RecordingGraphics : public Graphics {
public:
    struct Text {
        QString text;
        int x, baseline, wrap, size;
        // Drawn reading upward from (x, baseline).
        bool upward = false;
    };
    struct Rect {
        int x, y, width, height;
        QColor color;
        bool filled;
    };
    struct Line {
        int x1, y1, x2, y2;
    };

    RecordingGraphics(int width, int height)
        : mWidth(width)
        , mHeight(height)
    {
    }

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    void SetTextSize(int points) override { mSize = points; }
    int TextSize() const override { return mSize; }
    int TextAscent() const override { return mSize; }
    int TextHeight() const override { return mSize + 2; }
    int StringWidth(const QString& text) const override { return int(text.size()) * mSize / 2; }
    int StringHeight(const QString& text, int wrapWidth) const override
    {
        const int lines = wrapWidth > 0 ? std::max(1, (StringWidth(text) + wrapWidth - 1) / wrapWidth) : 1;
        return lines * TextHeight();
    }
    void SetColor(const QColor& color) override { mColor = color; }
    void DrawString(const QString& text, int x, int baseline, int wrapWidth) override
    {
        texts.push_back({ text, x, baseline, wrapWidth, mSize });
    }
    void DrawUpwardString(const QString& text, int x, int y) override
    {
        texts.push_back({ text, x, y, 0, mSize, true });
    }
    void FillRect(int x, int y, int width, int height) override
    {
        rects.push_back({ x, y, width, height, mColor, true });
    }
    void DrawRect(int x, int y, int width, int height) override
    {
        rects.push_back({ x, y, width, height, mColor, false });
    }
    void DrawLine(int x1, int y1, int x2, int y2) override { lines.push_back({ x1, y1, x2, y2 }); }

    const Text* Find(const QString& text) const
    {
        for (const Text& t : texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }
    bool Empty() const { return texts.empty() && rects.empty() && lines.empty(); }

    std::vector<Text> texts;
    std::vector<Rect> rects;
    std::vector<Line> lines;

private:
    int mWidth;
    int mHeight;
    int mSize = 12;
    QColor mColor = Qt::black;
};

} // namespace belltide::test
