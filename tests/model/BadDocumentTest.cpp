#include "TestFiles.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace belltide;
using namespace belltide::test;

namespace {

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* reason;
};

} // namespace

TEST(BadDocument, EachBadFileGivesOneSentenceNamingTheFileAndTheReason)
{
    const QByteArray good = "<?xml version=\"1.0\"?>\n<School>\n  <Name>Oak</Name>\n</School>\n";
    const BadFile files[] = {
        { "empty.psc", QByteArray(), "the file is empty" },
        { "binary.psc", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
            "not well-formed (invalid token) at line 1, column 1" },
        { "truncated.psc", good.left(40), "no element found at line 3" },
        { "unclosed.psc", "<School><Name>Oak</Name>", "no element found at line 1, column 25" },
        { "mismatch.psc", "<School>\n<Name>Oak</Nme>\n</School>", "mismatched tag at line 2, column 12" },
        { "noroot.psc", "<?xml version=\"1.0\"?>\n<!-- nothing -->\n", "no element found" },
        { "text.psc", "just some words", "syntax error at line 1, column 1" },
        { "twoRoots.psc", "<School/><School/>", "junk after document element" },
        { "badUtf8.psc", "<School><Name>\xff\xfe</Name></School>", "not well-formed (invalid token)" },
        { "undefinedEntity.psc", "<School><Name>&nope;</Name></School>", "undefined entity" },
        { "webPage.psc", "<html><body><p>Oak</p></body></html>",
            "it is not a Belltide schedule: its outermost element is <html>, not <School>" },
        { "otherProgram.psc", "<?xml version=\"1.0\"?><Schools><School/></Schools>",
            "its outermost element is <Schools>, not <School>" },
    };
    ScratchFolder folder;
    for (const BadFile& bad : files) {
        const QString path = folder.Write(QString::fromLatin1(bad.name), bad.bytes);
        const auto result = SchoolDocument::Read(path);
        ASSERT_FALSE(result.IsOk()) << bad.name;
        const QString message = result.Error();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Could not open \"%1\" because ").arg(path)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromLatin1(bad.reason))) << message.toStdString();
        EXPECT_TRUE(message.endsWith(u'.')) << message.toStdString();
        EXPECT_FALSE(message.contains(u'\n')) << message.toStdString();

        const auto fromBytes = SchoolDocument::ReadBytes(bad.bytes, QString::fromLatin1(bad.name));
        EXPECT_FALSE(fromBytes.IsOk()) << bad.name;
    }
}

TEST(BadDocument, MissingFoldersAndUnreadableFilesAreNamed)
{
    ScratchFolder folder;
    const QString missing = folder.Path(QStringLiteral("nowhere.psc"));
    EXPECT_EQ(SchoolDocument::Read(missing).Error(),
        QStringLiteral("Could not open \"%1\" because the file does not exist.").arg(missing));

    const QString directory = folder.Path(QStringLiteral("a folder.psc"));
    folder.Write(QStringLiteral("a folder.psc/inside"), "x");
    EXPECT_EQ(SchoolDocument::Read(directory).Error(),
        QStringLiteral("Could not open \"%1\" because it is a folder, not a schedule document.").arg(directory));
}

TEST(BadDocument, UnreadableFilesAreNamed)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    ScratchFolder folder;
    const QString locked = folder.Write(QStringLiteral("locked.psc"), "<School/>");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const QString message = SchoolDocument::Read(locked).Error();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Could not open \"%1\" because it cannot be read").arg(locked)))
        << message.toStdString();
}

TEST(BadDocument, AbsurdValuesAreStoredAsTheyStand)
{
    QByteArray xml = "<School><DayStart>-480</DayStart><DayEnd>99999999999</DayEnd><Name>";
    xml += QByteArray(10 * 1024 * 1024, 'n');
    xml += "</Name><SpecialClass><Availability><x day=\"-2147483648\" minute=\"2147483647\"/></Availability>"
           "</SpecialClass>";
    for (int i = 0; i < 100000; ++i)
        xml += "<Classroom><NumberOfStudents>-1</NumberOfStudents></Classroom>";
    xml += "</School>";
    auto school = ReadText(xml);
    ASSERT_TRUE(school);
    EXPECT_EQ(school->DayStartAt, -480);
    EXPECT_EQ(school->DayEndAt, 2147483647);
    EXPECT_EQ(school->Name.size(), 10 * 1024 * 1024);
    EXPECT_EQ(school->Classes.size(), 100000u);
    EXPECT_EQ(school->Classes.back()->NumberOfStudents, -1);
    EXPECT_FALSE(school->Specials[0]->IsAvailable(-2147483647 - 1, 2147483647));
    auto reread = ReadText(SchoolDocument::ToBytes(*school));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Classes.size(), 100000u);
}

// Nesting deep enough to exhaust a recursive reader or writer.
TEST(BadDocument, DeeplyNestedElementsDoNotExhaustTheStack)
{
    constexpr int depth = 200000;
    QByteArray xml = "<School><Name>Deep</Name>";
    for (int i = 0; i < depth; ++i)
        xml += "<a>";
    for (int i = 0; i < depth; ++i)
        xml += "</a>";
    xml += "</School>";
    auto school = ReadText(xml);
    ASSERT_TRUE(school);
    EXPECT_EQ(school->Name, QStringLiteral("Deep"));
}

// Entity expansion is how a small file asks for gigabytes.
TEST(BadDocument, EntityExpansionAttacksAreRefused)
{
    QByteArray xml = "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    char previous = 'a';
    for (char name = 'b'; name <= 'k'; ++name, ++previous) {
        xml += QByteArray("<!ENTITY ") + name + " \"";
        for (int i = 0; i < 16; ++i)
            xml += QByteArray("&") + previous + ";";
        xml += "\">";
    }
    xml += "]><School><Name>&k;</Name></School>";
    const auto result = SchoolDocument::ReadBytes(xml, QStringLiteral("laughs.psc"));
    EXPECT_FALSE(result.IsOk());
}
