#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace belltide {

// The instant-help area: Belo, the mascot, above a text explaining whatever
// control the mouse is over.
class HelpCanvas : public QWidget {
    Q_OBJECT

public:
    explicit HelpCanvas(QWidget* parent = nullptr);

    void SetText(const QString& text, const QColor& colour);
    // A control's help, while the pointer is over it.
    void ShowHelp(const QString& text);
    // Back to the page's own hint, or the grey default when it has none.
    void HideHelp();
    void SetFallbackHelp(const QString& text) { mFallbackHelp = text; }
    QString Text() const;
    QColor TextColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mBeloPicture;
    QLabel* mInstantHelp;
    QString mFallbackHelp;
};

} // namespace belltide
