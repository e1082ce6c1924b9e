#pragma once

#include "StepPage.h"

class QLineEdit;

namespace belltide {

class MainWindow;
class NiceEditField;
class TimeControl;

// Step 1: the school's name, day, special start, lunch period and the
// interrupt-free time. Every change is one undoable action.
class SchoolInfoPage : public StepPage {
    Q_OBJECT

public:
    SchoolInfoPage(MainWindow& window, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void React(const QString& name, const ActionTag& tag) override;
    // Fills every field from the school; the caller raises the internal change.
    void Load();

    NiceEditField* SchoolNameField = nullptr;
    TimeControl* SchoolDayStart = nullptr;
    TimeControl* SchoolDayEnd = nullptr;
    TimeControl* SchoolDaySpecialStart = nullptr;
    QLineEdit* SchoolFreeTimeField = nullptr;
    TimeControl* SchoolDayLunchStartAt = nullptr;
    TimeControl* SchoolLunchEndAt = nullptr;
    QLineEdit* SchoolLunchTime = nullptr;
    QLineEdit* SchoolLunchRecessTime = nullptr;
    QLineEdit* SchoolLunchMaxClasses = nullptr;

private:
    void BuildControls();
    void SchoolNameField_TextChange();
    void TimeField_ValueChanged(TimeControl* field, int whichField);
    void TimeField_LostFocus(TimeControl* field);
    void NumberField_TextChange(QLineEdit* field);

    MainWindow& mWindow;
};

} // namespace belltide
