#include "CliCommand.h"
#include "CliRun.h"
#include "ConvertCommand.h"
#include "InfoCommand.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using belltide::test::CliRun;
using belltide::test::Invoke;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

} // namespace

TEST(CliInfo, DescribesTheExampleSchoolInDocumentOrder)
{
    const CliRun run = Invoke(&RunInfoCommand, { kExample });
    ASSERT_EQ(run.code, belltide::cli::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("School: Maple Grove Elementary\nSchool day: 8:00 AM-3:00 PM\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Music - Mr. Chen: 45 minutes, 5 minutes passing time")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("not available Tue 12:00 PM-3:00 PM; Thu 12:00 PM-3:00 PM\n")));
    EXPECT_LT(run.out.indexOf(QStringLiteral("Mrs. Adams")), run.out.indexOf(QStringLiteral("Ms. Thompson")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CliInfo, JsonCarriesTheSameSchool)
{
    const CliRun run = Invoke(&RunInfoCommand, { QStringLiteral("--json"), kExample });
    ASSERT_EQ(run.code, belltide::cli::kExitOk);
    const QJsonObject school = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(school[QStringLiteral("name")].toString(), QStringLiteral("Maple Grove Elementary"));
    EXPECT_EQ(school[QStringLiteral("lunchMaxClasses")].toInt(), 3);
    const QJsonArray specials = school[QStringLiteral("specials")].toArray();
    ASSERT_EQ(specials.size(), 7);
    const QJsonObject music = specials[1].toObject();
    EXPECT_EQ(music[QStringLiteral("title")].toString(), QStringLiteral("Music"));
    const QJsonArray unavailable = music[QStringLiteral("unavailable")].toArray();
    ASSERT_EQ(unavailable.size(), 2);
    EXPECT_EQ(unavailable[0].toObject()[QStringLiteral("from")].toInt(), 720);
    const QJsonArray classes = school[QStringLiteral("classes")].toArray();
    ASSERT_EQ(classes.size(), 20);
    const QJsonArray attendance = classes[0].toObject()[QStringLiteral("attendance")].toArray();
    EXPECT_EQ(attendance[0].toObject()[QStringLiteral("subject")].toString(), QStringLiteral("P.E."));
    EXPECT_EQ(attendance[0].toObject()[QStringLiteral("count")].toInt(), 5);
}

TEST(CliInfo, AttendanceNoSpecialTeachesIsAWarning)
{
    EXPECT_FALSE(Invoke(&RunInfoCommand, { kExample }).out.contains(QStringLiteral("Warnings")));
    QFile example(kExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    // Music's only special renamed by hand: every class's Music count is left behind.
    const QByteArray renamed = example.readAll().replace("<Title>Music</Title>", "<Title>Band</Title>");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("renamed.psc"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(renamed);
    file.close();

    const CliRun text = Invoke(&RunInfoCommand, { path });
    ASSERT_EQ(text.code, belltide::cli::kExitOk);
    const QString warnings = text.out.mid(text.out.indexOf(QStringLiteral("\nWarnings (1):\n")));
    EXPECT_TRUE(warnings.contains(QStringLiteral("  Music: 20 classes attend it ")));
    EXPECT_TRUE(warnings.contains(QStringLiteral("but no special teaches it. (K - Mrs. Adams 1, ")));

    const CliRun json = Invoke(&RunInfoCommand, { QStringLiteral("--json"), path });
    const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).object()[QStringLiteral("warnings")].toArray();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject()[QStringLiteral("subject")].toString(), QStringLiteral("Music"));
    EXPECT_EQ(list[0].toObject()[QStringLiteral("classes")].toArray().size(), 20);
}

TEST(CliInfo, BadInputAndBadArgumentsGiveOneLineAndExitTwo)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.psc"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<School><Name>");
    file.close();

    const QList<QStringList> cases = { { broken }, { dir.filePath(QStringLiteral("missing.psc")) }, { dir.path() }, {},
        { kExample, kExample }, { QStringLiteral("--jsn"), kExample } };
    for (const QStringList& arguments : cases) {
        const CliRun run = Invoke(&RunInfoCommand, arguments);
        EXPECT_EQ(run.code, belltide::cli::kExitBadInput) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(Invoke(&RunInfoCommand, { broken }).err.contains(broken));
}

TEST(CliConvert, WritesWhatItReadsAndReportsFailures)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.psc"));
    ASSERT_EQ(Invoke(&RunConvertCommand, { kExample, copy }).code, belltide::cli::kExitOk);
    QFile original(kExample), converted(copy);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && converted.open(QIODevice::ReadOnly));
    EXPECT_EQ(converted.readAll(), original.readAll());

    const CliRun unwritable
        = Invoke(&RunConvertCommand, { kExample, dir.filePath(QStringLiteral("no/such/folder.psc")) });
    EXPECT_EQ(unwritable.code, belltide::cli::kExitBadInput);
    EXPECT_TRUE(unwritable.err.startsWith(QStringLiteral("Could not save")));
    EXPECT_EQ(Invoke(&RunConvertCommand, { kExample }).code, belltide::cli::kExitBadInput);
}
