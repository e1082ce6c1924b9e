#include "FailingDisk.h"
#include "TestFiles.h"

#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

std::shared_ptr<School> Example()
{
    auto read = SchoolDocument::Read(kExample);
    EXPECT_TRUE(read.IsOk());
    return read.Value();
}

// A save that cannot be completed: the child reports 0 when the write failed
// with the expected words, 1 when it claimed success, 2 for other words.
int SaveInChild(std::size_t limit, School& school, const QString& path, const QString& reason)
{
    return InChildWithFileSizeLimit(limit, [&] {
        const Status saved = SchoolDocument::Write(school, path);
        if (saved)
            return 1;
        return saved.Error() == FileSaving::FailureSentence(path, reason) ? 0 : 2;
    });
}

} // namespace

// The defect this guards against: a short write went unnoticed and the old
// document was replaced by its first few kilobytes.
TEST(FileSaving, AFileSizeLimitFailsTheSaveAndKeepsThePreviousDocumentWhole)
{
    test::ScratchFolder folder;
    const QString path = folder.Path(QStringLiteral("school.psc"));
    School small;
    ASSERT_TRUE(SchoolDocument::Write(small, path));
    const QByteArray before = ReadAll(path);
    auto example = Example();
    ASSERT_GT(SchoolDocument::ToBytes(*example).size(), 8192);

    EXPECT_EQ(SaveInChild(8192, *example, path, QStringLiteral("the file would be larger than this system allows")), 0);
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(FilesIn(folder.Path(QString())), QStringList { QStringLiteral("school.psc") });

    // A first save that fails leaves no file at all.
    const QString fresh = folder.Path(QStringLiteral("fresh.psc"));
    EXPECT_EQ(
        SaveInChild(8192, *example, fresh, QStringLiteral("the file would be larger than this system allows")), 0);
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(FilesIn(folder.Path(QString())), QStringList { QStringLiteral("school.psc") });
}

TEST(FileSaving, AFullDiskFailsTheSaveAndKeepsThePreviousDocumentWhole)
{
    TinyDisk disk(16 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "a tmpfs cannot be mounted here";
    const QString path = disk.Path(QStringLiteral("school.psc"));
    School small;
    ASSERT_TRUE(SchoolDocument::Write(small, path));
    const QByteArray before = ReadAll(path);
    auto example = Example();

    const Status saved = SchoolDocument::Write(*example, path);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.Error(), FileSaving::FailureSentence(path, QStringLiteral("the disk is full")));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(FilesIn(disk.Folder()), QStringList { QStringLiteral("school.psc") });

    // With room again the same save goes through and reads back.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(SchoolDocument::Write(*example, path));
    EXPECT_TRUE(SchoolDocument::Read(path));
}

TEST(FileSaving, ReplacingAFileKeepsItsPermissionsAndFollowsLinks)
{
    test::ScratchFolder folder;
    const QString path = folder.Write(QStringLiteral("shared.psc"), "old");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    ASSERT_TRUE(FileSaving::WriteWhole(path, "new"));
    EXPECT_EQ(ReadAll(path), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, mode);

    const QString link = folder.Path(QStringLiteral("link.psc"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(FileSaving::WriteWhole(link, "through the link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(path), QByteArray("through the link"));
}

TEST(FileSaving, ReasonsReadAsWords)
{
    test::ScratchFolder folder;
    const Status missing = FileSaving::WriteWhole(folder.Path(QStringLiteral("none/school.psc")), "x");
    EXPECT_EQ(missing.Error(), QStringLiteral("its folder does not exist"));
    folder.Write(QStringLiteral("taken/keep.txt"), "keep");
    const Status folderTarget = FileSaving::WriteWhole(folder.Path(QStringLiteral("taken")), "x");
    EXPECT_EQ(folderTarget.Error(), QStringLiteral("it is a folder"));
    EXPECT_EQ(FileSaving::FailureSentence(QStringLiteral("/a/b.psc"), QStringLiteral("the disk is full")),
        QStringLiteral("Could not save \"/a/b.psc\" because the disk is full."));
}
