#pragma once

#include "model/Result.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>
#include <optional>

namespace belltide {

// One HTTP/1.0 GET written by hand: the request line and three headers. The
// answer is read until its announced length or until the server closes. It
// gives up after a silence longer than the idle time-out, when the whole
// answer takes longer than the total time-out, and when the answer grows past
// its size limit, so that no server can keep the program waiting or fill its
// memory.
class HttpGetRequest : public QObject {
    Q_OBJECT

public:
    struct Limits {
        std::chrono::milliseconds IdleTimeOut { 30000 };
        std::chrono::milliseconds TotalTimeOut { 60000 };
        // Headers and body together.
        qsizetype LargestAnswer = qsizetype(8) * 1024;
    };

    HttpGetRequest(QString host, quint16 port, QString path, Limits limits, QObject* parent = nullptr);

    static QByteArray RequestBytes(const QString& host, const QString& path);
    // The body of a complete answer: what follows the blank line after the
    // headers, cut at the announced length; empty without headers.
    static QByteArray BodyOf(const QByteArray& answer);

    void Start();
    bool IsFinished() const { return mFinished; }
    // The body of an answer with a successful status, else why there is none,
    // in words that follow "because": "the server refused the connection".
    Result<QByteArray> Answer() const;

    // Start() and wait for the end. The wait keeps the windows painted but
    // takes no user input, so the program answers nothing else meanwhile.
    Result<QByteArray> Fetch();

signals:
    void Finished();

private:
    void Socket_Connected();
    void Socket_ReadyRead();
    void Socket_ErrorOccurred(QAbstractSocket::SocketError error);
    void Succeed();
    void Fail(const QString& reason);
    // Why a complete answer, or what has come of one, is no good; nothing when it is.
    std::optional<QString> Refusal(bool complete) const;

    QString mHost;
    quint16 mPort;
    QString mPath;
    Limits mLimits;
    QTcpSocket mSocket;
    QTimer mIdleTimer;
    QTimer mTotalTimer;
    QByteArray mReceived;
    QByteArray mBody;
    QString mFailure;
    bool mFinished = false;
};

} // namespace belltide
