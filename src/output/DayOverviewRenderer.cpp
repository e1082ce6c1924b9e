#include "DayOverviewRenderer.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"
#include "engine/Subjects.h"
#include "model/Classroom.h"
#include "model/DisplayOrder.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/Graphics.h"
#include "output/SubjectColors.h"

#include <algorithm>
#include <map>

namespace belltide {

namespace {

const char* const kDayNames[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };
const QColor kLightGrey(0xDD, 0xDD, 0xDD);
// Paper holds smaller text than a screen does.
constexpr int kSmallestPrinted = 4;

QString ClassLabel(const Classroom& classroom)
{
    return classroom.Grade + QStringLiteral(": ") + classroom.Teacher;
}

QString SpecialLabel(const SpecialClass& special)
{
    return special.Title + QStringLiteral(": ") + special.Teacher;
}

QString RowLabel(const ScheduleContent& row)
{
    return row.Classroom ? ClassLabel(*row.Classroom) : SpecialLabel(*row.Special);
}

// A meeting of the day as the class's row of the grid has it.
struct Run {
    int Slot;
    int Length;
    std::shared_ptr<ScheduleSpecial> Item;
};

std::vector<Run> RunsOf(const School& school, const std::shared_ptr<Classroom>& classroom, int day, int slotsPerDay)
{
    std::vector<Run> runs;
    const auto row = school.ScheduleClassMap.find(classroom);
    if (!school.Schedule || row == school.ScheduleClassMap.end())
        return runs;
    for (int slot = 0, length = 0; slot < slotsPerDay; slot += std::max(length, 1)) {
        const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(
            school.Schedule->ScheduledItem(*row->second, day * slotsPerDay + slot, length));
        if (item)
            runs.push_back({ slot, std::min(length, slotsPerDay - slot), item });
    }
    return runs;
}

QString SubjectOf(const ScheduleSpecial& item)
{
    if (item.Tag)
        return item.Tag->Title;
    return IsLunchSubject(item.Subject) ? LunchSubject() : RecessSubject();
}

} // namespace

int DayOverviewRenderer::SmallestRow(belltide::Graphics& g)
{
    const int size = g.TextSize();
    g.SetTextSize(8);
    const int row = g.TextHeight() + 4;
    g.SetTextSize(size);
    return row;
}

std::vector<ScheduleContent> DayOverviewRenderer::Rows(const School& school, ScheduleOverview overview)
{
    std::vector<ScheduleContent> rows;
    if (overview == ScheduleOverview::Classes) {
        auto classes = school.Classes;
        std::stable_sort(classes.begin(), classes.end(), [](const auto& a, const auto& b) {
            if (GradeComesBefore(a->Grade, b->Grade) || GradeComesBefore(b->Grade, a->Grade))
                return GradeComesBefore(a->Grade, b->Grade);
            return ComesBefore(a->Teacher, b->Teacher);
        });
        for (const auto& classroom : classes)
            rows.push_back({ nullptr, classroom });
    } else if (overview == ScheduleOverview::Specials) {
        auto specials = school.Specials;
        std::stable_sort(specials.begin(), specials.end(),
            [](const auto& a, const auto& b) { return ComesBefore(SpecialLabel(*a), SpecialLabel(*b)); });
        for (const auto& special : specials)
            rows.push_back({ special, nullptr });
    }
    return rows;
}

int DayOverviewRenderer::NeededHeight(const School& school, ScheduleOverview overview) const
{
    Graphics->SetTextSize(10);
    const int heading = Graphics->TextHeight() + 2;
    const int legend = overview == ScheduleOverview::Classes ? Graphics->TextHeight() + 6 : 0;
    return heading + legend + 1 + int(Rows(school, overview).size()) * SmallestRow(*Graphics);
}

void DayOverviewRenderer::RenderDay(const School& school, ScheduleOverview overview, int day)
{
    mSchool = &school;
    mClassroom.reset();
    mSpecial.reset();
    Boxes.clear();
    const std::vector<ScheduleContent> rows = Rows(school, overview);
    if (overview == ScheduleOverview::None || day < 0 || day > 4)
        return;
    const QString title
        = (overview == ScheduleOverview::Classes ? QStringLiteral("Whole School - ") : QStringLiteral("Specials - "))
        + QString::fromLatin1(kDayNames[day]);
    HeaderHeight = DrawHeader ? DrawPageHeader(title, QString(), school.Name) - PageTop : 0;
    PageTop += HeaderHeight;
    PageHeight -= HeaderHeight;
    Measure(std::max(int(rows.size()), 1), overview == ScheduleOverview::Classes);
    DrawHours();
    DrawRowLabels(rows);
    DrawRows(rows, overview, day);
    PageTop -= HeaderHeight;
    PageHeight += HeaderHeight;
}

void DayOverviewRenderer::Measure(int rows, bool legend)
{
    belltide::Graphics& g = *Graphics;
    g.SetTextSize(10);
    HeadingHeight = g.TextHeight() + 2;
    LegendHeight = legend ? g.TextHeight() + 6 : 0;
    int widest = 0;
    for (const ScheduleContent& row : Rows(*mSchool, legend ? ScheduleOverview::Classes : ScheduleOverview::Specials))
        widest = std::max(widest, g.StringWidth(RowLabel(row)));
    LabelWidth = std::min(widest + 6, PageWidth / 4);
    HourWidth = std::max((PageWidth - LabelWidth) / std::max(NumberOfHours(), 1) - 1, 1);
    const int shared = (PageHeight - HeadingHeight - LegendHeight - 1) / rows;
    RowHeight = FitPage ? std::max(shared, 1) : std::max(SmallestRow(g), shared);
}

bool DayOverviewRenderer::TallerThanRow(const belltide::Graphics& g) const
{
    return FitPage && g.TextHeight() > RowHeight && g.TextSize() > kSmallestPrinted;
}

int DayOverviewRenderer::SlotX(int slot) const
{
    return PageLeft + LabelWidth + int(HourWidth * (slot / 12.0));
}

void DayOverviewRenderer::DrawHours()
{
    belltide::Graphics& g = *Graphics;
    g.SetTextSize(10);
    for (int h = 0; h < NumberOfHours(); ++h) {
        const int x = PageLeft + LabelWidth + HourWidth * h;
        g.SetColor(kLightGrey);
        g.FillRect(x, PageTop, HourWidth, HeadingHeight);
        const QString label = Abbreviated(g, HourHeading(h), HourWidth - 2);
        g.SetColor(Qt::black);
        g.DrawString(label, x + (HourWidth - g.StringWidth(label)) / 2, PageTop + g.TextAscent() + 1);
        g.DrawLine(x, PageTop, x, PageTop + HeadingHeight);
    }
}

void DayOverviewRenderer::DrawRowLabels(const std::vector<ScheduleContent>& rows)
{
    belltide::Graphics& g = *Graphics;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = PageTop + HeadingHeight + RowHeight * int(i);
        g.SetColor(kLightGrey);
        g.FillRect(PageLeft, y, LabelWidth, RowHeight);
        g.SetTextSize(10);
        while ((g.StringWidth(RowLabel(rows[i])) >= LabelWidth - 4 && g.TextSize() > 7) || TallerThanRow(g))
            g.SetTextSize(g.TextSize() - 1);
        g.SetColor(Qt::black);
        g.DrawString(
            Abbreviated(g, RowLabel(rows[i]), LabelWidth - 4), PageLeft + 3, y + (RowHeight + g.TextAscent()) / 2 - 1);
    }
}

void DayOverviewRenderer::DrawRows(const std::vector<ScheduleContent>& rows, ScheduleOverview overview, int day)
{
    belltide::Graphics& g = *Graphics;
    const int slotsPerDay = SlotsPerDay();
    const int right = PageLeft + LabelWidth + HourWidth * NumberOfHours();

    // Who each special teaches, from the classes' rows.
    std::map<const SpecialClass*, std::vector<std::pair<Run, std::shared_ptr<Classroom>>>> taught;
    if (overview == ScheduleOverview::Specials) {
        for (const auto& classroom : mSchool->Classes) {
            for (const Run& run : RunsOf(*mSchool, classroom, day, slotsPerDay)) {
                if (run.Item->Tag)
                    taught[run.Item->Tag.get()].push_back({ run, classroom });
            }
        }
    }

    QStringList subjects;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = PageTop + HeadingHeight + RowHeight * int(i);
        // Away time first, so that boxes and lines lie over it.
        g.SetColor(AwayColor());
        for (int s = 0; s < slotsPerDay; ++s) {
            const std::int32_t time = mSchool->DayStartAt + 5 * s;
            const bool away = rows[i].Classroom
                ? time < rows[i].Classroom->DayStart || time >= rows[i].Classroom->DayEnd
                : !rows[i].Special->IsAvailable(day, s) || time < mSchool->SpecialStartAt;
            if (away)
                g.FillRect(SlotX(s), y, SlotX(s + 1) - SlotX(s), RowHeight);
        }
        // The hours' lines go under the boxes, so a box's text is never crossed out.
        g.SetColor(Qt::black);
        for (int h = 0; h <= NumberOfHours(); ++h) {
            const int x = PageLeft + LabelWidth + HourWidth * h;
            g.DrawLine(x, y, x, y + RowHeight);
        }
        if (rows[i].Classroom) {
            for (const Run& run : RunsOf(*mSchool, rows[i].Classroom, day, slotsPerDay)) {
                const QString subject = SubjectOf(*run.Item);
                if (!subjects.contains(subject))
                    subjects << subject;
                ScheduleContent item;
                item.Special = run.Item->Tag;
                DrawBox(rows[i], item, int(i), day, run.Slot, run.Length, subject, subject);
            }
        } else {
            for (const auto& [run, classroom] : taught[rows[i].Special.get()])
                DrawBox(rows[i], { nullptr, classroom }, int(i), day, run.Slot, run.Length, ClassLabel(*classroom),
                    rows[i].Special->Title);
        }
        g.SetColor(Qt::black);
        g.DrawLine(PageLeft, y, right, y);
    }
    const int bottom = PageTop + HeadingHeight + RowHeight * int(rows.size());
    g.SetColor(Qt::black);
    g.DrawLine(PageLeft, bottom, right, bottom);
    g.DrawLine(PageLeft, PageTop + HeadingHeight, PageLeft, bottom);
    g.DrawLine(PageLeft + LabelWidth, PageTop + HeadingHeight, PageLeft + LabelWidth, bottom);
    g.DrawLine(right, PageTop, right, bottom);
    g.DrawLine(PageLeft + LabelWidth, PageTop, right, PageTop);
    if (overview == ScheduleOverview::Classes) {
        std::stable_sort(subjects.begin(), subjects.end(), ComesBefore);
        DrawLegend(subjects, bottom + 3);
    }
}

void DayOverviewRenderer::DrawBox(const ScheduleContent& row, const ScheduleContent& item, int index, int day, int slot,
    int length, const QString& label, const QString& subject)
{
    belltide::Graphics& g = *Graphics;
    const int x = SlotX(slot);
    const int width = SlotX(slot + length) - x;
    const int y = PageTop + HeadingHeight + RowHeight * index;
    g.SetColor(SubjectColor(*mSchool, subject));
    g.FillRect(x, y, width, RowHeight);
    g.SetColor(Qt::black);
    g.DrawRect(x, y, width + 1, RowHeight + 1);
    g.SetTextSize(9);
    while ((g.StringWidth(label) >= width - 2 && g.TextSize() > 6) || TallerThanRow(g))
        g.SetTextSize(g.TextSize() - 1);
    const QString shown = Abbreviated(g, label, width - 2);
    g.DrawString(shown, x + 2, y + (RowHeight + g.TextAscent()) / 2 - 1);
    const QString when = MinuteToTime(slot) + u'-' + MinuteToTime(slot + length);
    const QString text = row.Classroom ? QStringLiteral("%1, %2, %3").arg(RowLabel(row), label, when)
                                       : QStringLiteral("%1: %2, %3").arg(RowLabel(row), label, when);
    Boxes.push_back({ x, y, width, RowHeight, day, slot, length, row, item, text });
}

void DayOverviewRenderer::DrawLegend(const QStringList& subjects, int top)
{
    belltide::Graphics& g = *Graphics;
    g.SetTextSize(10);
    int x = PageLeft + LabelWidth;
    const int square = g.TextHeight() - 4;
    for (const QString& subject : subjects) {
        g.SetColor(SubjectColor(*mSchool, subject));
        g.FillRect(x, top + 2, square, square);
        g.SetColor(Qt::black);
        g.DrawRect(x, top + 2, square, square);
        g.DrawString(subject, x + square + 3, top + g.TextAscent());
        x += square + 3 + g.StringWidth(subject) + 12;
    }
}

} // namespace belltide
