#include "ClassesPage.h"

#include "HelpCanvas.h"
#include "PageContext.h"
#include "PageSupport.h"
#include "controls/AddRemoveButtons.h"
#include "controls/NiceEditField.h"
#include "controls/NumberField.h"
#include "controls/TextChoiceBox.h"
#include "controls/TimeControl.h"
#include "model/Classroom.h"
#include "model/FaceChecks.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "undo/FieldChanges.h"
#include "undo/ListChanges.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace belltide {

ClassesPage::ClassesPage(PageContext& context, QWidget* parent)
    : StepPage(parent)
    , mContext(context)
{
    BuildControls();
}

void ClassesPage::BuildControls()
{
    mClassList = new QListWidget(this);
    mClassList->setObjectName(QStringLiteral("ClassList"));
    mClassList->setSelectionMode(QAbstractItemView::SingleSelection);
    mAddRemoveClass = new AddRemoveButtons(this);
    mAddRemoveClass->setObjectName(QStringLiteral("AddRemoveClass"));
    mAddRemoveClass->SetActionNames(QStringLiteral("Add a new class"), QStringLiteral("Remove the selected class"));
    mAddRemoveClass->SetRemoveEnabled(false);
    mClassTeacher = new NiceEditField(this);
    mClassTeacher->setObjectName(QStringLiteral("ClassTeacher"));
    mClassGrade = new TextChoiceBox(this);
    mClassGrade->setObjectName(QStringLiteral("ClassGrade"));
    mClassDayStart = new TimeControl(this);
    mClassDayStart->setObjectName(QStringLiteral("ClassDayStart"));
    mClassDayEnd = new TimeControl(this);
    mClassDayEnd->setObjectName(QStringLiteral("ClassDayEnd"));
    mClassNumberOfStudents = new NumberField(QStringLiteral("Number of students"), 0, 999, this);
    mClassNumberOfStudents->setObjectName(QStringLiteral("ClassNumberOfStudents"));
    mClassNumberOfStudents->setMaximumWidth(60);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 10);
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Classes"), this);
    heading->setBuddy(mClassList);
    left->addWidget(heading);
    left->addWidget(mClassList, 1);
    left->addWidget(mAddRemoveClass, 0, Qt::AlignLeft);
    page->addLayout(left, 2);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setContentsMargins(0, 22, 0, 0);
    form->addRow(QStringLiteral("&Teacher:"), mClassTeacher);
    form->addRow(QStringLiteral("&Grade:"), mClassGrade);
    form->addRow(QStringLiteral("Day &Start Time:"), mClassDayStart);
    form->addRow(QStringLiteral("Day &End Time:"), mClassDayEnd);
    form->addRow(QStringLiteral("&Number of Students:"), mClassNumberOfStudents);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch(1);
    page->addLayout(right, 3);

    connect(mClassList, &QListWidget::itemSelectionChanged, this, &ClassesPage::ClassList_Change);
    connect(mClassTeacher, &QLineEdit::textChanged, this, &ClassesPage::ClassTeacher_TextChange);
    connect(mClassGrade, &TextChoiceBox::TextTyped, this, &ClassesPage::ClassGrade_TextTyped);
    connect(mClassGrade, &TextChoiceBox::Picked, this, &ClassesPage::ClassGrade_Picked);
    connect(mClassDayStart, &TimeControl::ValueChanged, this, [this] { ClassTime_ValueChanged(true); });
    connect(mClassDayEnd, &TimeControl::ValueChanged, this, [this] { ClassTime_ValueChanged(false); });
    for (TimeControl* field : { mClassDayStart, mClassDayEnd })
        connect(field, &TimeControl::ProblemChanged, this, [this] {
            if (isVisible())
                mContext.Help().SetProblem(Problem());
        });
    connect(mClassNumberOfStudents, &QLineEdit::textChanged, this, &ClassesPage::ClassNumberOfStudents_TextChange);
    connect(mAddRemoveClass, &AddRemoveButtons::Add, this, &ClassesPage::AddRemoveClass_Add);
    connect(mAddRemoveClass, &AddRemoveButtons::Remove, this, &ClassesPage::AddRemoveClass_Remove);
    ClearEditors();
}

QWidget* ClassesPage::FirstControl() const
{
    return mClassList;
}

void ClassesPage::Load()
{
    ReloadClassList(nullptr);
}

void ClassesPage::ReloadClassList(std::shared_ptr<Classroom> classroom)
{
    mRebuildingList = true;
    if (!classroom)
        classroom = RowObject<Classroom>(
            mClassList->currentItem() && mClassList->currentItem()->isSelected() ? mClassList->currentItem() : nullptr);
    mClassList->clear();

    auto& classes = mContext.GetSchool().Classes;
    QStringList texts;
    for (const auto& c : classes)
        texts << ClassRowText(*c);
    SortAlong(classes, texts);
    mRebuildingList = false;

    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto& c = classes[std::size_t(i)];
        mClassList->addItem(MakeRow(texts[i], c));
        if (c == classroom)
            mClassList->setCurrentRow(int(i), QItemSelectionModel::ClearAndSelect);
    }
    if (mClassList->selectedItems().isEmpty()) {
        mClassList->clearSelection();
        ClassList_Change();
    }
}

void ClassesPage::ClassList_Change()
{
    mContext.Help().HideHelp();
    if (mRebuildingList)
        return;
    const QList<QListWidgetItem*> selected = mClassList->selectedItems();
    if (selected.isEmpty()) {
        ClearEditors();
        return;
    }
    const auto classroom = RowObject<Classroom>(selected.first());
    if (classroom == mSelectedClass)
        return;
    ShowClass(classroom);
}

void ClassesPage::ShowClass(const std::shared_ptr<Classroom>& classroom)
{
    mSelectedClass = classroom;
    {
        const PageContext::InternalChange guard(mContext);
        mClassTeacher->setEnabled(true);
        mClassTeacher->setText(classroom->Teacher);
        mClassDayStart->setEnabled(true);
        mClassDayEnd->setEnabled(true);
        mClassDayStart->SetMinutesValue(classroom->DayStart);
        mClassDayEnd->SetMinutesValue(classroom->DayEnd);
        mClassNumberOfStudents->setEnabled(true);
        mClassNumberOfStudents->setText(FormatNumber(classroom->NumberOfStudents));
        mAddRemoveClass->SetRemoveEnabled(true);

        QStringList grades;
        for (const auto& c : mContext.GetSchool().Classes)
            grades << c->Grade;
        mClassGrade->ShowChoices(DistinctSorted(grades), classroom->Grade);
    }
    CheckEntries();
    mClassTeacher->setFocus(Qt::OtherFocusReason);
    mClassTeacher->selectAll();
}

void ClassesPage::ClearEditors()
{
    const PageContext::InternalChange guard(mContext);
    mSelectedClass.reset();
    for (QWidget* editor : std::initializer_list<QWidget*> {
             mClassTeacher, mClassDayEnd, mClassDayStart, mClassGrade, mClassNumberOfStudents })
        editor->setEnabled(false);
    mClassTeacher->clear();
    mClassGrade->Clear();
    mClassNumberOfStudents->clear();
    mAddRemoveClass->SetRemoveEnabled(false);
    CheckEntries();
}

void ClassesPage::ClassTeacher_TextChange()
{
    if (mContext.IsInternalChange() || !mSelectedClass)
        return;
    mContext.Submit(std::make_shared<ClassTeacherChange>(mSelectedClass, mClassTeacher->text(), mContext.Clock()));
    // The row's text and place follow the name as it is typed.
    ReloadClassList(nullptr);
}

void ClassesPage::ClassGrade_TextTyped(const QString& text)
{
    if (mContext.IsInternalChange() || !mSelectedClass)
        return;
    const PageContext::InternalChange guard(mContext);
    mContext.Submit(std::make_shared<ClassGradeChange>(mSelectedClass, text, mContext.Clock()));
    ReloadClassList(nullptr);
}

void ClassesPage::ClassGrade_Picked(const QString& text)
{
    if (mContext.IsInternalChange() || !mSelectedClass)
        return;
    mContext.Submit(std::make_shared<ClassGradeChange>(mSelectedClass, text, mContext.Clock()));
}

void ClassesPage::ClassTime_ValueChanged(bool isDayStart)
{
    if (mContext.IsInternalChange() || !mSelectedClass)
        return;
    const int minutes = (isDayStart ? mClassDayStart : mClassDayEnd)->MinutesValue();
    mContext.Submit(std::make_shared<ClassTimeChange>(mSelectedClass, isDayStart, minutes, mContext.Clock()));
}

void ClassesPage::ClassNumberOfStudents_TextChange()
{
    if (isVisible())
        mContext.Help().SetProblem(Problem());
    const std::optional<int> students = mClassNumberOfStudents->Value();
    if (mContext.IsInternalChange() || !mSelectedClass || !students)
        return;
    mContext.Submit(std::make_shared<ClassNumberOfStudentsChange>(mSelectedClass, *students, mContext.Clock()));
}

void ClassesPage::Follow(Notification, const ActionTag&)
{
    CheckEntries();
}

void ClassesPage::CheckEntries()
{
    const QStringList problems
        = mSelectedClass ? FindClassProblems(mContext.GetSchool(), *mSelectedClass) : QStringList();
    const QString problem = problems.isEmpty() ? QString() : problems.first();
    mClassDayStart->SetFlag(problem);
    mClassDayEnd->SetFlag(problem);
    if (isVisible())
        mContext.Help().SetProblem(Problem());
}

QString ClassesPage::Problem() const
{
    for (const QString& problem :
        { mClassNumberOfStudents->Problem(), mClassDayStart->Problem(), mClassDayEnd->Problem() }) {
        if (!problem.isEmpty() && mSelectedClass)
            return problem;
    }
    return {};
}

void ClassesPage::AddRemoveClass_Add()
{
    const School& school = mContext.GetSchool();
    auto classroom = std::make_shared<Classroom>();
    classroom->DayStart = school.DayStartAt;
    classroom->DayEnd = school.DayEndAt;
    classroom->Teacher = QStringLiteral("Mrs. Doe");
    classroom->Grade = QStringLiteral("1st");
    mContext.SubmitAndShow(std::make_shared<AddClassChange>(mContext.SchoolPtr(), classroom, mContext.Clock()));
}

void ClassesPage::AddRemoveClass_Remove()
{
    if (!mSelectedClass)
        return;
    mContext.SubmitAndShow(std::make_shared<RemoveClassChange>(mContext.SchoolPtr(), mSelectedClass, mContext.Clock()));
}

void ClassesPage::React(Notification name, const ActionTag& tag)
{
    const auto classroom = tag.As<Classroom>();
    switch (name) {
    case Notification::ClassListChange:
        ReloadClassList(classroom);
        return;
    case Notification::ClassTeacherChange:
    case Notification::ClassGradeChange:
        ReloadClassList(classroom);
        // The selection may not have changed, so the editors are rewritten here.
        if (classroom && classroom == mSelectedClass) {
            mClassTeacher->setText(classroom->Teacher);
            mClassGrade->setEditText(classroom->Grade);
        }
        (name == Notification::ClassTeacherChange ? static_cast<QWidget*>(mClassTeacher) : mClassGrade)
            ->setFocus(Qt::OtherFocusReason);
        return;
    default:
        break;
    }
    if (!classroom)
        return;
    SelectRow(mClassList, classroom);
    if (name == Notification::ClassTimeChangeDayStart) {
        mClassDayStart->SetMinutesValue(classroom->DayStart);
        mClassDayStart->setFocus(Qt::OtherFocusReason);
    } else if (name == Notification::ClassTimeChangeDayEnd) {
        mClassDayEnd->SetMinutesValue(classroom->DayEnd);
        mClassDayEnd->setFocus(Qt::OtherFocusReason);
    } else if (name == Notification::ClassNumberOfStudentsChange) {
        mClassNumberOfStudents->setText(FormatNumber(classroom->NumberOfStudents));
        mClassNumberOfStudents->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace belltide
