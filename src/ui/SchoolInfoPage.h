#pragma once

#include "StepPage.h"

#include <vector>

class AccessibilityTest;
class MenusTest;
class FieldEntryTest;
class PagesTest;

namespace belltide {

class NiceEditField;
class NumberField;
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
    void Follow(Notification name, const ActionTag& tag) override;
    // The focused field's problem, else the first one on the page.
    QString Problem() const override;

signals:
    // The window's title, which follows the school's name as it is typed.
    void TitleChanged(const QString& title);

private:
    friend class ::AccessibilityTest;
    friend class ::FieldEntryTest;
    friend class ::MenusTest;
    friend class ::PagesTest;

    void BuildControls();
    void SchoolNameField_TextChange();
    void TimeField_ValueChanged(TimeControl* field, int whichField);
    void NumberField_TextChange(NumberField* field);
    // Marks the fields that make the school impossible and says why.
    void CheckEntries();
    void ShowProblem();
    std::vector<QWidget*> CheckedFields() const;

    PageContext& mContext;
    NiceEditField* mSchoolNameField = nullptr;
    TimeControl* mSchoolDayStart = nullptr;
    TimeControl* mSchoolDayEnd = nullptr;
    TimeControl* mSchoolDaySpecialStart = nullptr;
    NumberField* mSchoolFreeTimeField = nullptr;
    TimeControl* mSchoolDayLunchStartAt = nullptr;
    TimeControl* mSchoolLunchEndAt = nullptr;
    NumberField* mSchoolLunchTime = nullptr;
    NumberField* mSchoolLunchRecessTime = nullptr;
    NumberField* mSchoolLunchMaxClasses = nullptr;
};

} // namespace belltide
