#include "SchoolInfoPage.h"

#include "MainWindow.h"
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

SchoolInfoPage::SchoolInfoPage(MainWindow& window, QWidget* parent)
    : StepPage(parent)
    , mWindow(window)
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
    SchoolNameField = new NiceEditField(this);
    SchoolNameField->setObjectName(QStringLiteral("SchoolNameField"));
    SchoolDayStart = makeTime("SchoolDayStart");
    SchoolDayEnd = makeTime("SchoolDayEnd");
    SchoolDaySpecialStart = makeTime("SchoolDaySpecialStart");
    SchoolFreeTimeField = makeNumber("SchoolFreeTimeField");
    SchoolDayLunchStartAt = makeTime("SchoolDayLunchStartAt");
    SchoolLunchEndAt = makeTime("SchoolLunchEndAt");
    SchoolLunchTime = makeNumber("SchoolLunchTime");
    SchoolLunchRecessTime = makeNumber("SchoolLunchRecessTime");
    SchoolLunchMaxClasses = makeNumber("SchoolLunchMaxClasses");

    auto* page = new QGridLayout(this);
    page->setContentsMargins(20, 14, 20, 10);
    page->setVerticalSpacing(8);
    page->addWidget(Label(QStringLiteral("School &Name:"), SchoolNameField, this), 0, 0);
    page->addWidget(SchoolNameField, 0, 1, 1, 3);

    auto* day = new QGroupBox(QStringLiteral("School Day"), this);
    auto* dayGrid = new QGridLayout(day);
    dayGrid->addWidget(Label(QStringLiteral("School Day &Starts At:"), SchoolDayStart, day), 0, 0);
    dayGrid->addWidget(SchoolDayStart, 0, 1);
    dayGrid->addWidget(Label(QStringLiteral("School Day En&ds At:"), SchoolDayEnd, day), 1, 0);
    dayGrid->addWidget(SchoolDayEnd, 1, 1);
    dayGrid->addWidget(Label(QStringLiteral("Special &Classes Start At:"), SchoolDaySpecialStart, day), 2, 0);
    dayGrid->addWidget(SchoolDaySpecialStart, 2, 1);
    dayGrid->setRowStretch(3, 1);

    auto* lunch = new QGroupBox(QStringLiteral("Lunch"), this);
    auto* lunchGrid = new QGridLayout(lunch);
    lunchGrid->addWidget(Label(QStringLiteral("Lunch Starts At:"), SchoolDayLunchStartAt, lunch), 0, 0);
    lunchGrid->addWidget(SchoolDayLunchStartAt, 0, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Lunch Ends At:"), SchoolLunchEndAt, lunch), 1, 0);
    lunchGrid->addWidget(SchoolLunchEndAt, 1, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Length of Lunch:"), SchoolLunchTime, lunch), 2, 0);
    lunchGrid->addWidget(WithUnit(SchoolLunchTime, QStringLiteral("Minutes"), lunch), 2, 1);
    lunchGrid->addWidget(Label(QStringLiteral("Length of Lunch Recess:"), SchoolLunchRecessTime, lunch), 3, 0);
    lunchGrid->addWidget(WithUnit(SchoolLunchRecessTime, QStringLiteral("Minutes"), lunch), 3, 1);
    lunchGrid->addWidget(
        Label(QStringLiteral("Maximum Classes in Lunch at Once:"), SchoolLunchMaxClasses, lunch), 4, 0);
    lunchGrid->addWidget(WithUnit(SchoolLunchMaxClasses, QString(), lunch), 4, 1);

    page->addWidget(day, 1, 0, 1, 2, Qt::AlignTop);
    page->addWidget(lunch, 1, 2, 1, 2, Qt::AlignTop);

    auto* freeTime = new QWidget(this);
    auto* freeRow = new QHBoxLayout(freeTime);
    freeRow->setContentsMargins(0, 0, 0, 0);
    QLabel* giveEvery = Label(QStringLiteral("Give every &teacher a "), SchoolFreeTimeField, freeTime);
    giveEvery->setWordWrap(false);
    freeRow->addWidget(giveEvery);
    freeRow->addWidget(SchoolFreeTimeField);
    freeRow->addWidget(new QLabel(QStringLiteral("minute-long block that has no iterruptions"), freeTime));
    freeRow->addStretch(1);
    page->addWidget(freeTime, 2, 0, 1, 4);
    page->setRowStretch(3, 1);

    connect(SchoolNameField, &QLineEdit::textChanged, this, &SchoolInfoPage::SchoolNameField_TextChange);
    const std::pair<TimeControl*, int> times[] = {
        { SchoolDayStart, SchoolTimeChange::DayStartAt },
        { SchoolDayEnd, SchoolTimeChange::DayEndAt },
        { SchoolDaySpecialStart, SchoolTimeChange::SpecialStartAt },
        { SchoolDayLunchStartAt, SchoolTimeChange::LunchStartAt },
        { SchoolLunchEndAt, SchoolTimeChange::LunchEndAt },
    };
    for (auto [field, which] : times) {
        connect(
            field, &TimeControl::ValueChanged, this, [this, field, which] { TimeField_ValueChanged(field, which); });
        connect(field, &TimeControl::LostFocus, this, [this, field] { TimeField_LostFocus(field); });
    }
    for (QLineEdit* field : { SchoolFreeTimeField, SchoolLunchTime, SchoolLunchRecessTime, SchoolLunchMaxClasses })
        connect(field, &QLineEdit::textChanged, this, [this, field] { NumberField_TextChange(field); });
}

QWidget* SchoolInfoPage::FirstControl() const
{
    return SchoolNameField;
}

void SchoolInfoPage::Load()
{
    const School& school = mWindow.GetSchool();
    SchoolDayStart->SetMinutesValue(school.DayStartAt);
    SchoolDayEnd->SetMinutesValue(school.DayEndAt);
    SchoolDaySpecialStart->SetMinutesValue(school.SpecialStartAt);
    SchoolNameField->setText(school.Name);
    SchoolFreeTimeField->setText(FormatNumber(school.InterruptFreeTime));
    SchoolDayLunchStartAt->SetMinutesValue(school.LunchStartAt);
    SchoolLunchEndAt->SetMinutesValue(school.LunchEndAt);
    SchoolLunchRecessTime->setText(FormatNumber(school.LunchRecessTime));
    SchoolLunchTime->setText(FormatNumber(school.LunchTime));
    SchoolLunchMaxClasses->setText(FormatNumber(school.LunchMaxClasses));
}

void SchoolInfoPage::SchoolNameField_TextChange()
{
    // The title follows the name even when the window itself writes it.
    const QString text = SchoolNameField->text();
    if (text.compare(QStringLiteral("My School"), Qt::CaseInsensitive) != 0)
        mWindow.setWindowTitle(QStringLiteral("Belltide - ") + text);
    if (mWindow.mInternalChange > 0)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(std::make_shared<SchoolNameChange>(mWindow.SchoolPtr(), text, mWindow.Clock()));
}

void SchoolInfoPage::TimeField_ValueChanged(TimeControl* field, int whichField)
{
    if (mWindow.mInternalChange > 0)
        return;
    MainWindow::InternalChange guard(mWindow);
    mWindow.UndoManager().Add(
        std::make_shared<SchoolTimeChange>(mWindow.SchoolPtr(), whichField, field->MinutesValue(), mWindow.Clock()));
    if (field == SchoolDayStart || field == SchoolDayEnd || field == SchoolDaySpecialStart)
        mWindow.RedimensionAvailabilityGrid();
}

// Keeps each period the right way round; the correction is an ordinary edit.
void SchoolInfoPage::TimeField_LostFocus(TimeControl* field)
{
    // Focus moves while the window writes values back (undo, redo); checking
    // then would put a value in the field that no edit records.
    if (mWindow.mInternalChange > 0)
        return;
    const School& school = mWindow.GetSchool();
    const int value = field->MinutesValue();
    if (field == SchoolDayStart && school.DayEndAt < value)
        field->SetMinutesValue(school.DayEndAt);
    else if ((field == SchoolDayEnd || field == SchoolDaySpecialStart) && value < school.DayStartAt)
        field->SetMinutesValue(school.DayStartAt);
    else if (field == SchoolDayLunchStartAt && school.LunchEndAt < value)
        field->SetMinutesValue(school.LunchEndAt);
    else if (field == SchoolLunchEndAt && value < school.LunchStartAt)
        field->SetMinutesValue(school.LunchStartAt);
}

void SchoolInfoPage::NumberField_TextChange(QLineEdit* field)
{
    if (mWindow.mInternalChange > 0)
        return;
    MainWindow::InternalChange guard(mWindow);
    const std::int32_t number = ReadNumber(field->text());
    std::shared_ptr<ActionBase> action;
    if (field == SchoolFreeTimeField)
        action = std::make_shared<SchoolFreeTimeChange>(mWindow.SchoolPtr(), number, mWindow.Clock());
    else if (field == SchoolLunchTime)
        action = std::make_shared<SchoolTimeChange>(
            mWindow.SchoolPtr(), SchoolTimeChange::LunchTime, number, mWindow.Clock());
    else if (field == SchoolLunchRecessTime)
        action = std::make_shared<SchoolTimeChange>(
            mWindow.SchoolPtr(), SchoolTimeChange::LunchRecessTime, number, mWindow.Clock());
    else
        action = std::make_shared<SchoolTimeChange>(
            mWindow.SchoolPtr(), SchoolTimeChange::LunchMaxClasses, number, mWindow.Clock());
    mWindow.UndoManager().Add(action);
}

void SchoolInfoPage::React(const QString& name, const ActionTag&)
{
    const School& school = mWindow.GetSchool();
    auto setTime = [](TimeControl* field, int minutes) {
        field->SetMinutesValue(minutes);
        field->setFocus(Qt::OtherFocusReason);
    };
    auto setNumber = [](QLineEdit* field, int number) {
        field->setText(FormatNumber(number));
        field->setFocus(Qt::OtherFocusReason);
    };
    if (name == QStringLiteral("SchoolNameChange")) {
        SchoolNameField->setText(school.Name);
        SchoolNameField->setFocus(Qt::OtherFocusReason);
    } else if (name == QStringLiteral("SchoolTimeChange-DayStart")) {
        setTime(SchoolDayStart, school.DayStartAt);
        mWindow.RedimensionAvailabilityGrid();
    } else if (name == QStringLiteral("SchoolTimeChange-DayEnd")) {
        setTime(SchoolDayEnd, school.DayEndAt);
        mWindow.RedimensionAvailabilityGrid();
    } else if (name == QStringLiteral("SchoolTimeChange-SpecialStart")) {
        setTime(SchoolDaySpecialStart, school.SpecialStartAt);
        mWindow.RedimensionAvailabilityGrid();
    } else if (name == QStringLiteral("SchoolFreeTimeChange")) {
        setNumber(SchoolFreeTimeField, school.InterruptFreeTime);
    } else if (name == QStringLiteral("SchoolTimeChange-LunchStart")) {
        setTime(SchoolDayLunchStartAt, school.LunchStartAt);
    } else if (name == QStringLiteral("SchoolTimeChange-LunchEnd")) {
        setTime(SchoolLunchEndAt, school.LunchEndAt);
    } else if (name == QStringLiteral("SchoolTimeChange-LunchMax")) {
        setNumber(SchoolLunchMaxClasses, school.LunchMaxClasses);
    } else if (name == QStringLiteral("SchoolTimeChange-LunchRecess")) {
        setNumber(SchoolLunchRecessTime, school.LunchRecessTime);
    } else if (name == QStringLiteral("SchoolTimeChange-LunchTime")) {
        setNumber(SchoolLunchTime, school.LunchTime);
    }
}

} // namespace belltide
