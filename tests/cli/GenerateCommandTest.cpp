#include "GenerateCommand.h"
#include "CliCommand.h"
#include "CliRun.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using belltide::test::CliRun;
using belltide::test::Invoke;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

CliRun Generate(const QStringList& arguments)
{
    return Invoke(&RunGenerateCommand, arguments);
}

QString QS(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(CliGenerate, ExampleScheduleAsJson)
{
    const CliRun run = Generate({ kExample, QS("--seed"), QS("7"), QS("--json"), QS("-") });
    ASSERT_EQ(run.code, belltide::cli::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QS("Schedule found on attempt 1 of 10 in "))) << run.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonObject expected { { QS("school"), QS("Maple Grove Elementary") }, { QS("slotsPerDay"), 84 },
        { QS("dayStartAt"), 480 }, { QS("attempt"), 1 }, { QS("seed"), 7 }, { QS("lunchSeats"), 3 } };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(root[it.key()], it.value()) << it.key().toStdString();
    const QJsonArray specials = root[QS("specials")].toArray();
    EXPECT_EQ(root[QS("classes")].toArray()[19].toObject()[QS("teacher")].toString(), QS("Ms. Thompson"));
    EXPECT_EQ(specials[3].toObject()[QS("teacher")].toString(), QS("Mr. Brooks"));

    // Every class eats five times, each lunch followed by its recess; a special
    // block names the special of its subject.
    std::map<int, int> lunches;
    QJsonObject previous;
    for (const QJsonValue& value : root[QS("meetings")].toArray()) {
        const QJsonObject meeting = value.toObject();
        const QString subject = meeting[QS("subject")].toString();
        if (subject == QS("Lunch")) {
            ++lunches[meeting[QS("class")].toInt()];
            EXPECT_EQ(meeting[QS("length")].toInt(), 3);
            EXPECT_TRUE(meeting[QS("seat")].toInt() >= 1 && meeting[QS("seat")].toInt() <= 3);
        } else if (subject == QS("Recess")) {
            EXPECT_EQ(previous[QS("slot")].toInt() + previous[QS("length")].toInt(), meeting[QS("slot")].toInt());
            EXPECT_EQ(previous[QS("subject")].toString(), QS("Lunch"));
        } else {
            EXPECT_EQ(specials[meeting[QS("special")].toInt(-1)].toObject()[QS("title")].toString(), subject);
        }
        previous = meeting;
    }
    EXPECT_EQ(lunches.size(), 20u);
    EXPECT_TRUE(std::all_of(lunches.begin(), lunches.end(), [](const auto& entry) { return entry.second == 5; }));

    // The same seed writes the same schedule to a file, and --quiet says nothing.
    QTemporaryDir dir;
    const QString path = dir.filePath(QS("week.json"));
    const CliRun again = Generate({ QS("--json=") + path, QS("--quiet"), QS("--seed=7"), kExample });
    EXPECT_EQ(again.code, belltide::cli::kExitOk);
    EXPECT_TRUE(again.out.isEmpty() && again.err.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), run.out);
}

QString WriteSchool(const QTemporaryDir& dir, const std::function<void(belltide::School&)>& change)
{
    belltide::School school;
    auto art = std::make_shared<belltide::SpecialClass>();
    art->Title = QS("Art");
    art->Duration = 45;
    school.Specials.push_back(art);
    for (int i = 0; i < 4; ++i) {
        auto classroom = std::make_shared<belltide::Classroom>();
        classroom->Grade = QS("1st");
        classroom->DayStart = school.DayStartAt;
        classroom->DayEnd = school.DayEndAt;
        classroom->AttendCount(QS("Art"), 1);
        school.Classes.push_back(classroom);
    }
    change(school);
    const QString path = dir.filePath(QS("school.psc"));
    EXPECT_TRUE(belltide::SchoolDocument::Write(school, path).IsOk());
    return path;
}

TEST(CliGenerate, SchoolsWithoutAScheduleSayWhy)
{
    struct Case {
        const char* name;
        std::function<void(belltide::School&)> change;
        QString message;
    };
    const Case cases[] = {
        { "no lunch seats", [](belltide::School& school) { school.LunchMaxClasses = 0; },
            QS("A valid schedule could not be found. Consider shortening special class lengths or cutting back on how "
               "many times each class attends them.\n") },
        { "too much art",
            [](belltide::School& school) {
                for (auto& classroom : school.Classes)
                    classroom->AttendCount(QS("Art"), 5);
                school.DayEndAt = school.DayStartAt + 120;
            },
            QS("The subject \"Art\" is being attended by too many classes, and cannot be scheduled. It would be "
               "over-scheduled by 350 minutes.\nThe subject \"Lunch\" is being attended by too many classes, and "
               "cannot be scheduled. It would be over-scheduled by 400 minutes.\n") },
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const CliRun run = Generate({ WriteSchool(dir, c.change), QS("--attempts"), QS("2"), QS("--json"), QS("-") });
        EXPECT_EQ(run.code, belltide::cli::kExitNoSchedule) << c.name;
        EXPECT_EQ(run.err, c.message) << c.name;
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
}

TEST(CliGenerate, ThoroughSearchSchedulesOrSaysWhy)
{
    const QString halfDays = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/half-day-kindergarten.psc");
    // Behind ten failed quick attempts, and alone.
    for (const QStringList& engine : { QStringList { QS("--thorough") }, QStringList { QS("--engine=thorough") } }) {
        const CliRun run = Generate(QStringList { halfDays, QS("--seed"), QS("3"), QS("--json"), QS("-") } + engine);
        ASSERT_EQ(run.code, belltide::cli::kExitOk) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(QS("Schedule found by the thorough search in "))) << run.err.toStdString();
        EXPECT_EQ(run.err.endsWith(QS(" ms after 10 quick attempts.\n")), engine[0] == QS("--thorough"))
            << run.err.toStdString();
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(root[QS("attempt")].toInt(-1), 0);
        // The afternoon kindergarten's day starts at noon, slot 48.
        const QJsonArray classes = root[QS("classes")].toArray();
        ASSERT_EQ(classes[3].toObject()[QS("teacher")].toString(), QS("Ms. Fairley (PM)"));
        int afternoon = 0;
        for (const QJsonValue& value : root[QS("meetings")].toArray()) {
            if (value.toObject()[QS("class")].toInt() == 3) {
                EXPECT_GE(value.toObject()[QS("slot")].toInt(), 48);
                ++afternoon;
            }
        }
        EXPECT_EQ(afternoon, 13);
    }

    QTemporaryDir dir;
    const CliRun none = Generate({ WriteSchool(dir, [](belltide::School& school) { school.LunchMaxClasses = 0; }),
        QS("--thorough"), QS("--attempts"), QS("2") });
    EXPECT_EQ(none.code, belltide::cli::kExitNoSchedule);
    EXPECT_EQ(none.err,
        QS("No class can have lunch: the lunchroom takes no classes at once. Let at least one class eat at a time.\n"));
    EXPECT_TRUE(none.out.isEmpty());
}

TEST(CliGenerate, BadArgumentsAndInputExitWithTwo)
{
    QTemporaryDir dir;
    const QString longDay
        = WriteSchool(dir, [](belltide::School& school) { school.DayEndAt = school.DayStartAt + 2000; });
    const QStringList cases[] = {
        {},
        { kExample, kExample },
        { kExample, QS("--seed"), QS("soon") },
        { kExample, QS("--seed") },
        { kExample, QS("--attempts"), QS("0") },
        { kExample, QS("--verbose") },
        { kExample, QS("--engine"), QS("fast") },
        { kExample, QS("--thorough=yes") },
        { kExample, QS("--json") },
        { dir.filePath(QS("missing.psc")) },
        { kExample, QS("--json"), dir.filePath(QS("no/such/folder/out.json")) },
        { longDay },
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = Generate(arguments);
        EXPECT_EQ(run.code, belltide::cli::kExitBadInput) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

} // namespace
