#include "HttpGetRequest.h"

#include <QEventLoop>

#include <utility>

namespace belltide {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

struct AnswerHead {
    qsizetype BodyStart = -1; // -1: the headers are not complete yet
    std::optional<qsizetype> ContentLength;
    QByteArray StatusLine;
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
    const QByteArrayList lines = answer.left(end).split('\n');
    head.StatusLine = lines.constFirst().trimmed();
    for (const QByteArray& line : lines) {
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

// "404 Not Found" for a status other than success; nothing for success, or
// for an answer without a status line, whose body is taken as it is.
std::optional<QByteArray> FailedStatus(const QByteArray& statusLine)
{
    const qsizetype space = statusLine.indexOf(' ');
    if (!statusLine.startsWith("HTTP/") || space < 0)
        return std::nullopt;
    QByteArray status = statusLine.mid(space + 1).trimmed();
    if (status.startsWith('2'))
        return std::nullopt;
    return status;
}

QString Seconds(std::chrono::milliseconds time)
{
    if (time == std::chrono::seconds(1))
        return QStringLiteral("1 second");
    return QStringLiteral("%1 seconds").arg(double(time.count()) / 1000.0);
}

} // namespace

HttpGetRequest::HttpGetRequest(QString host, quint16 port, QString path, Limits limits, QObject* parent)
    : QObject(parent)
    , mHost(std::move(host))
    , mPort(port)
    , mPath(std::move(path))
    , mLimits(limits)
{
    mIdleTimer.setSingleShot(true);
    mIdleTimer.setInterval(mLimits.IdleTimeOut);
    connect(&mIdleTimer, &QTimer::timeout, this,
        [this] { Fail(QStringLiteral("the server did not answer for %1").arg(Seconds(mLimits.IdleTimeOut))); });
    mTotalTimer.setSingleShot(true);
    mTotalTimer.setInterval(mLimits.TotalTimeOut);
    connect(&mTotalTimer, &QTimer::timeout, this, [this] {
        Fail(QStringLiteral("the server did not finish its answer within %1").arg(Seconds(mLimits.TotalTimeOut)));
    });
    // Qt reads no more from the network than this while the answer waits here.
    mSocket.setReadBufferSize(mLimits.LargestAnswer + 1);
    connect(&mSocket, &QTcpSocket::connected, this, &HttpGetRequest::Socket_Connected);
    connect(&mSocket, &QTcpSocket::readyRead, this, &HttpGetRequest::Socket_ReadyRead);
    connect(&mSocket, &QTcpSocket::errorOccurred, this, &HttpGetRequest::Socket_ErrorOccurred);
    connect(&mSocket, &QTcpSocket::disconnected, this, &HttpGetRequest::Succeed);
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
    // The time-outs cover connecting as well: a server that never accepts is
    // as silent as one that never answers.
    mIdleTimer.start();
    mTotalTimer.start();
    mSocket.connectToHost(mHost, mPort);
}

Result<QByteArray> HttpGetRequest::Answer() const
{
    if (!mFinished)
        return Result<QByteArray>::Fail(QStringLiteral("the request has not finished"));
    return mFailure.isEmpty() ? Result<QByteArray>::Ok(mBody) : Result<QByteArray>::Fail(mFailure);
}

Result<QByteArray> HttpGetRequest::Fetch()
{
    Start();
    if (!mFinished) {
        QEventLoop loop;
        connect(this, &HttpGetRequest::Finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return Answer();
}

void HttpGetRequest::Socket_Connected()
{
    mSocket.write(RequestBytes(mHost, mPath));
}

void HttpGetRequest::Socket_ReadyRead()
{
    if (mFinished)
        return;
    mIdleTimer.start();
    mReceived += mSocket.read(mLimits.LargestAnswer + 1 - mReceived.size());
    if (const std::optional<QString> refusal = Refusal(false))
        return Fail(*refusal);
    // A server may keep the connection open once it has said everything.
    const AnswerHead head = ReadHead(mReceived);
    if (head.BodyStart >= 0 && head.ContentLength && mReceived.size() - head.BodyStart >= *head.ContentLength)
        Succeed();
}

void HttpGetRequest::Socket_ErrorOccurred(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        // The server closing the connection is how an HTTP/1.0 answer may end.
        return Succeed();
    case QAbstractSocket::ConnectionRefusedError:
        return Fail(QStringLiteral("the server refused the connection"));
    case QAbstractSocket::HostNotFoundError:
        return Fail(QStringLiteral("the server \"%1\" could not be found").arg(mHost));
    default:
        return Fail(QStringLiteral("the connection failed (%1)").arg(mSocket.errorString()));
    }
}

std::optional<QString> HttpGetRequest::Refusal(bool complete) const
{
    const QString tooLong = QStringLiteral("the server's answer was longer than %1 bytes").arg(mLimits.LargestAnswer);
    if (mReceived.size() > mLimits.LargestAnswer)
        return tooLong;
    const AnswerHead head = ReadHead(mReceived);
    if (head.BodyStart < 0) {
        if (complete)
            return QStringLiteral("the server closed the connection without an answer");
        return std::nullopt;
    }
    if (const std::optional<QByteArray> status = FailedStatus(head.StatusLine))
        return QStringLiteral("the server answered \"%1\"").arg(QString::fromLatin1(*status));
    if (head.ContentLength && *head.ContentLength > mLimits.LargestAnswer - head.BodyStart)
        return tooLong;
    if (complete && head.ContentLength && mReceived.size() - head.BodyStart < *head.ContentLength)
        return QStringLiteral("the server's answer was cut short");
    return std::nullopt;
}

void HttpGetRequest::Succeed()
{
    if (mFinished)
        return;
    mReceived += mSocket.read(mLimits.LargestAnswer + 1 - mReceived.size());
    if (const std::optional<QString> refusal = Refusal(true))
        return Fail(*refusal);
    mBody = BodyOf(mReceived);
    mFinished = true;
    mIdleTimer.stop();
    mTotalTimer.stop();
    mSocket.abort();
    emit Finished();
}

void HttpGetRequest::Fail(const QString& reason)
{
    if (mFinished)
        return;
    mFailure = reason;
    mFinished = true;
    mIdleTimer.stop();
    mTotalTimer.stop();
    mSocket.abort();
    emit Finished();
}

} // namespace belltide
