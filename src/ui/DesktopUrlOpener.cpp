#include "DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace belltide {

bool DesktopUrlOpener::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace belltide
