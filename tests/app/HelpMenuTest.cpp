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
// one every PieceInterval and closes if told to; no pieces keep it silent.
class TestServer : public QObject {
public:
    TestServer() { connect(&mServer, &QTcpServer::newConnection, this, &TestServer::Accept); }
    bool Listen() { return mServer.listen(QHostAddress::LocalHost, 0); }
    quint16 Port() const { return mServer.serverPort(); }

    QByteArrayList Pieces;
    std::chrono::milliseconds PieceInterval = 0ms;
    bool Close = true;
    QByteArray Request;

private:
    void Accept()
    {
        QTcpSocket* socket = mServer.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            Request += socket->readAll();
            if (Request.endsWith("\r\n\r\n"))
                Send(socket, 0);
        });
    }
    void Send(QTcpSocket* socket, qsizetype piece)
    {
        if (piece < Pieces.size()) {
            socket->write(Pieces[piece]);
            QTimer::singleShot(PieceInterval, socket, [=, this] { Send(socket, piece + 1); });
        } else if (Close && !Pieces.isEmpty()) {
            socket->disconnectFromHost();
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

enum class Outcome { NoUpdates, Offer };

// A time-out no test should reach.
constexpr int kNever = 30000;

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void UpdateCheckAsksTheServerAndTellsTheUser_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("close");
        QTest::addColumn<int>("timeOut");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<bool>("download");
        const QByteArray ok = QByteArrayLiteral("HTTP/1.0 200 OK\r\n");
        // Connection left open: the announced length ends the answer.
        QTest::newRow("this version, length announced") << QByteArrayList { ok + "Content-length: 6\r\n\r\n010002" }
                                                        << 0 << false << kNever << Outcome::NoUpdates << false;
        QTest::newRow("this version, then closed")
            << QByteArrayList { ok + "\r\n010002" } << 0 << true << kNever << Outcome::NoUpdates << false;
        QTest::newRow("with a line end, Download")
            << QByteArrayList { ok + "\r\n010002\n" } << 0 << true << kNever << Outcome::Offer << true;
        QTest::newRow("error page, Ignore") << QByteArrayList { "HTTP/1.0 404 Not Found\r\n\r\n<h1>Not Found</h1>" }
                                            << 0 << true << kNever << Outcome::Offer << false;
        // Longer than the time-out in all, but each piece comes within it.
        QTest::newRow("in pieces") << QByteArrayList { ok + "\r\n", "01", "00", "02" } << 150 << true << 400
                                   << Outcome::NoUpdates << false;
        QTest::newRow("silent server") << QByteArrayList {} << 0 << false << 200 << Outcome::Offer << false;
        QTest::newRow("length never reached") << QByteArrayList { ok + "Content-Length: 7\r\n\r\n010002" } << 0 << false
                                              << 200 << Outcome::Offer << false;
    }
    void UpdateCheckAsksTheServerAndTellsTheUser()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(int, interval);
        QFETCH(bool, close);
        QFETCH(int, timeOut);
        QFETCH(Outcome, outcome);
        QFETCH(bool, download);
        TestServer server;
        QVERIFY(server.Listen());
        server.Pieces = pieces;
        server.PieceInterval = std::chrono::milliseconds(interval);
        server.Close = close;
        RecordingMessages messages;
        messages.PressAction = download;
        RecordingOpener opener;
        const UpdateServer where { QStringLiteral("127.0.0.1"), server.Port(), std::chrono::milliseconds(timeOut) };
        QElapsedTimer clock;
        clock.start();
        QVERIFY(UpdateCheck(where, { 1, 0, 2 }, messages, opener).Run(nullptr));

        QCOMPARE(server.Request,
            QByteArrayLiteral("GET /version.txt HTTP/1.0\r\nAccept: */*\r\n"
                              "Accept-Language: en\r\nHost: 127.0.0.1\r\n\r\n"));
        // With a short time-out the answer takes at least that long, whether it
        // comes in pieces or never (a coarse timer may fire a little early);
        // otherwise a complete answer is taken at once.
        QVERIFY(timeOut == kNever ? clock.elapsed() < 5000 : clock.elapsed() >= timeOut * 9 / 10);
        if (outcome == Outcome::NoUpdates) {
            QCOMPARE(messages.Messages, QStringList { QStringLiteral("There are no updates available at this time.") });
            QVERIFY(messages.Dialogs.isEmpty());
            return;
        }
        QVERIFY(messages.Messages.isEmpty());
        QCOMPARE(messages.Dialogs.size(), 1);
        const MessageDialogText& offer = messages.Dialogs.constFirst();
        QCOMPARE(offer.Message, QStringLiteral("A newer version is available."));
        QCOMPARE(offer.Explanation,
            QStringLiteral("If you wish to download this update, click Download to be taken to our website."));
        QCOMPARE(offer.ActionButton + QLatin1Char('/') + offer.CancelButton, QStringLiteral("Download/Ignore"));
        const QUrl page(QStringLiteral("http://127.0.0.1:%1/download/").arg(server.Port()));
        QCOMPARE(opener.Opened, download ? QList<QUrl> { page } : QList<QUrl> {});
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
        QCOMPARE(messages->Dialogs.size(), 1);

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
