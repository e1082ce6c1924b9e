#pragma once

#include <QLineEdit>
#include <QTime>

namespace belltide {

struct TypedTime;

// Hours and minutes of a time of day, shown in the system's time format and
// typed as people write times: "2:30 PM", "2:30p", "14:30". Focus or Ctrl+A
// selects the whole time, so typing replaces it; Tab leaves the field with the
// time typed; Up and Down move it by five minutes. Text that is no time stays
// in the field, marked red with Problem() saying why, and changes nothing; on
// leaving, the field shows its time again. ValueChanged is raised for every
// change of the value, also when the program sets it; pages guard their own
// writes. Undo and redo keys go to the Edit menu.
class TimeControl : public QLineEdit {
    Q_OBJECT

public:
    explicit TimeControl(QWidget* parent = nullptr);

    QTime time() const { return QTime(mMinutes / 60, mMinutes % 60); }
    int Hours() const { return mMinutes / 60; }
    int Minutes() const { return mMinutes % 60; }
    int Seconds() const { return 0; }
    bool ShowSeconds = false;
    int TimeFormat = 0;

    // Minutes after midnight; values outside a day are clamped to it.
    int MinutesValue() const { return mMinutes; }
    void SetMinutesValue(int minutes);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // What is wrong with the text typed, else what the page flagged; empty when nothing is.
    QString Problem() const;
    void SetFlag(const QString& problem);

    QSize sizeHint() const override;

signals:
    void ValueChanged();
    void ProblemChanged();
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Typed(const QString& text);
    void Take(const TypedTime& reading);
    // Takes what is typed, if it is a time, and shows the value the system's way.
    void Finish();
    void ShowValue();
    void SetTypingProblem(const QString& problem);

    int mMinutes = 0;
    QString mTypingProblem;
    QString mFlag;
};

} // namespace belltide
