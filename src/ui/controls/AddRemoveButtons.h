#pragma once

#include <QImage>
#include <QKeySequence>
#include <QWidget>

namespace belltide {

// The + and - buttons under a list. The pressed look follows the pointer
// while the button is held, and nothing is raised for a disabled button.
// Each button also has a shortcut, which its tooltip shows, and a name that
// says what it adds or removes.
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

    static QKeySequence AddShortcut() { return QKeySequence(Qt::CTRL | Qt::Key_Plus); }
    static QKeySequence RemoveShortcut() { return QKeySequence(Qt::CTRL | Qt::Key_Minus); }
    // What the buttons do, e.g. "Add a class": their accessible names, and
    // with their shortcuts the tooltip.
    void SetActionNames(const QString& add, const QString& remove);
    const QString& AddName() const { return mAddName; }
    const QString& RemoveName() const { return mRemoveName; }

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
    void AddShortcuts();

    QString mAddName = QStringLiteral("Add");
    QString mRemoveName = QStringLiteral("Remove");

    int mButton = 0;
    bool mAddEnabled = true;
    bool mRemoveEnabled = true;
    int mLastX = -1;
    int mLastY = -1;
};

} // namespace belltide
