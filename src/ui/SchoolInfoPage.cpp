#include "SchoolInfoPage.h"

#include "HelpCanvas.h"
#include "PageContext.h"
#include "controls/NiceEditField.h"
#include "controls/NumberField.h"
#include "controls/TimeControl.h"
#include "model/FaceChecks.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "undo/FieldChanges.h"

#include <QApplication>
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
    auto makeNumber = [this](const char* name, const char* what, int maximum) {
        auto* field = new NumberField(QString::fromLatin1(what), 0, maximum, this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaximumWidth(60);
        return field;
    };
    mSchoolNameField = new NiceEditField(this);
    mSchoolNameField->setObjectName(QStringLiteral("SchoolNameField"));
    mSchoolDayStart = makeTime("SchoolDayStart");
    mSchoolDayEnd = makeTime("SchoolDayEnd");
    mSchoolDaySpecialStart = makeTime("SchoolDaySpecialStart");
    mSchoolFreeTimeField = makeNumber("SchoolFreeTimeField", "Interrupt-free block", 24 * 60);
    mSchoolDayLunchStartAt = makeTime("SchoolDayLunchStartAt");
    mSchoolLunchEndAt = makeTime("SchoolLunchEndAt");
    mSchoolLunchTime = makeNumber("SchoolLunchTime", "Length of lunch", 24 * 60);
    mSchoolLunchRecessTime = makeNumber("SchoolLunchRecessTime", "Length of lunch recess", 24 * 60);
    mSchoolLunchMaxClasses = makeNumber("SchoolLunchMaxClasses", "Classes in lunch at once", 999);

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
    freeRow->addWidget(new QLabel(QStringLiteral("minute-long block that has no interruptions"), freeTime));
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
        connect(field, &TimeControl::ProblemChanged, this, &SchoolInfoPage::ShowProblem);
        connect(field, &TimeControl::GotFocus, this, &SchoolInfoPage::ShowProblem);
    }
    for (NumberField* field :
        { mSchoolFreeTimeField, mSchoolLunchTime, mSchoolLunchRecessTime, mSchoolLunchMaxClasses })
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
    CheckEntries();
}

void SchoolInfoPage::SchoolNameField_TextChange()
{
    // The title follows the name even when the window itself writes it (an
    // undo back to the untouched name included): a default or empty name is
    // no name to show.
    const QString text = mSchoolNameField->text();
    const bool named = !text.trimmed().isEmpty() && text.compare(QStringLiteral("My School"), Qt::CaseInsensitive) != 0;
    emit TitleChanged(named ? QStringLiteral("Belltide - ") + text : QStringLiteral("Belltide"));
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

void SchoolInfoPage::NumberField_TextChange(NumberField* field)
{
    ShowProblem();
    const std::optional<int> value = field->Value();
    if (mContext.IsInternalChange() || !value)
        return;
    const std::int32_t number = *value;
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

std::vector<QWidget*> SchoolInfoPage::CheckedFields() const
{
    return { mSchoolDayStart, mSchoolDayEnd, mSchoolDaySpecialStart, mSchoolDayLunchStartAt, mSchoolLunchEndAt,
        mSchoolLunchTime, mSchoolLunchRecessTime, mSchoolLunchMaxClasses, mSchoolFreeTimeField };
}

void SchoolInfoPage::Follow(Notification, const ActionTag&)
{
    CheckEntries();
}

void SchoolInfoPage::CheckEntries()
{
    using Field = FaceProblem::Field;
    QString times[5];
    QString lunchLength;
    QString seats;
    for (const FaceProblem& problem : FindSchoolProblems(mContext.GetSchool())) {
        switch (problem.Where) {
        case Field::DayStart:
            times[0] = problem.Text;
            break;
        case Field::DayEnd:
            times[1] = problem.Text;
            break;
        case Field::SpecialStart:
            times[2] = problem.Text;
            break;
        case Field::LunchStart:
            times[3] = problem.Text;
            break;
        case Field::LunchEnd:
            times[4] = problem.Text;
            break;
        case Field::LunchTime:
            lunchLength = problem.Text;
            break;
        case Field::LunchMaxClasses:
            seats = problem.Text;
            break;
        }
    }
    mSchoolDayStart->SetFlag(times[0]);
    mSchoolDayEnd->SetFlag(times[1]);
    mSchoolDaySpecialStart->SetFlag(times[2]);
    mSchoolDayLunchStartAt->SetFlag(times[3]);
    mSchoolLunchEndAt->SetFlag(times[4]);
    mSchoolLunchTime->SetFlag(lunchLength);
    mSchoolLunchMaxClasses->SetFlag(seats);
    ShowProblem();
}

QString SchoolInfoPage::Problem() const
{
    const auto problemOf = [](const QWidget* field) {
        if (const auto* time = qobject_cast<const TimeControl*>(field))
            return time->Problem();
        if (const auto* number = qobject_cast<const NumberField*>(field))
            return number->Problem();
        return QString();
    };
    const QWidget* focused = QApplication::focusWidget();
    QString first;
    for (const QWidget* field : CheckedFields()) {
        QString problem = problemOf(field);
        if (field == focused && !problem.isEmpty())
            return problem;
        if (first.isEmpty())
            first = problem;
    }
    return first;
}

void SchoolInfoPage::ShowProblem()
{
    // Another step on screen keeps its own help; this page's problem is shown when it comes back.
    if (isVisible())
        mContext.Help().SetProblem(Problem());
}

void SchoolInfoPage::React(Notification name, const ActionTag&)
{
    const School& school = mContext.GetSchool();
    auto setTime = [](TimeControl* field, int minutes) {
        field->SetMinutesValue(minutes);
        field->setFocus(Qt::OtherFocusReason);
    };
    auto setNumber = [](NumberField* field, int number) {
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
