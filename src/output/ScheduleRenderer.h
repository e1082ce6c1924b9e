#pragma once

#include <QString>

#include <memory>

namespace belltide {

class Classroom;
class Graphics;
class School;
class SpecialClass;

// What a slot of the drawn week holds: the special a class attends there, or
// the class a special teaches there.
struct ScheduleContent {
    std::shared_ptr<SpecialClass> Special;
    std::shared_ptr<belltide::Classroom> Classroom;

    explicit operator bool() const { return Special || Classroom; }
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
    // A slot's start on a 12-hour clock without AM or PM: "8:30", "1:00".
    QString MinuteToTime(int slot) const;
    static QString ItemDataLine1(const ScheduleContent& item);
    static QString ItemDataLine2(const ScheduleContent& item);

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
};

} // namespace belltide
