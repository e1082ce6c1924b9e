#pragma once

#include <QStringList>
#include <QTextStream>

namespace belltide::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoSchedule = 1;
inline constexpr int kExitBadInput = 2;

using CommandFunction = int (*)(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace belltide::cli
