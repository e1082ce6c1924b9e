#include "RosterColumns.h"

#include <QRegularExpression>

namespace belltide {

namespace {

struct Synonyms {
    RosterField Field;
    const char* Names;
};

// Normalized names, separated by "|". A name belongs to one field only, so a
// list's columns never compete; "start" and "end" are the class's day, since
// a special's list has no times of day.
constexpr Synonyms kSynonyms[] = {
    { RosterField::Grade, "grade|grade level|gr|grd|grade name|year|year group|year level|level" },
    { RosterField::Teacher,
        "teacher|homeroom teacher|homeroom|teacher name|name of teacher|instructor|staff|staff name|"
        "special teacher|specialist|taught by" },
    { RosterField::Students,
        "number of students|students|student count|no of students|num students|enrollment|enrolment|"
        "class size|size|pupils|number of pupils|headcount|count" },
    { RosterField::DayStart,
        "day start|day starts|start|start time|starts|begins|day begins|school start|arrival|start of day|"
        "day start time" },
    { RosterField::DayEnd,
        "day end|day ends|end|end time|ends|dismissal|dismissal time|school end|end of day|day end time" },
    { RosterField::Subject, "subject|special|special class|title|course|course name|subject name|special subject" },
    { RosterField::Length,
        "length|duration|minutes|mins|min|length of class|class length|period length|meeting length|"
        "length in minutes" },
    { RosterField::PassingTime,
        "passing time|passing|overlap|overlap time|transition|transition time|changeover|changeover time|"
        "time between classes|between classes|break between classes" },
    { RosterField::MaxStudents,
        "maximum students|max students|most students|capacity|max|maximum|max class size|maximum class size|"
        "student limit|max enrollment|maximum enrollment" },
};

} // namespace

RosterColumns::RosterColumns(const QStringList& header)
{
    mColumns.fill(-1);
    for (qsizetype i = 0; i < header.size(); ++i) {
        // A second column for the same field is left alone: the first one wins.
        const auto field = Recognize(header[i]);
        if (field && mColumns[std::size_t(*field)] < 0)
            mColumns[std::size_t(*field)] = i;
        else if (!header[i].trimmed().isEmpty())
            mUnused << header[i].trimmed();
    }
}

std::optional<qsizetype> RosterColumns::Column(RosterField field) const
{
    const qsizetype column = mColumns[std::size_t(field)];
    return column < 0 ? std::nullopt : std::optional<qsizetype>(column);
}

QString RosterColumns::FieldName(RosterField field)
{
    static const char* const names[] = {
        "grade",
        "teacher",
        "number of students",
        "day start",
        "day end",
        "subject",
        "length",
        "passing time",
        "maximum students",
    };
    return QString::fromLatin1(names[std::size_t(field)]);
}

QString RosterColumns::Normalized(const QString& header)
{
    static const QRegularExpression parenthesized(QStringLiteral(R"(\([^)]*\)|\[[^\]]*\])"));
    static const QRegularExpression separators(QStringLiteral(R"([^\p{L}\p{N}]+)"));
    QString name = header.toLower();
    name.replace(u'#', QStringLiteral(" number "));
    name.remove(parenthesized);
    name.replace(separators, QStringLiteral(" "));
    name = name.trimmed();
    if (name.startsWith(QStringLiteral("number ")) && name != QStringLiteral("number of students")
        && !name.startsWith(QStringLiteral("number of")))
        name = QStringLiteral("number of ") + name.mid(7);
    return name;
}

std::optional<RosterField> RosterColumns::Recognize(const QString& header)
{
    const QString name = Normalized(header);
    if (name.isEmpty())
        return std::nullopt;
    for (const Synonyms& entry : kSynonyms) {
        const QString names = QString::fromLatin1(entry.Names);
        for (const QStringView synonym : QStringView(names).split(u'|')) {
            if (synonym == name)
                return entry.Field;
        }
    }
    return std::nullopt;
}

} // namespace belltide
