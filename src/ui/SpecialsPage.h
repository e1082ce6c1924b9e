#pragma once

#include "StepPage.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace belltide {

class AddRemoveButtons;
class MainWindow;
class NiceEditField;
class SegmentSlider;
class SpecialClass;

// Step 3: the special classes, and the one selected with its availability on
// each weekday.
class SpecialsPage : public StepPage {
    Q_OBJECT

public:
    SpecialsPage(MainWindow& window, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void React(const QString& name, const ActionTag& tag) override;

    void ReloadSpecialList(std::shared_ptr<SpecialClass> special);
    // The sliders span the school's special start to its day end.
    void RedimensionAvailabilityGrid();
    void SpecialAvailabilitySetupSliders();

    std::shared_ptr<SpecialClass> SelectedSpecial;

    QListWidget* SpecialList = nullptr;
    AddRemoveButtons* AddRemoveSpecial = nullptr;
    QComboBox* SpecialClassTitle = nullptr;
    NiceEditField* SpecialTeacher = nullptr;
    QLineEdit* SpecialMaximumStudents = nullptr;
    QLineEdit* SpecialDuration = nullptr;
    QLineEdit* SpecialOverlap = nullptr;
    std::array<SegmentSlider*, 5> Availability {};

private:
    void BuildControls();
    void SpecialList_Change();
    void ShowSpecial(const std::shared_ptr<SpecialClass>& special);
    void ClearEditors();
    void SpecialClassTitle_TextTyped(const QString& text);
    void SpecialClassTitle_Picked(int index);
    void SpecialTeacher_TextChange();
    void NumberField_TextChange(QLineEdit* field);
    void Availability_Changed(int day);
    void AddRemoveSpecial_Add();
    void AddRemoveSpecial_Remove();

    MainWindow& mWindow;
};

} // namespace belltide
