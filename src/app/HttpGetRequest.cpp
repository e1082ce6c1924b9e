#include "HttpGetRequest.h"

#include <QEventLoop>

#include <optional>
#include <utility>

namespace belltide {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

struct AnswerHead {
    qsizetype BodyStart = -1; // -1: the headers are not complete yet
    std::optional<qsizetype> ContentLength;
};

AnswerHead ReadHead(const QByteArray& answer)
{
    AnswerHead head;
    qsizetype end = answer.indexOf("\r\n\r\n");
    qsizetype separator = 4;
    // Some servers end their lines with LF alone.
    if (end < 0) {
        end = answer.indexOf("\n\n");
        separator = 2;
    }
    if (end < 0)
        return head;
    head.BodyStart = end + separator;
    for (const QByteArray& line : answer.left(end).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool ok = false;
        const qsizetype length = line.mid(colon + 1).trimmed().toLongLong(&ok);
        if (ok && length >= 0)
            head.ContentLength = length;
    }
    return head;
}

} // namespace

HttpGetRequest::HttpGetRequest(
    QString host, quint16 port, QString path, std::chrono::milliseconds idleTimeOut, QObject* parent)
    : QObject(parent)
    , mHost(std::move(host))
    , mPort(port)
    , mPath(std::move(path))
{
    mIdleTimer.setSingleShot(true);
    mIdleTimer.setInterval(idleTimeOut);
    connect(&mIdleTimer, &QTimer::timeout, this, &HttpGetRequest::IdleTimer_Action);
    connect(&mSocket, &QTcpSocket::connected, this, &HttpGetRequest::Socket_Connected);
    connect(&mSocket, &QTcpSocket::readyRead, this, &HttpGetRequest::Socket_ReadyRead);
    connect(&mSocket, &QTcpSocket::errorOccurred, this, &HttpGetRequest::Socket_ErrorOccurred);
    connect(&mSocket, &QTcpSocket::disconnected, this, [this] { Finish(true); });
}

QByteArray HttpGetRequest::RequestBytes(const QString& host, const QString& path)
{
    return "GET " + path.toUtf8() + " HTTP/1.0" + kLineEnd + "Accept: */*" + kLineEnd + "Accept-Language: en" + kLineEnd
        + "Host: " + host.toUtf8() + kLineEnd + kLineEnd;
}

QByteArray HttpGetRequest::BodyOf(const QByteArray& answer)
{
    const AnswerHead head = ReadHead(answer);
    if (head.BodyStart < 0)
        return {};
    QByteArray body = answer.mid(head.BodyStart);
    if (head.ContentLength)
        body.truncate(*head.ContentLength);
    return body;
}

void HttpGetRequest::Start()
{
    // The time-out covers connecting as well: a server that never accepts is
    // as silent as one that never answers.
    mIdleTimer.start();
    mSocket.connectToHost(mHost, mPort);
}

QByteArray HttpGetRequest::Fetch()
{
    Start();
    if (!mFinished) {
        QEventLoop loop;
        connect(this, &HttpGetRequest::Finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return mBody;
}

void HttpGetRequest::Socket_Connected()
{
    mSocket.write(RequestBytes(mHost, mPath));
}

void HttpGetRequest::Socket_ReadyRead()
{
    mIdleTimer.start();
    mReceived += mSocket.readAll();
    // A server may keep the connection open once it has said everything.
    const AnswerHead head = ReadHead(mReceived);
    if (head.BodyStart >= 0 && head.ContentLength && mReceived.size() - head.BodyStart >= *head.ContentLength)
        Finish(true);
}

void HttpGetRequest::Socket_ErrorOccurred(QAbstractSocket::SocketError error)
{
    // The server closing the connection is how an HTTP/1.0 answer may end.
    Finish(error == QAbstractSocket::RemoteHostClosedError);
}

void HttpGetRequest::IdleTimer_Action()
{
    Finish(false);
}

void HttpGetRequest::Finish(bool answered)
{
    if (mFinished)
        return;
    mFinished = true;
    mIdleTimer.stop();
    if (answered) {
        mReceived += mSocket.readAll();
        mBody = BodyOf(mReceived);
    }
    mSocket.abort();
    emit Finished();
}

} // namespace belltide
