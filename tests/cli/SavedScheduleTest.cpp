#include "CliCommand.h"
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

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun Invoke(CommandFunction command, const QStringList& arguments)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = command(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

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
    EXPECT_TRUE(shown.out.contains(QStringLiteral("would not fit in the day of K: Mrs. Adams (8:00-13:00).")));
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
