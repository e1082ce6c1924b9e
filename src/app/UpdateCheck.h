#pragma once

#include "ui/AppVersion.h"

#include <QString>
#include <QUrl>

#include <chrono>

class QWidget;

namespace belltide {

class MessagePresenter;
class UrlOpener;

// Where the current release's version is published.
struct UpdateServer {
    QString Host;
    quint16 Port = 80;
    // Silence from the server longer than this is taken for no answer.
    std::chrono::milliseconds IdleTimeOut = std::chrono::seconds(30);

    // The maker's web server as the build names it.
    static UpdateServer Configured();
    QUrl DownloadPage() const;
};

// Help > Check for Updates...: asks the maker's server for the version of the
// current release and offers the download page when it is not this one's.
class UpdateCheck {
public:
    UpdateCheck(UpdateServer server, const AppVersion& running, MessagePresenter& messages, UrlOpener& opener);

    // Always true: the command is handled. No failure is reported as such: no
    // answer differs from the running version too, and offers the download.
    bool Run(QWidget* parent);

private:
    UpdateServer mServer;
    AppVersion mRunning;
    MessagePresenter& mMessages;
    UrlOpener& mOpener;
};

} // namespace belltide
