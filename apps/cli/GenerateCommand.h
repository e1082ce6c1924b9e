#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli generate FILE.psc [search options] [--save] [output options]: a new
// schedule, keeping the saved schedule's pinned meetings.
int RunGenerateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// belltide-cli complete FILE.psc [...]: the saved schedule with its missing
// meetings placed, every meeting that still fits kept.
int RunCompleteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// belltide-cli show FILE.psc [--json OUT|-] [--pdf OUT.pdf [--only LABEL]...]:
// the saved schedule, and what no longer fits the school or is missing.
int RunShowCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
