#include "app/App.h"
#include "app/FileRegistry.h"
#include "app/MessagePresenter.h"
#include "app/UpdateCheck.h"
#include "ui/AboutWindow.h"
#include "ui/BuildConfig.h"
#include "ui/MainWindow.h"
#include "ui/UrlOpener.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace belltide;
using namespace std::chrono_literals;

namespace {

// A web server on 127.0.0.1: reads a request, then sends the answer's pieces
// one every PieceInterval, and then does what After says.
class TestServer : public QObject {
public:
    enum class Then {
        Close,
        StayOpen,
        // A byte every PieceInterval, without end.
        Trickle,
        // As much as the connection takes, without end.
        Flood,
    };

    TestServer() { connect(&mServer, &QTcpServer::newConnection, this, &TestServer::Accept); }
    bool Listen() { return mServer.listen(QHostAddress::LocalHost, 0); }
    quint16 Port() const { return mServer.serverPort(); }

    QByteArrayList Pieces;
    std::chrono::milliseconds PieceInterval = 0ms;
    Then After = Then::Close;
    QByteArray Request;
    qint64 Sent = 0;

private:
    // Without end, but a broken client stops no test run: a bound far past
    // anything the program may take.
    static constexpr qint64 kBound = 256 * 1024 * 1024;

    void Accept()
    {
        QTcpSocket* socket = mServer.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            Request += socket->readAll();
            if (Request.endsWith("\r\n\r\n"))
                Send(socket, 0);
        });
    }
    void Write(QTcpSocket* socket, const QByteArray& bytes)
    {
        if (socket->state() == QAbstractSocket::ConnectedState && Sent < kBound)
            Sent += socket->write(bytes);
    }
    void Send(QTcpSocket* socket, qsizetype piece)
    {
        if (piece < Pieces.size()) {
            Write(socket, Pieces[piece]);
            QTimer::singleShot(PieceInterval, socket, [=, this] { Send(socket, piece + 1); });
            return;
        }
        switch (After) {
        case Then::Close:
            if (!Pieces.isEmpty())
                socket->disconnectFromHost();
            break;
        case Then::StayOpen:
            break;
        case Then::Trickle:
            Write(socket, "0");
            if (socket->state() == QAbstractSocket::ConnectedState && Sent < kBound)
                QTimer::singleShot(PieceInterval, socket, [=, this] { Send(socket, piece); });
            break;
        case Then::Flood:
            connect(socket, &QTcpSocket::bytesWritten, this, [=, this] {
                if (socket->bytesToWrite() < 64 * 1024)
                    Write(socket, QByteArray(64 * 1024, 'x'));
            });
            Write(socket, QByteArray(64 * 1024, 'x'));
            break;
        }
    }
    QTcpServer mServer;
};

struct RecordingMessages : MessagePresenter {
    QStringList Messages;
    QList<MessageDialogText> Dialogs;
    bool PressAction = false;
    void ShowMessage(QWidget*, const QString& message) override { Messages << message; }
    bool ShowDialog(QWidget*, const MessageDialogText& text) override { return Dialogs << text, PressAction; }
};

struct RecordingOpener : UrlOpener {
    QList<QUrl> Opened;
    bool OpenUrl(const QUrl& url) override { return Opened << url, true; }
};

struct NoDialogs : DocumentDialogs {
    std::optional<QString> ChooseOpenFile(QWidget*) override { return std::nullopt; }
    std::optional<QString> ChooseSaveFile(QWidget*, const QString&) override { return std::nullopt; }
    SaveChoice AskSaveChanges(QWidget*) override { return SaveChoice::DontSave; }
    void ShowError(QWidget*, const QString&) override { }
};

// A port on 127.0.0.1 where nothing listens any more.
quint16 RefusingPort()
{
    QTcpServer gone;
    return gone.listen(QHostAddress::LocalHost, 0) ? gone.serverPort() : 0;
}

void Trigger(MainWindow* window, const char* item)
{
    QAction* action = window->findChild<QAction*>(QString::fromLatin1(item));
    QVERIFY(action && action->isEnabled());
    action->trigger();
}

enum class Outcome { NoUpdates, Offer, CouldNotCheck };

// A time-out no test should reach.
constexpr int kNever = 30000;

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void UpdateCheckAsksTheServerAndTellsTheUser_data()
    {
        using Then = TestServer::Then;
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<int>("interval");
        QTest::addColumn<Then>("after");
        QTest::addColumn<int>("idleTimeOut");
        QTest::addColumn<int>("totalTimeOut");
        QTest::addColumn<Outcome>("outcome");
        // Whether the user presses Download; for a failed check, why it failed.
        QTest::addColumn<QVariant>("detail");
        const QByteArray ok = QByteArrayLiteral("HTTP/1.0 200 OK\r\n");
        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        // Connection left open: the announced length ends the answer.
        row("this version, length announced") << QByteArrayList { ok + "Content-length: 6\r\n\r\n010002" } << 0
                                              << Then::StayOpen << kNever << kNever << Outcome::NoUpdates << QVariant();
        row("this version, then closed") << QByteArrayList { ok + "\r\n010002" } << 0 << Then::Close << kNever << kNever
                                         << Outcome::NoUpdates << QVariant();
        row("this version and a line end") << QByteArrayList { ok + "\r\n010002\r\n" } << 0 << Then::Close << kNever
                                           << kNever << Outcome::NoUpdates << QVariant();
        row("an older version") << QByteArrayList { ok + "\r\n010001" } << 0 << Then::Close << kNever << kNever
                                << Outcome::NoUpdates << QVariant();
        row("a newer version, Download") << QByteArrayList { ok + "\r\n010100\n" } << 0 << Then::Close << kNever
                                         << kNever << Outcome::Offer << QVariant(true);
        row("a newer bug version, Ignore") << QByteArrayList { ok + "\r\n010003" } << 0 << Then::Close << kNever
                                           << kNever << Outcome::Offer << QVariant(false);
        // Longer than the idle time-out in all, but each piece comes within it.
        row("in pieces") << QByteArrayList { ok + "\r\n", "01", "00", "02" } << 150 << Then::Close << 400 << kNever
                         << Outcome::NoUpdates << QVariant();

        const auto because = [](const char* reason) { return QVariant(QString::fromUtf8(reason)); };
        row("error page") << QByteArrayList { "HTTP/1.0 404 Not Found\r\n\r\n<h1>Not Found</h1>" } << 0 << Then::Close
                          << kNever << kNever << Outcome::CouldNotCheck
                          << because("the server answered \"404 Not Found\"");
        row("no version") << QByteArrayList { ok + "\r\n<h1>Welcome</h1>" } << 0 << Then::Close << kNever << kNever
                          << Outcome::CouldNotCheck << because("the server's answer is not a version number");
        row("empty answer") << QByteArrayList { ok + "\r\n" } << 0 << Then::Close << kNever << kNever
                            << Outcome::CouldNotCheck << because("the server's answer was empty");
        row("cut short") << QByteArrayList { ok + "Content-Length: 7\r\n\r\n010002" } << 0 << Then::Close << kNever
                         << kNever << Outcome::CouldNotCheck << because("the server's answer was cut short");
        row("silent server") << QByteArrayList {} << 0 << Then::StayOpen << 200 << kNever << Outcome::CouldNotCheck
                             << because("the server did not answer for 0.2 seconds");
        row("length never reached") << QByteArrayList { ok + "Content-Length: 7\r\n\r\n010002" } << 0 << Then::StayOpen
                                    << 200 << kNever << Outcome::CouldNotCheck
                                    << because("the server did not answer for 0.2 seconds");
        row("trickling without end") << QByteArrayList { ok + "\r\n" } << 20 << Then::Trickle << kNever << 300
                                     << Outcome::CouldNotCheck
                                     << because("the server did not finish its answer within 0.3 seconds");
        row("sending without end") << QByteArrayList { ok + "\r\n" } << 0 << Then::Flood << kNever << kNever
                                   << Outcome::CouldNotCheck
                                   << because("the server's answer was longer than 4096 bytes");
        row("announcing gigabytes") << QByteArrayList { ok + "Content-Length: 5000000000\r\n\r\n0" } << 0
                                    << Then::StayOpen << kNever << kNever << Outcome::CouldNotCheck
                                    << because("the server's answer was longer than 4096 bytes");
    }
    void UpdateCheckAsksTheServerAndTellsTheUser()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(int, interval);
        QFETCH(TestServer::Then, after);
        QFETCH(int, idleTimeOut);
        QFETCH(int, totalTimeOut);
        QFETCH(Outcome, outcome);
        QFETCH(QVariant, detail);
        TestServer server;
        QVERIFY(server.Listen());
        server.Pieces = pieces;
        server.PieceInterval = std::chrono::milliseconds(interval);
        server.After = after;
        RecordingMessages messages;
        messages.PressAction = detail.toBool();
        RecordingOpener opener;
        const UpdateServer where { QStringLiteral("127.0.0.1"), server.Port(), std::chrono::milliseconds(idleTimeOut),
            std::chrono::milliseconds(totalTimeOut) };
        QElapsedTimer clock;
        clock.start();
        QVERIFY(UpdateCheck(where, { 1, 0, 2 }, messages, opener).Run(nullptr));

        QCOMPARE(server.Request,
            QByteArrayLiteral("GET /version.txt HTTP/1.0\r\nAccept: */*\r\n"
                              "Accept-Language: en\r\nHost: 127.0.0.1\r\n\r\n"));
        // With a short time-out the answer takes at least that long, whether it
        // comes in pieces or never (a coarse timer may fire a little early);
        // otherwise a complete answer is taken at once.
        const int shortest = std::min(idleTimeOut, totalTimeOut);
        QVERIFY(shortest == kNever ? clock.elapsed() < 5000 : clock.elapsed() >= shortest * 9 / 10);
        // Whatever the server has, the program takes a few kilobytes of it at most.
        if (after == TestServer::Then::Flood)
            QVERIFY2(server.Sent < 64 * 1024 * 1024, qPrintable(QString::number(server.Sent)));
        switch (outcome) {
        case Outcome::NoUpdates:
            QCOMPARE(messages.Messages, QStringList { QStringLiteral("There are no updates available at this time.") });
            QVERIFY(messages.Dialogs.isEmpty());
            return;
        case Outcome::CouldNotCheck:
            QCOMPARE(messages.Messages,
                QStringList {
                    QStringLiteral("The check for updates could not be made because %1.").arg(detail.toString()) });
            QVERIFY(messages.Dialogs.isEmpty());
            return;
        case Outcome::Offer:
            break;
        }
        QVERIFY(messages.Messages.isEmpty());
        QCOMPARE(messages.Dialogs.size(), 1);
        const MessageDialogText& offer = messages.Dialogs.constFirst();
        QCOMPARE(offer.Message, QStringLiteral("A newer version is available."));
        QCOMPARE(offer.Explanation,
            QStringLiteral("If you wish to download this update, click Download to be taken to our website."));
        QCOMPARE(offer.ActionButton + QLatin1Char('/') + offer.CancelButton, QStringLiteral("Download/Ignore"));
        const QUrl page(QStringLiteral("http://127.0.0.1:%1/download/").arg(server.Port()));
        QCOMPARE(opener.Opened, detail.toBool() ? QList<QUrl> { page } : QList<QUrl> {});
    }

    void HelpItemsReachTheApplicationFromEveryWindow()
    {
        QTemporaryDir config;
        App app(std::make_unique<FileRegistry>(config.path()), std::make_unique<NoDialogs>());
        auto* opener = new RecordingOpener;
        auto* messages = new RecordingMessages;
        app.SetUrlOpener(std::unique_ptr<UrlOpener>(opener));
        app.SetMessages(std::unique_ptr<MessagePresenter>(messages));
        app.Updates = { QStringLiteral("127.0.0.1"), RefusingPort(), 30s };
        app.Launch({});
        MainWindow* first = app.Windows().constFirst();
        MainWindow* second = app.NewDoc();
        Trigger(first, "HelpBelltideWebsite");
        Trigger(second, "HelpEmailCustomerService");
        const QUrl website(QString::fromLatin1(BuildConfig::Website));
        QCOMPARE(opener->Opened,
            (QList<QUrl> {
                website, QUrl(QStringLiteral("mailto:%1").arg(QLatin1String(BuildConfig::CustomerServiceEmail))) }));

        QElapsedTimer clock;
        clock.start();
        Trigger(second, "HelpCheckforUpdates");
        QVERIFY(clock.elapsed() < 5000);
        // No network: said at once, and no download is offered.
        QVERIFY(messages->Dialogs.isEmpty());
        QCOMPARE(messages->Messages,
            QStringList {
                QStringLiteral("The check for updates could not be made because the server refused the connection.") });

        // One about window, whichever window asks, and it blocks none.
        Trigger(first, "HelpAboutBelltide");
        QPointer<AboutWindow> about = app.About();
        QVERIFY(about && about->isVisible());
        Trigger(second, "HelpAboutBelltide");
        QCOMPARE(app.About(), about.data());
        QVERIFY(first->isEnabled() && second->isEnabled());
    }
};

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
