#include "ui/Resources.h"
#include "ui/PngReader.h"
#include "ui/SvgPictures.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
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

    void SvgSourcesAreDrawnAtTheScreensDensity()
    {
        QTemporaryDir dir;
        QFile svg(dir.filePath(QStringLiteral("Dot.svg")));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4' viewBox='0 0 4 4'>"
                  "<rect x='0' y='0' width='2' height='2' fill='#ff0000'/></svg>");
        svg.close();
        SvgPictures pictures(dir.path());
        const QImage drawn = pictures.Draw(QStringLiteral("Dot"), QSize(4, 4), 2.0);
        QCOMPARE(drawn.size(), QSize(8, 8));
        QCOMPARE(drawn.devicePixelRatio(), 2.0);
        QCOMPARE(drawn.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(drawn.pixelColor(4, 4).alpha(), 0);
        QCOMPARE(pictures.Draw(QStringLiteral("Dot"), QSize(4, 4), 1.5).size(), QSize(6, 6));
        // Kept once drawn: the file is no longer needed.
        QVERIFY(svg.remove());
        QCOMPARE(pictures.Draw(QStringLiteral("Dot"), QSize(4, 4), 2.0), drawn);
        QVERIFY(pictures.Draw(QStringLiteral("Dot"), QSize(5, 5), 1.0).isNull());
        QVERIFY(pictures.Draw(QStringLiteral("Missing"), QSize(4, 4), 2.0).isNull());
        QVERIFY(pictures.Draw(QStringLiteral("Dot"), QSize(), 2.0).isNull());
    }

    void IconsStaySharpOnADenseScreen()
    {
        const QImage add = Resources::GetIcon(QStringLiteral("Add"));
        QCOMPARE(add.text(QString::fromLatin1(IconStore::kNameKey)), QStringLiteral("Add"));
        // At one pixel a pixel the bitmap itself is drawn, as it always was.
        QCOMPARE(Resources::SharpIcon(add, add.size(), 1.0).cacheKey(), add.cacheKey());

        // At two, the source built into the program is drawn at twice the size.
        const QImage sharp = Resources::SharpIcon(add, add.size(), 2.0);
        QCOMPARE(sharp.size(), add.size() * 2);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QImage expected(add.size() * 2, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter direct(&expected);
        QSvgRenderer(QStringLiteral(":/pictures/Add.svg")).render(&direct);
        direct.end();
        expected.setDevicePixelRatio(2.0);
        QCOMPARE(sharp, expected);

        // DrawIcon picks the drawing by the device it paints on.
        QImage screen(add.size() * 2, QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(2.0);
        screen.fill(Qt::transparent);
        QPainter painter(&screen);
        Resources::DrawIcon(painter, QRect(QPoint(0, 0), add.size()), add);
        painter.end();
        screen.setDevicePixelRatio(1.0);
        expected.setDevicePixelRatio(1.0);
        QCOMPARE(screen, expected);

        // A picture without a source is scaled; one with none at all stays null.
        QImage plain(2, 2, QImage::Format_ARGB32);
        plain.fill(Qt::blue);
        const QImage scaled = Resources::SharpIcon(plain, QSize(2, 2), 2.0);
        QCOMPARE(scaled.size(), QSize(4, 4));
        QCOMPARE(scaled.devicePixelRatio(), 2.0);
        QCOMPARE(scaled.pixelColor(3, 3), QColor(Qt::blue));
        QVERIFY(Resources::SharpIcon(QImage(), QSize(2, 2), 2.0).isNull());
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
