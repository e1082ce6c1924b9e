#include "UpdateCheck.h"

#include "HttpGetRequest.h"
#include "MessagePresenter.h"
#include "ui/BuildConfig.h"
#include "ui/UrlOpener.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

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
    HttpGetRequest request(mServer.Host, mServer.Port, QStringLiteral("/version.txt"), mServer.IdleTimeOut);
    const QString current = QString::fromUtf8(request.Fetch());
    QGuiApplication::restoreOverrideCursor();
    parent = owner.data();

    if (current.compare(mRunning.VersionText(), Qt::CaseInsensitive) == 0) {
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

} // namespace belltide
