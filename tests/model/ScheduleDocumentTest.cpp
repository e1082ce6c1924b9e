#include "QtPrinting.h"
#include "TestFiles.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"

#include <pugixml.hpp>

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

namespace {

// Two classes, two specials and a few meetings of every kind.
std::shared_ptr<School> ScheduledSchool()
{
    auto school = std::make_shared<School>();
    for (const char* title : { "Music", "Art & <Craft>" }) {
        auto special = std::make_shared<SpecialClass>();
        special->Title = QString::fromLatin1(title);
        special->Teacher = QStringLiteral("Mr. \"Chen\"");
        special->Duration = 45;
        school->Specials.push_back(special);
    }
    for (const char* teacher : { "Mrs. Adams", "Mr. Dunn" }) {
        auto classroom = std::make_shared<Classroom>();
        classroom->Grade = QStringLiteral("K");
        classroom->Teacher = QString::fromLatin1(teacher);
        classroom->DayStart = 480;
        classroom->DayEnd = 900;
        school->Classes.push_back(classroom);
    }
    auto timetable = std::make_shared<Timetable>();
    const QDateTime at(QDate(2026, 8, 20), QTime(14, 5), Qt::UTC);
    const auto meeting = [&](int c, int s, int day, int start, bool pinned, MadeBy by) {
        Meeting m;
        m.Class = school->Classes[std::size_t(c)];
        if (s >= 0)
            m.Special = school->Specials[std::size_t(s)];
        else
            m.Seat = -s - 1;
        m.Day = day;
        m.Start = start;
        m.Pinned = pinned;
        m.By = by;
        m.At = at;
        timetable->Meetings.push_back(m);
    };
    meeting(1, 0, 0, 540, false, MadeBy::Quick);
    meeting(0, 1, 4, 605, true, MadeBy::Hand);
    meeting(0, -1, 2, 660, false, MadeBy::Thorough);
    meeting(1, -3, 2, 660, false, MadeBy::Quick);
    school->Timetable = timetable;
    return school;
}

QByteArray Replace(QByteArray bytes, const char* from, const char* to)
{
    return bytes.replace(from, to);
}

} // namespace

TEST(ScheduleDocument, TheScheduleComesBackMeetingForMeetingAsTheRootsLastChild)
{
    auto school = ScheduledSchool();
    const QByteArray bytes = SchoolDocument::ToBytes(*school);
    pugi::xml_document tree;
    ASSERT_TRUE(tree.load_buffer(bytes.constData(), std::size_t(bytes.size())));
    EXPECT_STREQ(tree.document_element().last_child().name(), "Schedule");

    QString warning;
    auto read = SchoolDocument::ReadBytes(bytes, QStringLiteral("s.psc"), &warning);
    ASSERT_TRUE(read);
    EXPECT_TRUE(warning.isEmpty());
    const School& back = *read.Value();
    ASSERT_TRUE(back.Timetable);
    ASSERT_EQ(back.Timetable->Meetings.size(), school->Timetable->Meetings.size());
    for (std::size_t i = 0; i < back.Timetable->Meetings.size(); ++i) {
        const Meeting& was = school->Timetable->Meetings[i];
        const Meeting& is = back.Timetable->Meetings[i];
        const auto classAt = [](const School& s, const Meeting& m) {
            return std::find(s.Classes.begin(), s.Classes.end(), m.Class) - s.Classes.begin();
        };
        const auto specialAt = [](const School& s, const Meeting& m) {
            return m.Special ? std::find(s.Specials.begin(), s.Specials.end(), m.Special) - s.Specials.begin() : -1;
        };
        EXPECT_EQ(classAt(back, is), classAt(*school, was));
        EXPECT_EQ(specialAt(back, is), specialAt(*school, was));
        EXPECT_EQ(std::tie(is.Seat, is.Day, is.Start, is.Pinned, is.By, is.At),
            std::tie(was.Seat, was.Day, was.Start, was.Pinned, was.By, was.At));
    }
    EXPECT_EQ(SchoolDocument::ToBytes(*read.Value()), bytes);
}

TEST(ScheduleDocument, ADocumentWithoutAScheduleOpensAndSavesAsBefore)
{
    auto school = ScheduledSchool();
    school->Timetable.reset();
    const QByteArray bytes = SchoolDocument::ToBytes(*school);
    EXPECT_FALSE(bytes.contains("Schedule"));
    auto read = SchoolDocument::ReadBytes(bytes, QStringLiteral("s.psc"));
    ASSERT_TRUE(read);
    EXPECT_FALSE(read.Value()->Timetable);
    EXPECT_EQ(SchoolDocument::ToBytes(*read.Value()), bytes);
}

// A schedule that cannot be trusted is left out with one sentence; the school
// opens all the same.
TEST(ScheduleDocument, ASavedScheduleThatDoesNotFitTheSchoolIsLeftOutWithOneSentence)
{
    const QByteArray good = SchoolDocument::ToBytes(*ScheduledSchool());
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* because;
    };
    const Case cases[] = {
        { "classes reordered by hand", Replace(good, "teacher=\"Mrs. Adams\"", "teacher=\"Mr. Dunn\""),
            "its 1st class is K: Mr. Dunn, not K: Mrs. Adams" },
        { "a class removed", Replace(good, "<Class grade=\"K\" teacher=\"Mr. Dunn\" />", ""),
            "it was made for 1 class and the school has 2" },
        { "a class out of range", Replace(good, "class=\"1\"", "class=\"7\""),
            "its 1st meeting refers to a class the school does not have" },
        { "a special out of range", Replace(good, "special=\"0\"", "special=\"-1\""),
            "its 1st meeting refers to a special class the school does not have" },
        { "no day", Replace(good, "day=\"0\"", "dya=\"0\""), "its 1st meeting is incomplete" },
        { "a weekend", Replace(good, "day=\"4\"", "day=\"6\""), "its 2nd meeting is on no weekday" },
        { "not a number", Replace(good, "start=\"540\"", "start=\"9:00\""), "its 1st meeting is incomplete" },
        { "an unknown origin", Replace(good, "by=\"hand\"", "by=\"magic\""), "its 2nd meeting is damaged" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.bytes, good);
        QString warning;
        auto read = SchoolDocument::ReadBytes(c.bytes, QStringLiteral("s.psc"), &warning);
        ASSERT_TRUE(read);
        EXPECT_FALSE(read.Value()->Timetable);
        EXPECT_EQ(read.Value()->Classes.size(), 2u);
        EXPECT_EQ(warning,
            QStringLiteral("The schedule saved with this school was left out because %1; the school itself opened as "
                           "saved.")
                .arg(QString::fromLatin1(c.because)));
    }
}

TEST(ScheduleDocument, MeetingsOfClassesNoLongerInTheSchoolAreNotWritten)
{
    auto school = ScheduledSchool();
    school->Classes.erase(school->Classes.begin());
    auto read = SchoolDocument::ReadBytes(SchoolDocument::ToBytes(*school), QStringLiteral("s.psc"));
    ASSERT_TRUE(read && read.Value()->Timetable);
    ASSERT_EQ(read.Value()->Timetable->Meetings.size(), 2u);
    for (const Meeting& meeting : read.Value()->Timetable->Meetings)
        EXPECT_EQ(meeting.Class->Teacher, QStringLiteral("Mr. Dunn"));
}
