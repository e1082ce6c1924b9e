#pragma once

#include "ui/AppVersion.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <optional>

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
    // However the answer comes, the program waits no longer than this for it.
    std::chrono::milliseconds TotalTimeOut = std::chrono::seconds(60);

    // The maker's web server as the build names it.
    static UpdateServer Configured();
    QUrl DownloadPage() const;
};

// Help > Check for Updates...: asks the maker's server for the version of the
// current release and offers the download page when that is newer than this
// one. When there is no answer, or it is no version, the user is told why the
// check could not be made.
class UpdateCheck {
public:
    // The answer is a version text and a little room for the headers.
    static constexpr qsizetype kLargestAnswer = qsizetype(4) * 1024;

    UpdateCheck(UpdateServer server, const AppVersion& running, MessagePresenter& messages, UrlOpener& opener);

    // Always true: the command is handled.
    bool Run(QWidget* parent);

    // The version a version text names: three numbers of two digits each, as
    // the maker publishes them ("010203" is 1.2.3); nothing for any other text.
    static std::optional<AppVersion> ReadVersionText(const QString& text);

private:
    UpdateServer mServer;
    AppVersion mRunning;
    MessagePresenter& mMessages;
    UrlOpener& mOpener;
};

} // namespace belltide
