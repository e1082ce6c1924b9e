#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class Graphics;
class School;
class SpecialClass;

// The views of the whole school's day: every class, or every special.
enum class ScheduleOverview { None, Classes, Specials };

// What a slot of the drawn week holds: the special a class attends there, or
// the class a special teaches there. As a choice of what to show or print, it
// may also be one of the overviews.
struct ScheduleContent {
    std::shared_ptr<SpecialClass> Special;
    std::shared_ptr<belltide::Classroom> Classroom;
    ScheduleOverview Overview = ScheduleOverview::None;

    explicit operator bool() const { return Special || Classroom || Overview != ScheduleOverview::None; }
};

// A box as it was drawn, for whatever points at it later (a tooltip, a drag).
struct DrawnBox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    // Where in the week: day 0-4, the first slot of the day and how many.
    int Day = 0;
    int Slot = 0;
    int Length = 0;
    // The row: a class, or a special, whose box this is.
    ScheduleContent Row;
    ScheduleContent Item;
    // Everything the box says, in full: "Music, Mr. Chen, 9:00 AM-9:45 AM".
    QString Text;
    // The school's timetable meeting the box shows (a recess box: its lunch's),
    // or -1 when none is found.
    std::int32_t Meeting = -1;
    bool Pinned = false;

    bool Contains(int x, int y) const { return x >= X && x < X + Width && y >= Y && y < Y + Height; }
};

// Draws the week of one homeroom class or one special onto a surface. The
// layout steps are left to a subclass; every caller uses the landscape one.
class ScheduleRenderer {
public:
    ScheduleRenderer() = default;
    virtual ~ScheduleRenderer() = default;

    belltide::Graphics* Graphics = nullptr;
    int PageLeft = 0;
    int PageTop = 0;
    int PageWidth = 0;
    int PageHeight = 0;
    int HeaderHeight = 0;
    // Whether a page header (title, subtitle, school name) goes above the grid.
    bool DrawHeader = true;
    // The days share the height the drawing area has, each at least two lines
    // of text high; otherwise each day is three lines of text high.
    bool FillHeight = true;
    // A pinned meeting's box carries a pin: always on screen, on paper only
    // when the user asks.
    bool DrawPins = false;
    // Every box the last Render drew.
    std::vector<DrawnBox> Boxes;

    // Draws the class's or the special's week; with both or neither, nothing.
    void Render(const School& school, const std::shared_ptr<Classroom>& classroom,
        const std::shared_ptr<SpecialClass>& special);
    void RenderClassroom(const std::shared_ptr<Classroom>& classroom);
    void RenderSpecialClass(const std::shared_ptr<SpecialClass>& special);
    void RenderMasterSchedule() { }

    // Draws the page header; returns the y just below it.
    int DrawPageHeader(const QString& title, const QString& subtitle, const QString& corner);

    ScheduleContent GetContent(int day, int slot, int& runLength) const;
    int NumberOfHours() const;
    int SlotsPerDay() const;
    QString HourHeading(int hour) const;
    // A slot's start in the system's own time format: "8:30 AM", "13:00".
    QString MinuteToTime(int slot) const;
    static QString ItemDataLine1(const ScheduleContent& item);
    static QString ItemDataLine2(const ScheduleContent& item);
    // The timetable meeting drawn at the day and slot: the special a class
    // attends (lunch when `item` is the lunch box), or the class a special teaches.
    std::int32_t MeetingAt(int day, int slot, const ScheduleContent& item) const;

protected:
    virtual void EstablishMetrics() { }
    virtual void DrawHeadings() { }
    virtual void DrawContent() { }
    virtual void DrawGrid() { }

    const School* mSchool = nullptr;
    std::shared_ptr<Classroom> mClassroom;
    std::shared_ptr<SpecialClass> mSpecial;

private:
    void RenderWeek(const QString& title);
};

// Days as rows (Monday on top), hours as columns, each meeting a grey box
// spanning exactly its minutes.
class LandscapeScheduleRenderer : public ScheduleRenderer {
public:
    int HeadingHeight = 0;
    int HorizontalHeadWidth = 0;
    int HourWidth = 0;
    int HourHeight = 0;

protected:
    void EstablishMetrics() override;
    void DrawHeadings() override;
    void DrawContent() override;
    void DrawGrid() override;

private:
    // Lowers the text size until `text` fits `width`, down to 6 at the least.
    void ShrinkToFit(const QString& text, int width);
    // A box's subject (at the text size set), teacher and times, each below
    // the other while the box's height lasts, from x, y at `wrap` wide.
    void DrawLines(const QString& line1, const QString& line2, const QString& range, int slot, int x, int y, int wrap);
    // `text` reading upward in the box at x, y of `width`, at the largest size
    // that fits its height; false, with nothing drawn, when none does.
    bool DrawUpward(const QString& text, int x, int y, int width);
    // Time the class is not at school, or the special is away, in grey.
    void ShadeAwayTime();
    void DrawPin(int right, int top);
};

// `text` shortened with a full stop until it fits `width` at the surface's
// text size ("Lunch", "Lun.", "L."); empty when not even a letter fits.
QString Abbreviated(const Graphics& g, const QString& text, int width);

} // namespace belltide
