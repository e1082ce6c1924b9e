#include "UpdateCheck.h"

#include "HttpGetRequest.h"
#include "MessagePresenter.h"
#include "ui/BuildConfig.h"
#include "ui/UrlOpener.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <tuple>

namespace belltide {

UpdateServer UpdateServer::Configured()
{
    return { QString::fromLatin1(BuildConfig::WebServerHost) };
}

QUrl UpdateServer::DownloadPage() const
{
    QUrl page;
    page.setScheme(QStringLiteral("http"));
    page.setHost(Host);
    if (Port != 80)
        page.setPort(Port);
    page.setPath(QStringLiteral("/download/"));
    return page;
}

UpdateCheck::UpdateCheck(UpdateServer server, const AppVersion& running, MessagePresenter& messages, UrlOpener& opener)
    : mServer(std::move(server))
    , mRunning(running)
    , mMessages(messages)
    , mOpener(opener)
{
}

bool UpdateCheck::Run(QWidget* parent)
{
    // Windows still repaint while the request waits, and may even close.
    const QPointer<QWidget> owner(parent);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    HttpGetRequest request(mServer.Host, mServer.Port, QStringLiteral("/version.txt"),
        { mServer.IdleTimeOut, mServer.TotalTimeOut, kLargestAnswer });
    const Result<QByteArray> answer = request.Fetch();
    QGuiApplication::restoreOverrideCursor();
    parent = owner.data();

    const auto couldNotCheck = [&](const QString& reason) {
        mMessages.ShowMessage(
            parent, QStringLiteral("The check for updates could not be made because %1.").arg(reason));
        return true;
    };
    if (!answer)
        return couldNotCheck(answer.Error());
    // A line end after the version is how many servers finish a text file.
    const QString text = QString::fromUtf8(answer.Value()).trimmed();
    if (text.isEmpty())
        return couldNotCheck(QStringLiteral("the server's answer was empty"));
    const std::optional<AppVersion> published = ReadVersionText(text);
    if (!published)
        return couldNotCheck(QStringLiteral("the server's answer is not a version number"));

    const auto numbers = [](const AppVersion& version) {
        return std::tuple(version.MajorVersion, version.MinorVersion, version.BugVersion);
    };
    if (numbers(*published) <= numbers(mRunning)) {
        mMessages.ShowMessage(parent, QStringLiteral("There are no updates available at this time."));
        return true;
    }
    const MessageDialogText offer { QStringLiteral("A newer version is available."),
        QStringLiteral("If you wish to download this update, click Download to be taken to our website."),
        QStringLiteral("Download"), QStringLiteral("Ignore") };
    if (mMessages.ShowDialog(parent, offer))
        mOpener.OpenUrl(mServer.DownloadPage());
    return true;
}

std::optional<AppVersion> UpdateCheck::ReadVersionText(const QString& text)
{
    constexpr qsizetype kDigits = 6;
    if (text.size() != kDigits)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const auto number = [&](int place) { return text.mid(qsizetype(place) * 2, 2).toInt(); };
    return AppVersion { number(0), number(1), number(2) };
}

} // namespace belltide
