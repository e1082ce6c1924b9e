#include "ui/Resources.h"
#include "ui/PngReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace belltide;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void ReadsPngWithItsTransparencyAndRefusesOtherFiles()
    {
        QTemporaryDir dir;
        QImage source(4, 3, QImage::Format_ARGB32);
        source.fill(Qt::transparent);
        source.setPixelColor(1, 1, QColor(10, 200, 30, 255));
        source.setPixelColor(2, 1, QColor(255, 0, 0, 128));
        const QString png = dir.filePath(QStringLiteral("icon.png"));
        QVERIFY(source.save(png, "PNG"));
        const QImage read = ReadPng(png);
        QCOMPARE(read.size(), QSize(4, 3));
        QVERIFY(read.hasAlphaChannel());
        QCOMPARE(read.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(read.pixelColor(1, 1), QColor(10, 200, 30, 255));
        QVERIFY(qAbs(read.pixelColor(2, 1).alpha() - 128) <= 1);

        QFile text(dir.filePath(QStringLiteral("not.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture at all");
        text.close();
        QVERIFY(ReadPng(text.fileName()).isNull());
        QFile truncated(dir.filePath(QStringLiteral("cut.png")));
        QFile whole(png);
        QVERIFY(whole.open(QIODevice::ReadOnly) && truncated.open(QIODevice::WriteOnly));
        truncated.write(whole.readAll().left(40));
        truncated.close();
        QVERIFY(ReadPng(truncated.fileName()).isNull());
        QVERIFY(ReadPng(dir.filePath(QStringLiteral("missing.png"))).isNull());
    }

    void IconsAreReadOnceAndKeptByName()
    {
        QTemporaryDir dir;
        QImage picture(2, 2, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("Home.png")), "PNG"));
        IconStore store(dir.path());
        QCOMPARE(store.Get(QStringLiteral("Home")).size(), QSize(2, 2));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Home.png"))));
        QCOMPARE(store.Get(QStringLiteral("Home")).size(), QSize(2, 2));
        QVERIFY(store.Get(QStringLiteral("Nothing")).isNull());
        QVERIFY(IconStore(QString()).Get(QStringLiteral("Home")).isNull());
    }

    void TheIconFolderIsBesideTheProgramOrInTheCurrentFolder()
    {
        QTemporaryDir root;
        QDir top(root.path());
        QVERIFY(top.mkpath(QStringLiteral("app/bin")) && top.mkpath(QStringLiteral("app/Resources")));
        QVERIFY(top.mkpath(QStringLiteral("work/Resources")) && top.mkpath(QStringLiteral("empty")));
        const QString bin = top.filePath(QStringLiteral("app/bin"));
        const QString work = top.filePath(QStringLiteral("work"));

        QCOMPARE(IconStore::FindFolder(bin, work), top.filePath(QStringLiteral("app/Resources")));
        // Started from the program's own folder: only the current folder counts.
        QCOMPARE(IconStore::FindFolder(work, work), top.filePath(QStringLiteral("work/Resources")));
        QVERIFY(top.rmdir(QStringLiteral("app/Resources")));
        QCOMPARE(IconStore::FindFolder(bin, work), top.filePath(QStringLiteral("work/Resources")));
        QCOMPARE(IconStore::FindFolder(bin, top.filePath(QStringLiteral("empty"))), QString());
    }

    void TheBuiltPicturesAreThere()
    {
        for (const char* name :
            { "Home", "School Info", "Class Info", "Special Class", "Special Class Attendance", "Schedule" })
            QCOMPARE(Resources::GetIcon(QString::fromLatin1(name)).size(), QSize(48, 48));
        QVERIFY(!Resources::GetIcon(QStringLiteral("Belo")).isNull());
        QCOMPARE(Resources::GetIcon(QStringLiteral("Add Pressed")).size(), QSize(22, 22));
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
