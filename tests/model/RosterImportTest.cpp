#include "TestFiles.h"

#include "model/Classroom.h"
#include "model/RosterImport.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace belltide;
using namespace Qt::Literals::StringLiterals;

namespace {

// A school with one class and one special, so that duplicates can be found.
std::shared_ptr<School> SmallSchool()
{
    auto school = std::make_shared<School>();
    auto adams = std::make_shared<Classroom>();
    adams->Grade = u"K"_s;
    adams->Teacher = u"Mrs. Adams"_s;
    school->Classes.push_back(adams);
    auto music = std::make_shared<SpecialClass>();
    music->Title = u"Music"_s;
    music->Teacher = u"Mr. Chen"_s;
    school->Specials.push_back(music);
    return school;
}

Result<RosterPreview> Import(const QByteArray& bytes, const School& school, RosterKind kind = RosterKind::Detect)
{
    return RosterImport::FromBytes(bytes, u"list.csv"_s, school, kind);
}

QStringList MessageTexts(const RosterPreview& preview)
{
    QStringList texts;
    for (const RosterMessage& message : preview.Messages)
        texts << message.Text;
    return texts;
}

struct ClassValues {
    QString Grade;
    QString Teacher;
    std::int32_t Students;
    std::int32_t Start;
    std::int32_t End;
};

void ExpectClass(const RosterRow& row, const ClassValues& expected)
{
    ASSERT_TRUE(row.Class);
    EXPECT_EQ(row.Class->Grade, expected.Grade);
    EXPECT_EQ(row.Class->Teacher, expected.Teacher);
    EXPECT_EQ(row.Class->NumberOfStudents, expected.Students);
    EXPECT_EQ(row.Class->DayStart, expected.Start);
    EXPECT_EQ(row.Class->DayEnd, expected.End);
}

TEST(RosterImport, AStudentInformationExportOfClassesReadsWithoutChangingTheSchool)
{
    const auto school = SmallSchool();
    const QByteArray before = SchoolDocument::ToBytes(*school);
    // A byte order mark, CRLF, synonyms in any case, a blank line, a name
    // with a comma and quotes, and times written four ways.
    const auto preview = Import("\xEF\xBB\xBF"
                                "Grade Level,HOMEROOM TEACHER,Room,Enrollment,Start Time,Dismissal\r\n"
                                "1st,\"Baker, Jo \"\"BJ\"\"\",101,22,8:00 AM,2:30 PM\r\n"
                                "\r\n"
                                "2nd,Ms. Núñez,102,,7:45,14:45\r\n"
                                "3rd, Mr. Lopez ,103,25,,3p\r\n",
        *school);
    ASSERT_TRUE(preview.IsOk()) << preview.Error().toStdString();
    const RosterPreview& p = preview.Value();
    EXPECT_EQ(p.Kind, RosterKind::Classes);
    EXPECT_EQ(p.Encoding, u"UTF-8"_s);
    ASSERT_EQ(p.Rows.size(), 3u);
    ExpectClass(p.Rows[0], { u"1st"_s, u"Baker, Jo \"BJ\""_s, 22, 480, 870 });
    ExpectClass(p.Rows[1], { u"2nd"_s, u"Ms. Núñez"_s, 0, 465, 885 });
    // A blank day start is the school's, as for a class added by hand.
    ExpectClass(p.Rows[2], { u"3rd"_s, u"Mr. Lopez"_s, 25, school->DayStartAt, 900 });
    EXPECT_EQ(p.Rows[1].Line, 4);
    EXPECT_TRUE(p.Messages.empty());
    EXPECT_EQ(p.Notes, QStringList { u"These columns were not used: Room."_s });
    EXPECT_EQ(p.Summary(), u"3 classes to add."_s);
    EXPECT_EQ(SchoolDocument::ToBytes(*school), before);
    EXPECT_EQ(school->Classes.size(), 1u);
}

TEST(RosterImport, EachBadLineGetsOneMessageWithItsLineNumberAndTheGoodOnesStay)
{
    const auto preview = Import("Grade,Teacher,Students,Day Start,Day End\n"
                                "1st,Ms. Baker,22,8:00,15:00\n"
                                "2nd,\"Mr. Two\nLines\",20,8:00,15:00\n"
                                "2nd,Ms. Hughes,twenty,8:00,15:00\n"
                                "3rd,,20,8:00,15:00\n"
                                "4th,Ms. Park,20,8:3x,15:00\n"
                                "5th,Mr. Ward,20,8:00,2:30\n"
                                "K,mrs. adams,20,8:00,15:00\n"
                                "1st,Ms. Baker,22,8:00,15:00\n"
                                "5th,Ms. Cho,20,8:00,15:00,Room 12\n"
                                "5th,Mr. Ito,20,9:00,9:00\n",
        *SmallSchool());
    ASSERT_TRUE(preview.IsOk());
    EXPECT_EQ(MessageTexts(preview.Value()),
        QStringList({
            u"Line 5: the number of students \"twenty\" is not a whole number."_s,
            u"Line 6: the teacher is empty."_s,
            u"Line 7: the day start \"8:3x\" is not a time of day (such as 8:30, 8:30 AM or 14:30)."_s,
            u"Line 8: the day end 2:30 comes before the day start 8:00."_s,
            u"Line 9: K: mrs. adams is already in the school."_s,
            u"Line 10: 1st: Ms. Baker is already on line 2."_s,
            u"Line 11: it has 6 values but the header names 5 columns."_s,
            u"Line 12: the day end 9:00 is the same time as the day start 9:00."_s,
        }));
    ASSERT_EQ(preview.Value().Rows.size(), 2u);
    EXPECT_EQ(preview.Value().Rows[1].Class->Teacher, u"Mr. Two\nLines"_s);
    EXPECT_EQ(preview.Value().Summary(), u"2 classes to add; 8 lines left out."_s);
}

TEST(RosterImport, SpecialsAreFoundByTheirColumnsAndCheckedForSensibleLengths)
{
    const auto preview = Import("Subject;Teacher;Duration (min);Passing Time;Capacity\n"
                                "Art;Ms. Rivera;45 min;5;28\n"
                                "P.E.;Coach Taylor;1:00;;\n"
                                "Music;MR. CHEN;45;5;30\n"
                                "Library;Ms. Ford;0;5;30\n"
                                "Drama;Mr. Lee;600;5;30\n"
                                "Band;Ms. Ono;45;five;30\n"
                                "Chess;Mr. Kim;;5;30\n",
        *SmallSchool());
    ASSERT_TRUE(preview.IsOk());
    const RosterPreview& p = preview.Value();
    EXPECT_EQ(p.Kind, RosterKind::Specials);
    ASSERT_EQ(p.Rows.size(), 2u);
    EXPECT_EQ(p.Rows[0].Special->Title, u"Art"_s);
    EXPECT_EQ(p.Rows[0].Special->Duration, 45);
    EXPECT_EQ(p.Rows[0].Special->OverlapTime, 5);
    EXPECT_EQ(p.Rows[0].Special->MaxStudents, 28);
    EXPECT_EQ(p.Rows[1].Special->Duration, 60);
    EXPECT_EQ(p.Rows[1].Special->MaxStudents, 0);
    EXPECT_EQ(MessageTexts(p),
        QStringList({
            u"Line 4: Music: MR. CHEN is already in the school."_s,
            u"Line 5: the length is 0 minutes."_s,
            u"Line 6: the length of 600 minutes is longer than the school day."_s,
            u"Line 7: the passing time \"five\" is not a number of minutes."_s,
            u"Line 8: the length is empty."_s,
        }));
    EXPECT_EQ(p.NewSpecials().size(), 2u);
    EXPECT_TRUE(p.NewClasses().empty());
}

TEST(RosterImport, AFileThatIsNotTheRightListIsRefusedWithOneSentence)
{
    const auto school = SmallSchool();
    const struct {
        QByteArray Bytes;
        RosterKind Kind;
        QString Error;
    } cases[] = {
        { "Grade,Students\nK,20\n", RosterKind::Detect,
            u"\"list.csv\" has no teacher column; a list of classes needs grade and teacher columns, and may have "
            "number of students, day start and day end."_s },
        { "Subject,Teacher\nArt,Ms. Rivera\n", RosterKind::Detect,
            u"\"list.csv\" has no length column; a list of specials needs subject, teacher and length columns, "
            "and may have passing time and maximum students."_s },
        { "Grade,Teacher\nK,Ms. Baker\n", RosterKind::Specials,
            u"\"list.csv\" has no subject column; a list of specials needs subject, teacher and length columns, "
            "and may have passing time and maximum students."_s },
        { "Name,Room,Phone\nBaker,101,555\n", RosterKind::Detect,
            u"\"list.csv\" has no grade column (for classes) and no subject column (for specials); its first line "
            "reads: Name, Room, Phone."_s },
        { "\r\n\r\n", RosterKind::Detect, u"\"list.csv\" is empty."_s },
        { QByteArray("Grade,Teacher\n\0\0\0\x01\x02", 19), RosterKind::Detect,
            u"\"list.csv\" is not a text file: it holds binary data, not comma-separated values."_s },
    };
    for (const auto& c : cases) {
        const auto preview = Import(c.Bytes, *school, c.Kind);
        ASSERT_FALSE(preview.IsOk()) << c.Bytes.constData();
        EXPECT_EQ(preview.Error(), c.Error);
    }
}

TEST(RosterImport, AWesternEncodedFileIsReadAsWindows1252AndSaysSo)
{
    const auto preview = Import("Grade,Teacher\n1st,Ms. N\xFA\xF1"
                                "ez\n2nd,Mr. M\xFCller\n",
        *SmallSchool());
    ASSERT_TRUE(preview.IsOk());
    ASSERT_EQ(preview.Value().Rows.size(), 2u);
    EXPECT_EQ(preview.Value().Rows[0].Class->Teacher, u"Ms. Núñez"_s);
    EXPECT_EQ(preview.Value().Rows[1].Class->Teacher, u"Mr. Müller"_s);
    EXPECT_EQ(preview.Value().Encoding, u"Windows-1252"_s);
    EXPECT_TRUE(
        preview.Value().Notes.contains(u"The file is not UTF-8; it was read as Windows-1252 (Western European)."_s));
}

TEST(RosterImport, AReportTitleAboveTheHeaderAndAnUnclosedQuote)
{
    const auto preview = Import("Maple Grove classes 2025-26\n"
                                "Printed Monday\n"
                                "Grade,Teacher\n"
                                "1st,Ms. Baker\n"
                                "2nd,\"Ms. Hughes\n"
                                "3rd,Mr. Lopez\n",
        *SmallSchool());
    ASSERT_TRUE(preview.IsOk());
    ASSERT_EQ(preview.Value().Rows.size(), 1u);
    EXPECT_EQ(preview.Value().Rows[0].Line, 4);
    EXPECT_TRUE(preview.Value().Notes.contains(u"The lines above the column names on line 3 were skipped."_s));
    EXPECT_EQ(MessageTexts(preview.Value()),
        QStringList { u"Line 5: a quote opens a value that never closes, so this line and the rest of the file "
                      "were left out."_s });
}

TEST(RosterImport, AHugeFileIsRefusedBeforeItIsRead)
{
    test::ScratchFolder folder;
    const QString path = folder.Write(u"huge.csv"_s, "Grade,Teacher\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(10 * 1024 * 1024));
    }
    const auto preview = RosterImport::FromFile(path, *SmallSchool());
    ASSERT_FALSE(preview.IsOk());
    EXPECT_EQ(preview.Error(),
        u"\"huge.csv\" is 10.0 MB; a list of classes or specials is far smaller, so it is not read (at most 1.0 MB)."_s);

    const auto missing = RosterImport::FromFile(folder.Path(u"none.csv"_s), *SmallSchool());
    ASSERT_FALSE(missing.IsOk());
    EXPECT_TRUE(missing.Error().startsWith(u"Could not open \""_s));
}

// Mangled copies of a good list never crash the reader and never yield a
// class without a grade and a teacher, or with its day backwards.
TEST(RosterImport, MangledListsGiveOnlySensibleRows)
{
    const QByteArray good = "Grade,Teacher,Students,Day Start,Day End\n1st,\"Ms. Baker\",22,8:00 AM,2:30 PM\n"
                            "2nd,Ms. Hughes,20,7:45,14:45\n";
    const auto school = SmallSchool();
    QRandomGenerator random(20);
    const QByteArray alphabet = QByteArrayLiteral(",\"\n\r:;aP0919 \xC3\xFF");
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = good;
        for (int edit = random.bounded(1, 6); edit > 0; --edit) {
            const qsizetype at = random.bounded(bytes.size());
            const char c = alphabet[random.bounded(alphabet.size())];
            if (random.bounded(2))
                bytes[at] = c;
            else
                bytes.insert(at, c);
        }
        const auto preview = Import(bytes, *school);
        if (!preview.IsOk())
            continue;
        for (const RosterRow& row : preview.Value().Rows) {
            ASSERT_TRUE(row.Class) << bytes.constData();
            EXPECT_FALSE(row.Class->Grade.isEmpty());
            EXPECT_FALSE(row.Class->Teacher.isEmpty());
            EXPECT_LT(row.Class->DayStart, row.Class->DayEnd) << bytes.constData();
        }
    }
}

} // namespace
