#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli export FILE.psc --csv OUT | --ics OUT --from DATE --to DATE
// [--class LABEL | --special LABEL] [--time-zone ZONE | --floating] | --html OUT:
// the saved schedule for spreadsheets, calendars and web pages.
int RunExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
