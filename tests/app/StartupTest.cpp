#include "app/ContainerPictures.h"
#include "runtime/ElfImage.h"
#include "runtime/Loader.h"
#include "runtime/ResourceRegistry.h"
#include "ui/PngReader.h"
#include "ui/Resources.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace belltide;

namespace {

QByteArray Bitmap(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "BMP");
    return bytes;
}

struct Run {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

// A copy of the program alone in a folder, which also holds its settings.
Run StartCopy(const QTemporaryDir& folder, const QStringList& unset, const QStringList& set)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset)
        environment.remove(name);
    for (const QString& assignment : set)
        environment.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    process.start(folder.filePath(QStringLiteral("belltide")), {});
    if (!process.waitForFinished(60000))
        return {};
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError() };
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void CarriedPicturesComeFirstAndTheFolderFillsIn()
    {
        constexpr std::uint32_t kBmp = ResourceRegistry::TypeCode("BMP ");
        QByteArray segment;
        ResourceRegistry::AppendRecord(segment, kBmp, 0, Bitmap({ 3, 2 }));
        ResourceRegistry::AppendRecord(segment, kBmp, 2, "not a bitmap");
        ResourceRegistry::AppendRecord(segment, kBmp, 6, Bitmap({ 5, 4 }));
        ResourceRegistry registry;
        QVERIFY(registry.RegisterAll(segment, 0));
        const ContainerPictures pictures(registry);
        QTemporaryDir folder;
        for (const char* name : { "Home", "Class Info", "Add" })
            QVERIFY(
                QImage::fromData(Bitmap({ 1, 1 })).save(folder.filePath(QLatin1String(name) + QStringLiteral(".png"))));

        IconStore store(folder.path(), [&](const QString& name) { return pictures.Get(name); });
        QCOMPARE(store.Get(QStringLiteral("Home")).size(), QSize(3, 2));
        QCOMPARE(store.Get(QStringLiteral("Belo")).size(), QSize(5, 4));
        QCOMPARE(store.Get(QStringLiteral("Class Info")).size(), QSize(1, 1));
        QCOMPARE(store.Get(QStringLiteral("Add")).size(), QSize(1, 1));
        QVERIFY(store.Get(QStringLiteral("School Info")).isNull());
    }

    // Nothing is beside the copy, so every picture it shows came from its
    // container, and must be the built picture with its transparency.
    void ThePackedProgramStartsWithThePicturesOfItsContainer()
    {
#if !defined(__x86_64__)
        QSKIP("on other machines the program stays a bare runtime");
#endif
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(BELLTIDE_PROGRAM), folder.filePath(QStringLiteral("belltide"))));
        const Run run = StartCopy(
            folder, {}, { QStringLiteral("QT_QPA_PLATFORM=offscreen"), QStringLiteral("BELLTIDE_STARTUP_REPORT=1") });
        QByteArray expected;
        for (const char* name : ContainerPictures::kNames) {
            const QImage picture
                = ReadPng(QStringLiteral(BELLTIDE_ICONS "/") + QLatin1String(name) + QStringLiteral(".png"))
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY(picture.pixelColor(0, 0).alpha() == 0);
            const QByteArrayView pixels(picture.constBits(), picture.sizeInBytes());
            const QByteArray hash = QCryptographicHash::hash(pixels, QCryptographicHash::Sha256).toHex();
            expected += QString::asprintf("%s %dx%d %s\n", name, picture.width(), picture.height(), hash.constData())
                            .toLatin1();
        }
        QVERIFY2(run.ExitCode == 0, run.Err.constData());
        QCOMPARE(run.Out, expected);

        // Every picture of the Resources folder, buttons and icon included: the
        // copy has no folder to fall back on.
        QStringList reported;
        for (const QByteArray& line : run.Out.trimmed().split('\n'))
            reported << QString::fromUtf8(line).section(u' ', 0, -3);
        QStringList inFolder = QDir(QStringLiteral(BELLTIDE_ICONS)).entryList({ QStringLiteral("*.png") });
        inFolder.replaceInStrings(QStringLiteral(".png"), QString());
        reported.sort();
        inFolder.sort();
        QCOMPARE(reported, inFolder);
    }

    // Without a screen, and on one nobody sees, the report goes to stderr
    // rather than into a box that would wait forever.
    void AZeroedLocatorReportsACorruptExecutable()
    {
#if !defined(__x86_64__)
        QSKIP("on other machines the program stays a bare runtime");
#endif
        QTemporaryDir folder;
        QFile copy(folder.filePath(QStringLiteral("belltide")));
        QVERIFY(QFile::copy(QStringLiteral(BELLTIDE_PROGRAM), copy.fileName()) && copy.open(QIODevice::ReadWrite));
        const auto image = ElfImage::Read(copy.readAll());
        const auto section = image ? image->FindSection(Locator::kSectionName) : std::nullopt;
        QVERIFY(section && copy.seek(qint64(section->FileOffset)));
        QCOMPARE(copy.write(QByteArray(Locator::kSize, '\0')), qint64(Locator::kSize));
        copy.close();

        for (const QStringList& screen : { QStringList(),
                 QStringList { QStringLiteral("QT_QPA_PLATFORM=offscreen"), QStringLiteral("DISPLAY=:0") } }) {
            const Run run = StartCopy(folder,
                { QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM") },
                screen);
            QCOMPARE(run.ExitCode, Loader::kStoppedExitCode);
            QVERIFY2(run.Err.startsWith("Runtime Error\nRuntime Error 4: Failed Assertion\n"), run.Err.constData());
            QVERIFY2(run.Err.endsWith("\nFailure Condition: 0\nExecutable is corrupt!\n"), run.Err.constData());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
