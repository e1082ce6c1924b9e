#include "ScheduleCsv.h"

#include "ScheduleRows.h"

#include "model/Classroom.h"
#include "model/FileSaving.h"
#include "model/SpecialClass.h"

#include <QStringList>

namespace belltide::ScheduleCsv {

namespace {

const char* const kHeader[]
    = { "Day", "Start", "End", "Class", "Grade", "Homeroom Teacher", "Subject", "Special Teacher", "Kind" };

void AddLine(QString& text, const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << Field(field);
    text += quoted.join(u',');
    text += QStringLiteral("\r\n");
}

} // namespace

QString Clock(std::int32_t minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString Field(const QString& text)
{
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QByteArray Bytes(const School& school)
{
    QString text;
    QStringList header;
    for (const char* name : kHeader)
        header << QString::fromLatin1(name);
    AddLine(text, header);
    for (const ScheduleRow& row : ScheduleRows::Of(school)) {
        AddLine(text,
            { ScheduleRows::DayName(row.Day), Clock(row.Start), Clock(row.End), ScheduleRows::Label(*row.Class),
                row.Class->Grade, row.Class->Teacher, row.Subject(), row.Special ? row.Special->Teacher : QString(),
                ScheduleRows::KindName(row.Kind) });
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

Status Write(const School& school, const QString& path)
{
    if (const Status written = FileSaving::WriteWhole(path, Bytes(school)); !written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return Status::Ok({});
}

} // namespace belltide::ScheduleCsv
