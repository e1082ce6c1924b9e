#include "AppVersion.h"

#include "ui/BuildConfig.h"

namespace belltide {

AppVersion AppVersion::Current()
{
    return { BuildConfig::MajorVersion, BuildConfig::MinorVersion, BuildConfig::BugVersion };
}

QString AppVersion::VersionText() const
{
    const auto twoDigits = [](int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); };
    return twoDigits(MajorVersion) + twoDigits(MinorVersion) + twoDigits(BugVersion);
}

QString AppVersion::DisplayText() const
{
    QString text = QStringLiteral("%1.%2").arg(MajorVersion).arg(MinorVersion);
    if (BugVersion != 0)
        text += QStringLiteral(".%1").arg(BugVersion);
    return text;
}

} // namespace belltide
