#pragma once

#include <QImage>
#include <QWidget>

namespace belltide {

// The + and - buttons under a list. The pressed look follows the pointer
// while the button is held, and nothing is raised for a disabled button.
class AddRemoveButtons : public QWidget {
    Q_OBJECT

public:
    explicit AddRemoveButtons(QWidget* parent = nullptr);

    QImage PicAdd, PicAddDisabled, PicAddPressed;
    QImage PicRemove, PicRemoveDisabled, PicRemovePressed;

    bool AddEnabled() const { return mAddEnabled; }
    void SetAddEnabled(bool enabled);
    bool RemoveEnabled() const { return mRemoveEnabled; }
    void SetRemoveEnabled(bool enabled);
    void PushAdd() { emit Add(); }
    void PushRemove() { emit Remove(); }
    void Update() { update(); }

    // 0 none, 1 the + button, 2 the - button.
    int PressedButton() const { return mButton; }

    void Paint(QPainter& painter) const;
    QSize sizeHint() const override { return { 46, 23 }; }

signals:
    void Add();
    void Remove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ButtonAt(int x, int y) const;

    int mButton = 0;
    bool mAddEnabled = true;
    bool mRemoveEnabled = true;
    int mLastX = -1;
    int mLastY = -1;
};

} // namespace belltide
