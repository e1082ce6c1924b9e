#include "ConvertCommand.h"

#include "CliCommand.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

using namespace belltide;

int RunConvertCommand(const QStringList& arguments, QTextStream&, QTextStream& err)
{
    if (arguments.size() != 2) {
        err << "belltide-cli convert: expected IN.psc OUT.psc\n";
        return cli::kExitBadInput;
    }
    auto school = SchoolDocument::Read(arguments[0]);
    if (!school) {
        err << school.Error() << '\n';
        return cli::kExitBadInput;
    }
    const Status written = SchoolDocument::Write(*school.Value(), arguments[1]);
    if (!written) {
        err << written.Error() << '\n';
        return cli::kExitBadInput;
    }
    return cli::kExitOk;
}
