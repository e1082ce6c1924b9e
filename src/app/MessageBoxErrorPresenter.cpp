#include "MessageBoxErrorPresenter.h"

#include "runtime/RuntimeErrorReport.h"

#include <QMessageBox>
#include <QProcessEnvironment>

namespace belltide {

bool MessageBoxErrorPresenter::CanShow(const QProcessEnvironment& environment)
{
    const QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platform.startsWith(u"offscreen") || platform.startsWith(u"minimal"))
        return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return environment.contains(QStringLiteral("DISPLAY")) || environment.contains(QStringLiteral("WAYLAND_DISPLAY"));
#else
    return true;
#endif
}

ErrorReportPresenter::Choice MessageBoxErrorPresenter::Present(const RuntimeErrorReport& report)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(RuntimeErrorReport::kTitle), report.Text(),
        QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Choice::Continue : Choice::Quit;
}

} // namespace belltide
