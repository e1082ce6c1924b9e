#include "SpecialsPage.h"

#include "HelpCanvas.h"
#include "PageContext.h"
#include "PageSupport.h"
#include "controls/AddRemoveButtons.h"
#include "controls/NiceEditField.h"
#include "controls/NumberField.h"
#include "controls/SegmentSlider.h"
#include "controls/TextChoiceBox.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"
#include "undo/FieldChanges.h"
#include "undo/ListChanges.h"
#include "undo/SpecialAvailabilityChange.h"

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

SpecialsPage::SpecialsPage(PageContext& context, QWidget* parent)
    : StepPage(parent)
    , mContext(context)
{
    BuildControls();
}

void SpecialsPage::BuildControls()
{
    mSpecialList = new QListWidget(this);
    mSpecialList->setObjectName(QStringLiteral("SpecialList"));
    mSpecialList->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHelp(mSpecialList,
        "Enter all of your special classes. To add a special class, click the + button below. To "
        "remove one, click the - button.");
    mAddRemoveSpecial = new AddRemoveButtons(this);
    mAddRemoveSpecial->setObjectName(QStringLiteral("AddRemoveSpecial"));
    mAddRemoveSpecial->SetActionNames(
        QStringLiteral("Add a new special class"), QStringLiteral("Remove the selected special class"));
    mAddRemoveSpecial->SetRemoveEnabled(false);
    mSpecialClassTitle = new TextChoiceBox(this);
    mSpecialClassTitle->setObjectName(QStringLiteral("SpecialClassTitle"));
    SetHelp(mSpecialClassTitle, "Enter the subject of this special class. E.g., Art");
    mSpecialTeacher = new NiceEditField(this);
    mSpecialTeacher->setObjectName(QStringLiteral("SpecialTeacher"));
    SetHelp(mSpecialTeacher, "Enter the name of the teacher of this special class.");
    auto makeNumber = [this](const char* name, const char* help, const char* what, int minimum, int maximum) {
        auto* field = new NumberField(QString::fromLatin1(what), minimum, maximum, this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaximumWidth(60);
        SetHelp(field, help);
        return field;
    };
    mSpecialMaximumStudents = makeNumber("SpecialMaximumStudents",
        "If this special class cannot have more than a certain number of students, put the "
        "maximum here. This field is optional, and if left at 0, any number of students can "
        "attend.",
        "Maximum students", 0, 999);
    // A meeting shorter than one 5-minute step cannot be scheduled.
    mSpecialDuration
        = makeNumber("SpecialDuration", "Enter the length of this class in minutes.", "Class length", 5, 24 * 60);
    mSpecialOverlap = makeNumber("SpecialOverlap",
        "Enter the number of minutes this special needs between classes. E.g., a P.E. teacher "
        "might need 5 minutes to put away equipment for the previous class and get out "
        "equipment for the next class.",
        "Passing time", 0, 24 * 60);

    // The list grows with the window; the editors keep to the top.
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(12, 8, 12, 6);
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Special Classes"), this);
    heading->setBuddy(mSpecialList);
    left->addWidget(heading);
    left->addWidget(mSpecialList, 1);
    left->addWidget(mAddRemoveSpecial, 0, Qt::AlignLeft);
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
    fields->addWidget(label("Subject:", mSpecialClassTitle), 0, 0, Qt::AlignRight);
    fields->addWidget(mSpecialClassTitle, 0, 1);
    fields->addWidget(label("Teacher:", mSpecialTeacher), 0, 2, Qt::AlignRight);
    fields->addWidget(mSpecialTeacher, 0, 3);
    fields->addWidget(label("Class Length:", mSpecialDuration), 1, 0, Qt::AlignRight);
    auto* length = new QHBoxLayout;
    length->addWidget(mSpecialDuration);
    length->addWidget(new QLabel(QStringLiteral("Minutes"), this));
    length->addStretch(1);
    fields->addLayout(length, 1, 1);
    fields->addWidget(label("Passing Time:", mSpecialOverlap), 1, 2, Qt::AlignRight);
    auto* passing = new QHBoxLayout;
    passing->addWidget(mSpecialOverlap);
    passing->addWidget(new QLabel(QStringLiteral("Minutes"), this));
    passing->addStretch(1);
    fields->addLayout(passing, 1, 3);
    fields->addWidget(label("Maximum Students:", mSpecialMaximumStudents), 2, 0, Qt::AlignRight);
    fields->addWidget(mSpecialMaximumStudents, 2, 1, Qt::AlignLeft);
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
        mAvailability[std::size_t(day)] = slider;
        auto* dayLabel = new QLabel(QString::fromLatin1(kDayLabels[day]), this);
        dayLabel->setBuddy(slider);
        // Read aloud without the colon: "Monday availability".
        slider->setAccessibleName(dayLabel->text().chopped(1));
        right->addWidget(dayLabel);
        right->addWidget(slider);
    }
    right->addStretch(1);
    page->addLayout(right, 5);

    connect(mSpecialList, &QListWidget::itemSelectionChanged, this, &SpecialsPage::SpecialList_Change);
    connect(mSpecialClassTitle, &TextChoiceBox::TextTyped, this, &SpecialsPage::SpecialClassTitle_TextTyped);
    connect(mSpecialClassTitle, &TextChoiceBox::Picked, this, &SpecialsPage::SpecialClassTitle_Picked);
    connect(mSpecialTeacher, &QLineEdit::textChanged, this, &SpecialsPage::SpecialTeacher_TextChange);
    for (NumberField* field : { mSpecialMaximumStudents, mSpecialDuration, mSpecialOverlap })
        connect(field, &QLineEdit::textChanged, this, [this, field] { NumberField_TextChange(field); });
    connect(mAddRemoveSpecial, &AddRemoveButtons::Add, this, &SpecialsPage::AddRemoveSpecial_Add);
    connect(mAddRemoveSpecial, &AddRemoveButtons::Remove, this, &SpecialsPage::AddRemoveSpecial_Remove);
    ClearEditors();
}

QWidget* SpecialsPage::FirstControl() const
{
    return mSpecialList;
}

void SpecialsPage::Load()
{
    ReloadSpecialList(nullptr);
    RedimensionAvailabilityGrid();
}

void SpecialsPage::Follow(Notification name, const ActionTag&)
{
    if (name == Notification::SchoolTimeChangeDayStart || name == Notification::SchoolTimeChangeDayEnd
        || name == Notification::SchoolTimeChangeSpecialStart)
        RedimensionAvailabilityGrid();
}

void SpecialsPage::ReloadSpecialList(std::shared_ptr<SpecialClass> special)
{
    mRebuildingList = true;
    if (!special) {
        const QList<QListWidgetItem*> selected = mSpecialList->selectedItems();
        special = selected.isEmpty() ? nullptr : RowObject<SpecialClass>(selected.first());
    }
    mSpecialList->clear();

    auto& specials = mContext.GetSchool().Specials;
    QStringList texts;
    for (const auto& s : specials)
        texts << s->Title + QStringLiteral(": ") + s->Teacher;
    SortAlong(specials, texts);
    mRebuildingList = false;

    for (qsizetype i = 0; i < texts.size(); ++i) {
        mSpecialList->addItem(MakeRow(texts[i], specials[std::size_t(i)]));
        if (specials[std::size_t(i)] == special)
            mSpecialList->setCurrentRow(int(i), QItemSelectionModel::ClearAndSelect);
    }
    if (mSpecialList->selectedItems().isEmpty()) {
        mSpecialList->clearSelection();
        SpecialList_Change();
    }
}

void SpecialsPage::SpecialList_Change()
{
    mContext.Help().HideHelp();
    if (mRebuildingList)
        return;
    const QList<QListWidgetItem*> selected = mSpecialList->selectedItems();
    if (selected.isEmpty()) {
        ClearEditors();
        return;
    }
    const auto special = RowObject<SpecialClass>(selected.first());
    if (special != mSelectedSpecial)
        ShowSpecial(special);
}

void SpecialsPage::ShowSpecial(const std::shared_ptr<SpecialClass>& special)
{
    mSelectedSpecial = special;
    const PageContext::InternalChange guard(mContext);
    QStringList titles;
    for (const auto& s : mContext.GetSchool().Specials)
        titles << s->Title;
    mSpecialClassTitle->ShowChoices(DistinctSorted(titles), special->Title);
    mSpecialTeacher->setEnabled(true);
    mSpecialTeacher->setText(special->Teacher);
    mSpecialDuration->setEnabled(true);
    mSpecialDuration->setText(FormatNumber(special->Duration));
    mSpecialMaximumStudents->setEnabled(true);
    mSpecialMaximumStudents->setText(FormatNumber(special->MaxStudents));
    mSpecialOverlap->setEnabled(true);
    mSpecialOverlap->setText(FormatNumber(special->OverlapTime));
    mAddRemoveSpecial->SetRemoveEnabled(true);
    for (SegmentSlider* slider : mAvailability)
        slider->setEnabled(true);
    SpecialAvailabilitySetupSliders();
}

void SpecialsPage::ClearEditors()
{
    const PageContext::InternalChange guard(mContext);
    mSelectedSpecial.reset();
    for (QWidget* editor : std::initializer_list<QWidget*> {
             mSpecialClassTitle, mSpecialTeacher, mSpecialDuration, mSpecialMaximumStudents, mSpecialOverlap })
        editor->setEnabled(false);
    mSpecialClassTitle->Clear();
    mSpecialTeacher->clear();
    mSpecialDuration->clear();
    mSpecialMaximumStudents->clear();
    mSpecialOverlap->clear();
    mAddRemoveSpecial->SetRemoveEnabled(false);
    for (SegmentSlider* slider : mAvailability)
        slider->setEnabled(false);
}

void SpecialsPage::SpecialClassTitle_TextTyped(const QString& text)
{
    if (mContext.IsInternalChange() || !mSelectedSpecial)
        return;
    const PageContext::InternalChange guard(mContext);
    mContext.Submit(
        std::make_shared<SpecialTitleChange>(mContext.SchoolPtr(), mSelectedSpecial, text, mContext.Clock()));
    ReloadSpecialList(nullptr);
}

void SpecialsPage::SpecialClassTitle_Picked(const QString& text)
{
    if (mContext.IsInternalChange() || !mSelectedSpecial)
        return;
    mContext.Submit(
        std::make_shared<SpecialTitleChange>(mContext.SchoolPtr(), mSelectedSpecial, text, mContext.Clock()));
}

void SpecialsPage::SpecialTeacher_TextChange()
{
    if (mContext.IsInternalChange() || !mSelectedSpecial)
        return;
    mContext.Submit(
        std::make_shared<SpecialTeacherChange>(mSelectedSpecial, mSpecialTeacher->text(), mContext.Clock()));
    ReloadSpecialList(nullptr);
}

QString SpecialsPage::Problem() const
{
    if (!mSelectedSpecial)
        return {};
    for (const NumberField* field : { mSpecialDuration, mSpecialMaximumStudents, mSpecialOverlap }) {
        if (!field->Problem().isEmpty())
            return field->Problem();
    }
    return {};
}

void SpecialsPage::NumberField_TextChange(NumberField* field)
{
    if (isVisible())
        mContext.Help().SetProblem(Problem());
    const std::optional<int> value = field->Value();
    if (mContext.IsInternalChange() || !mSelectedSpecial || !value)
        return;
    std::shared_ptr<ActionBase> action;
    if (field == mSpecialDuration)
        action = std::make_shared<SpecialDurationChange>(mSelectedSpecial, *value, mContext.Clock());
    else if (field == mSpecialMaximumStudents)
        action = std::make_shared<SpecialMaxStudentsChange>(mSelectedSpecial, *value, mContext.Clock());
    else
        action = std::make_shared<SpecialOverlapChange>(mSelectedSpecial, *value, mContext.Clock());
    mContext.Submit(action);
}

void SpecialsPage::Availability_Changed(int day)
{
    if (!mSelectedSpecial)
        return;
    const SegmentSlider& slider = *mAvailability[std::size_t(day)];
    const int dayStart = mContext.GetSchool().DayStartAt;
    auto head = std::make_shared<SpecialAvailabilityChange>(mSelectedSpecial, day, 0, slider.PointAvailability(0));
    ActionBase* tail = head.get();
    // Minute by minute, so a slot two sections share ends with the later one.
    for (int i = 0; i < slider.PointCount(); ++i) {
        for (int m = slider.PointValue(i); m < slider.PointValue(i + 1); ++m) {
            auto next = std::make_shared<SpecialAvailabilityChange>(
                mSelectedSpecial, day, TruncateToInt((m - dayStart) / 5.0), slider.PointAvailability(i));
            tail->NextAction = next;
            tail = next.get();
        }
    }
    mContext.Submit(head);
}

void SpecialsPage::AddRemoveSpecial_Add()
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = QStringLiteral("P.E.");
    special->Teacher = QStringLiteral("Mrs. Smith");
    special->Duration = 60;
    mContext.SubmitAndShow(std::make_shared<AddSpecialChange>(mContext.SchoolPtr(), special, mContext.Clock()));
}

void SpecialsPage::AddRemoveSpecial_Remove()
{
    const QList<QListWidgetItem*> selected = mSpecialList->selectedItems();
    if (selected.isEmpty())
        return;
    mContext.SubmitAndShow(std::make_shared<RemoveSpecialChange>(
        mContext.SchoolPtr(), RowObject<SpecialClass>(selected.first()), mContext.Clock()));
}

void SpecialsPage::RedimensionAvailabilityGrid()
{
    const School& school = mContext.GetSchool();
    int hatches = 0;
    for (long long time = school.SpecialStartAt; time < school.DayEndAt; time += 60)
        ++hatches;
    for (SegmentSlider* slider : mAvailability) {
        slider->SetNumberOfHatches(hatches);
        slider->SetMinimum(school.SpecialStartAt);
        slider->SetMaximum(school.DayEndAt);
    }
}

void SpecialsPage::SpecialAvailabilitySetupSliders()
{
    if (!mSelectedSpecial)
        return;
    const School& school = mContext.GetSchool();
    const int slotCount = TruncateToInt((double(school.DayEndAt) - school.DayStartAt) / 5.0);
    for (int day = 0; day < 5; ++day) {
        SegmentSlider* slider = mAvailability[std::size_t(day)];
        slider->ClearPoints();
        for (int k = 0; k < slotCount; ++k)
            slider->AddPoint(school.DayStartAt + 5 * k, mSelectedSpecial->IsAvailable(day, k), false);
        slider->Redraw();
    }
}

void SpecialsPage::React(Notification name, const ActionTag& tag)
{
    const auto special = tag.As<SpecialClass>();
    if (name == Notification::SpecialListChange) {
        ReloadSpecialList(special);
        return;
    }
    if (name == Notification::SpecialTitleChange) {
        ReloadSpecialList(special);
        if (special && special == mSelectedSpecial)
            mSpecialClassTitle->setEditText(special->Title);
        mSpecialClassTitle->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!special)
        return;
    if (name == Notification::SpecialTeacherChange)
        ReloadSpecialList(special); // the row shows the teacher too
    SelectRow(mSpecialList, special);
    auto writeBack = [](QLineEdit* field, const QString& text) {
        field->setText(text);
        field->setFocus(Qt::OtherFocusReason);
    };
    if (name == Notification::SpecialAvailabilityChange)
        SpecialAvailabilitySetupSliders();
    else if (name == Notification::SpecialDurationChange)
        writeBack(mSpecialDuration, FormatNumber(special->Duration));
    else if (name == Notification::SpecialMaxStudentsChange)
        writeBack(mSpecialMaximumStudents, FormatNumber(special->MaxStudents));
    else if (name == Notification::SpecialOverlapChange)
        writeBack(mSpecialOverlap, FormatNumber(special->OverlapTime));
    else if (name == Notification::SpecialTeacherChange)
        writeBack(mSpecialTeacher, special->Teacher);
}

} // namespace belltide
