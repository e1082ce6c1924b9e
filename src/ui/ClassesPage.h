#pragma once

#include "StepPage.h"

#include <memory>

class QLineEdit;
class QListWidget;
class AccessibilityTest;
class FieldEntryTest;
class MenusTest;
class PagesTest;
class ScheduleStepTest;

namespace belltide {

class AddRemoveButtons;
class Classroom;
class NiceEditField;
class NumberField;
class PageContext;
class TextChoiceBox;
class TimeControl;

// Step 2: the homeroom classes, and the one selected in the list.
class ClassesPage : public StepPage {
    Q_OBJECT

public:
    ClassesPage(PageContext& context, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void Load() override;
    void React(Notification name, const ActionTag& tag) override;
    void Follow(Notification name, const ActionTag& tag) override;
    QString Problem() const override;

private:
    friend class ::AccessibilityTest;
    friend class ::FieldEntryTest;
    friend class ::MenusTest;
    friend class ::PagesTest;
    friend class ::ScheduleStepTest;

    void BuildControls();
    // Rebuilds the list in display order (which also becomes the school's
    // order), selecting `classroom` or, given nothing, the class selected now.
    void ReloadClassList(std::shared_ptr<Classroom> classroom);
    void ClassList_Change();
    void ShowClass(const std::shared_ptr<Classroom>& classroom);
    void ClearEditors();
    void ClassTeacher_TextChange();
    void ClassGrade_TextTyped(const QString& text);
    void ClassGrade_Picked(const QString& text);
    void ClassTime_ValueChanged(bool isDayStart);
    void ClassNumberOfStudents_TextChange();
    // Marks the selected class's times when its day is impossible.
    void CheckEntries();
    void AddRemoveClass_Add();
    void AddRemoveClass_Remove();

    PageContext& mContext;
    std::shared_ptr<Classroom> mSelectedClass;
    // True while the list is being rebuilt: its selection changes then are not the user's.
    bool mRebuildingList = false;

    QListWidget* mClassList = nullptr;
    AddRemoveButtons* mAddRemoveClass = nullptr;
    NiceEditField* mClassTeacher = nullptr;
    TextChoiceBox* mClassGrade = nullptr;
    TimeControl* mClassDayStart = nullptr;
    TimeControl* mClassDayEnd = nullptr;
    NumberField* mClassNumberOfStudents = nullptr;
};

} // namespace belltide
