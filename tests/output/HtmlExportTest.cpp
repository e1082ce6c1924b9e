#include "ExportSupport.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"
#include "output/ScheduleHtml.h"
#include "output/ScheduleRows.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace belltide;
using namespace Qt::Literals::StringLiterals;

namespace {

// What a parser finds in the page.
struct PageOutline {
    QString Error;
    QStringList SectionIds;
    // The row headings of each table, in order.
    std::vector<QStringList> Tables;
    QStringList Tooltips;
    // Elements and attributes that would fetch something from elsewhere.
    QStringList Outside;
    qsizetype Cells = 0;
};

PageOutline Outline(const QByteArray& html)
{
    PageOutline outline;
    QXmlStreamReader xml(html);
    bool inRowHeading = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            const auto attributes = xml.attributes();
            if (name == u"section")
                outline.SectionIds << attributes.value(u"id"_s).toString();
            if (name == u"table")
                outline.Tables.emplace_back();
            if (name == u"td")
                ++outline.Cells;
            if (name == u"script" || name == u"link" || name == u"img" || attributes.hasAttribute(u"src"_s)
                || (attributes.hasAttribute(u"href"_s) && !attributes.value(u"href"_s).startsWith(u'#')))
                outline.Outside << name.toString();
            if (attributes.hasAttribute(u"title"_s))
                outline.Tooltips << attributes.value(u"title"_s).toString();
            inRowHeading = name == u"th" && attributes.value(u"class"_s) == u"row";
        } else if (xml.isCharacters() && inRowHeading && !outline.Tables.empty()) {
            outline.Tables.back() << xml.text().toString();
            inRowHeading = false;
        } else if (xml.isEndElement()) {
            inRowHeading = false;
        }
    }
    if (xml.hasError())
        outline.Error = xml.errorString() + u" at line "_s + QString::number(xml.lineNumber());
    return outline;
}

HtmlOptions Fixed()
{
    HtmlOptions options;
    options.TimeText = FormatTimeOfDay;
    options.Made = QDateTime(QDate(2025, 9, 1), QTime(8, 0));
    return options;
}

TEST(HtmlExport, AWellFormedSelfContainedPageWithEveryWeekAndTheWholeSchoolDayByDay)
{
    const auto school = test::ScheduledExample();
    const PageOutline page = Outline(ScheduleHtml::Bytes(*school, Fixed()));
    ASSERT_TRUE(page.Error.isEmpty()) << page.Error.toStdString();
    EXPECT_TRUE(page.Outside.isEmpty()) << page.Outside.join(u", "_s).toStdString();

    const auto classes = ScheduleRows::ClassesInGradeOrder(*school);
    QStringList classLabels;
    for (const auto& classroom : classes)
        classLabels << ScheduleRows::Label(*classroom);
    EXPECT_TRUE(classLabels.front().startsWith(u"K: "_s));
    // Five whole-school tables, then one week per class and per special.
    ASSERT_EQ(page.Tables.size(), 5 + school->Classes.size() + school->Specials.size());
    const QStringList days { u"Monday"_s, u"Tuesday"_s, u"Wednesday"_s, u"Thursday"_s, u"Friday"_s };
    for (std::size_t day = 0; day < 5; ++day)
        EXPECT_EQ(page.Tables[day], QStringList { u"Class"_s } + classLabels);
    for (std::size_t week = 5; week < page.Tables.size(); ++week)
        EXPECT_EQ(page.Tables[week], QStringList { u"Day"_s } + days);
    EXPECT_EQ(page.SectionIds.size(), qsizetype(1 + school->Classes.size() + school->Specials.size()));

    // Every block twice (whole school and the class's week), specials a
    // third time in their own week.
    const std::vector<ScheduleRow> rows = ScheduleRows::Of(*school);
    const auto specials = std::count_if(rows.begin(), rows.end(), [](const ScheduleRow& r) { return r.Special; });
    EXPECT_EQ(page.Tooltips.size(), qsizetype(2 * rows.size() + specials));
}

TEST(HtmlExport, MarkupInNamesIsTextAndASchoolWithoutScheduleStillParses)
{
    const auto school = test::ScheduledExample();
    school->Name = u"<script>alert(\"&\")</script> Elementary"_s;
    school->Classes[0]->Teacher = u"O'Neil & \"Sons\" <b>"_s;
    school->Specials[0]->Title = u"Art & <Craft>"_s;
    const QByteArray html = ScheduleHtml::Bytes(*school, Fixed());
    EXPECT_FALSE(html.contains("<script>"));
    EXPECT_FALSE(html.contains("<b>"));
    const PageOutline page = Outline(html);
    ASSERT_TRUE(page.Error.isEmpty()) << page.Error.toStdString();
    EXPECT_TRUE(page.Outside.isEmpty());
    bool found = false;
    for (const QStringList& table : page.Tables)
        found = found || table.contains(u"K: O'Neil & \"Sons\" <b>"_s)
            || table.contains(ScheduleRows::Label(*school->Classes[0]));
    EXPECT_TRUE(found);
    EXPECT_TRUE(std::any_of(page.Tooltips.begin(), page.Tooltips.end(),
        [](const QString& tip) { return tip.startsWith(u"Art & <Craft> with "_s); }));

    School empty;
    const PageOutline blank = Outline(ScheduleHtml::Bytes(empty, Fixed()));
    EXPECT_TRUE(blank.Error.isEmpty()) << blank.Error.toStdString();
    EXPECT_EQ(blank.Tables.size(), 5u);
}

} // namespace
