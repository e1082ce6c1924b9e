#include "UndoTestSupport.h"

#include "undo/ImportChange.h"
#include "undo/UndoManager.h"

#include "model/Classroom.h"
#include "model/RosterImport.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;
using namespace Qt::Literals::StringLiterals;

namespace {

std::shared_ptr<Classroom> Class(const QString& grade, const QString& teacher)
{
    auto classroom = std::make_shared<Classroom>();
    classroom->Grade = grade;
    classroom->Teacher = teacher;
    return classroom;
}

class ImportChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        school->Classes.push_back(Class(u"K"_s, u"Mrs. Adams"_s));
        manager.Listeners.push_back(&listener);
    }

    RosterPreview Preview(const QByteArray& csv)
    {
        auto preview = RosterImport::FromBytes(csv, u"list.csv"_s, *school);
        EXPECT_TRUE(preview.IsOk()) << preview.Error().toStdString();
        return preview.IsOk() ? preview.TakeValue() : RosterPreview();
    }

    std::shared_ptr<School> school = std::make_shared<School>();
    UndoManager manager;
    RecordingListener listener;
};

TEST_F(ImportChangeTest, TheWholeImportIsOneStepUndoneAndRedoneWithTheSameObjects)
{
    const QByteArray before = SchoolDocument::ToBytes(*school);
    const RosterPreview preview = Preview("Grade,Teacher\n1st,Ms. Baker\n2nd,Ms. Hughes\n3rd,Mr. Lopez\n");
    manager.Add(std::make_shared<ImportChange>(school, preview));

    ASSERT_EQ(school->Classes.size(), 4u);
    EXPECT_EQ(school->Classes[1], preview.Rows[0].Class);
    EXPECT_EQ(school->Classes[3], preview.Rows[2].Class);
    EXPECT_EQ(manager.UndoActions.size(), 1u);
    EXPECT_EQ(manager.UndoText(), u"Undo Import"_s);
    ASSERT_EQ(listener.Received.size(), 1u);
    EXPECT_EQ(listener.Received[0].Name, Notification::ClassListChange);
    EXPECT_TRUE(listener.Received[0].Tag.Is(preview.Rows[0].Class));

    manager.Undo();
    EXPECT_EQ(SchoolDocument::ToBytes(*school), before);
    EXPECT_EQ(manager.RedoText(), u"Redo Import"_s);
    manager.Redo();
    ASSERT_EQ(school->Classes.size(), 4u);
    EXPECT_EQ(school->Classes[2], preview.Rows[1].Class);
    EXPECT_EQ(listener.Received.size(), 3u);
}

TEST_F(ImportChangeTest, UndoTakesOutOnlyTheImportedObjectsNotEqualOnesAddedByHand)
{
    const RosterPreview preview = Preview("Grade,Teacher\n1st,Ms. Baker\n");
    manager.Add(std::make_shared<ImportChange>(school, preview));
    // The same class again, by hand, after the import.
    const auto byHand = Class(u"1st"_s, u"Ms. Baker"_s);
    school->Classes.push_back(byHand);
    manager.Undo();
    ASSERT_EQ(school->Classes.size(), 2u);
    EXPECT_EQ(school->Classes[1], byHand);
}

TEST_F(ImportChangeTest, SpecialsAloneNotifyTheSpecialsList)
{
    const RosterPreview preview = Preview("Subject,Teacher,Length\nArt,Ms. Rivera,45\nMusic,Mr. Chen,45\n");
    manager.Add(std::make_shared<ImportChange>(school, preview));
    ASSERT_EQ(school->Specials.size(), 2u);
    EXPECT_EQ(school->Classes.size(), 1u);
    ASSERT_EQ(listener.Received.size(), 1u);
    EXPECT_EQ(listener.Received[0].Name, Notification::SpecialListChange);
    EXPECT_TRUE(listener.Received[0].Tag.Is(preview.Rows[0].Special));
    manager.Undo();
    EXPECT_TRUE(school->Specials.empty());
}

} // namespace
