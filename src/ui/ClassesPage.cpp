#include "ClassesPage.h"

#include "AttendancePage.h"
#include "MainWindow.h"
#include "PageSupport.h"
#include "controls/AddRemoveButtons.h"
#include "controls/NiceEditField.h"
#include "controls/TimeControl.h"
#include "model/Classroom.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "undo/FieldChanges.h"
#include "undo/ListChanges.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace belltide {

ClassesPage::ClassesPage(MainWindow& window, QWidget* parent)
    : StepPage(parent)
    , mWindow(window)
{
    BuildControls();
}

void ClassesPage::BuildControls()
{
    ClassList = new QListWidget(this);
    ClassList->setObjectName(QStringLiteral("ClassList"));
    ClassList->setSelectionMode(QAbstractItemView::SingleSelection);
    AddRemoveClass = new AddRemoveButtons(this);
    AddRemoveClass->setObjectName(QStringLiteral("AddRemoveClass"));
    AddRemoveClass->SetActionNames(QStringLiteral("Add a new class"), QStringLiteral("Remove the selected class"));
    AddRemoveClass->SetRemoveEnabled(false);
    ClassTeacher = new NiceEditField(this);
    ClassTeacher->setObjectName(QStringLiteral("ClassTeacher"));
    ClassGrade = new QComboBox(this);
    ClassGrade->setObjectName(QStringLiteral("ClassGrade"));
    ClassGrade->setEditable(true);
    ClassGrade->setInsertPolicy(QComboBox::NoInsert);
    ClassDayStart = new TimeControl(this);
    ClassDayStart->setObjectName(QStringLiteral("ClassDayStart"));
    ClassDayEnd = new TimeControl(this);
    ClassDayEnd->setObjectName(QStringLiteral("ClassDayEnd"));
    ClassNumberOfStudents = new QLineEdit(this);
    ClassNumberOfStudents->setObjectName(QStringLiteral("ClassNumberOfStudents"));
    ClassNumberOfStudents->setMaximumWidth(60);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 10);
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Classes"), this);
    heading->setBuddy(ClassList);
    left->addWidget(heading);
    left->addWidget(ClassList, 1);
    left->addWidget(AddRemoveClass, 0, Qt::AlignLeft);
    page->addLayout(left, 2);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setContentsMargins(0, 22, 0, 0);
    form->addRow(QStringLiteral("&Teacher:"), ClassTeacher);
    form->addRow(QStringLiteral("&Grade:"), ClassGrade);
    form->addRow(QStringLiteral("Day &Start Time:"), ClassDayStart);
    form->addRow(QStringLiteral("Day &End Time:"), ClassDayEnd);
    form->addRow(QStringLiteral("&Number of Students:"), ClassNumberOfStudents);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch(1);
    page->addLayout(right, 3);

    connect(ClassList, &QListWidget::itemSelectionChanged, this, &ClassesPage::ClassList_Change);
    connect(ClassTeacher, &QLineEdit::textChanged, this, &ClassesPage::ClassTeacher_TextChange);
    connect(ClassGrade->lineEdit(), &QLineEdit::textEdited, this, &ClassesPage::ClassGrade_TextTyped);
    connect(ClassGrade, &QComboBox::activated, this, &ClassesPage::ClassGrade_Picked);
    connect(ClassDayStart, &TimeControl::ValueChanged, this, [this] { ClassTime_ValueChanged(true); });
    connect(ClassDayEnd, &TimeControl::ValueChanged, this, [this] { ClassTime_ValueChanged(false); });
    connect(ClassNumberOfStudents, &QLineEdit::textChanged, this, &ClassesPage::ClassNumberOfStudents_TextChange);
    connect(AddRemoveClass, &AddRemoveButtons::Add, this, &ClassesPage::AddRemoveClass_Add);
    connect(AddRemoveClass, &AddRemoveButtons::Remove, this, &ClassesPage::AddRemoveClass_Remove);
    ClearEditors();
}

QWidget* ClassesPage::FirstControl() const
{
    return ClassList;
}

void ClassesPage::ReloadClassList(std::shared_ptr<Classroom> classroom)
{
    AttendancePage& attendance = mWindow.Attendance();
    mWindow.ClassListDontEnable = true;
    if (!classroom)
        classroom = RowObject<Classroom>(
            ClassList->currentItem() && ClassList->currentItem()->isSelected() ? ClassList->currentItem() : nullptr);
    ClassList->clear();
    attendance.SAClassList->clear();

    auto& classes = mWindow.GetSchool().Classes;
    QStringList texts;
    for (const auto& c : classes)
        texts << c->Grade + QStringLiteral(": ") + c->Teacher;
    SortAlong(classes, texts);
    mWindow.ClassListDontEnable = false;

    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto& c = classes[std::size_t(i)];
        ClassList->addItem(MakeRow(texts[i], c));
        attendance.SAClassList->addItem(MakeRow(texts[i], c));
        if (c == classroom) {
            ClassList->setCurrentRow(int(i), QItemSelectionModel::ClearAndSelect);
            attendance.SAClassList->setCurrentRow(int(i), QItemSelectionModel::ClearAndSelect);
        }
    }
    if (ClassList->selectedItems().isEmpty()) {
        ClassList->clearSelection();
        attendance.SAClassList->clearSelection();
        ClassList_Change();
        attendance.SAClassList_Change();
    }
}

void ClassesPage::ClassList_Change()
{
    mWindow.HideHelp();
    if (mWindow.ClassListDontEnable)
        return;
    const QList<QListWidgetItem*> selected = ClassList->selectedItems();
    if (selected.isEmpty()) {
        ClearEditors();
        return;
    }
    const auto classroom = RowObject<Classroom>(selected.first());
    if (classroom == SelectedClass)
        return;
    ShowClass(classroom);
}

void ClassesPage::ShowClass(const std::shared_ptr<Classroom>& classroom)
{
    SelectedClass = classroom;
    {
        MainWindow::InternalChange guard(mWindow);
        ClassTeacher->setEnabled(true);
        ClassTeacher->setText(classroom->Teacher);
        ClassDayStart->setEnabled(true);
        ClassDayEnd->setEnabled(true);
        ClassDayStart->SetMinutesValue(classroom->DayStart);
        ClassDayEnd->SetMinutesValue(classroom->DayEnd);
        ClassNumberOfStudents->setEnabled(true);
        ClassNumberOfStudents->setText(FormatNumber(classroom->NumberOfStudents));
        AddRemoveClass->SetRemoveEnabled(true);

        QStringList grades;
        for (const auto& c : mWindow.GetSchool().Classes)
            grades << c->Grade;
        ClassGrade->clear();
        ClassGrade->addItems(DistinctSorted(grades));
        ClassGrade->setEnabled(true);
        ClassGrade->setCurrentIndex(ClassGrade->findText(classroom->Grade, Qt::MatchFixedString));
        ClassGrade->setEditText(classroom->Grade);
    }
    ClassTeacher->setFocus(Qt::OtherFocusReason);
    ClassTeacher->selectAll();
}

void ClassesPage::ClearEditors()
{
    MainWindow::InternalChange guard(mWindow);
    SelectedClass.reset();
    for (QWidget* editor :
        std::initializer_list<QWidget*> { ClassTeacher, ClassDayEnd, ClassDayStart, ClassGrade, ClassNumberOfStudents })
        editor->setEnabled(false);
    ClassTeacher->clear();
    ClassGrade->clear();
    ClassGrade->setEditText(QString());
    ClassNumberOfStudents->clear();
    AddRemoveClass->SetRemoveEnabled(false);
}

void ClassesPage::ClassTeacher_TextChange()
{
    if (mWindow.mInternalChange > 0 || !SelectedClass)
        return;
    {
        MainWindow::InternalChange guard(mWindow);
        mWindow.UndoManager().Add(
            std::make_shared<ClassTeacherChange>(SelectedClass, ClassTeacher->text(), mWindow.Clock()));
    }
    // The row's text and place follow the name as it is typed.
    ReloadClassList(nullptr);
}

void ClassesPage::ClassGrade_TextTyped(const QString& text)
{
    if (mWindow.mInternalChange > 0 || !SelectedClass)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(std::make_shared<ClassGradeChange>(SelectedClass, text, mWindow.Clock()));
    const int entry = ClassGrade->findText(text, Qt::MatchFixedString);
    if (entry >= 0 && entry != ClassGrade->currentIndex()) {
        // Selecting the entry would replace what was typed with its spelling.
        QLineEdit* edit = ClassGrade->lineEdit();
        const int cursor = edit->cursorPosition();
        ClassGrade->setCurrentIndex(entry);
        ClassGrade->setEditText(text);
        edit->setCursorPosition(cursor);
    }
    ReloadClassList(nullptr);
}

void ClassesPage::ClassGrade_Picked(int index)
{
    if (mWindow.mInternalChange > 0 || !SelectedClass || index < 0)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(
        std::make_shared<ClassGradeChange>(SelectedClass, ClassGrade->itemText(index), mWindow.Clock()));
}

void ClassesPage::ClassTime_ValueChanged(bool isDayStart)
{
    if (mWindow.mInternalChange > 0 || !SelectedClass)
        return;
    MainWindow::InternalChange guard(mWindow);
    const int minutes = (isDayStart ? ClassDayStart : ClassDayEnd)->MinutesValue();
    mWindow.UndoManager().Add(std::make_shared<ClassTimeChange>(SelectedClass, isDayStart, minutes, mWindow.Clock()));
}

void ClassesPage::ClassNumberOfStudents_TextChange()
{
    if (mWindow.mInternalChange > 0 || !SelectedClass)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(std::make_shared<ClassNumberOfStudentsChange>(
        SelectedClass, ReadNumber(ClassNumberOfStudents->text()), mWindow.Clock()));
}

void ClassesPage::AddRemoveClass_Add()
{
    const School& school = mWindow.GetSchool();
    auto classroom = std::make_shared<Classroom>();
    classroom->DayStart = school.DayStartAt;
    classroom->DayEnd = school.DayEndAt;
    classroom->Teacher = QStringLiteral("Mrs. Doe");
    classroom->Grade = QStringLiteral("1st");
    mWindow.UndoManager().Add(std::make_shared<AddClassChange>(mWindow.SchoolPtr(), classroom, mWindow.Clock()));
}

void ClassesPage::AddRemoveClass_Remove()
{
    if (!SelectedClass)
        return;
    mWindow.UndoManager().Add(std::make_shared<RemoveClassChange>(mWindow.SchoolPtr(), SelectedClass, mWindow.Clock()));
}

void ClassesPage::React(const QString& name, const ActionTag& tag)
{
    const auto classroom = tag.As<Classroom>();
    if (name == QStringLiteral("ClassListChange")) {
        ReloadClassList(classroom);
        return;
    }
    if (name == QStringLiteral("ClassTeacherChange") || name == QStringLiteral("ClassGradeChange")) {
        ReloadClassList(classroom);
        // The selection may not have changed, so the editors are rewritten here.
        if (classroom && classroom == SelectedClass) {
            ClassTeacher->setText(classroom->Teacher);
            ClassGrade->setEditText(classroom->Grade);
        }
        (name == QStringLiteral("ClassTeacherChange") ? static_cast<QWidget*>(ClassTeacher) : ClassGrade)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!classroom)
        return;
    SelectRow(ClassList, classroom);
    if (name == QStringLiteral("ClassTimeChange-DayStart")) {
        ClassDayStart->SetMinutesValue(classroom->DayStart);
        ClassDayStart->setFocus(Qt::OtherFocusReason);
    } else if (name == QStringLiteral("ClassTimeChange-DayEnd")) {
        ClassDayEnd->SetMinutesValue(classroom->DayEnd);
        ClassDayEnd->setFocus(Qt::OtherFocusReason);
    } else if (name == QStringLiteral("ClassNumberOfStudentsChange")) {
        ClassNumberOfStudents->setText(FormatNumber(classroom->NumberOfStudents));
        ClassNumberOfStudents->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace belltide
