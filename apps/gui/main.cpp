// belltide: the school office's window onto its special-class schedule.
//
// The executable is the runtime with the application's container appended by
// the build. main() loads the container; its entry routine calls RuntimeMain,
// which starts the application as the program always has.

#include "ProgramAbout.h"
#include "app/App.h"
#include "app/ContainerPictures.h"
#include "app/FileRegistry.h"
#include "app/LocalSocketRunningCopy.h"
#include "app/MessageBoxErrorPresenter.h"
#include "app/QtDocumentDialogs.h"
#include "runtime/EntryPointTable.h"
#include "runtime/EntryRoutine.h"
#include "runtime/LoadedApplication.h"
#include "runtime/Loader.h"
#include "runtime/StderrErrorPresenter.h"
#include "ui/AppVersion.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

using namespace belltide;

namespace {

constexpr const char* kHelp = "Usage: belltide [FILE.psc]...\n"
                              "  or:  belltide --help | --version\n"
                              "Builds the weekly schedule of an elementary school's special classes, with every\n"
                              "class's lunch and recess, and prints it.\n"
                              "\n"
                              "Opens each school document given in a window of its own; given none, opens the\n"
                              "school used last, or a new one. When Belltide is already running, the documents\n"
                              "open in its windows instead.\n"
                              "\n"
                              "Options:\n"
                              "  -h, --help       print this help and exit\n"
                              "  -V, --version    print the version and exit\n"
                              "\n"
                              "Environment:\n"
                              "  BELLTIDE_STARTUP_REPORT  when set, print each picture the program carries as\n"
                              "                           the window got it (name, size, SHA-256 of its pixels)\n"
                              "                           once the window is up, and quit\n";

// With BELLTIDE_STARTUP_REPORT set, the program prints each carried picture as
// the window got it, once the window is up, and quits: a way to check a built
// or installed program with nobody at the screen. A picture's line is its
// name, its size and a SHA-256 of its pixels as premultiplied 32-bit ARGB.
void ReportPicturesAndQuit()
{
    for (const char* name : ContainerPictures::kNames) {
        const QImage picture
            = Resources::GetIcon(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QByteArrayView pixels(picture.constBits(), picture.sizeInBytes());
        std::printf("%s %dx%d %s\n", name, picture.width(), picture.height(),
            QCryptographicHash::hash(pixels, QCryptographicHash::Sha256).toHex().constData());
    }
    std::fflush(stdout);
    QCoreApplication::quit();
}

int RuntimeMain(LoadedApplication* loaded)
{
    // main() has made the application object where a message box can be
    // shown; offscreen, or with no screen at all, it is made here, and Qt says
    // why if it cannot start.
    std::optional<QApplication> ownApplication;
    if (!QCoreApplication::instance())
        ownApplication.emplace(loaded->ArgumentCount(), loaded->Arguments());
    QApplication::setApplicationName(QStringLiteral("Belltide"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("belltide"));
    QApplication::setApplicationVersion(AppVersion::Current().DisplayText());

    // A later start hands its documents to the copy already running and ends,
    // so that no two copies keep settings of their own. A copy that only
    // reports on its pictures keeps to itself.
    QStringList documents;
    for (const QString& document : QApplication::arguments().mid(1))
        documents << QFileInfo(document).absoluteFilePath();
    std::unique_ptr<LocalSocketRunningCopy> running;
    if (!qEnvironmentVariableIsSet("BELLTIDE_STARTUP_REPORT")) {
        running
            = std::make_unique<LocalSocketRunningCopy>(LocalSocketRunningCopy::NameFor(FileRegistry::DefaultFolder()));
        if (running->Begin(documents) == RunningCopy::Start::HandedOver)
            return 0;
    }
    Resources::SetCarriedPictures(
        [pictures = ContainerPictures(loaded->Resources())](const QString& name) { return pictures.Get(name); });
    const QImage application = Resources::GetIcon(QStringLiteral("Application"));
    QIcon windowIcon;
    for (const int size : { 16, 32, 48, 64, 128, 256 })
        windowIcon.addPixmap(QPixmap::fromImage(Resources::SharpIcon(application, QSize(size, size), 1.0)));
    QApplication::setWindowIcon(windowIcon);

    App app(std::make_unique<FileRegistry>(FileRegistry::DefaultFolder()), std::make_unique<QtDocumentDialogs>());
    app.Launch(documents);
    if (running)
        running->SetReceiver([&app](const QStringList& handed) { app.DocumentsFromLaterStart(handed); });
    if (qEnvironmentVariableIsSet("BELLTIDE_STARTUP_REPORT"))
        QTimer::singleShot(0, qApp, &ReportPicturesAndQuit);
    const int status = QApplication::exec();
    // A start from now on runs as the next copy rather than handing its
    // documents to one that is going.
    running.reset();
    app.Close();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before anything loads, so that no display is needed.
    if (const auto answer = ProgramAbout { "belltide", kHelp }.Answer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    EntryPointTable entries;
    entries.Add(EntryRoutine::kRuntimeEntry, &RuntimeMain);
    // A fault while loading is shown in a message box, which needs the
    // application object first; without a screen it goes to stderr.
    std::optional<QApplication> application;
    std::unique_ptr<ErrorReportPresenter> presenter;
    if (MessageBoxErrorPresenter::CanShow(QProcessEnvironment::systemEnvironment())) {
        application.emplace(argc, argv);
        presenter = std::make_unique<MessageBoxErrorPresenter>();
    } else {
        presenter = std::make_unique<StderrErrorPresenter>();
    }
    // Where the packer could not write an entry routine the program is a bare
    // runtime, which calls the same entry itself.
    return Loader::LoadAndRun(argc, argv, entries, *presenter, &RuntimeMain);
}
