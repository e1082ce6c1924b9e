#pragma once

#include "StepPage.h"

#include <array>
#include <memory>

class QLineEdit;
class QListWidget;
class AccessibilityTest;
class AttendanceTest;
class PagesTest;

namespace belltide {

class AddRemoveButtons;
class PageContext;
class NiceEditField;
class NumberField;
class SegmentSlider;
class SpecialClass;
class TextChoiceBox;

// Step 3: the special classes, and the one selected with its availability on
// each weekday.
class SpecialsPage : public StepPage {
    Q_OBJECT

public:
    SpecialsPage(PageContext& context, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void Load() override;
    void Follow(Notification name, const ActionTag& tag) override;
    QString Problem() const override;
    void React(Notification name, const ActionTag& tag) override;

private:
    friend class ::AccessibilityTest;
    friend class ::AttendanceTest;
    friend class ::PagesTest;

    void BuildControls();
    void ReloadSpecialList(std::shared_ptr<SpecialClass> special);
    // The sliders span the school's special start to its day end.
    void RedimensionAvailabilityGrid();
    void SpecialAvailabilitySetupSliders();
    void SpecialList_Change();
    void ShowSpecial(const std::shared_ptr<SpecialClass>& special);
    void ClearEditors();
    void SpecialClassTitle_TextTyped(const QString& text);
    void SpecialClassTitle_Picked(const QString& text);
    void SpecialTeacher_TextChange();
    void NumberField_TextChange(NumberField* field);
    void Availability_Changed(int day);
    void AddRemoveSpecial_Add();
    void AddRemoveSpecial_Remove();

    PageContext& mContext;
    std::shared_ptr<SpecialClass> mSelectedSpecial;
    // True while the list is being rebuilt: its selection changes then are not the user's.
    bool mRebuildingList = false;

    QListWidget* mSpecialList = nullptr;
    AddRemoveButtons* mAddRemoveSpecial = nullptr;
    TextChoiceBox* mSpecialClassTitle = nullptr;
    NiceEditField* mSpecialTeacher = nullptr;
    NumberField* mSpecialMaximumStudents = nullptr;
    NumberField* mSpecialDuration = nullptr;
    NumberField* mSpecialOverlap = nullptr;
    std::array<SegmentSlider*, 5> mAvailability {};
};

} // namespace belltide
