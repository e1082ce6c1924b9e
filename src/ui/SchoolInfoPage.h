#pragma once

#include "StepPage.h"

class QLineEdit;
class AccessibilityTest;
class MenusTest;
class PagesTest;

namespace belltide {

class NiceEditField;
class PageContext;
class TimeControl;

// Step 1: the school's name, day, special start, lunch period and the
// interrupt-free time. Every change is one undoable action.
class SchoolInfoPage : public StepPage {
    Q_OBJECT

public:
    SchoolInfoPage(PageContext& context, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    // Fills every field from the school; the caller raises the internal change.
    void Load() override;
    void React(Notification name, const ActionTag& tag) override;

signals:
    // The window's title, which follows the school's name as it is typed.
    void TitleChanged(const QString& title);

private:
    friend class ::AccessibilityTest;
    friend class ::MenusTest;
    friend class ::PagesTest;

    void BuildControls();
    void SchoolNameField_TextChange();
    void TimeField_ValueChanged(TimeControl* field, int whichField);
    void TimeField_LostFocus(TimeControl* field);
    void NumberField_TextChange(QLineEdit* field);

    PageContext& mContext;
    NiceEditField* mSchoolNameField = nullptr;
    TimeControl* mSchoolDayStart = nullptr;
    TimeControl* mSchoolDayEnd = nullptr;
    TimeControl* mSchoolDaySpecialStart = nullptr;
    QLineEdit* mSchoolFreeTimeField = nullptr;
    TimeControl* mSchoolDayLunchStartAt = nullptr;
    TimeControl* mSchoolLunchEndAt = nullptr;
    QLineEdit* mSchoolLunchTime = nullptr;
    QLineEdit* mSchoolLunchRecessTime = nullptr;
    QLineEdit* mSchoolLunchMaxClasses = nullptr;
};

} // namespace belltide
