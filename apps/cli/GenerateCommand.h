#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli generate FILE.psc [--seed N] [--attempts N] [--json OUT|-] [--quiet]
int RunGenerateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
