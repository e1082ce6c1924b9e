#include "ScheduleRenderer.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"
#include "engine/Subjects.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"
#include "model/Timetable.h"
#include "output/Graphics.h"
#include "output/SubjectColors.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace belltide {

namespace {

const QColor kLightGrey(0xDD, 0xDD, 0xDD);

int Truncate(double value)
{
    return int(std::trunc(value));
}

std::shared_ptr<SpecialClass> Titled(const QString& title)
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = title;
    return special;
}

} // namespace

void ScheduleRenderer::Render(
    const School& school, const std::shared_ptr<Classroom>& classroom, const std::shared_ptr<SpecialClass>& special)
{
    mSchool = &school;
    if (classroom && special)
        return;
    if (classroom)
        RenderClassroom(classroom);
    else if (special)
        RenderSpecialClass(special);
    else
        RenderMasterSchedule();
}

void ScheduleRenderer::RenderClassroom(const std::shared_ptr<Classroom>& classroom)
{
    mClassroom = classroom;
    mSpecial.reset();
    RenderWeek(classroom->Grade + QStringLiteral(" - ") + classroom->Teacher);
}

void ScheduleRenderer::RenderSpecialClass(const std::shared_ptr<SpecialClass>& special)
{
    mClassroom.reset();
    mSpecial = special;
    RenderWeek(special->Title + QStringLiteral(" - ") + special->Teacher);
}

void ScheduleRenderer::RenderWeek(const QString& title)
{
    Boxes.clear();
    HeaderHeight = DrawHeader ? DrawPageHeader(title, QString(), mSchool->Name) - PageTop : 0;
    PageTop += HeaderHeight;
    PageHeight -= HeaderHeight;
    EstablishMetrics();
    DrawHeadings();
    DrawGrid();
    DrawContent();
    PageTop -= HeaderHeight;
    PageHeight += HeaderHeight;
}

int ScheduleRenderer::DrawPageHeader(const QString& title, const QString& subtitle, const QString& corner)
{
    belltide::Graphics& g = *Graphics;
    int y = PageTop;
    g.SetColor(Qt::black);
    g.SetTextSize(36);
    g.DrawString(title, (g.Width() - g.StringWidth(title)) / 2, y + g.TextAscent());
    y += g.TextHeight();
    g.SetTextSize(14);
    g.DrawString(subtitle, (g.Width() - g.StringWidth(subtitle)) / 2, y + g.TextAscent());
    y += g.TextHeight();
    g.SetTextSize(11);
    g.DrawString(
        corner, PageLeft + PageWidth - g.StringWidth(corner) - 3, PageTop + (y - PageTop) / 2 + g.TextAscent() / 2);
    return y;
}

int ScheduleRenderer::SlotsPerDay() const
{
    return Truncate((double(mSchool->DayEndAt) - mSchool->DayStartAt) / 5.0);
}

int ScheduleRenderer::NumberOfHours() const
{
    return int(std::ceil((double(mSchool->DayEndAt) - mSchool->DayStartAt) / 60.0));
}

QString ScheduleRenderer::HourHeading(int hour) const
{
    return ShortTime((mSchool->DayStartAt / 60 + hour) * 60 + mSchool->DayStartAt % 60);
}

QString ScheduleRenderer::MinuteToTime(int slot) const
{
    return ShortTime(std::int32_t(mSchool->DayStartAt + 5LL * slot));
}

QString Abbreviated(const Graphics& g, const QString& text, int width)
{
    if (g.StringWidth(text) < width)
        return text;
    for (qsizetype keep = text.trimmed().size() - 1; keep >= 1; --keep) {
        QString shorter = text.left(keep).trimmed() + u'.';
        if (g.StringWidth(shorter) < width)
            return shorter;
    }
    return {};
}

QString ScheduleRenderer::ItemDataLine1(const ScheduleContent& item)
{
    if (item.Special)
        return item.Special->Title;
    if (item.Classroom)
        return item.Classroom->Grade;
    return {};
}

QString ScheduleRenderer::ItemDataLine2(const ScheduleContent& item)
{
    if (item.Special)
        return item.Special->Teacher;
    if (item.Classroom)
        return item.Classroom->Teacher;
    return {};
}

std::int32_t ScheduleRenderer::MeetingAt(int day, int slot, const ScheduleContent& item) const
{
    if (!mSchool->Timetable)
        return -1;
    const std::shared_ptr<Classroom>& classroom = mClassroom ? mClassroom : item.Classroom;
    const bool lunch = mClassroom && item.Special && !item.Special->Teacher.size()
        && IsLunchSubject(item.Special->Title)
        && std::find(mSchool->Specials.begin(), mSchool->Specials.end(), item.Special) == mSchool->Specials.end();
    const std::shared_ptr<SpecialClass> special = lunch ? nullptr : (mSpecial ? mSpecial : item.Special);
    const std::int32_t start = mSchool->DayStartAt + 5 * slot;
    const std::vector<Meeting>& meetings = mSchool->Timetable->Meetings;
    for (std::size_t m = 0; m < meetings.size(); ++m) {
        const Meeting& meeting = meetings[m];
        if (meeting.Day == day && meeting.Start == start && meeting.Class == classroom && meeting.Special == special)
            return std::int32_t(m);
    }
    return -1;
}

ScheduleContent ScheduleRenderer::GetContent(int day, int slot, int& runLength) const
{
    runLength = -1;
    const belltide::Schedule* schedule = mSchool->Schedule.get();
    if (!schedule)
        return {};
    const int week = day * SlotsPerDay() + slot;
    if (mClassroom) {
        const auto row = mSchool->ScheduleClassMap.find(mClassroom);
        if (row == mSchool->ScheduleClassMap.end())
            return {};
        const auto item
            = std::dynamic_pointer_cast<ScheduleSpecial>(schedule->ScheduledItem(*row->second, week, runLength));
        if (!item)
            return {};
        if (IsLunchSubject(item->Subject))
            return { Titled(LunchSubject()), nullptr };
        if (item->Subject.compare(RecessSubject(), Qt::CaseInsensitive) == 0)
            return { Titled(RecessSubject()), nullptr };
        return { item->Tag, nullptr };
    }
    if (mSpecial) {
        const auto special = mSchool->ScheduleSpecialMap.find(mSpecial);
        if (special == mSchool->ScheduleSpecialMap.end())
            return {};
        for (const auto& classroom : mSchool->Classes) {
            const auto row = mSchool->ScheduleClassMap.find(classroom);
            if (row == mSchool->ScheduleClassMap.end())
                continue;
            int length = -1;
            if (schedule->ScheduledItem(*row->second, week, length) == special->second) {
                runLength = length;
                return { nullptr, classroom };
            }
        }
    }
    return {};
}

void LandscapeScheduleRenderer::EstablishMetrics()
{
    belltide::Graphics& g = *Graphics;
    g.SetTextSize(12);
    HeadingHeight = g.TextHeight() + 2;
    int widest = 0;
    for (const QString& day : QStringLiteral("Monday Tuesday Wednesday Thursday Friday").split(u' '))
        widest = std::max(widest, g.StringWidth(day));
    HorizontalHeadWidth = widest + 4;
    const int hours = std::max(NumberOfHours(), 1);
    HourWidth = Truncate(double(PageWidth - HorizontalHeadWidth) / hours - 1);
    HourHeight = (g.TextHeight() + 2) * 3;
    if (FillHeight) {
        g.SetTextSize(10);
        const int twoLines = (g.TextHeight() + 1) * 2;
        HourHeight = std::max(twoLines, (PageHeight - HeadingHeight - 1) / 5);
    }
}

void LandscapeScheduleRenderer::DrawHeadings()
{
    belltide::Graphics& g = *Graphics;
    g.SetTextSize(12);
    for (int h = 0; h < NumberOfHours(); ++h) {
        const int x = PageLeft + HorizontalHeadWidth + HourWidth * h;
        g.SetColor(kLightGrey);
        g.FillRect(x, PageTop, HourWidth, HeadingHeight);
        QString label = HourHeading(h) + QStringLiteral(" - ") + HourHeading(h + 1);
        if (g.StringWidth(label) > HourWidth - 4)
            label = HourHeading(h);
        g.SetColor(Qt::black);
        g.DrawString(label, x + (HourWidth - g.StringWidth(label)) / 2, PageTop + g.TextAscent());
    }
    const QStringList days = QStringLiteral("Monday Tuesday Wednesday Thursday Friday").split(u' ');
    for (int d = 0; d < 5; ++d) {
        const int y = PageTop + HeadingHeight + HourHeight * d;
        g.SetColor(kLightGrey);
        g.FillRect(PageLeft, y, HorizontalHeadWidth, HourHeight);
        g.SetColor(Qt::black);
        g.DrawString(days[d], PageLeft + 2, y + g.TextHeight());
    }
}

void LandscapeScheduleRenderer::ShadeAwayTime()
{
    belltide::Graphics& g = *Graphics;
    const int slotsPerDay = SlotsPerDay();
    g.SetColor(AwayColor());
    for (int d = 0; d < 5; ++d) {
        const int y = PageTop + HeadingHeight + HourHeight * d;
        for (int s = 0; s < slotsPerDay;) {
            const auto away = [&](int slot) {
                const std::int32_t time = mSchool->DayStartAt + 5 * slot;
                if (mClassroom)
                    return time < mClassroom->DayStart || time >= mClassroom->DayEnd;
                return mSpecial && (!mSpecial->IsAvailable(d, slot) || time < mSchool->SpecialStartAt);
            };
            if (!away(s)) {
                ++s;
                continue;
            }
            int end = s + 1;
            while (end < slotsPerDay && away(end))
                ++end;
            const int x = PageLeft + HorizontalHeadWidth + Truncate(HourWidth * (s / 12.0));
            const int right = PageLeft + HorizontalHeadWidth + Truncate(HourWidth * (end / 12.0));
            g.FillRect(x, y, right - x, HourHeight);
            s = end;
        }
    }
}

void LandscapeScheduleRenderer::DrawGrid()
{
    belltide::Graphics& g = *Graphics;
    ShadeAwayTime();
    g.SetColor(Qt::black);
    const int L = PageLeft;
    const int T = PageTop;
    const int W = HorizontalHeadWidth;
    const int N = NumberOfHours();
    const int B = T + HeadingHeight + 5 * HourHeight;
    g.DrawLine(L + W, T, L + W + HourWidth * N, T);
    for (int h = 0; h <= N; ++h)
        g.DrawLine(L + W + HourWidth * h, T, L + W + HourWidth * h, B);
    g.DrawLine(L, T + HeadingHeight, L, B);
    for (int d = 0; d <= 5; ++d) {
        const int y = T + HeadingHeight + HourHeight * d;
        g.DrawLine(L, y, L + HourWidth * N + W, y);
    }
}

void LandscapeScheduleRenderer::ShrinkToFit(const QString& text, int width)
{
    belltide::Graphics& g = *Graphics;
    while (g.StringWidth(text) >= width && g.TextSize() >= 7)
        g.SetTextSize(g.TextSize() - 1);
}

void LandscapeScheduleRenderer::DrawLines(
    const QString& line1, const QString& line2, const QString& range, int slot, int x, int y, int wrap)
{
    belltide::Graphics& g = *Graphics;
    const int bottom = y + HourHeight;
    // Too narrow even at the smallest size: the box says what it can, and the
    // whole of it waits in the tooltip.
    const QString shown = g.StringWidth(line1) >= wrap ? Abbreviated(g, line1, wrap) : line1;
    g.DrawString(shown, x, y + g.TextAscent() + 1, wrap);
    int used = g.StringHeight(shown, wrap);

    g.SetTextSize(10);
    ShrinkToFit(line2, wrap);
    if (!line2.isEmpty() && y + used + g.StringHeight(line2, wrap) <= bottom) {
        g.DrawString(line2, x, y + used + g.TextAscent() + 1, wrap);
        used += g.StringHeight(line2, wrap);
    }

    QString line3 = range;
    g.SetTextSize(10);
    ShrinkToFit(line3, wrap);
    if (g.TextSize() == 6) {
        line3 = MinuteToTime(slot);
        g.SetTextSize(10);
        ShrinkToFit(line3, wrap);
    }
    if (y + used + g.TextHeight() <= bottom + 1)
        g.DrawString(line3, x, y + used + g.TextAscent() + 1, wrap);
}

bool LandscapeScheduleRenderer::DrawUpward(const QString& text, int x, int y, int width)
{
    belltide::Graphics& g = *Graphics;
    for (int size = 10; size >= 6; --size) {
        g.SetTextSize(size);
        if (g.StringWidth(text) <= HourHeight - 4 && g.TextHeight() <= width - 1) {
            g.DrawUpwardString(text, x + (width - g.TextHeight()) / 2 + 1, y + HourHeight - 2);
            return true;
        }
    }
    return false;
}

void LandscapeScheduleRenderer::DrawPin(int right, int top)
{
    // A drawing pin seen from the side: a round-ish head and its point.
    belltide::Graphics& g = *Graphics;
    const int x = right - 12;
    const int y = top + 2;
    g.SetColor(QColor(0xC0, 0x20, 0x20));
    g.FillRect(x + 2, y, 6, 1);
    g.FillRect(x + 1, y + 1, 8, 1);
    g.FillRect(x, y + 2, 10, 4);
    g.FillRect(x + 1, y + 6, 8, 1);
    g.FillRect(x + 3, y + 7, 4, 2);
    g.SetColor(Qt::black);
    g.DrawLine(x + 4, y + 9, x + 4, y + 13);
    g.DrawLine(x + 5, y + 9, x + 5, y + 13);
}

void LandscapeScheduleRenderer::DrawContent()
{
    belltide::Graphics& g = *Graphics;
    const int L = PageLeft;
    const int W = HorizontalHeadWidth;
    const int slotsPerDay = SlotsPerDay();
    for (int d = 0; d < 5; ++d) {
        for (int s = 0; s <= slotsPerDay - 1;) {
            int runLength = -1;
            const ScheduleContent item = GetContent(d, s, runLength);
            if (!item || runLength <= 0) {
                ++s;
                continue;
            }
            const int x = L + W + Truncate(HourWidth * (s / 12.0));
            const int width = Truncate(HourWidth * (runLength / 12.0));
            const int y = PageTop + HeadingHeight + HourHeight * d;
            const QString line1 = ItemDataLine1(item);
            // A special's week is all one subject: its colour; a class's week by subject.
            g.SetColor(SubjectColor(*mSchool, mSpecial ? mSpecial->Title : line1));
            g.FillRect(x, y, width, HourHeight);
            g.SetColor(Qt::black);
            g.DrawRect(x, y, width + 1, HourHeight + 1);

            const int tx = L + W + Truncate(s * double(HourWidth) / 12.0) + 2;
            const int wrap = width - 2;
            g.SetTextSize(12);
            ShrinkToFit(line1, wrap);
            // A box too narrow for its subject (a short lunch or recess on a
            // small window) says it reading upward when the day's height
            // holds it; the rest of its text waits in the tooltip.
            const bool upward = g.StringWidth(line1) >= wrap && DrawUpward(line1, x, y, width);
            const QString line2 = ItemDataLine2(item);
            const QString range = MinuteToTime(s) + u'-' + MinuteToTime(s + runLength);
            if (!upward)
                DrawLines(line1, line2, range, s, tx, y, wrap);

            QStringList text { line1 };
            if (!line2.isEmpty())
                text << line2;
            text << range;
            ScheduleContent row;
            row.Classroom = mClassroom;
            row.Special = mSpecial;
            std::int32_t meeting = MeetingAt(d, s, item);
            const bool own = meeting >= 0;
            // Recess belongs to the lunch it follows.
            if (meeting < 0 && mClassroom && !Boxes.empty() && Boxes.back().Day == d
                && Boxes.back().Slot + Boxes.back().Length == s && Boxes.back().Meeting >= 0
                && !mSchool->Timetable->Meetings[std::size_t(Boxes.back().Meeting)].Special)
                meeting = Boxes.back().Meeting;
            const bool pinned = meeting >= 0 && mSchool->Timetable->Meetings[std::size_t(meeting)].Pinned;
            if (pinned && own && DrawPins)
                DrawPin(x + width, y);
            Boxes.push_back({ x, y, width, HourHeight, d, s, runLength, row, item, text.join(QStringLiteral(", ")),
                meeting, pinned });
            s += runLength;
        }
    }
}

} // namespace belltide
