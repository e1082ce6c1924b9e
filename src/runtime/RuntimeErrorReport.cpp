#include "RuntimeErrorReport.h"

#include <QStringList>

namespace belltide {

namespace {

constexpr const char* kTemplate = "Runtime Error %d: %s\nPress OK to Continue\nPress Cancel to Quit.\n\n"
                                  "Please report what caused this error\nalong with the information below.\n\n"
                                  "%s: %d\nFailure Condition: %s\n%s";

// Fills the template in one pass, so a '%' inside a filled-in name is kept as is.
QString Fill(const QString& pattern, const QStringList& values)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == u'%' && i + 1 < pattern.size()
            && (pattern[i + 1] == u'd' || pattern[i + 1] == u's') && next < values.size();
        if (placeholder) {
            out += values[next++];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace

RuntimeErrorReport RuntimeErrorReport::LoaderFault(QString condition, QString message, std::int32_t line)
{
    RuntimeErrorReport report;
    report.Number = Error::FailedAssertion;
    report.Module = QString::fromLatin1(kLoaderModule);
    report.Line = line;
    report.Condition = std::move(condition);
    report.Message = std::move(message);
    return report;
}

QString RuntimeErrorReport::ErrorName(Error number)
{
    switch (number) {
    case Error::PluginTocLoadFailure:
        return QStringLiteral("Plugin TOC Load Failure");
    case Error::InvalidClassDefinition:
        return QStringLiteral("Invalid Class Definition");
    case Error::UnknownClass:
        return QStringLiteral("Unknown Class");
    case Error::FailedAssertion:
        return QStringLiteral("Failed Assertion");
    case Error::UnableToWriteToHandle:
        return QStringLiteral("Unable to Write to Handle");
    case Error::CannotConnectToDebugger:
        return QStringLiteral("Cannot Connect to Debugger");
    case Error::UnhandledException:
        return QStringLiteral("Unhandled Exception");
    }
    return QString();
}

QString RuntimeErrorReport::Text() const
{
    return Fill(QString::fromLatin1(kTemplate),
        { QString::number(std::int32_t(Number)), ErrorName(Number), Module, QString::number(Line), Condition,
            Message });
}

} // namespace belltide
