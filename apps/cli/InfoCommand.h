#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli info FILE.psc [--json]
int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
