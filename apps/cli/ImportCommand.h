#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli import FILE.psc LIST.csv [--classes | --specials] [--dry-run]:
// adds the classes or specials of a list to the document.
int RunImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
