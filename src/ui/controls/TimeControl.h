#pragma once

#include <QTimeEdit>

namespace belltide {

// Hours and minutes of a time of day. ValueChanged is raised for every change
// of the value, also when the program sets it; pages guard their own writes.
class TimeControl : public QTimeEdit {
    Q_OBJECT

public:
    explicit TimeControl(QWidget* parent = nullptr);

    int Hours() const { return time().hour(); }
    int Minutes() const { return time().minute(); }
    int Seconds() const { return 0; }
    bool ShowSeconds = false;
    int TimeFormat = 0;

    // Minutes after midnight; values outside a day are clamped to it.
    int MinutesValue() const;
    void SetMinutesValue(int minutes);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

signals:
    void ValueChanged();
    void GotFocus();
    void LostFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace belltide
