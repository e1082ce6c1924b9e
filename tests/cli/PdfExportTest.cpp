#include "PdfExport.h"

#include "engine/ScheduleGenerator.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace belltide;

namespace {

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

std::shared_ptr<School> ScheduledExample()
{
    auto school = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc")).Value();
    auto inputs = ScheduleGenerator::BuildInputs(*school);
    GenerationOptions options;
    options.Seed = 7;
    school->Schedule = ScheduleGenerator().Run(inputs.Value(), options).Schedule;
    return school;
}

} // namespace

TEST(PdfExport, OnePagePerScheduleOrOnlyThoseAskedFor)
{
    const auto school = ScheduledExample();
    ASSERT_TRUE(school->Schedule);
    QTemporaryDir dir;
    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    ASSERT_TRUE(WriteSchedulePdf(*school, {}, all).IsOk());
    // The two overviews take a page per day; every class and special one.
    EXPECT_EQ(PdfPages(all), 5 + 5 + 27);

    const QString two = dir.filePath(QStringLiteral("two.pdf"));
    ASSERT_TRUE(
        WriteSchedulePdf(*school, { QStringLiteral("music: mr. chen"), QStringLiteral("K: Mrs. Adams") }, two).IsOk());
    EXPECT_EQ(PdfPages(two), 2);
    ASSERT_TRUE(WriteSchedulePdf(*school, { QStringLiteral("whole school") }, two).IsOk());
    EXPECT_EQ(PdfPages(two), 5);

    const Status unknown = WriteSchedulePdf(*school, { QStringLiteral("Drama: Nobody") }, two);
    ASSERT_FALSE(unknown.IsOk());
    EXPECT_EQ(unknown.Error(), QStringLiteral("No class or special is called \"Drama: Nobody\"."));
    EXPECT_FALSE(WriteSchedulePdf(*school, {}, dir.filePath(QStringLiteral("no/such/folder.pdf"))).IsOk());
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
