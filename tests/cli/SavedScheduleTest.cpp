#include "CheckCommand.h"
#include "CliCommand.h"
#include "CliRun.h"
#include "FailingDisk.h"
#include "GenerateCommand.h"
#include "InfoCommand.h"
#include "QtPrinting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using belltide::cli::CommandFunction;

using belltide::test::CliRun;
using belltide::test::Invoke;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

QJsonArray Meetings(const QString& json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object().value(QStringLiteral("meetings")).toArray();
}

class SavedSchedule : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = dir.filePath(QStringLiteral("school.psc"));
        ASSERT_TRUE(belltide::test::WriteAll(file, belltide::test::ReadAll(kExample)));
    }
    // Changes the document's text as an editor outside the program would.
    void Edit(const char* from, const char* to)
    {
        QByteArray bytes = belltide::test::ReadAll(file);
        ASSERT_TRUE(bytes.contains(from));
        bytes.replace(bytes.indexOf(from), qsizetype(qstrlen(from)), to);
        ASSERT_TRUE(belltide::test::WriteAll(file, bytes));
    }

    QTemporaryDir dir;
    QString file;
};

} // namespace

TEST_F(SavedSchedule, GenerateSavesWhatShowGivesBackPlacementForPlacement)
{
    const CliRun none = Invoke(&RunShowCommand, { file });
    EXPECT_EQ(none.code, belltide::cli::kExitNoSchedule);
    EXPECT_EQ(none.err, file + QStringLiteral(" has no saved schedule.\n"));
    EXPECT_TRUE(Invoke(&RunInfoCommand, { file }).out.contains(QStringLiteral("Schedule: none saved\n")));

    const CliRun made = Invoke(&RunGenerateCommand,
        { file, QStringLiteral("--seed"), QStringLiteral("4"), QStringLiteral("--json"), QStringLiteral("-"),
            QStringLiteral("--save") });
    ASSERT_EQ(made.code, belltide::cli::kExitOk) << made.err.toStdString();
    const CliRun shown = Invoke(&RunShowCommand, { file, QStringLiteral("--json"), QStringLiteral("-") });
    ASSERT_EQ(shown.code, belltide::cli::kExitOk) << shown.err.toStdString();
    EXPECT_EQ(Meetings(shown.out), Meetings(made.out));
    EXPECT_GT(Meetings(shown.out).size(), 200);
    EXPECT_TRUE(shown.err.startsWith(QStringLiteral("Saved schedule: 239 meetings, all of them fitting the school.")));
    EXPECT_TRUE(Invoke(&RunInfoCommand, { file })
                    .out.contains(QStringLiteral("Schedule: 239 meetings saved, fitting the school\n")));
}

TEST_F(SavedSchedule, AChangedSchoolIsShownWithWhatNoLongerFitsAndCompleteKeepsTheRest)
{
    ASSERT_EQ(
        Invoke(&RunGenerateCommand, { file, QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--save") })
            .code,
        0);
    const QJsonArray before
        = Meetings(Invoke(&RunShowCommand, { file, QStringLiteral("--json"), QStringLiteral("-") }).out);
    // Mrs. Adams's kindergarten now goes home at 13:00.
    Edit("<DayEnd>900</DayEnd>\n    <Grade>K</Grade>", "<DayEnd>780</DayEnd>\n    <Grade>K</Grade>");

    const CliRun shown = Invoke(&RunShowCommand, { file });
    ASSERT_EQ(shown.code, 0);
    EXPECT_TRUE(
        shown.out.startsWith(QStringLiteral("Saved schedule: 239 meetings; 2 no longer fit and 2 are missing.\n")))
        << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("would not fit in the day of K: Mrs. Adams (8:00 AM-1:00 PM).")));
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Missing: ")));
    EXPECT_TRUE(
        Invoke(&RunInfoCommand, { file }).out.contains(QStringLiteral("2 no longer fit the school and 2 are missing")));

    const CliRun completed = Invoke(
        &RunCompleteCommand, { file, QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--save") });
    ASSERT_EQ(completed.code, 0) << completed.err.toStdString();
    EXPECT_TRUE(completed.out.contains(QStringLiteral("Kept 237 of 239 meetings.\n"))) << completed.out.toStdString();
    const CliRun after = Invoke(&RunShowCommand, { file, QStringLiteral("--json"), QStringLiteral("-") });
    EXPECT_TRUE(after.err.startsWith(QStringLiteral("Saved schedule: 239 meetings, all of them fitting the school.")));
    // Every meeting of another class is where it was.
    int kept = 0;
    for (const auto& meeting : before)
        kept += Meetings(after.out).contains(meeting) ? 1 : 0;
    EXPECT_GE(kept, before.size() - 6);
}

TEST_F(SavedSchedule, GenerateKeepsPinnedMeetingsAndCompleteNeedsASavedSchedule)
{
    EXPECT_EQ(Invoke(&RunCompleteCommand, { file }).code, belltide::cli::kExitNoSchedule);
    ASSERT_EQ(
        Invoke(&RunGenerateCommand, { file, QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--save") })
            .code,
        0);
    Edit("<Meeting class=\"0\" special=\"", "<Meeting pinned=\"true\" class=\"0\" special=\"");
    const QByteArray saved = belltide::test::ReadAll(file);
    const qsizetype at = saved.indexOf("<Meeting pinned=\"true\"");
    const QByteArray pinned = saved.mid(at, saved.indexOf("/>", at) - at);
    for (const char* seed : { "11", "12", "13" }) {
        ASSERT_EQ(Invoke(&RunGenerateCommand,
                      { file, QStringLiteral("--seed"), QString::fromLatin1(seed), QStringLiteral("--save") })
                      .code,
            0);
        const QByteArray again = belltide::test::ReadAll(file);
        const QByteArray where
            = pinned.mid(pinned.indexOf("class="), pinned.indexOf(" by=") - pinned.indexOf("class="));
        EXPECT_TRUE(again.contains(where)) << where.toStdString();
    }
}

// The placements generate writes pass; moved by hand onto another class's
// Music, they break a rule, told in the window's words.
TEST_F(SavedSchedule, CheckListsEveryBrokenRuleOfAPlacementFile)
{
    const QString json = dir.filePath(QStringLiteral("placements.json"));
    ASSERT_EQ(Invoke(&RunGenerateCommand,
                  { file, QStringLiteral("--seed"), QStringLiteral("2"), QStringLiteral("--json"), json,
                      QStringLiteral("--quiet") })
                  .code,
        0);
    const CliRun good = Invoke(&RunCheckCommand, { file, json });
    EXPECT_EQ(good.code, belltide::cli::kExitOk);
    EXPECT_EQ(good.out, QStringLiteral("239 meetings keep every rule, and none is missing.\n"));

    QJsonObject root = QJsonDocument::fromJson(belltide::test::ReadAll(json)).object();
    QJsonArray meetings = root.value(QStringLiteral("meetings")).toArray();
    qsizetype first = -1;
    qsizetype second = -1;
    for (qsizetype i = 0; i < meetings.size(); ++i) {
        const QJsonObject m = meetings[i].toObject();
        if (m.value(QStringLiteral("subject")) != QStringLiteral("Music"))
            continue;
        if (first < 0)
            first = i;
        else if (m.value(QStringLiteral("class")) != meetings[first].toObject().value(QStringLiteral("class"))
            && m.value(QStringLiteral("special")) == meetings[first].toObject().value(QStringLiteral("special")))
            second = i;
    }
    ASSERT_GE(second, 0);
    QJsonObject moved = meetings[first].toObject();
    moved[QStringLiteral("day")] = meetings[second].toObject().value(QStringLiteral("day"));
    moved[QStringLiteral("slot")] = meetings[second].toObject().value(QStringLiteral("slot"));
    meetings[first] = moved;
    // And one meeting lost (not a recess, which follows lunch by itself).
    qsizetype lost = meetings.size() - 1;
    while (!meetings[lost].toObject().contains(QStringLiteral("special")))
        --lost;
    meetings.removeAt(lost);
    root[QStringLiteral("meetings")] = meetings;
    ASSERT_TRUE(belltide::test::WriteAll(json, QJsonDocument(root).toJson()));
    const CliRun bad = Invoke(&RunCheckCommand, { file, json });
    EXPECT_EQ(bad.code, belltide::cli::kExitNoSchedule);
    EXPECT_TRUE(bad.out.contains(QStringLiteral(": Music (Mr. Chen) meets "))) << bad.out.toStdString();
    EXPECT_TRUE(bad.out.contains(QStringLiteral("Missing: "))) << bad.out.toStdString();

    ASSERT_TRUE(belltide::test::WriteAll(json, "{ not json"));
    EXPECT_EQ(Invoke(&RunCheckCommand, { file, json }).code, belltide::cli::kExitBadInput);
}
