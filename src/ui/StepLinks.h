#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace belltide {

// A picture that takes the user to a step when clicked (home page and the
// "Go to:" row), drawn at the size it is given.
class StepPicture : public QWidget {
    Q_OBJECT

public:
    StepPicture(int step, const QImage& picture, int size, QWidget* parent = nullptr);
    int Step() const { return mStep; }

signals:
    void Clicked(int step);
    void Hovered(int step, bool inside);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int mStep;
    QImage mPicture;
};

// A home-page text that goes to its step when clicked or when its keyboard
// accelerator is pressed, underlined while the pointer is over its pair.
class StepLabel : public QLabel {
    Q_OBJECT

public:
    StepLabel(int step, const QString& text, QWidget* parent = nullptr);
    int Step() const { return mStep; }
    void SetUnderlined(bool underlined);
    bool IsUnderlined() const { return font().underline(); }

signals:
    void Clicked(int step);
    void Hovered(int step, bool inside);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int mStep;
};

} // namespace belltide
