#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli convert IN.psc OUT.psc
int RunConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
