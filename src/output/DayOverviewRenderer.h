#pragma once

#include "output/ScheduleRenderer.h"

#include <QString>

#include <vector>

namespace belltide {

// One day of the whole school on one surface: every class as a row, in grade
// order, with what it has when (the Whole School view), or every special as a
// row with whom it teaches when and when it is away (the Specials view). Hours
// run across as in a week; a legend of subjects sits under the classes.
class DayOverviewRenderer : public ScheduleRenderer {
public:
    // Rows of at least this many units, so that a large school scrolls on
    // screen rather than shrinking past reading.
    static int SmallestRow(belltide::Graphics& g);

    void RenderDay(const School& school, ScheduleOverview overview, int day);

    // The rows in the order drawn, each a class or a special.
    static std::vector<ScheduleContent> Rows(const School& school, ScheduleOverview overview);
    // The height the view needs for every row at its smallest, header aside.
    int NeededHeight(const School& school, ScheduleOverview overview) const;

    // A page of paper: every row shares the height, however many there are,
    // and text shrinks with the rows.
    bool FitPage = false;

    int HeadingHeight = 0;
    int LabelWidth = 0;
    int HourWidth = 0;
    int RowHeight = 0;
    int LegendHeight = 0;

private:
    void Measure(int rows, bool legend);
    void DrawRowLabels(const std::vector<ScheduleContent>& rows);
    void DrawHours();
    void DrawRows(const std::vector<ScheduleContent>& rows, ScheduleOverview overview, int day);
    void DrawBox(const ScheduleContent& row, const ScheduleContent& item, int index, int day, int slot, int length,
        const QString& label, const QString& subject);
    void DrawLegend(const QStringList& subjects, int top);
    int SlotX(int slot) const;
    bool TallerThanRow(const belltide::Graphics& g) const;
};

} // namespace belltide
