#include "ScheduleArguments.h"

namespace belltide::cli {

std::optional<ScheduleArguments> ParseScheduleArguments(
    const char* command, Takes takes, const QStringList& arguments, QTextStream& err)
{
    const QString prefix = QStringLiteral("belltide-cli %1: ").arg(QString::fromLatin1(command));
    const bool search = takes == Takes::Search;
    bool thoroughAfterQuick = false;
    bool thoroughOnly = false;
    ScheduleArguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            value = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        auto takeValue = [&]() -> std::optional<QString> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            err << prefix << name << " needs a value\n";
            return std::nullopt;
        };
        if (name == QStringLiteral("--quiet") && !value) {
            parsed.Quiet = true;
        } else if (name == QStringLiteral("--save") && !value && search) {
            parsed.Save = true;
        } else if (name == QStringLiteral("--thorough") && !value && search) {
            thoroughAfterQuick = true;
        } else if (name == QStringLiteral("--engine") && search) {
            const auto text = takeValue();
            if (!text || (*text != QStringLiteral("quick") && *text != QStringLiteral("thorough"))) {
                if (text)
                    err << prefix << "--engine takes quick or thorough, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            thoroughOnly = *text == QStringLiteral("thorough");
        } else if (name == QStringLiteral("--seed") && search) {
            const auto text = takeValue();
            bool ok = false;
            const qulonglong seed = text ? text->toULongLong(&ok) : 0;
            if (!ok) {
                if (text)
                    err << prefix << "--seed takes a whole number, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            parsed.Options.Seed = seed;
        } else if (name == QStringLiteral("--attempts") && search) {
            const auto text = takeValue();
            bool ok = false;
            const int attempts = text ? text->toInt(&ok) : 0;
            if (!ok || attempts < 1) {
                if (text)
                    err << prefix << "--attempts takes a number of 1 or more, not \"" << *text << "\"\n";
                return std::nullopt;
            }
            parsed.Options.Attempts = attempts;
        } else if (name == QStringLiteral("--json")) {
            parsed.JsonPath = takeValue();
            if (!parsed.JsonPath)
                return std::nullopt;
        } else if (name == QStringLiteral("--pdf")) {
            parsed.PdfPath = takeValue();
            if (!parsed.PdfPath)
                return std::nullopt;
        } else if (name == QStringLiteral("--only")) {
            const std::optional<QString> label = takeValue();
            if (!label)
                return std::nullopt;
            parsed.Only << *label;
        } else if (name.startsWith(u'-') && name != QStringLiteral("-")) {
            err << prefix << "unknown option " << name << '\n';
            return std::nullopt;
        } else {
            files << arguments[i];
        }
    }
    if (files.size() != 1) {
        err << prefix << "expected FILE.psc"
            << (search ? " [--seed N] [--attempts N] [--thorough] [--engine quick|thorough] [--save]" : "")
            << " [--json OUT|-] [--pdf OUT.pdf [--only LABEL]...] [--quiet]\n";
        return std::nullopt;
    }
    parsed.File = files[0];
    parsed.Options.Engine = thoroughOnly ? SearchEngine::Thorough
        : thoroughAfterQuick             ? SearchEngine::QuickThenThorough
                                         : SearchEngine::Quick;
    return parsed;
}

} // namespace belltide::cli
