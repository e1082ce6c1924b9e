#include "LocalSocketRunningCopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

namespace belltide {

namespace {

const QByteArray kHeader = QByteArrayLiteral("belltide-documents 1\n");
const QByteArray kTaken = QByteArrayLiteral("ok\n");
// Far more than any list of paths a shell hands over; anything longer is no
// start of ours.
constexpr qsizetype kLargestMessage = qsizetype(1024) * 1024;

enum class Parsed { Incomplete, Invalid, Complete };

// After the header each document is its UTF-8 path and a NUL, which no path
// holds; an empty path ends the list.
Parsed ParseMessage(const QByteArray& received, QStringList& documents)
{
    const qsizetype known = std::min(received.size(), kHeader.size());
    if (received.left(known) != kHeader.left(known))
        return Parsed::Invalid;
    documents.clear();
    for (qsizetype start = kHeader.size(); start < received.size();) {
        const qsizetype end = received.indexOf('\0', start);
        if (end < 0)
            break;
        if (end == start)
            return end + 1 == received.size() ? Parsed::Complete : Parsed::Invalid;
        documents << QString::fromUtf8(received.mid(start, end - start));
        start = end + 1;
    }
    return Parsed::Incomplete;
}

QString LockFileFor(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name + QStringLiteral(".lock")
                                      : QDir::temp().filePath(name + QStringLiteral(".lock"));
}

} // namespace

LocalSocketRunningCopy::LocalSocketRunningCopy(QString name, std::chrono::milliseconds answerTimeOut)
    : mName(std::move(name))
    , mAnswerTimeOut(answerTimeOut)
{
    connect(&mServer, &QLocalServer::newConnection, this, &LocalSocketRunningCopy::Server_NewConnection);
}

LocalSocketRunningCopy::~LocalSocketRunningCopy()
{
    mServer.close();
}

QString LocalSocketRunningCopy::NameFor(const QString& settingsFolder)
{
    const QByteArray folder = QFileInfo(settingsFolder).absoluteFilePath().toUtf8();
    QString name = QStringLiteral("belltide-")
        + QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16));
#ifdef Q_OS_UNIX
    // The runtime folder is the user's alone; without one the socket goes to
    // the shared temporary folder, where only its user may connect to it.
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return QDir(runtime).filePath(name);
    }
#endif
    return name;
}

QByteArray LocalSocketRunningCopy::Message(const QStringList& documents)
{
    QByteArray message = kHeader;
    for (const QString& document : documents)
        message += document.toUtf8() + '\0';
    return message + '\0';
}

RunningCopy::Start LocalSocketRunningCopy::Begin(const QStringList& documents)
{
    // Held from looking for a running copy until this one listens. A lock left
    // by a copy that died is taken over; one held too long is ignored.
    QLockFile lock(LockFileFor(mName));
    lock.tryLock(int(mAnswerTimeOut.count()));
    switch (HandTo(documents)) {
    case HandOver::Taken:
        return Start::HandedOver;
    case HandOver::NoAnswer:
        return Start::Alone;
    case HandOver::NobodyListens:
        break;
    }
    return Listen() ? Start::First : Start::Alone;
}

void LocalSocketRunningCopy::SetReceiver(Receiver receiver)
{
    mReceiver = std::move(receiver);
    const QList<QStringList> waiting = std::exchange(mWaiting, {});
    for (const QStringList& documents : waiting)
        Deliver(documents);
}

LocalSocketRunningCopy::HandOver LocalSocketRunningCopy::HandTo(const QStringList& documents) const
{
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(int(mAnswerTimeOut.count())))
        return HandOver::NobodyListens;
    socket.write(Message(documents));
    const QDeadlineTimer deadline(mAnswerTimeOut);
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.read(kTaken.size() - answer.size());
    return answer == kTaken ? HandOver::Taken : HandOver::NoAnswer;
}

bool LocalSocketRunningCopy::Listen()
{
    // A socket file left by a copy that ended without closing it answers
    // nobody; it is ours to replace.
    QLocalServer::removeServer(mName);
    mServer.setSocketOptions(QLocalServer::UserAccessOption);
    return mServer.listen(mName);
}

void LocalSocketRunningCopy::Server_NewConnection()
{
    while (QLocalSocket* connection = mServer.nextPendingConnection()) {
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] { Connection_ReadyRead(connection); });
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        // A start that connects and says nothing is not waited for.
        QTimer::singleShot(mAnswerTimeOut, connection, [connection] { connection->abort(); });
        if (connection->bytesAvailable() > 0)
            Connection_ReadyRead(connection);
    }
}

void LocalSocketRunningCopy::Connection_ReadyRead(QLocalSocket* connection)
{
    const QByteArray received = connection->peek(connection->bytesAvailable());
    QStringList documents;
    switch (ParseMessage(received, documents)) {
    case Parsed::Incomplete:
        if (received.size() > kLargestMessage)
            connection->abort();
        return;
    case Parsed::Invalid:
        connection->abort();
        return;
    case Parsed::Complete:
        break;
    }
    connection->readAll();
    connection->write(kTaken);
    connection->disconnectFromServer();
    Deliver(documents);
}

void LocalSocketRunningCopy::Deliver(const QStringList& documents)
{
    if (mReceiver)
        mReceiver(documents);
    else
        mWaiting.append(documents);
}

} // namespace belltide
