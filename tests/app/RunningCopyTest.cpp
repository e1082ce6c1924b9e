#include "app/App.h"
#include "app/FileRegistry.h"
#include "app/LocalSocketRunningCopy.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace belltide;
using namespace std::chrono_literals;

namespace {

struct NoDialogs : DocumentDialogs {
    QStringList Errors;
    std::optional<QString> ChooseOpenFile(QWidget*) override { return std::nullopt; }
    std::optional<QString> ChooseSaveFile(QWidget*, const QString&) override { return std::nullopt; }
    SaveChoice AskSaveChanges(QWidget*) override { return SaveChoice::DontSave; }
    void ShowError(QWidget*, const QString& message) override { Errors << message; }
};

} // namespace

class RunningCopyTest : public QObject {
    Q_OBJECT

    QTemporaryDir mDir;
    QString Path(const QString& name) const { return mDir.filePath(name); }
    // Where the program keeps its settings with XDG_CONFIG_HOME at Path("config").
    QString Settings() const { return Path(QStringLiteral("config/Quorvane/Belltide")); }

    // Starts the real program as a user would, from `folder`, with the same
    // settings as this test's copy.
    void StartProgram(QProcess& process, const QString& folder, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("BELLTIDE_STARTUP_REPORT"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(BELLTIDE_PROGRAM), arguments);
    }

private slots:
    // The copy running here takes what later starts of the real program hand
    // over; each of those ends at once. The program resolves a relative name in
    // its own folder.
    void ALaterStartHandsItsDocumentToTheRunningCopy()
    {
#if !defined(__x86_64__)
        QSKIP("on other machines the program stays a bare runtime");
#endif
        School school;
        school.Name = QStringLiteral("Grünwald");
        QVERIFY(QDir().mkpath(Path(QStringLiteral("office"))));
        const QString document = Path(QStringLiteral("office/Grünwald School.psc"));
        QVERIFY(SchoolDocument::Write(school, document));

        auto* dialogs = new NoDialogs;
        App app(std::make_unique<FileRegistry>(Settings()), std::unique_ptr<DocumentDialogs>(dialogs));
        LocalSocketRunningCopy running(LocalSocketRunningCopy::NameFor(Settings()));
        QCOMPARE(running.Begin({}), RunningCopy::Start::First);
        running.SetReceiver([&app](const QStringList& documents) { app.DocumentsFromLaterStart(documents); });
        app.Launch({});
        QCOMPARE(app.Windows().size(), 1);

        const struct {
            QStringList Arguments;
            int Windows;
        } starts[] = {
            { { QStringLiteral("Grünwald School.psc") }, 2 },
            // Already open: its window comes forward, none is added.
            { { QStringLiteral("./Grünwald School.psc") }, 2 },
            // No document: a new school, as a first start after one was open.
            { {}, 3 },
        };
        for (const auto& start : starts) {
            QProcess later;
            StartProgram(later, Path(QStringLiteral("office")), start.Arguments);
            // The running copy answers from this event loop, so it must keep turning.
            QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 30000);
            QVERIFY2(later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0,
                later.readAllStandardError().constData());
            QTRY_COMPARE(app.Windows().size(), start.Windows);
        }
        QCOMPARE(app.Windows().at(1)->DiskFile(), document);
        QVERIFY(app.Windows().at(2)->DiskFile().isEmpty());
        QVERIFY(dialogs->Errors.isEmpty());
    }

    // A socket file left by a copy that died, a copy that takes the connection
    // but never answers, and a stranger's bytes.
    void StartsCopeWithCopiesThatDiedOrHang()
    {
        const QString name = Path(QStringLiteral("copy"));
        QFile stale(name);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        {
            LocalSocketRunningCopy first(name, 300ms);
            QCOMPARE(first.Begin({}), RunningCopy::Start::First);
            QStringList received;
            first.SetReceiver([&](const QStringList& documents) { received = documents; });

            QLocalSocket stranger;
            stranger.connectToServer(name);
            QVERIFY(stranger.waitForConnected(1000));
            stranger.write("GET / HTTP/1.0\r\n\r\n");
            QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
            QVERIFY(received.isEmpty());
        }

        QLocalServer hung;
        QVERIFY(hung.listen(name));
        LocalSocketRunningCopy later(name, 300ms);
        QCOMPARE(later.Begin({ QStringLiteral("/office/a.psc") }), RunningCopy::Start::Alone);
    }
};

QTEST_MAIN(RunningCopyTest)
#include "RunningCopyTest.moc"
