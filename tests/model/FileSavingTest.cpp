#include "FailingDisk.h"
#include "ReadOnlyFolder.h"
#include "TestFiles.h"

#include "model/FileSaving.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <utility>

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

ino_t FileNumber(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

// Copies of old content that saving in place left in the user's cache or
// temporary folder.
QStringList CopiesOf(const QString& baseName)
{
    QStringList copies;
    for (const QString& folder :
        { QStandardPaths::writableLocation(QStandardPaths::CacheLocation), QDir::tempPath() }) {
        for (const QString& name : QDir(folder).entryList({ baseName + QStringLiteral(" (before saving) *") }))
            copies << QDir(folder).filePath(name);
    }
    return copies;
}

// A folder nobody may write to that holds a file everybody may write.
struct WritableFileInReadOnlyFolder {
    test::ScratchFolder Scratch;
    QString Folder = Scratch.Path(QStringLiteral("office"));
    QString File = Folder + QStringLiteral("/Cedar School.psc");
    QByteArray Old = QByteArray("<School/>\n").repeated(10);

    // Copies of old content go to a cache and a temporary folder of this
    // test's own: tests running side by side must not see each other's.
    QByteArray OldCache = qgetenv("XDG_CACHE_HOME");
    QByteArray OldTemp = qgetenv("TMPDIR");

    WritableFileInReadOnlyFolder()
    {
        // Writable by all, as the real ones are: a root run writes as "nobody".
        for (const QString& own : { Scratch.Path(QStringLiteral("cache")), Scratch.Path(QStringLiteral("tmp")) }) {
            QDir().mkpath(own);
            QFile::setPermissions(own,
                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
                    | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        }
        qputenv("XDG_CACHE_HOME", Scratch.Path(QStringLiteral("cache")).toLocal8Bit());
        qputenv("TMPDIR", Scratch.Path(QStringLiteral("tmp")).toLocal8Bit());
        QDir().mkpath(Folder);
        EXPECT_TRUE(WriteAll(File, Old));
        EXPECT_TRUE(QFile::setPermissions(File,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
                | QFile::WriteOther));
    }
    ~WritableFileInReadOnlyFolder()
    {
        for (const auto& [name, value] :
            { std::pair { "XDG_CACHE_HOME", OldCache }, std::pair { "TMPDIR", OldTemp } }) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
};

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

// The folder refuses new files but the file may be written: it is written in
// place, and nothing is left beside it or elsewhere. Anywhere else the file is
// still replaced whole by a new one.
TEST(FileSaving, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    WritableFileInReadOnlyFolder office;
    const ino_t before = FileNumber(office.File);
    const QStringList files = FilesIn(office.Folder);
    Status saved = Status::Ok({});
    Status fresh = Status::Ok({});
    {
        ReadOnlyFolder readOnly(office.Folder);
        saved = FileSaving::WriteWhole(office.File, "new content");
        fresh = FileSaving::WriteWhole(office.Folder + QStringLiteral("/new.psc"), "x");
    }
    ASSERT_TRUE(saved) << saved.Error().toStdString();
    EXPECT_EQ(ReadAll(office.File), QByteArray("new content"));
    EXPECT_EQ(FileNumber(office.File), before);
    EXPECT_EQ(FilesIn(office.Folder), files);
    EXPECT_EQ(CopiesOf(QStringLiteral("Cedar School")), QStringList());
    EXPECT_EQ(fresh.Error(), QStringLiteral("the folder is read-only"));

    ASSERT_TRUE(FileSaving::WriteWhole(office.File, "replaced"));
    EXPECT_NE(FileNumber(office.File), before);
}

// Writing in place fails: the file keeps its old content, and the message says
// where a copy of it is.
TEST(FileSaving, AFailedWriteInPlaceKeepsTheOldContentAndSaysWhere)
{
    WritableFileInReadOnlyFolder office;
    const QByteArray large(64 * 1024, 'n');
    int child = -1;
    {
        ReadOnlyFolder readOnly(office.Folder);
        child = InChildWithFileSizeLimit(8192, [&] {
            const Status saved = FileSaving::WriteWhole(office.File, large);
            if (saved)
                return 1;
            static const QRegularExpression sentence(QStringLiteral(
                "^Could not save \"(.*)\" because the file would be larger than this system allows\\. A copy of its "
                "previous content is kept in \"(.*)\"\\.$"));
            const QRegularExpressionMatch match
                = sentence.match(FileSaving::FailureSentence(office.File, saved.Error()));
            if (!match.hasMatch() || match.captured(1) != office.File)
                return 2;
            return ReadAll(match.captured(2)) == office.Old ? 0 : 3;
        });
    }
    EXPECT_EQ(child, 0);
    EXPECT_EQ(ReadAll(office.File), office.Old);
    const QStringList copies = CopiesOf(QStringLiteral("Cedar School"));
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies[0].endsWith(QStringLiteral(".psc")));
    QFile::remove(copies[0]);
}
