// belltide-cli: reads, converts and schedules ".psc" school documents without a window.

#include "CliCommand.h"
#include "ConvertCommand.h"
#include "GenerateCommand.h"
#include "InfoCommand.h"

#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

struct Command {
    const char* name;
    belltide::cli::CommandFunction run;
};

constexpr Command kCommands[] = {
    { "info", &RunInfoCommand },
    { "convert", &RunConvertCommand },
    { "generate", &RunGenerateCommand },
};

constexpr const char* kUsage = "usage: belltide-cli COMMAND ARGUMENTS\n"
                               "  info FILE.psc [--json]     describe the school a document holds\n"
                               "  convert IN.psc OUT.psc     read a document and write it again\n"
                               "  generate FILE.psc [--seed N] [--attempts N] [--thorough] [--engine quick|thorough]\n"
                               "           [--json OUT|-] [--quiet] [--pdf OUT.pdf [--only LABEL]...]\n"
                               "                             make a schedule, up to N attempts (10); --thorough\n"
                               "                             searches thoroughly when they fail, --engine thorough\n"
                               "                             only thoroughly; without a schedule, says why;\n"
                               "                             --pdf prints the schedules, one page each\n";

// Drawing PDF pages needs fonts, which need a GUI application; it runs on the
// offscreen platform, so no display is ever needed.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const auto app = MakeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") || arguments[0] == QStringLiteral("-h")) {
        (arguments.isEmpty() ? err : out) << kUsage;
        return arguments.isEmpty() ? belltide::cli::kExitBadInput : belltide::cli::kExitOk;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(arguments, out, err);
    }
    err << "belltide-cli: unknown command \"" << name << "\" (try belltide-cli --help)\n";
    return belltide::cli::kExitBadInput;
}
