#pragma once

#include "CliCommand.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace belltide::test {

// One command of belltide-cli run in the test's process: its exit code and
// what it wrote to each stream.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

inline CliRun Invoke(cli::CommandFunction command, const QStringList& arguments)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = command(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

} // namespace belltide::test
