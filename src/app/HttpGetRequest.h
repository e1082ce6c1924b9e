#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

namespace belltide {

// One HTTP/1.0 GET written by hand: the request line and three headers. The
// answer is read until its announced length or until the server closes; a
// silence longer than the idle time-out gives up. The status is not looked
// at: the body is all that is kept, and nothing when the request failed.
class HttpGetRequest : public QObject {
    Q_OBJECT

public:
    HttpGetRequest(
        QString host, quint16 port, QString path, std::chrono::milliseconds idleTimeOut, QObject* parent = nullptr);

    static QByteArray RequestBytes(const QString& host, const QString& path);
    // The body of a complete answer: what follows the blank line after the
    // headers, cut at the announced length; empty without headers.
    static QByteArray BodyOf(const QByteArray& answer);

    void Start();
    bool IsFinished() const { return mFinished; }
    // Empty when the request failed or timed out.
    const QByteArray& Body() const { return mBody; }

    // Start() and wait for the end. The wait keeps the windows painted but
    // takes no user input, so the program answers nothing else meanwhile.
    QByteArray Fetch();

signals:
    void Finished();

private:
    void Socket_Connected();
    void Socket_ReadyRead();
    void Socket_ErrorOccurred(QAbstractSocket::SocketError error);
    void IdleTimer_Action();
    void Finish(bool answered);

    QString mHost;
    quint16 mPort;
    QString mPath;
    QTcpSocket mSocket;
    QTimer mIdleTimer;
    QByteArray mReceived;
    QByteArray mBody;
    bool mFinished = false;
};

} // namespace belltide
