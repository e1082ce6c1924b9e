#include "TestFiles.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

// Written by hand: other letter cases and orders, unknown elements, comments,
// indentation, empty values and zero counts.
TEST(DocumentRead, HandWrittenDocumentGivesTheExpectedSchool)
{
    auto school = ReadText(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- made in a text editor -->
<school version="2">
    <lunchmaxclasses>4</lunchmaxclasses>
    <NAME>Maple <![CDATA[&]]> Oak</NAME>
    <Classroom>
        <Teacher>Mrs. Adams</Teacher>
        <GRADE>K</GRADE>
        <dayend>690</dayend>
        <DayStart>
            480
        </DayStart>
        <Color>blue</Color>
        <specialattendence>
            <special subject="Art">1</special>
            <Special Subject="Music">0</Special>
            <Special Subject="Dance">2</Special>
            <Note Subject="Art">9</Note>
        </specialattendence>
    </Classroom>
    <DayEnd>900</DayEnd>
    <SpecialClass>
        <Title>Art</Title>
        <ID>42</ID>
        <Teacher></Teacher>
        <duration>45</duration>
        <Availability>
            <NotAvailable minute="3" day="1"/>
            <Unavailable day="4"/>
        </Availability>
    </SpecialClass>
    <Extra><DayStart>1</DayStart></Extra>
    <DayStart>470</DayStart>
    <DayStart>480</DayStart>
    <LunchTime/>
</school>
)");
    ASSERT_TRUE(school);
    EXPECT_EQ(school->Name, QStringLiteral("Maple & Oak"));
    EXPECT_EQ(school->DayStartAt, 480) << "the last of two elements wins; nested ones are not the school's";
    EXPECT_EQ(school->DayEndAt, 900);
    EXPECT_EQ(school->LunchMaxClasses, 4);
    EXPECT_EQ(school->LunchTime, 0);
    EXPECT_EQ(school->SpecialStartAt, 0) << "no new-school defaults for a document";
    EXPECT_EQ(school->InterruptFreeTime, 0);

    ASSERT_EQ(school->Classes.size(), 1u);
    const Classroom& classroom = *school->Classes[0];
    EXPECT_EQ(classroom.Teacher, QStringLiteral("Mrs. Adams"));
    EXPECT_EQ(classroom.Grade, QStringLiteral("K"));
    EXPECT_EQ(classroom.DayStart, 480);
    EXPECT_EQ(classroom.DayEnd, 690);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Art")), 1);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Dance")), 2) << "entries of titles no special has are kept";
    ASSERT_EQ(classroom.SpecialAttendance().Count(), 3u) << "zero counts are kept, other children ignored";
    EXPECT_EQ(classroom.SpecialAttendance().Entries()[1].first, QStringLiteral("Music"));

    ASSERT_EQ(school->Specials.size(), 1u);
    const SpecialClass& special = *school->Specials[0];
    EXPECT_EQ(special.Title, QStringLiteral("Art"));
    EXPECT_EQ(special.FileID, 42);
    EXPECT_EQ(special.Duration, 45);
    EXPECT_TRUE(special.Teacher.isEmpty());
    EXPECT_FALSE(special.IsAvailable(1, 3));
    EXPECT_FALSE(special.IsAvailable(4, 0)) << "any child marks; a missing attribute reads 0";
    EXPECT_EQ(special.Availability().Count(), 2u) << "indentation is never a mark";

    const QByteArray written = SchoolDocument::ToBytes(*school);
    EXPECT_TRUE(written.contains("<ID>0</ID>"));
    EXPECT_TRUE(written.contains("<Special Subject=\"Dance\">2</Special>"));
    EXPECT_TRUE(written.contains("<Special Subject=\"Music\">0</Special>"));
    EXPECT_FALSE(written.contains("Color"));
}

TEST(DocumentRead, EmptyRootGivesAnEmptySchoolInAnyLetterCase)
{
    for (const char* xml : { "<School/>", "<School></School>", "<SCHOOL>\n</SCHOOL>" }) {
        auto school = ReadText(xml);
        ASSERT_TRUE(school);
        EXPECT_TRUE(school->Name.isEmpty());
        EXPECT_EQ(school->DayStartAt, 0);
        EXPECT_EQ(school->LunchMaxClasses, 0);
        EXPECT_TRUE(school->Classes.empty());
        EXPECT_TRUE(school->Specials.empty());
    }
}

TEST(DocumentRead, NumbersReadTheirLeadingDecimalValue)
{
    auto school = ReadText("<School><SpecialClass><Duration>12abc</Duration><OverlapTime>abc</OverlapTime>"
                           "<MaxStudents>-5</MaxStudents><ID>25.9</ID></SpecialClass>"
                           "<Classroom><SpecialAttendence><Special Subject=\"Art\">2.7</Special><Special>1</Special>"
                           "</SpecialAttendence></Classroom></School>");
    ASSERT_TRUE(school);
    const SpecialClass& special = *school->Specials[0];
    EXPECT_EQ(special.Duration, 12);
    EXPECT_EQ(special.OverlapTime, 0);
    EXPECT_EQ(special.MaxStudents, -5);
    EXPECT_EQ(special.FileID, 25);
    EXPECT_EQ(school->Classes[0]->AttendCount(QStringLiteral("Art")), 2);
    EXPECT_EQ(school->Classes[0]->AttendCount(QString()), 1) << "a missing Subject is the empty title";
    EXPECT_TRUE(SchoolDocument::ToBytes(*school).contains("<MaxStudents>-5</MaxStudents>"));
}

// The declared encoding is honoured, so files saved by other editors open.
TEST(DocumentRead, DeclaredEncodingsOtherThanUtf8AreRead)
{
    ScratchFolder folder;
    QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><School><Name>Caf\xe9</Name></School>";
    auto school = SchoolDocument::Read(folder.Write(QStringLiteral("latin1.psc"), latin1));
    ASSERT_TRUE(school.IsOk()) << school.Error().toStdString();
    EXPECT_EQ(school.Value()->Name, QStringLiteral("Caf\u00e9"));

    const QString utf16Text
        = QStringLiteral("\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?><School><Name>\u00c5se</Name></School>");
    QByteArray utf16(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    school = SchoolDocument::Read(folder.Write(QStringLiteral("utf16.psc"), utf16));
    ASSERT_TRUE(school.IsOk()) << school.Error().toStdString();
    EXPECT_EQ(school.Value()->Name, QStringLiteral("\u00c5se"));
}

TEST(DocumentRead, ExampleSchoolsRoundTripByteForByte)
{
    const QString examples = QStringLiteral(BELLTIDE_EXAMPLES_DIR);
    int seen = 0;
    for (const char* name : { "maple-grove.psc" }) {
        const QString path = examples + u'/' + QString::fromLatin1(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray original = file.readAll();
        auto school = SchoolDocument::Read(path);
        ASSERT_TRUE(school.IsOk()) << school.Error().toStdString();
        EXPECT_EQ(SchoolDocument::ToBytes(*school.Value()), original) << name;
        ++seen;
    }
    EXPECT_GT(seen, 0);
}
