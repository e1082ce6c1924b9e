#pragma once

#include <QLineEdit>

#include <optional>

namespace belltide {

// A whole number within a range, typed as digits. Anything else stays in the
// field, marked red, with Problem() saying why, and has no Value(): the page
// stores nothing for it. A problem the page finds with other fields (a lunch
// longer than its window) is marked the same way through SetFlag. Undo and
// redo keys go to the Edit menu.
class NumberField : public QLineEdit {
    Q_OBJECT

public:
    NumberField(QString name, int minimum, int maximum, QWidget* parent = nullptr);

    std::optional<int> Value() const;
    // The field's own problem first, then the page's; empty when there is none.
    QString Problem() const;
    void SetFlag(const QString& problem);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString OwnProblem() const;
    void UpdateMark();

    QString mName;
    int mMinimum;
    int mMaximum;
    QString mFlag;
};

} // namespace belltide
