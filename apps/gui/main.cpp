// belltide: the school office's window onto its special-class schedule.

#include "app/App.h"
#include "app/FileRegistry.h"
#include "app/QtDocumentDialogs.h"
#include "ui/AppVersion.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

using namespace belltide;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Belltide"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("belltide"));
    QApplication::setApplicationVersion(AppVersion::Current().DisplayText());
    QApplication::setWindowIcon(QPixmap::fromImage(Resources::GetIcon(QStringLiteral("Application"))));

    App app(std::make_unique<FileRegistry>(FileRegistry::DefaultFolder()), std::make_unique<QtDocumentDialogs>());
    app.Launch(QApplication::arguments().mid(1));
    const int status = QApplication::exec();
    app.Close();
    return status;
}
