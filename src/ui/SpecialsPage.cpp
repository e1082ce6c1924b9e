#include "SpecialsPage.h"

#include "AttendancePage.h"
#include "MainWindow.h"
#include "PageSupport.h"
#include "controls/AddRemoveButtons.h"
#include "controls/NiceEditField.h"
#include "controls/SegmentSlider.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"
#include "undo/FieldChanges.h"
#include "undo/ListChanges.h"
#include "undo/SpecialAvailabilityChange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>

namespace belltide {

namespace {

const char* const kDayLabels[5] = { "Monday Availability:", "Tuesday Availability:", "Wednesday Availability:",
    "Thursday Availability:", "Friday Availability:" };

// The texts of this page's controls live in their tooltips, which the instant
// help reads.
void SetHelp(QWidget* control, const char* text)
{
    control->setToolTip(QString::fromLatin1(text));
    control->setProperty("instantHelpFromToolTip", true);
}

} // namespace

SpecialsPage::SpecialsPage(MainWindow& window, QWidget* parent)
    : StepPage(parent)
    , mWindow(window)
{
    BuildControls();
}

void SpecialsPage::BuildControls()
{
    SpecialList = new QListWidget(this);
    SpecialList->setObjectName(QStringLiteral("SpecialList"));
    SpecialList->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHelp(SpecialList,
        "Enter all of your special classes. To add a special class, click the + button below. To "
        "remove one, click the - button.");
    AddRemoveSpecial = new AddRemoveButtons(this);
    AddRemoveSpecial->setObjectName(QStringLiteral("AddRemoveSpecial"));
    AddRemoveSpecial->SetActionNames(
        QStringLiteral("Add a new special class"), QStringLiteral("Remove the selected special class"));
    AddRemoveSpecial->SetRemoveEnabled(false);
    SpecialClassTitle = new QComboBox(this);
    SpecialClassTitle->setObjectName(QStringLiteral("SpecialClassTitle"));
    SpecialClassTitle->setEditable(true);
    SpecialClassTitle->setInsertPolicy(QComboBox::NoInsert);
    SetHelp(SpecialClassTitle, "Enter the subject of this special class. E.g., Art");
    SpecialTeacher = new NiceEditField(this);
    SpecialTeacher->setObjectName(QStringLiteral("SpecialTeacher"));
    SetHelp(SpecialTeacher, "Enter the name of the teacher of this special class.");
    auto makeNumber = [this](const char* name, const char* help) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaximumWidth(60);
        SetHelp(field, help);
        return field;
    };
    SpecialMaximumStudents = makeNumber("SpecialMaximumStudents",
        "If this special class cannot have more than a certain number of students, put the "
        "maximum here. This field is optional, and if left at 0, any number of students can "
        "attend.");
    SpecialDuration = makeNumber("SpecialDuration", "Enter the length of this class in minutes.");
    SpecialOverlap = makeNumber("SpecialOverlap",
        "Enter the number of minutes this special needs between classes. E.g., a P.E. teacher "
        "might need 5 minutes to put away equipment for the previous class and get out "
        "equipment for the next class.");

    // The list grows with the window; the editors keep to the top.
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(12, 8, 12, 6);
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Special Classes"), this);
    heading->setBuddy(SpecialList);
    left->addWidget(heading);
    left->addWidget(SpecialList, 1);
    left->addWidget(AddRemoveSpecial, 0, Qt::AlignLeft);
    page->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    // Each label names its field for screen readers too.
    auto label = [this](const char* text, QWidget* field) {
        auto* made = new QLabel(QString::fromLatin1(text), this);
        made->setBuddy(field);
        return made;
    };
    fields->addWidget(label("Subject:", SpecialClassTitle), 0, 0, Qt::AlignRight);
    fields->addWidget(SpecialClassTitle, 0, 1);
    fields->addWidget(label("Teacher:", SpecialTeacher), 0, 2, Qt::AlignRight);
    fields->addWidget(SpecialTeacher, 0, 3);
    fields->addWidget(label("Class Length:", SpecialDuration), 1, 0, Qt::AlignRight);
    auto* length = new QHBoxLayout;
    length->addWidget(SpecialDuration);
    length->addWidget(new QLabel(QStringLiteral("Minutes"), this));
    length->addStretch(1);
    fields->addLayout(length, 1, 1);
    fields->addWidget(label("Passing Time:", SpecialOverlap), 1, 2, Qt::AlignRight);
    auto* passing = new QHBoxLayout;
    passing->addWidget(SpecialOverlap);
    passing->addWidget(new QLabel(QStringLiteral("Minutes"), this));
    passing->addStretch(1);
    fields->addLayout(passing, 1, 3);
    fields->addWidget(label("Maximum Students:", SpecialMaximumStudents), 2, 0, Qt::AlignRight);
    fields->addWidget(SpecialMaximumStudents, 2, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    right->addLayout(fields);

    for (int day = 0; day < 5; ++day) {
        auto* slider = new SegmentSlider(this);
        slider->setObjectName(QStringLiteral("Availability%1").arg(day));
        slider->StepSize = 5;
        slider->TimeForValue = ShortTime;
        slider->setFixedHeight(24);
        SetHelp(slider,
            "Use these sliders to set the times that this class is available or not available. Green "
            "means that the class can be attended during that time, and red means that it cannot. Drag "
            "the tabs to adjust the times, or click anywhere to add another tab. From the keyboard, Ctrl+Left "
            "and Ctrl+Right choose a tab, Left and Right move it, Up and Down make the time after it available "
            "or not, Insert adds a tab and Delete removes it.");
        connect(slider, &SegmentSlider::Changed, this, [this, day] { Availability_Changed(day); });
        Availability[std::size_t(day)] = slider;
        auto* dayLabel = new QLabel(QString::fromLatin1(kDayLabels[day]), this);
        dayLabel->setBuddy(slider);
        // Read aloud without the colon: "Monday availability".
        slider->setAccessibleName(dayLabel->text().chopped(1));
        right->addWidget(dayLabel);
        right->addWidget(slider);
    }
    right->addStretch(1);
    page->addLayout(right, 5);

    connect(SpecialList, &QListWidget::itemSelectionChanged, this, &SpecialsPage::SpecialList_Change);
    connect(SpecialClassTitle->lineEdit(), &QLineEdit::textEdited, this, &SpecialsPage::SpecialClassTitle_TextTyped);
    connect(SpecialClassTitle, &QComboBox::activated, this, &SpecialsPage::SpecialClassTitle_Picked);
    connect(SpecialTeacher, &QLineEdit::textChanged, this, &SpecialsPage::SpecialTeacher_TextChange);
    for (QLineEdit* field : { SpecialMaximumStudents, SpecialDuration, SpecialOverlap })
        connect(field, &QLineEdit::textChanged, this, [this, field] { NumberField_TextChange(field); });
    connect(AddRemoveSpecial, &AddRemoveButtons::Add, this, &SpecialsPage::AddRemoveSpecial_Add);
    connect(AddRemoveSpecial, &AddRemoveButtons::Remove, this, &SpecialsPage::AddRemoveSpecial_Remove);
    ClearEditors();
}

QWidget* SpecialsPage::FirstControl() const
{
    return SpecialList;
}

void SpecialsPage::ReloadSpecialList(std::shared_ptr<SpecialClass> special)
{
    AttendancePage& attendance = mWindow.Attendance();
    mWindow.ClassListDontEnable = true;
    if (!special) {
        const QList<QListWidgetItem*> selected = SpecialList->selectedItems();
        special = selected.isEmpty() ? nullptr : RowObject<SpecialClass>(selected.first());
    }
    SpecialList->clear();

    auto& specials = mWindow.GetSchool().Specials;
    QStringList texts;
    QStringList titles;
    for (const auto& s : specials) {
        titles << s->Title;
        texts << s->Title + QStringLiteral(": ") + s->Teacher;
    }
    SortAlong(specials, texts);
    mWindow.ClassListDontEnable = false;

    for (qsizetype i = 0; i < texts.size(); ++i) {
        SpecialList->addItem(MakeRow(texts[i], specials[std::size_t(i)]));
        if (specials[std::size_t(i)] == special)
            SpecialList->setCurrentRow(int(i), QItemSelectionModel::ClearAndSelect);
    }
    attendance.SetTitles(DistinctSorted(titles));
    if (SpecialList->selectedItems().isEmpty()) {
        SpecialList->clearSelection();
        SpecialList_Change();
    }
}

void SpecialsPage::SpecialList_Change()
{
    mWindow.HideHelp();
    if (mWindow.ClassListDontEnable)
        return;
    const QList<QListWidgetItem*> selected = SpecialList->selectedItems();
    if (selected.isEmpty()) {
        ClearEditors();
        return;
    }
    const auto special = RowObject<SpecialClass>(selected.first());
    if (special != SelectedSpecial)
        ShowSpecial(special);
}

void SpecialsPage::ShowSpecial(const std::shared_ptr<SpecialClass>& special)
{
    SelectedSpecial = special;
    MainWindow::InternalChange guard(mWindow);
    QStringList titles;
    for (const auto& s : mWindow.GetSchool().Specials)
        titles << s->Title;
    SpecialClassTitle->clear();
    SpecialClassTitle->addItems(DistinctSorted(titles));
    SpecialClassTitle->setEnabled(true);
    SpecialClassTitle->setCurrentIndex(SpecialClassTitle->findText(special->Title, Qt::MatchFixedString));
    SpecialClassTitle->setEditText(special->Title);
    SpecialTeacher->setEnabled(true);
    SpecialTeacher->setText(special->Teacher);
    SpecialDuration->setEnabled(true);
    SpecialDuration->setText(FormatNumber(special->Duration));
    SpecialMaximumStudents->setEnabled(true);
    SpecialMaximumStudents->setText(FormatNumber(special->MaxStudents));
    SpecialOverlap->setEnabled(true);
    SpecialOverlap->setText(FormatNumber(special->OverlapTime));
    AddRemoveSpecial->SetRemoveEnabled(true);
    for (SegmentSlider* slider : Availability)
        slider->setEnabled(true);
    SpecialAvailabilitySetupSliders();
}

void SpecialsPage::ClearEditors()
{
    MainWindow::InternalChange guard(mWindow);
    SelectedSpecial.reset();
    for (QWidget* editor : std::initializer_list<QWidget*> {
             SpecialClassTitle, SpecialTeacher, SpecialDuration, SpecialMaximumStudents, SpecialOverlap })
        editor->setEnabled(false);
    SpecialClassTitle->clear();
    SpecialClassTitle->setEditText(QString());
    SpecialTeacher->clear();
    SpecialDuration->clear();
    SpecialMaximumStudents->clear();
    SpecialOverlap->clear();
    AddRemoveSpecial->SetRemoveEnabled(false);
    for (SegmentSlider* slider : Availability)
        slider->setEnabled(false);
}

void SpecialsPage::SpecialClassTitle_TextTyped(const QString& text)
{
    if (mWindow.mInternalChange > 0 || !SelectedSpecial)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(std::make_shared<SpecialTitleChange>(SelectedSpecial, text, mWindow.Clock()));
    const int entry = SpecialClassTitle->findText(text, Qt::MatchFixedString);
    if (entry >= 0 && entry != SpecialClassTitle->currentIndex()) {
        QLineEdit* edit = SpecialClassTitle->lineEdit();
        const int cursor = edit->cursorPosition();
        SpecialClassTitle->setCurrentIndex(entry);
        SpecialClassTitle->setEditText(text);
        edit->setCursorPosition(cursor);
    }
    ReloadSpecialList(nullptr);
}

void SpecialsPage::SpecialClassTitle_Picked(int index)
{
    if (mWindow.mInternalChange > 0 || !SelectedSpecial || index < 0)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(
        std::make_shared<SpecialTitleChange>(SelectedSpecial, SpecialClassTitle->itemText(index), mWindow.Clock()));
}

void SpecialsPage::SpecialTeacher_TextChange()
{
    if (mWindow.mInternalChange > 0 || !SelectedSpecial)
        return;
    {
        MainWindow::InternalChange guard(mWindow);
        mWindow.UndoManager().Add(
            std::make_shared<SpecialTeacherChange>(SelectedSpecial, SpecialTeacher->text(), mWindow.Clock()));
    }
    ReloadSpecialList(nullptr);
}

void SpecialsPage::NumberField_TextChange(QLineEdit* field)
{
    if (mWindow.mInternalChange > 0 || !SelectedSpecial)
        return;
    MainWindow::InternalChange guard(mWindow);
    std::shared_ptr<ActionBase> action;
    if (field == SpecialDuration) {
        // A meeting shorter than one 5-minute step cannot be scheduled.
        const auto minutes = TruncateToInt(std::max(ReadLeadingNumber(field->text()), 5.0));
        action = std::make_shared<SpecialDurationChange>(SelectedSpecial, minutes, mWindow.Clock());
    } else if (field == SpecialMaximumStudents) {
        action
            = std::make_shared<SpecialMaxStudentsChange>(SelectedSpecial, ReadNumber(field->text()), mWindow.Clock());
    } else {
        action = std::make_shared<SpecialOverlapChange>(SelectedSpecial, ReadNumber(field->text()), mWindow.Clock());
    }
    mWindow.UndoManager().Add(action);
}

void SpecialsPage::Availability_Changed(int day)
{
    if (!SelectedSpecial)
        return;
    const SegmentSlider& slider = *Availability[std::size_t(day)];
    const int dayStart = mWindow.GetSchool().DayStartAt;
    auto head = std::make_shared<SpecialAvailabilityChange>(SelectedSpecial, day, 0, slider.PointAvailability(0));
    ActionBase* tail = head.get();
    // Minute by minute, so a slot two sections share ends with the later one.
    for (int i = 0; i < slider.PointCount(); ++i) {
        for (int m = slider.PointValue(i); m < slider.PointValue(i + 1); ++m) {
            auto next = std::make_shared<SpecialAvailabilityChange>(
                SelectedSpecial, day, TruncateToInt((m - dayStart) / 5.0), slider.PointAvailability(i));
            tail->NextAction = next;
            tail = next.get();
        }
    }
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(head);
}

void SpecialsPage::AddRemoveSpecial_Add()
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = QStringLiteral("P.E.");
    special->Teacher = QStringLiteral("Mrs. Smith");
    special->Duration = 60;
    mWindow.UndoManager().Add(std::make_shared<AddSpecialChange>(mWindow.SchoolPtr(), special, mWindow.Clock()));
}

void SpecialsPage::AddRemoveSpecial_Remove()
{
    const QList<QListWidgetItem*> selected = SpecialList->selectedItems();
    if (selected.isEmpty())
        return;
    mWindow.UndoManager().Add(std::make_shared<RemoveSpecialChange>(
        mWindow.SchoolPtr(), RowObject<SpecialClass>(selected.first()), mWindow.Clock()));
}

void SpecialsPage::RedimensionAvailabilityGrid()
{
    const School& school = mWindow.GetSchool();
    int hatches = 0;
    for (long long time = school.SpecialStartAt; time < school.DayEndAt; time += 60)
        ++hatches;
    for (SegmentSlider* slider : Availability) {
        slider->SetNumberOfHatches(hatches);
        slider->SetMinimum(school.SpecialStartAt);
        slider->SetMaximum(school.DayEndAt);
    }
}

void SpecialsPage::SpecialAvailabilitySetupSliders()
{
    if (!SelectedSpecial)
        return;
    const School& school = mWindow.GetSchool();
    const int slotCount = TruncateToInt((double(school.DayEndAt) - school.DayStartAt) / 5.0);
    for (int day = 0; day < 5; ++day) {
        SegmentSlider* slider = Availability[std::size_t(day)];
        slider->ClearPoints();
        for (int k = 0; k < slotCount; ++k)
            slider->AddPoint(school.DayStartAt + 5 * k, SelectedSpecial->IsAvailable(day, k), false);
        slider->Redraw();
    }
}

void SpecialsPage::React(const QString& name, const ActionTag& tag)
{
    const auto special = tag.As<SpecialClass>();
    if (name == QStringLiteral("SpecialListChange")) {
        ReloadSpecialList(special);
        return;
    }
    if (name == QStringLiteral("SpecialTitleChange")) {
        ReloadSpecialList(special);
        if (special && special == SelectedSpecial)
            SpecialClassTitle->setEditText(special->Title);
        SpecialClassTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!special)
        return;
    if (name == QStringLiteral("SpecialTeacherChange"))
        ReloadSpecialList(special); // the row shows the teacher too
    SelectRow(SpecialList, special);
    auto writeBack = [](QLineEdit* field, const QString& text) {
        field->setText(text);
        field->setFocus(Qt::OtherFocusReason);
    };
    if (name == QStringLiteral("SpecialAvailabilityChange"))
        SpecialAvailabilitySetupSliders();
    else if (name == QStringLiteral("SpecialDurationChange"))
        writeBack(SpecialDuration, FormatNumber(special->Duration));
    else if (name == QStringLiteral("SpecialMaxStudentsChange"))
        writeBack(SpecialMaximumStudents, FormatNumber(special->MaxStudents));
    else if (name == QStringLiteral("SpecialOverlapChange"))
        writeBack(SpecialOverlap, FormatNumber(special->OverlapTime));
    else if (name == QStringLiteral("SpecialTeacherChange"))
        writeBack(SpecialTeacher, special->Teacher);
}

} // namespace belltide
