#pragma once

#include "LoadedApplication.h"
#include "Locator.h"

#include <QString>

#include <memory>
#include <optional>

class QIODevice;

namespace belltide {

class Container;
class EntryPointTable;
class ErrorReportPresenter;
class SystemLibraries;

// Finds the application container, binds it to the runtime and hands back the
// loaded application. Every fault goes to the presenter as a runtime error
// report; a missing or corrupt container stops loading whatever the answer,
// while an unresolved function may be stepped over.
class Loader {
public:
    struct Source {
        // None when the executable carries no locator.
        std::optional<belltide::Locator> Locator;
        QString ExecutablePath;
        // Where a bare runtime finds the segment files.
        QString BareFolder;
    };

    // The exit code of a process whose loading stopped.
    static constexpr int kStoppedExitCode = 1;

    Loader(const EntryPointTable& table, SystemLibraries& libraries, ErrorReportPresenter& presenter);

    // This executable, its embedded locator, and the current folder.
    static Source ThisProcess();

    // Null when the application must not run; the reason has been reported.
    std::unique_ptr<LoadedApplication> Load(const Source& source);
    // From an executable already open for reading.
    std::unique_ptr<LoadedApplication> LoadFrom(QIODevice& executable, const belltide::Locator& locator);

    // The process entry, called from main(): loads this executable and runs
    // the application, answering the process's exit code.
    static int LoadAndRun(int argc, char** argv, const EntryPointTable& table, ErrorReportPresenter& presenter,
        LoadedApplication::Entry bareEntry);

private:
    std::optional<Container> ReadBareSegments(const QString& folder);
    std::unique_ptr<LoadedApplication> Install(const Container& container, qint64 resourcesFileOffset);
    bool PlaceCode(LoadedApplication& application, const Container& container, std::size_t functionRecords);
    bool ApplyOptions(LoadedApplication& application, const QByteArray& options);

    void Report(QString condition, QString message, std::int32_t line = __builtin_LINE());
    bool ReportCorrupt(QString condition, std::int32_t line = __builtin_LINE());

    const EntryPointTable& mTable;
    SystemLibraries& mLibraries;
    ErrorReportPresenter& mPresenter;
};

} // namespace belltide
