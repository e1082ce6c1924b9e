#pragma once

#include "StepPage.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace belltide {

class AddRemoveButtons;
class Classroom;
class MainWindow;
class NiceEditField;
class TimeControl;

// Step 2: the homeroom classes, and the one selected in the list.
class ClassesPage : public StepPage {
    Q_OBJECT

public:
    ClassesPage(MainWindow& window, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void React(const QString& name, const ActionTag& tag) override;

    // Rebuilds this list and the attendance page's, in display order (which
    // also becomes the school's order), selecting `classroom` or, given
    // nothing, the class selected now.
    void ReloadClassList(std::shared_ptr<Classroom> classroom);

    std::shared_ptr<Classroom> SelectedClass;

    QListWidget* ClassList = nullptr;
    AddRemoveButtons* AddRemoveClass = nullptr;
    NiceEditField* ClassTeacher = nullptr;
    QComboBox* ClassGrade = nullptr;
    TimeControl* ClassDayStart = nullptr;
    TimeControl* ClassDayEnd = nullptr;
    QLineEdit* ClassNumberOfStudents = nullptr;

private:
    void BuildControls();
    void ClassList_Change();
    void ShowClass(const std::shared_ptr<Classroom>& classroom);
    void ClearEditors();
    void ClassTeacher_TextChange();
    void ClassGrade_TextTyped(const QString& text);
    void ClassGrade_Picked(int index);
    void ClassTime_ValueChanged(bool isDayStart);
    void ClassNumberOfStudents_TextChange();
    void AddRemoveClass_Add();
    void AddRemoveClass_Remove();

    MainWindow& mWindow;
};

} // namespace belltide
