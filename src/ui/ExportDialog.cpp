#include "ExportDialog.h"

#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/DayOverviewRenderer.h"
#include "output/ScheduleRows.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace belltide {

namespace {

struct FormatText {
    ExportFormat Format;
    const char* Caption;
    const char* Suffix;
    const char* Filter;
};

const FormatText kFormats[] = {
    { ExportFormat::Csv, "Spreadsheet (CSV)", "csv", "Spreadsheets (*.csv)" },
    { ExportFormat::Calendar, "Calendar (iCalendar)", "ics", "Calendars (*.ics)" },
    { ExportFormat::Html, "Web Page (HTML)", "html", "Web Pages (*.html *.htm)" },
};

} // namespace

ExportDialog::ExportDialog(const School& school, const QDate& today, QWidget* parent)
    : QDialog(parent)
    , mSchool(school)
{
    setWindowTitle(QStringLiteral("Export"));
    FormatBox = new QComboBox(this);
    FormatBox->setObjectName(QStringLiteral("ExportFormat"));
    for (const FormatText& format : kFormats)
        FormatBox->addItem(QString::fromLatin1(format.Caption));

    auto* calendar = new QGroupBox(QStringLiteral("Calendar"), this);
    mCalendarGroup = calendar;
    FirstDay = new QDateEdit(today, calendar);
    FirstDay->setObjectName(QStringLiteral("FirstDay"));
    FirstDay->setCalendarPopup(true);
    LastDay = new QDateEdit(today.addMonths(4), calendar);
    LastDay->setObjectName(QStringLiteral("LastDay"));
    LastDay->setCalendarPopup(true);
    WhoseBox = new QComboBox(calendar);
    WhoseBox->setObjectName(QStringLiteral("ExportWhose"));
    WhoseBox->addItem(QStringLiteral("Whole School"));
    for (const ScheduleContent& row : DayOverviewRenderer::Rows(school, ScheduleOverview::Classes)) {
        WhoseBox->addItem(ScheduleRows::Label(*row.Classroom));
        mClasses.push_back(row.Classroom);
        mSpecials.emplace_back();
    }
    // A special teacher's calendar holds every special they teach: one row each.
    QStringList teachers;
    for (const ScheduleContent& row : DayOverviewRenderer::Rows(school, ScheduleOverview::Specials)) {
        if (teachers.contains(row.Special->Teacher))
            continue;
        teachers << row.Special->Teacher;
        WhoseBox->addItem(QStringLiteral("%1 (special teacher)").arg(row.Special->Teacher));
        mClasses.emplace_back();
        mSpecials.push_back(row.Special);
    }
    auto* terms = new QFormLayout(calendar);
    terms->addRow(QStringLiteral("&First day of term:"), FirstDay);
    terms->addRow(QStringLiteral("&Last day of term:"), LastDay);
    terms->addRow(QStringLiteral("&Whose week:"), WhoseBox);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export..."));
    auto* column = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("&Format:"), FormatBox);
    column->addLayout(top);
    column->addWidget(calendar);
    column->addStretch(1);
    column->addWidget(Buttons);

    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FormatBox, &QComboBox::currentIndexChanged, this, &ExportDialog::FollowFormat);
    // A term that ends before it starts is not offered.
    connect(FirstDay, &QDateEdit::dateChanged, this, &ExportDialog::FollowFormat);
    connect(LastDay, &QDateEdit::dateChanged, this, &ExportDialog::FollowFormat);
    FollowFormat();
}

ExportFormat ExportDialog::Format() const
{
    return kFormats[std::max(FormatBox->currentIndex(), 0)].Format;
}

void ExportDialog::SetFormat(ExportFormat format)
{
    for (int i = 0; i < int(std::size(kFormats)); ++i) {
        if (kFormats[i].Format == format)
            FormatBox->setCurrentIndex(i);
    }
}

void ExportDialog::FollowFormat()
{
    const bool calendar = Format() == ExportFormat::Calendar;
    mCalendarGroup->setEnabled(calendar);
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(!calendar || FirstDay->date() <= LastDay->date());
}

CalendarRequest ExportDialog::Request() const
{
    CalendarRequest request;
    request.FirstDay = FirstDay->date();
    request.LastDay = LastDay->date();
    const int whose = WhoseBox->currentIndex() - 1;
    if (whose >= 0 && std::size_t(whose) < mClasses.size()) {
        request.Class = mClasses[std::size_t(whose)];
        request.Special = mSpecials[std::size_t(whose)];
    }
    return request;
}

QString ExportDialog::SuggestedName() const
{
    QString name = mSchool.Name.trimmed();
    // Characters no file system takes are left out of the suggestion.
    name.remove(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|])")));
    if (name.isEmpty())
        name = QStringLiteral("Schedule");
    return name + u'.' + QString::fromLatin1(kFormats[std::max(FormatBox->currentIndex(), 0)].Suffix);
}

QString ExportDialog::Filter() const
{
    return QString::fromLatin1(kFormats[std::max(FormatBox->currentIndex(), 0)].Filter);
}

} // namespace belltide
