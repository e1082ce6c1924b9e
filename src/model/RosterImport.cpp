#include "RosterImport.h"

#include "Classroom.h"
#include "ClockReading.h"
#include "CsvReader.h"
#include "RosterColumns.h"
#include "School.h"
#include "SpecialClass.h"
#include "TextDecoding.h"
#include "TimeText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace belltide::RosterImport {

namespace {

using Failure = Result<RosterPreview>;

// Header rows are looked for this far down, past a report's title lines.
constexpr int kHeaderSearchRecords = 10;

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString Megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

std::optional<RosterKind> KindOf(const RosterColumns& columns)
{
    const bool grade = columns.Has(RosterField::Grade);
    const bool subject = columns.Has(RosterField::Subject);
    if (grade && subject)
        return columns.Has(RosterField::Length) ? RosterKind::Specials : RosterKind::Classes;
    if (grade)
        return RosterKind::Classes;
    if (subject)
        return RosterKind::Specials;
    return std::nullopt;
}

// The fields a line of one kind of list must and may have.
struct ListShape {
    std::vector<RosterField> Required;
    std::vector<RosterField> Optional;
    const char* Name;
};

ListShape ShapeOf(RosterKind kind)
{
    if (kind == RosterKind::Specials)
        return { { RosterField::Subject, RosterField::Teacher, RosterField::Length },
            { RosterField::PassingTime, RosterField::MaxStudents }, "specials" };
    return { { RosterField::Grade, RosterField::Teacher },
        { RosterField::Students, RosterField::DayStart, RosterField::DayEnd }, "classes" };
}

QString FieldList(const std::vector<RosterField>& fields)
{
    QStringList names;
    for (RosterField field : fields)
        names << RosterColumns::FieldName(field);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Reads the lines of one list into rows or messages.
class LineReader {
public:
    LineReader(const School& school, const RosterColumns& columns, qsizetype headerSize, RosterPreview& preview)
        : mSchool(school)
        , mColumns(columns)
        , mHeaderSize(headerSize)
        , mPreview(preview)
    {
        if (preview.Kind == RosterKind::Specials) {
            for (const auto& special : school.Specials)
                mSeen.insert(Key(special->Title, special->Teacher), 0);
        } else {
            for (const auto& classroom : school.Classes)
                mSeen.insert(Key(classroom->Grade, classroom->Teacher), 0);
        }
    }

    void Read(const CsvRecord& record)
    {
        mRecord = &record;
        std::optional<QString> problem = ExtraValues();
        if (!problem)
            problem = mPreview.Kind == RosterKind::Specials ? ReadSpecial() : ReadClass();
        if (problem)
            mPreview.Messages.push_back({ record.Line, QStringLiteral("Line %1: %2").arg(record.Line).arg(*problem) });
    }

private:
    static QString Key(const QString& name, const QString& teacher)
    {
        return name.trimmed().toCaseFolded() + u'\n' + teacher.trimmed().toCaseFolded();
    }

    QString Field(RosterField field) const
    {
        const auto column = mColumns.Column(field);
        return column && *column < mRecord->Fields.size() ? mRecord->Fields[*column].trimmed() : QString();
    }

    // A line with more values than the header has columns was cut wrongly
    // (a comma in an unquoted name, say); reading it would shift its fields.
    std::optional<QString> ExtraValues() const
    {
        const QStringList& fields = mRecord->Fields;
        for (qsizetype i = mHeaderSize; i < fields.size(); ++i) {
            if (!fields[i].trimmed().isEmpty())
                return QStringLiteral("it has %1 values but the header names %2 columns.")
                    .arg(fields.size())
                    .arg(mHeaderSize);
        }
        return std::nullopt;
    }

    std::optional<QString> Empty(RosterField field) const
    {
        if (Field(field).isEmpty())
            return QStringLiteral("the %1 is empty.").arg(RosterColumns::FieldName(field));
        return std::nullopt;
    }

    // A blank field takes `blank`; a bad one gives the message.
    template <typename Reader>
    std::optional<QString> Number(
        RosterField field, std::int32_t blank, Reader read, const char* expected, std::int32_t& value) const
    {
        const QString text = Field(field);
        if (text.isEmpty()) {
            value = blank;
            return std::nullopt;
        }
        const std::optional<std::int32_t> number = read(text);
        if (!number)
            return QStringLiteral("the %1 %2 is not %3.")
                .arg(RosterColumns::FieldName(field), Quoted(text), QLatin1String(expected));
        value = *number;
        return std::nullopt;
    }

    std::optional<QString> Time(RosterField field, std::int32_t schoolTime, std::int32_t& value, QString& shown) const
    {
        shown = Field(field);
        if (shown.isEmpty())
            shown = QStringLiteral("%1 (the school's)").arg(ShortTime(schoolTime));
        return Number(
            field, schoolTime, ClockReading::TimeOfDay, "a time of day (such as 8:30, 8:30 AM or 14:30)", value);
    }

    std::optional<QString> Duplicate(const QString& name, const QString& teacher)
    {
        const QString label = name + QStringLiteral(": ") + teacher;
        const auto earlier = mSeen.constFind(Key(name, teacher));
        if (earlier == mSeen.constEnd()) {
            mSeen.insert(Key(name, teacher), mRecord->Line);
            return std::nullopt;
        }
        if (*earlier == 0)
            return QStringLiteral("%1 is already in the school.").arg(label);
        return QStringLiteral("%1 is already on line %2.").arg(label).arg(*earlier);
    }

    std::optional<QString> ReadClass()
    {
        for (RosterField field : { RosterField::Grade, RosterField::Teacher }) {
            if (auto empty = Empty(field))
                return empty;
        }
        auto classroom = std::make_shared<Classroom>();
        classroom->Grade = Field(RosterField::Grade);
        classroom->Teacher = Field(RosterField::Teacher);
        QString start;
        QString end;
        if (auto bad
            = Number(RosterField::Students, 0, ClockReading::Count, "a whole number", classroom->NumberOfStudents))
            return bad;
        if (auto bad = Time(RosterField::DayStart, mSchool.DayStartAt, classroom->DayStart, start))
            return bad;
        if (auto bad = Time(RosterField::DayEnd, mSchool.DayEndAt, classroom->DayEnd, end))
            return bad;
        if (classroom->DayEnd < classroom->DayStart)
            return QStringLiteral("the day end %1 comes before the day start %2.").arg(end, start);
        if (classroom->DayEnd == classroom->DayStart)
            return QStringLiteral("the day end %1 is the same time as the day start %2.").arg(end, start);
        if (auto duplicate = Duplicate(classroom->Grade, classroom->Teacher))
            return duplicate;
        mPreview.Rows.push_back({ mRecord->Line, std::move(classroom), nullptr });
        return std::nullopt;
    }

    std::optional<QString> ReadSpecial()
    {
        for (RosterField field : { RosterField::Subject, RosterField::Teacher, RosterField::Length }) {
            if (auto empty = Empty(field))
                return empty;
        }
        auto special = std::make_shared<SpecialClass>();
        special->Title = Field(RosterField::Subject);
        special->Teacher = Field(RosterField::Teacher);
        if (auto bad = Number(RosterField::Length, 0, ClockReading::Minutes, "a number of minutes", special->Duration))
            return bad;
        if (special->Duration == 0)
            return QStringLiteral("the length is 0 minutes.");
        const std::int32_t day = mSchool.DayEndAt - mSchool.DayStartAt;
        if (day > 0 && special->Duration > day)
            return QStringLiteral("the length of %1 minutes is longer than the school day.").arg(special->Duration);
        if (auto bad
            = Number(RosterField::PassingTime, 0, ClockReading::Minutes, "a number of minutes", special->OverlapTime))
            return bad;
        if (auto bad = Number(RosterField::MaxStudents, 0, ClockReading::Count, "a whole number", special->MaxStudents))
            return bad;
        if (auto duplicate = Duplicate(special->Title, special->Teacher))
            return duplicate;
        mPreview.Rows.push_back({ mRecord->Line, nullptr, std::move(special) });
        return std::nullopt;
    }

    const School& mSchool;
    const RosterColumns& mColumns;
    const qsizetype mHeaderSize;
    RosterPreview& mPreview;
    const CsvRecord* mRecord = nullptr;
    // Classes and specials by name and teacher: the line that brought each
    // (0 for those the school already has).
    QHash<QString, std::int32_t> mSeen;
};

// The header is the first line naming a column of the list, among the first
// few that are not blank; a report's title lines above it are skipped.
std::size_t FindHeader(const std::vector<CsvRecord>& records, RosterKind kind)
{
    int looked = 0;
    for (std::size_t i = 0; i < records.size() && looked < kHeaderSearchRecords; ++i) {
        if (records[i].IsBlank())
            continue;
        ++looked;
        const RosterColumns columns(records[i].Fields);
        const bool namesList
            = kind == RosterKind::Detect ? KindOf(columns).has_value() : columns.Has(ShapeOf(kind).Required[0]);
        if (namesList)
            return i;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].IsBlank())
            return i;
    }
    return records.size();
}

} // namespace

Result<RosterPreview> FromBytes(const QByteArray& bytes, const QString& fileName, const School& school, RosterKind kind)
{
    if (bytes.size() > kMaxBytes)
        return Failure::Fail(QStringLiteral("\"%1\" is %2; a list of classes or specials is far smaller, so it is "
                                            "not read (at most %3).")
                                 .arg(fileName, Megabytes(bytes.size()), Megabytes(kMaxBytes)));
    auto decoded = TextDecoding::Decode(bytes, fileName);
    if (!decoded)
        return Failure::Fail(decoded.Error());
    const QString& text = decoded.Value().Text;
    const CsvReader csv(text, CsvReader::GuessDelimiter(text));
    const std::size_t headerIndex = FindHeader(csv.Records, kind);
    if (headerIndex == csv.Records.size())
        return Failure::Fail(QStringLiteral("\"%1\" is empty.").arg(fileName));

    const CsvRecord& header = csv.Records[headerIndex];
    const RosterColumns columns(header.Fields);
    RosterPreview preview;
    preview.FileName = fileName;
    preview.Encoding = decoded.Value().Encoding;
    const auto found = kind == RosterKind::Detect ? KindOf(columns) : std::optional<RosterKind>(kind);
    if (!found)
        return Failure::Fail(QStringLiteral("\"%1\" has no grade column (for classes) and no subject column (for "
                                            "specials); its first line reads: %2.")
                                 .arg(fileName, header.Fields.join(QStringLiteral(", ")).left(200)));
    preview.Kind = *found;
    const ListShape shape = ShapeOf(preview.Kind);
    for (RosterField field : shape.Required) {
        if (!columns.Has(field))
            return Failure::Fail(
                QStringLiteral("\"%1\" has no %2 column; a list of %3 needs %4 columns, and may have %5.")
                    .arg(fileName, RosterColumns::FieldName(field), QLatin1String(shape.Name),
                        FieldList(shape.Required), FieldList(shape.Optional)));
    }

    if (preview.Encoding == QStringLiteral("Windows-1252"))
        preview.Notes << QStringLiteral("The file is not UTF-8; it was read as Windows-1252 (Western European).");
    if (header.Line > 1)
        preview.Notes << QStringLiteral("The lines above the column names on line %1 were skipped.").arg(header.Line);
    if (!columns.Unused().isEmpty())
        preview.Notes << QStringLiteral("These columns were not used: %1.").arg(columns.Unused().join(u", "));

    LineReader lines(school, columns, header.Fields.size(), preview);
    for (std::size_t i = headerIndex + 1; i < csv.Records.size(); ++i) {
        if (!csv.Records[i].IsBlank())
            lines.Read(csv.Records[i]);
    }
    if (csv.UnclosedQuoteLine > 0)
        preview.Messages.push_back({ csv.UnclosedQuoteLine,
            QStringLiteral("Line %1: a quote opens a value that never closes, so this line and the rest of the "
                           "file were left out.")
                .arg(csv.UnclosedQuoteLine) });
    return Result<RosterPreview>::Ok(std::move(preview));
}

Result<RosterPreview> FromFile(const QString& path, const School& school, RosterKind kind)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::Fail(QStringLiteral("Could not open \"%1\" because %2.").arg(path, file.errorString()));
    if (file.size() > kMaxBytes)
        return Failure::Fail(QStringLiteral("\"%1\" is %2; a list of classes or specials is far smaller, so it is "
                                            "not read (at most %3).")
                                 .arg(name, Megabytes(file.size()), Megabytes(kMaxBytes)));
    // A pipe or device has no size; reading one byte past the limit tells.
    const QByteArray bytes = file.read(kMaxBytes + 1);
    return FromBytes(bytes, name, school, kind);
}

} // namespace belltide::RosterImport
