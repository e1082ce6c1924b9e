#include "SchoolInfoPage.h"

#include "PageContext.h"
#include "controls/NiceEditField.h"
#include "controls/TimeControl.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "undo/FieldChanges.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace belltide {

namespace {

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setObjectName(QStringLiteral("SchoolInfoLabels"));
    label->setWordWrap(true);
    return label;
}

QWidget* WithUnit(QWidget* field, const QString& unit, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field);
    row->addWidget(new QLabel(unit, box));
    row->addStretch(1);
    return box;
}

} // namespace

SchoolInfoPage::SchoolInfoPage(PageContext& context, QWidget* parent)
    : StepPage(parent)
    , mContext(context)
{
    BuildControls();
}

void SchoolInfoPage::BuildControls()
{
    auto makeTime = [this](const char* name) {
        auto* field = new TimeControl(this);
        field->setObjectName(QString::fromLatin1(name));
        return field;
    };
    auto makeNumber = [this](const char* name) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaximumWidth(60);
        return field;
    };
    mSchoolNameField = new NiceEditField(this);
    mSchoolNameField->setObjectName(QStringLiteral("SchoolNameField"));
    mSchoolDayStart = makeTime("SchoolDayStart");
    mSchoolDayEnd = makeTime("SchoolDayEnd");
    mSchoolDaySpecialStart = makeTime("SchoolDaySpecialStart");
    mSchoolFreeTimeField = makeNumber("SchoolFreeTimeField");
    mSchoolDayLunchStartAt = makeTime("SchoolDayLunchStartAt");
    mSchoolLunchEndAt = makeTime("SchoolLunchEndAt");
    mSchoolLunchTime = makeNumber("SchoolLunchTime");
    mSchoolLunchRecessTime = makeNumber("SchoolLunchRecessTime");
    mSchoolLunchMaxClasses = makeNumber("SchoolLunchMaxClasses");

    auto* page = new QGridLayout(this);
    page->setContentsMargins(20, 14, 20, 10);
    page->setVerticalSpacing(8);
    page->addWidget(Label(QStringLiteral("School &Name:"), mSchoolNameField, this), 0, 0);
    page->addWidget(mSchoolNameField, 0, 1, 1, 3);

    auto* day = new QGroupBox(QStringLiteral("School Day"), this);
    auto* dayGrid = new QGridLayout(day);
    dayGrid->addWidget(Label(QStringLiteral("School Day &Starts At:"), mSchoolDayStart, day), 0, 0);
    dayGrid->addWidget(mSchoolDayStart, 0, 1);
    dayGrid->addWidget(Label(QStringLiteral("School Day En&ds At:"), mSchoolDayEnd, day), 1, 0);
    dayGrid->addWidget(mSchoolDayEnd, 1, 1);
    dayGrid->addWidget(Label(QStringLiteral("Special &Classes Start At:"), mSchoolDaySpecialStart, day), 2, 0);
    dayGrid->addWidget(mSchoolDaySpecialStart, 2, 1);
    dayGrid->setRowStretch(3, 1);

    auto* lunch = new QGroupBox(QStringLiteral("Lunch"), this);
    auto* lunchGrid = new QGridLayout(lunch);
    lunchGrid->addWidget(Label(QStringLiteral("Lunch Starts At:"), mSchoolDayLunchStartAt, lunch), 0, 0);
    lunchGrid->addWidget(mSchoolDayLunchStartAt, 0, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Lunch Ends At:"), mSchoolLunchEndAt, lunch), 1, 0);
    lunchGrid->addWidget(mSchoolLunchEndAt, 1, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Length of Lunch:"), mSchoolLunchTime, lunch), 2, 0);
    lunchGrid->addWidget(WithUnit(mSchoolLunchTime, QStringLiteral("Minutes"), lunch), 2, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Length of Lunch Recess:"), mSchoolLunchRecessTime, lunch), 3, 0);
    lunchGrid->addWidget(WithUnit(mSchoolLunchRecessTime, QStringLiteral("Minutes"), lunch), 3, 1);
    lunchGrid->addWidget(
        Label(QStringLiteral("Maximum Classes in Lunch at Once:"), mSchoolLunchMaxClasses, lunch), 4, 0);
    lunchGrid->addWidget(WithUnit(mSchoolLunchMaxClasses, QString(), lunch), 4, 1);

    page->addWidget(day, 1, 0, 1, 2, Qt::AlignTop);
    page->addWidget(lunch, 1, 2, 1, 2, Qt::AlignTop);

    auto* freeTime = new QWidget(this);
    auto* freeRow = new QHBoxLayout(freeTime);
    freeRow->setContentsMargins(0, 0, 0, 0);
    QLabel* giveEvery = Label(QStringLiteral("Give every &teacher a "), mSchoolFreeTimeField, freeTime);
    giveEvery->setWordWrap(false);
    freeRow->addWidget(giveEvery);
    freeRow->addWidget(mSchoolFreeTimeField);
    freeRow->addWidget(new QLabel(QStringLiteral("minute-long block that has no iterruptions"), freeTime));
    freeRow->addStretch(1);
    page->addWidget(freeTime, 2, 0, 1, 4);
    page->setRowStretch(3, 1);

    connect(mSchoolNameField, &QLineEdit::textChanged, this, &SchoolInfoPage::SchoolNameField_TextChange);
    const std::pair<TimeControl*, int> times[] = {
        { mSchoolDayStart, SchoolTimeChange::DayStartAt },
        { mSchoolDayEnd, SchoolTimeChange::DayEndAt },
        { mSchoolDaySpecialStart, SchoolTimeChange::SpecialStartAt },
        { mSchoolDayLunchStartAt, SchoolTimeChange::LunchStartAt },
        { mSchoolLunchEndAt, SchoolTimeChange::LunchEndAt },
    };
    for (const auto& time : times) {
        TimeControl* field = time.first;
        const int which = time.second;
        connect(
            field, &TimeControl::ValueChanged, this, [this, field, which] { TimeField_ValueChanged(field, which); });
        connect(field, &TimeControl::LostFocus, this, [this, field] { TimeField_LostFocus(field); });
    }
    for (QLineEdit* field : { mSchoolFreeTimeField, mSchoolLunchTime, mSchoolLunchRecessTime, mSchoolLunchMaxClasses })
        connect(field, &QLineEdit::textChanged, this, [this, field] { NumberField_TextChange(field); });
}

QWidget* SchoolInfoPage::FirstControl() const
{
    return mSchoolNameField;
}

void SchoolInfoPage::Load()
{
    const School& school = mContext.GetSchool();
    mSchoolDayStart->SetMinutesValue(school.DayStartAt);
    mSchoolDayEnd->SetMinutesValue(school.DayEndAt);
    mSchoolDaySpecialStart->SetMinutesValue(school.SpecialStartAt);
    mSchoolNameField->setText(school.Name);
    mSchoolFreeTimeField->setText(FormatNumber(school.InterruptFreeTime));
    mSchoolDayLunchStartAt->SetMinutesValue(school.LunchStartAt);
    mSchoolLunchEndAt->SetMinutesValue(school.LunchEndAt);
    mSchoolLunchRecessTime->setText(FormatNumber(school.LunchRecessTime));
    mSchoolLunchTime->setText(FormatNumber(school.LunchTime));
    mSchoolLunchMaxClasses->setText(FormatNumber(school.LunchMaxClasses));
}

void SchoolInfoPage::SchoolNameField_TextChange()
{
    // The title follows the name even when the window itself writes it.
    const QString text = mSchoolNameField->text();
    if (text.compare(QStringLiteral("My School"), Qt::CaseInsensitive) != 0)
        emit TitleChanged(QStringLiteral("Belltide - ") + text);
    if (mContext.IsInternalChange())
        return;
    mContext.Submit(std::make_shared<SchoolNameChange>(mContext.SchoolPtr(), text, mContext.Clock()));
}

void SchoolInfoPage::TimeField_ValueChanged(TimeControl* field, int whichField)
{
    if (mContext.IsInternalChange())
        return;
    mContext.Submit(
        std::make_shared<SchoolTimeChange>(mContext.SchoolPtr(), whichField, field->MinutesValue(), mContext.Clock()));
}

// Keeps each period the right way round; the correction is an ordinary edit.
void SchoolInfoPage::TimeField_LostFocus(TimeControl* field)
{
    // Focus moves while the window writes values back (undo, redo); checking
    // then would put a value in the field that no edit records.
    if (mContext.IsInternalChange())
        return;
    const School& school = mContext.GetSchool();
    const int value = field->MinutesValue();
    if (field == mSchoolDayStart && school.DayEndAt < value)
        field->SetMinutesValue(school.DayEndAt);
    else if ((field == mSchoolDayEnd || field == mSchoolDaySpecialStart) && value < school.DayStartAt)
        field->SetMinutesValue(school.DayStartAt);
    else if (field == mSchoolDayLunchStartAt && school.LunchEndAt < value)
        field->SetMinutesValue(school.LunchEndAt);
    else if (field == mSchoolLunchEndAt && value < school.LunchStartAt)
        field->SetMinutesValue(school.LunchStartAt);
}

void SchoolInfoPage::NumberField_TextChange(QLineEdit* field)
{
    if (mContext.IsInternalChange())
        return;
    const std::int32_t number = ReadNumber(field->text());
    std::shared_ptr<ActionBase> action;
    if (field == mSchoolFreeTimeField)
        action = std::make_shared<SchoolFreeTimeChange>(mContext.SchoolPtr(), number, mContext.Clock());
    else if (field == mSchoolLunchTime)
        action = std::make_shared<SchoolTimeChange>(
            mContext.SchoolPtr(), SchoolTimeChange::LunchTime, number, mContext.Clock());
    else if (field == mSchoolLunchRecessTime)
        action = std::make_shared<SchoolTimeChange>(
            mContext.SchoolPtr(), SchoolTimeChange::LunchRecessTime, number, mContext.Clock());
    else
        action = std::make_shared<SchoolTimeChange>(
            mContext.SchoolPtr(), SchoolTimeChange::LunchMaxClasses, number, mContext.Clock());
    mContext.Submit(action);
}

void SchoolInfoPage::React(Notification name, const ActionTag&)
{
    const School& school = mContext.GetSchool();
    auto setTime = [](TimeControl* field, int minutes) {
        field->SetMinutesValue(minutes);
        field->setFocus(Qt::OtherFocusReason);
    };
    auto setNumber = [](QLineEdit* field, int number) {
        field->setText(FormatNumber(number));
        field->setFocus(Qt::OtherFocusReason);
    };
    if (name == Notification::SchoolNameChange) {
        mSchoolNameField->setText(school.Name);
        mSchoolNameField->setFocus(Qt::OtherFocusReason);
    } else if (name == Notification::SchoolTimeChangeDayStart) {
        setTime(mSchoolDayStart, school.DayStartAt);
    } else if (name == Notification::SchoolTimeChangeDayEnd) {
        setTime(mSchoolDayEnd, school.DayEndAt);
    } else if (name == Notification::SchoolTimeChangeSpecialStart) {
        setTime(mSchoolDaySpecialStart, school.SpecialStartAt);
    } else if (name == Notification::SchoolFreeTimeChange) {
        setNumber(mSchoolFreeTimeField, school.InterruptFreeTime);
    } else if (name == Notification::SchoolTimeChangeLunchStart) {
        setTime(mSchoolDayLunchStartAt, school.LunchStartAt);
    } else if (name == Notification::SchoolTimeChangeLunchEnd) {
        setTime(mSchoolLunchEndAt, school.LunchEndAt);
    } else if (name == Notification::SchoolTimeChangeLunchMax) {
        setNumber(mSchoolLunchMaxClasses, school.LunchMaxClasses);
    } else if (name == Notification::SchoolTimeChangeLunchRecess) {
        setNumber(mSchoolLunchRecessTime, school.LunchRecessTime);
    } else if (name == Notification::SchoolTimeChangeLunchTime) {
        setNumber(mSchoolLunchTime, school.LunchTime);
    }
}

} // namespace belltide
