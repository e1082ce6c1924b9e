#pragma once

#include "engine/ScheduleGenerator.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace belltide::cli {

// The options the commands that make or show a schedule share.
struct ScheduleArguments {
    QString File;
    GenerationOptions Options;
    std::optional<QString> JsonPath;
    bool Quiet = false;
    bool Save = false;
    std::optional<QString> PdfPath;
    QStringList Only;
};

// What a command takes besides the output options.
enum class Takes { Search, OutputOnly };

// Accepts "--name value" and "--name=value"; explains a mistake on err.
std::optional<ScheduleArguments> ParseScheduleArguments(
    const char* command, Takes takes, const QStringList& arguments, QTextStream& err);

} // namespace belltide::cli
