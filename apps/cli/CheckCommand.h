#pragma once

#include <QStringList>
#include <QTextStream>

// belltide-cli check FILE.psc PLACEMENTS.json: every rule the placements
// (as `generate --json` writes them) break for the school, in the words the
// window uses, and every meeting missing; exit 1 when there is any.
int RunCheckCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
