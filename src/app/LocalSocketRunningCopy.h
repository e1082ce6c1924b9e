#pragma once

#include "RunningCopy.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <chrono>

class QLocalSocket;

namespace belltide {

// The running copy as a local socket (a Unix domain socket, a named pipe on
// Windows). A later start connects, sends its documents and waits for the
// running copy to say it has them; a start that finds nobody listening becomes
// the running copy. A lock file beside the socket keeps two starts at the same
// moment from both becoming it.
class LocalSocketRunningCopy final : public QObject, public RunningCopy {
    Q_OBJECT

public:
    // How long a later start waits for the running copy to take its documents.
    static constexpr std::chrono::milliseconds kAnswerTimeOut { 10000 };

    // `name` is a socket name, or on Unix the socket's full path.
    explicit LocalSocketRunningCopy(QString name, std::chrono::milliseconds answerTimeOut = kAnswerTimeOut);
    ~LocalSocketRunningCopy() override;

    // One running copy for each settings folder, reachable only by its user:
    // the socket lives in the user's runtime folder where there is one.
    static QString NameFor(const QString& settingsFolder);

    Start Begin(const QStringList& documents) override;
    void SetReceiver(Receiver receiver) override;
    const QString& Name() const { return mName; }

    // What a later start sends: a first line that says what follows, then the
    // documents as a data stream.
    static QByteArray Message(const QStringList& documents);

private:
    enum class HandOver { NobodyListens, Taken, NoAnswer };
    HandOver HandTo(const QStringList& documents) const;
    bool Listen();
    void Server_NewConnection();
    void Connection_ReadyRead(QLocalSocket* connection);
    void Deliver(const QStringList& documents);

    QString mName;
    std::chrono::milliseconds mAnswerTimeOut;
    QLocalServer mServer;
    Receiver mReceiver;
    // Documents that came before anyone was there to take them.
    QList<QStringList> mWaiting;
};

} // namespace belltide
