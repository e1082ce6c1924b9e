#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace belltide {

// A fatal runtime fault as the user is shown it: the error, where in the
// runtime it was raised, the condition that failed and what went wrong.
struct RuntimeErrorReport {
    enum class Error : std::int32_t {
        PluginTocLoadFailure = 1,
        InvalidClassDefinition = 2,
        UnknownClass = 3,
        FailedAssertion = 4,
        UnableToWriteToHandle = 5,
        CannotConnectToDebugger = 7,
        UnhandledException = 8,
    };

    static constexpr const char* kTitle = "Runtime Error";
    static constexpr const char* kLoaderModule = "loaderX86";
    static constexpr const char* kCorrupt = "Executable is corrupt!";

    Error Number = Error::FailedAssertion;
    QString Module;
    std::int32_t Line = 0;
    QString Condition;
    QString Message;

    // The loader's faults are failed assertions in its module; the line is the
    // one in our sources that raised the fault.
    static RuntimeErrorReport LoaderFault(QString condition, QString message, std::int32_t line = __builtin_LINE());

    static QString ErrorName(Error number);
    QString Text() const;
};

} // namespace belltide
