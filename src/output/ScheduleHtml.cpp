#include "ScheduleHtml.h"

#include "ScheduleRows.h"

#include "engine/Subjects.h"
#include "model/Classroom.h"
#include "model/DisplayOrder.h"
#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace belltide::ScheduleHtml {

namespace {

constexpr std::int32_t kStep = 5;
constexpr std::int32_t kColumnsPerHour = 60 / kStep;
// What a column of a row holds besides a block: nothing, or time the class is
// not at school or the special not available.
constexpr int kFree = -1;
constexpr int kOff = -2;

const char* const kStyle = R"(
body { font-family: system-ui, "Segoe UI", Helvetica, Arial, sans-serif; margin: 1.5em; color: #222; }
h1 { margin-bottom: 0.1em; }
.made { color: #666; margin-top: 0; }
nav a { margin-right: 0.8em; white-space: nowrap; }
table.week { border-collapse: collapse; table-layout: fixed; width: 100%; margin-bottom: 1.5em; }
table.week th, table.week td { border: 1px solid #ccc; padding: 2px 3px; font-size: 0.8em; overflow: hidden;
  text-overflow: ellipsis; white-space: nowrap; }
table.week td.free { border-left: none; border-right: none; }
table.week th.row { width: 11em; text-align: left; }
table.week thead th { text-align: left; font-weight: normal; color: #555; }
td.off { background: repeating-linear-gradient(45deg, #eee, #eee 4px, #f8f8f8 4px, #f8f8f8 8px); }
td.block { border-radius: 3px; }
td.block small { display: block; color: #444; }
.legend span { display: inline-block; padding: 2px 8px; margin: 0 4px 4px 0; border-radius: 3px; }
.lunch { background: #d9d9d9; }
.recess { background: #f1f1f1; outline: 1px dashed #bbb; outline-offset: -3px; }
section.page { margin-top: 2em; }
@media print { section.page { break-before: page; } nav { display: none; } }
)";

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A colour per subject, spread round the colour wheel so neighbours differ.
QString SubjectStyles(const QStringList& subjects)
{
    QString css;
    for (qsizetype i = 0; i < subjects.size(); ++i)
        css += QStringLiteral(".s%1 { background: hsl(%2, 70%, 85%); }\n").arg(i).arg(int(double(i) * 137.508) % 360);
    return css;
}

struct Block {
    const ScheduleRow* Row = nullptr;
    QString Text;
    QString Tooltip;
};

// One row of a grid: its label, its blocks, and the columns where the row's
// owner is away.
struct GridRow {
    QString Label;
    std::vector<Block> Blocks;
    std::vector<bool> Off;
};

class PageWriter {
public:
    PageWriter(const School& school, const HtmlOptions& options)
        : mSchool(school)
        , mOptions(options)
        , mRows(ScheduleRows::Of(school))
        , mClasses(ScheduleRows::ClassesInGradeOrder(school))
        , mSpecials(ScheduleRows::SpecialsInOrder(school))
    {
        QStringList titles;
        for (const auto& special : mSpecials)
            titles << special->Title;
        mSubjects = DistinctSorted(titles);
        FindHours();
    }

    QString Page()
    {
        QString title = Escaped(mSchool.Name.isEmpty() ? QStringLiteral("Schedule") : mSchool.Name);
        mOut += QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
                               "<meta charset=\"utf-8\"/>\n"
                               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n");
        mOut += QStringLiteral("<title>%1: schedules</title>\n<style>").arg(title);
        mOut += QString::fromLatin1(kStyle) + SubjectStyles(mSubjects);
        mOut += QStringLiteral("</style>\n</head>\n<body>\n<h1>%1</h1>\n").arg(title);
        if (mOptions.Made.isValid())
            mOut += QStringLiteral("<p class=\"made\">Schedule as of %1</p>\n")
                        .arg(Escaped(mOptions.Made.date().toString(QStringLiteral("dddd, d MMMM yyyy"))));
        Contents();
        Legend();
        WholeSchool();
        for (std::size_t i = 0; i < mClasses.size(); ++i)
            ClassWeek(i);
        for (std::size_t i = 0; i < mSpecials.size(); ++i)
            SpecialWeek(i);
        mOut += QStringLiteral("</body>\n</html>\n");
        return mOut;
    }

private:
    // The hours every grid spans: the earliest start to the latest end of
    // the school, its classes and its meetings.
    void FindHours()
    {
        std::int32_t from = mSchool.DayStartAt;
        std::int32_t to = mSchool.DayEndAt;
        for (const auto& classroom : mClasses) {
            from = std::min(from, classroom->DayStart);
            to = std::max(to, classroom->DayEnd);
        }
        for (const ScheduleRow& row : mRows) {
            from = std::min(from, row.Start);
            to = std::max(to, row.End);
        }
        from = std::clamp(from, 0, 23 * 60) / 60 * 60;
        to = std::clamp((to + 59) / 60 * 60, from + 60, 24 * 60);
        mFrom = from;
        mColumns = (to - from) / kStep;
    }

    void Contents()
    {
        mOut += QStringLiteral("<nav>\n<a href=\"#school\">Whole school</a>\n");
        for (std::size_t i = 0; i < mClasses.size(); ++i)
            mOut += QStringLiteral("<a href=\"#class-%1\">%2</a>\n").arg(i).arg(Escaped(Label(i, true)));
        for (std::size_t i = 0; i < mSpecials.size(); ++i)
            mOut += QStringLiteral("<a href=\"#special-%1\">%2</a>\n").arg(i).arg(Escaped(Label(i, false)));
        mOut += QStringLiteral("</nav>\n");
    }

    void Legend()
    {
        mOut += QStringLiteral("<p class=\"legend\">");
        for (qsizetype i = 0; i < mSubjects.size(); ++i)
            mOut += QStringLiteral("<span class=\"s%1\">%2</span>").arg(i).arg(Escaped(mSubjects[i]));
        mOut += QStringLiteral("<span class=\"lunch\">%1</span><span class=\"recess\">%2</span></p>\n")
                    .arg(LunchSubject(), RecessSubject());
    }

    QString Label(std::size_t index, bool isClass) const
    {
        return isClass ? ScheduleRows::Label(*mClasses[index]) : ScheduleRows::Label(*mSpecials[index]);
    }

    QString Span(const ScheduleRow& row) const
    {
        return mOptions.TimeText(row.Start) + QStringLiteral("\u2013") + mOptions.TimeText(row.End);
    }

    QString CssClass(const ScheduleRow& row) const
    {
        if (row.Kind == RowKind::Lunch)
            return QStringLiteral("lunch");
        if (row.Kind == RowKind::Recess)
            return QStringLiteral("recess");
        const auto found = std::find_if(mSubjects.begin(), mSubjects.end(),
            [&](const QString& subject) { return subject.compare(row.Subject(), Qt::CaseInsensitive) == 0; });
        return QStringLiteral("s%1").arg(found - mSubjects.begin());
    }

    // A block of a class's row: the subject, and who teaches it in the tooltip.
    Block ForClass(const ScheduleRow& row) const
    {
        const QString who = row.Special ? QStringLiteral(" with ") + row.Special->Teacher : QString();
        return { &row, row.Subject(), row.Subject() + who + QStringLiteral(", ") + Span(row) };
    }

    Block ForSpecial(const ScheduleRow& row) const
    {
        const QString label = ScheduleRows::Label(*row.Class);
        return { &row, label, row.Subject() + QStringLiteral(" for ") + label + QStringLiteral(", ") + Span(row) };
    }

    std::int32_t ColumnTime(int column) const { return mFrom + column * kStep; }

    std::vector<bool> OutsideDay(const Classroom& classroom) const
    {
        std::vector<bool> off(static_cast<std::size_t>(mColumns));
        for (int c = 0; c < mColumns; ++c)
            off[std::size_t(c)] = ColumnTime(c) < classroom.DayStart || ColumnTime(c) >= classroom.DayEnd;
        return off;
    }

    std::vector<bool> Unavailable(const SpecialClass& special, std::int32_t day) const
    {
        std::vector<bool> off(static_cast<std::size_t>(mColumns));
        for (int c = 0; c < mColumns; ++c) {
            const std::int32_t offset = ColumnTime(c) - mSchool.DayStartAt;
            off[std::size_t(c)] = offset >= 0 && !special.IsAvailable(day, offset / kStep);
        }
        return off;
    }

    void Grid(const QString& corner, const std::vector<GridRow>& rows)
    {
        mOut += QStringLiteral("<table class=\"week\">\n<colgroup><col class=\"row\"/>");
        for (int c = 0; c < mColumns; ++c)
            mOut += QStringLiteral("<col/>");
        mOut += QStringLiteral("</colgroup>\n<thead><tr><th class=\"row\">%1</th>").arg(Escaped(corner));
        for (int c = 0; c < mColumns; c += kColumnsPerHour)
            mOut += QStringLiteral("<th colspan=\"%1\">%2</th>")
                        .arg(std::min(kColumnsPerHour, mColumns - c))
                        .arg(Escaped(mOptions.TimeText(ColumnTime(c))));
        mOut += QStringLiteral("</tr></thead>\n<tbody>\n");
        for (const GridRow& row : rows)
            GridLine(row);
        mOut += QStringLiteral("</tbody>\n</table>\n");
    }

    // The row's columns, each holding a block's index, kFree or kOff, written
    // as runs so that each block is one cell spanning exactly its minutes.
    void GridLine(const GridRow& row)
    {
        std::vector<int> columns(static_cast<std::size_t>(mColumns), kFree);
        for (int c = 0; c < mColumns; ++c) {
            if (!row.Off.empty() && row.Off[std::size_t(c)])
                columns[std::size_t(c)] = kOff;
        }
        for (std::size_t b = 0; b < row.Blocks.size(); ++b) {
            const ScheduleRow& meeting = *row.Blocks[b].Row;
            const int first = std::max(0, (meeting.Start - mFrom) / kStep);
            const int last = std::min(mColumns, (meeting.End - mFrom + kStep - 1) / kStep);
            for (int c = first; c < last; ++c)
                columns[std::size_t(c)] = int(b);
        }
        mOut += QStringLiteral("<tr><th class=\"row\">%1</th>").arg(Escaped(row.Label));
        for (int c = 0; c < mColumns;) {
            const int value = columns[std::size_t(c)];
            int end = c + 1;
            // A block cell ends where the block does, even when the next one
            // is the same index again (it never is: blocks differ).
            while (end < mColumns && columns[std::size_t(end)] == value)
                ++end;
            Cell(row, value, end - c);
            c = end;
        }
        mOut += QStringLiteral("</tr>\n");
    }

    void Cell(const GridRow& row, int value, int span)
    {
        const QString colspan = span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(span) : QString();
        if (value == kFree) {
            mOut += QStringLiteral("<td class=\"free\"%1></td>").arg(colspan);
            return;
        }
        if (value == kOff) {
            mOut += QStringLiteral("<td class=\"off\"%1></td>").arg(colspan);
            return;
        }
        const Block& block = row.Blocks[std::size_t(value)];
        mOut += QStringLiteral("<td class=\"block %1\"%2 title=\"%3\">%4<small>%5</small></td>")
                    .arg(CssClass(*block.Row), colspan, Escaped(block.Tooltip), Escaped(block.Text),
                        Escaped(mOptions.TimeText(block.Row->Start)));
    }

    void WholeSchool()
    {
        mOut += QStringLiteral("<section class=\"page\" id=\"school\">\n<h2>Whole school</h2>\n");
        for (std::int32_t day = 0; day < 5; ++day) {
            mOut += QStringLiteral("<h3>%1</h3>\n").arg(ScheduleRows::DayName(day));
            std::vector<GridRow> rows;
            for (const auto& classroom : mClasses) {
                GridRow row { ScheduleRows::Label(*classroom), {}, OutsideDay(*classroom) };
                for (const ScheduleRow& meeting : mRows) {
                    if (meeting.Day == day && meeting.Class == classroom)
                        row.Blocks.push_back(ForClass(meeting));
                }
                rows.push_back(std::move(row));
            }
            Grid(QStringLiteral("Class"), rows);
        }
        mOut += QStringLiteral("</section>\n");
    }

    void ClassWeek(std::size_t index)
    {
        const auto& classroom = mClasses[index];
        mOut += QStringLiteral("<section class=\"page\" id=\"class-%1\">\n<h2>%2</h2>\n")
                    .arg(index)
                    .arg(Escaped(Label(index, true)));
        std::vector<GridRow> rows;
        for (std::int32_t day = 0; day < 5; ++day) {
            GridRow row { ScheduleRows::DayName(day), {}, OutsideDay(*classroom) };
            for (const ScheduleRow& meeting : mRows) {
                if (meeting.Day == day && meeting.Class == classroom)
                    row.Blocks.push_back(ForClass(meeting));
            }
            rows.push_back(std::move(row));
        }
        Grid(QStringLiteral("Day"), rows);
        mOut += QStringLiteral("</section>\n");
    }

    void SpecialWeek(std::size_t index)
    {
        const auto& special = mSpecials[index];
        mOut += QStringLiteral("<section class=\"page\" id=\"special-%1\">\n<h2>%2</h2>\n")
                    .arg(index)
                    .arg(Escaped(Label(index, false)));
        std::vector<GridRow> rows;
        for (std::int32_t day = 0; day < 5; ++day) {
            GridRow row { ScheduleRows::DayName(day), {}, Unavailable(*special, day) };
            for (const ScheduleRow& meeting : mRows) {
                if (meeting.Day == day && meeting.Special == special)
                    row.Blocks.push_back(ForSpecial(meeting));
            }
            rows.push_back(std::move(row));
        }
        Grid(QStringLiteral("Day"), rows);
        mOut += QStringLiteral("</section>\n");
    }

    const School& mSchool;
    const HtmlOptions& mOptions;
    const std::vector<ScheduleRow> mRows;
    const std::vector<std::shared_ptr<Classroom>> mClasses;
    const std::vector<std::shared_ptr<SpecialClass>> mSpecials;
    QStringList mSubjects;
    std::int32_t mFrom = 0;
    int mColumns = 0;
    QString mOut;
};

} // namespace

QByteArray Bytes(const School& school, const HtmlOptions& options)
{
    return PageWriter(school, options).Page().toUtf8();
}

Status Write(const School& school, const QString& path, const HtmlOptions& options)
{
    if (const Status written = FileSaving::WriteWhole(path, Bytes(school, options)); !written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return Status::Ok({});
}

} // namespace belltide::ScheduleHtml
