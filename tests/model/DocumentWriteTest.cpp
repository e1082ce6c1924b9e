#include "TestFiles.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

namespace {

std::shared_ptr<SpecialClass> MakeSpecial(const QString& title, std::int32_t fileId)
{
    auto special = std::make_shared<SpecialClass>();
    special->Title = title;
    special->FileID = fileId;
    return special;
}

// Values a user can type that an XML writer gets wrong most easily.
School AwkwardSchool()
{
    School school;
    school.Name = QStringLiteral("  Saint <Anne> & \"Co\" 's\tschool \u00e9\u4e2d\U0001F600 ");
    school.DayStartAt = -5;
    school.LunchMaxClasses = 0;
    auto special = MakeSpecial(QStringLiteral("Art & <Craft>"), 9);
    special->Teacher = QStringLiteral("Ms. \"Lee\"\nsecond line");
    special->Duration = 45;
    special->IsAvailable(1, 3, false);
    special->IsAvailable(4, 0, false);
    special->IsAvailable(2, 2, true);
    school.Specials.push_back(special);
    auto classroom = std::make_shared<Classroom>();
    classroom->Grade = QString();
    classroom->Teacher = QStringLiteral("Mr. O'Neil");
    classroom->DayStart = 480;
    classroom->DayEnd = 900;
    classroom->AttendCount(QStringLiteral("Art & <Craft>"), 2);
    classroom->AttendCount(QStringLiteral("Gone \"subject\""), 0);
    school.Classes.push_back(classroom);
    return school;
}

} // namespace

TEST(DocumentWrite, DefaultSchoolWritesTheTenSettingsInOrderAndNothingElse)
{
    School school;
    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<School>\n"
                                "  <DayStart>480</DayStart>\n"
                                "  <DayEnd>900</DayEnd>\n"
                                "  <SpecialStart>490</SpecialStart>\n"
                                "  <Name>My School</Name>\n"
                                "  <InterruptFreeTime>45</InterruptFreeTime>\n"
                                "  <LunchStartAt>660</LunchStartAt>\n"
                                "  <LunchEndAt>780</LunchEndAt>\n"
                                "  <LunchMaxClasses>3</LunchMaxClasses>\n"
                                "  <LunchTime>20</LunchTime>\n"
                                "  <LunchRecessTime>20</LunchRecessTime>\n"
                                "</School>\n";
    EXPECT_EQ(SchoolDocument::ToBytes(school), expected);
}

TEST(DocumentWrite, SpecialsAndClassesWriteTheirChildrenInOrder)
{
    School school = AwkwardSchool();
    const QByteArray bytes = SchoolDocument::ToBytes(school);
    const QByteArray special = "  <SpecialClass>\n"
                               "    <ID>0</ID>\n"
                               "    <MaxStudents>0</MaxStudents>\n"
                               "    <Duration>45</Duration>\n"
                               "    <OverlapTime>0</OverlapTime>\n"
                               "    <Title>Art &amp; &lt;Craft&gt;</Title>\n";
    const QByteArray availability = "    <Availability>\n"
                                    "      <NotAvailable day=\"1\" minute=\"3\" />\n"
                                    "      <NotAvailable day=\"4\" minute=\"0\" />\n"
                                    "    </Availability>\n";
    const QByteArray classroom = "  <Classroom>\n"
                                 "    <DayStart>480</DayStart>\n"
                                 "    <DayEnd>900</DayEnd>\n"
                                 "    <Grade />\n"
                                 "    <NumberOfStudents>0</NumberOfStudents>\n"
                                 "    <Teacher>Mr. O'Neil</Teacher>\n"
                                 "    <SpecialAttendence>\n"
                                 "      <Special Subject=\"Art &amp; &lt;Craft>\">2</Special>\n"
                                 "      <Special Subject=\"Gone &quot;subject&quot;\">0</Special>\n"
                                 "    </SpecialAttendence>\n"
                                 "  </Classroom>\n";
    EXPECT_TRUE(bytes.contains(special)) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(availability)) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(classroom)) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("<DayStart>-5</DayStart>"));
}

TEST(DocumentWrite, SpecialIdsAreRenumberedInListOrder)
{
    School school;
    for (auto [title, id] : { std::pair { u"A", 7 }, { u"B", 7 }, { u"C", -3 } })
        school.Specials.push_back(MakeSpecial(QString::fromUtf16(title), id));
    const QByteArray bytes = SchoolDocument::ToBytes(school);
    EXPECT_EQ(school.Specials[0]->FileID, 0);
    EXPECT_EQ(school.Specials[2]->FileID, 2);
    const qsizetype first = bytes.indexOf("<ID>0</ID>");
    const qsizetype second = bytes.indexOf("<ID>1</ID>");
    const qsizetype third = bytes.indexOf("<ID>2</ID>");
    EXPECT_TRUE(first > 0 && first < second && second < third);
}

TEST(DocumentWrite, WhatWeWriteReadsBackToTheSameSchoolAndTheSameBytes)
{
    School school = AwkwardSchool();
    const QByteArray first = SchoolDocument::ToBytes(school);
    auto reread = ReadText(first);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Name, school.Name);
    EXPECT_EQ(reread->DayStartAt, -5);
    EXPECT_EQ(reread->Specials[0]->Teacher, school.Specials[0]->Teacher);
    EXPECT_EQ(reread->Specials[0]->Title, school.Specials[0]->Title);
    EXPECT_FALSE(reread->Specials[0]->IsAvailable(1, 3));
    EXPECT_TRUE(reread->Specials[0]->IsAvailable(2, 2));
    EXPECT_EQ(reread->Classes[0]->AttendCount(QStringLiteral("Art & <Craft>")), 2);
    EXPECT_TRUE(reread->Classes[0]->SpecialAttendance().Contains(QStringLiteral("Gone \"subject\"")));
    EXPECT_EQ(SchoolDocument::ToBytes(*reread), first);
}

// Text a user typed may hold characters an XML file cannot carry; the file
// must still open afterwards.
TEST(DocumentWrite, CharactersXmlCannotCarryAreDroppedSoTheFileStillOpens)
{
    School school;
    school.Name = QStringLiteral("A\u0001B\u0008C\rD\uFFFEE");
    const QByteArray first = SchoolDocument::ToBytes(school);
    auto reread = ReadText(first);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Name, QStringLiteral("ABC\nDE"));
    EXPECT_EQ(SchoolDocument::ToBytes(*reread), first);
}

TEST(DocumentWrite, SavingReplacesTheFileWholeAndAFailedSaveNamesTheFile)
{
    ScratchFolder folder;
    const QString path = folder.Write(QStringLiteral("school.psc"), QByteArray(100000, 'x'));
    School school;
    ASSERT_TRUE(SchoolDocument::Write(school, path).IsOk());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), SchoolDocument::ToBytes(school));

    const QString nowhere = folder.Path(QStringLiteral("missing-folder/school.psc"));
    const Status failed = SchoolDocument::Write(school, nowhere);
    ASSERT_FALSE(failed.IsOk());
    EXPECT_TRUE(failed.Error().startsWith(QStringLiteral("Could not save \"") + nowhere))
        << failed.Error().toStdString();
}

// A target that cannot be replaced (here a folder) must survive the attempt.
TEST(DocumentWrite, AFailedSaveLeavesWhatWasThere)
{
    ScratchFolder folder;
    folder.Write(QStringLiteral("taken/keep.txt"), "keep");
    School school;
    const QString target = folder.Path(QStringLiteral("taken"));
    EXPECT_FALSE(SchoolDocument::Write(school, target).IsOk());
    QFile kept(folder.Path(QStringLiteral("taken/keep.txt")));
    EXPECT_TRUE(kept.exists());
}
