#pragma once

#include <QFrame>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class AttendanceTest;

namespace belltide {

class School;

// A strip above the attendance that names counts kept for a subject no special
// teaches, and offers to give them to a subject that one does, or to drop
// them. Hidden while there are none. One subject at a time, the first found.
class UntaughtBar : public QFrame {
    Q_OBJECT

public:
    explicit UntaughtBar(QWidget* parent = nullptr);

    // (untaught title, taught title); an empty taught title removes.
    std::function<void(const QString& title, const QString& toTitle)> Chosen;

    void ShowFor(const School& school);
    QString Title() const { return mTitle; }

private:
    friend class ::AttendanceTest;

    QString mTitle;
    QLabel* mText = nullptr;
    QComboBox* mTarget = nullptr;
    QPushButton* mReassign = nullptr;
    QPushButton* mRemove = nullptr;
};

} // namespace belltide
