// belltide-cli: reads, converts and schedules ".psc" school documents without a window.

#include "CheckCommand.h"
#include "CliCommand.h"
#include "ConvertCommand.h"
#include "ExportCommand.h"
#include "GenerateCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "ProgramAbout.h"

#include <QGuiApplication>

#include <cstdio>
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
    { "complete", &RunCompleteCommand },
    { "show", &RunShowCommand },
    { "check", &RunCheckCommand },
    { "export", &RunExportCommand },
    { "import", &RunImportCommand },
};

constexpr const char* kUsage = "Usage: belltide-cli COMMAND ARGUMENTS\n"
                               "  or:  belltide-cli --help | --version\n";

constexpr const char* kHelp
    = "Usage: belltide-cli COMMAND ARGUMENTS\n"
      "  or:  belltide-cli --help | --version\n"
      "Reads, converts, schedules and exports Belltide school documents (.psc) without a window.\n"
      "\n"
      "Commands:\n"
      "  info FILE.psc [--json]         describe the school a document holds; --json as JSON\n"
      "  convert IN.psc OUT.psc         read a document and write it again\n"
      "  generate FILE.psc [OPTION]...  make a new schedule as the window does (keeping pinned meetings),\n"
      "                                 or say why there is none\n"
      "  complete FILE.psc [OPTION]...  keep the saved schedule's meetings that still fit, place the rest\n"
      "  show FILE.psc [OPTION]...      the saved schedule, and what no longer fits or is missing\n"
      "  check FILE.psc PLACEMENTS.json every rule the placements (as generate --json writes them)\n"
      "                                 break, and every meeting missing; exit 1 when any\n"
      "  export FILE.psc OUTPUT...      the saved schedule as CSV, web page or calendar (options below)\n"
      "  import FILE.psc LIST.csv       add the classes or specials a CSV list holds (options below)\n"
      "\n"
      "Options of generate and complete:\n"
      "  --seed N                 start the quick search from seed N\n"
      "  --attempts N             make up to N quick attempts (10 by default)\n"
      "  --thorough               search thoroughly when the quick attempts fail (complete always does)\n"
      "  --engine quick|thorough  search only quickly, or only thoroughly\n"
      "  --save                   write the schedule into the document\n"
      "\n"
      "Options of generate, complete and show:\n"
      "  --json OUT|-             write the placements as JSON to OUT, or to standard output\n"
      "  --quiet                  say nothing about the schedule but the outputs asked for\n"
      "  --pdf OUT.pdf            print the schedules into a PDF, one landscape page each\n"
      "                           (\"Whole School\" and \"Specials\": one page per day)\n"
      "  --only LABEL             print only the schedule so named, e.g. \"K: Mrs. Adams\";\n"
      "                           may be given more than once\n"
      "\n"
      "Options of export (at least one output):\n"
      "  --csv OUT                one row per special, lunch and recess, times as 24-hour HH:MM\n"
      "  --html OUT               one web page: the whole school day by day, every class's and special's week\n"
      "  --ics OUT --from YYYY-MM-DD --to YYYY-MM-DD\n"
      "                           a calendar of weekly events from the term's first to its last day\n"
      "  --class LABEL            the calendar of one class, e.g. \"K: Mrs. Adams\" (else the whole school)\n"
      "  --special LABEL          the calendar of the teacher of one special, e.g. \"Music: Mr. Chen\"\n"
      "  --time-zone ZONE         the calendar's time zone, e.g. America/Chicago (the system's by default)\n"
      "  --floating               calendar times in no time zone: the same clock time anywhere\n"
      "\n"
      "Options of import:\n"
      "  --classes, --specials    what the list holds (found from its column names by default)\n"
      "  --dry-run                show what would be added and which lines are wrong; change nothing\n"
      "\n"
      "Options:\n"
      "  -h, --help               print this help and exit\n"
      "  -V, --version            print the version and exit\n"
      "\n"
      "Exit status:\n"
      "  0  success\n"
      "  1  no schedule was found (generate, complete), none is saved (show, complete, export),\n"
      "     or the placements break a rule (check)\n"
      "  2  bad input or bad arguments, with one line on stderr naming the file\n";

const belltide::ProgramAbout kAbout { "belltide-cli", kHelp };

// Drawing PDF pages needs fonts, which need a GUI application; it runs on the
// offscreen platform, so no display is ever needed.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--pdf", 5) == 0) {
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
    if (const auto answer = kAbout.Answer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return belltide::cli::kExitOk;
    }
    const auto app = MakeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        err << kUsage;
        return belltide::cli::kExitBadInput;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(arguments, out, err);
    }
    err << "belltide-cli: unknown command \"" << name << "\" (try belltide-cli --help)\n";
    return belltide::cli::kExitBadInput;
}
