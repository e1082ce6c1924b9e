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
    // An impossible entry on the page, in red, in place of the page's hint
    // until it is put right; empty clears it.
    void SetProblem(const QString& text);
    QString Problem() const { return mProblem; }
    QString Text() const;
    QColor TextColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mBeloPicture;
    QLabel* mInstantHelp;
    QString mFallbackHelp;
    QString mProblem;
};

} // namespace belltide
