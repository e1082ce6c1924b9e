// belltide: the school office's window onto its special-class schedule.

#include "model/School.h"
#include "model/SchoolDocument.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

using namespace belltide;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Belltide"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));

    std::shared_ptr<School> school = std::make_shared<School>();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty()) {
        auto opened = SchoolDocument::Read(arguments.first());
        if (opened)
            school = opened.Value();
        else
            QMessageBox::warning(nullptr, QStringLiteral("Belltide"), opened.Error());
    }
    MainWindow window(school);
    window.show();
    return QApplication::exec();
}
