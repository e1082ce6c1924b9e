#include "Loader.h"

#include "Container.h"
#include "ErrorReportPresenter.h"
#include "FixupBinder.h"
#include "FixupRecord.h"
#include "RuntimeErrorReport.h"
#include "SystemLibraries.h"
#include "Trampolines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace belltide {

namespace {

constexpr qint64 kMagicSize = Container::kMagic.size();

bool MagicAt(QIODevice& file, qint64 position)
{
    if (position < 0 || position > file.size() - kMagicSize || !file.seek(position))
        return false;
    return file.read(kMagicSize) == Container::kMagic;
}

// Where the magic is: at the locator's offset, or else where a container of the
// locator's length would end with the file, in case the container was moved.
std::optional<qint64> FindContainer(QIODevice& file, const Locator& locator)
{
    if (MagicAt(file, locator.Offset()))
        return locator.Offset();
    const qint64 atEnd = file.size() - qint64(locator.Length()) - kMagicSize;
    if (MagicAt(file, atEnd))
        return atEnd;
    return std::nullopt;
}

std::size_t CountFunctionRecords(const std::vector<FixupRecord>& records)
{
    return std::size_t(std::count_if(records.begin(), records.end(), [](const FixupRecord& record) {
        return record.Type == FixupRecord::Kind::RuntimeFunction || record.Type == FixupRecord::Kind::LibraryFunction;
    }));
}

std::size_t RoundUp(std::size_t size, std::size_t step)
{
    return (size + step - 1) / step * step;
}

} // namespace

Loader::Loader(const EntryPointTable& table, SystemLibraries& libraries, ErrorReportPresenter& presenter)
    : mTable(table)
    , mLibraries(libraries)
    , mPresenter(presenter)
{
}

Loader::Source Loader::ThisProcess()
{
    // The link names the file this process was started from, even if it has
    // been renamed since.
    return { Locator::Embedded(), QStringLiteral("/proc/self/exe"), QDir::currentPath() };
}

std::unique_ptr<LoadedApplication> Loader::Load(const Source& source)
{
    const belltide::Locator locator = source.Locator.value_or(belltide::Locator::For(0, 0));
    if (locator.IsBare()) {
        const auto container = ReadBareSegments(source.BareFolder);
        if (!container)
            return nullptr;
        return Install(*container, 0);
    }
    QFile executable(source.ExecutablePath);
    if (!executable.open(QIODevice::ReadOnly)) {
        Report(QStringLiteral("0"), QString());
        return nullptr;
    }
    return LoadFrom(executable, locator);
}

std::unique_ptr<LoadedApplication> Loader::LoadFrom(QIODevice& executable, const belltide::Locator& locator)
{
    const auto start = FindContainer(executable, locator);
    if (!start) {
        Report(QStringLiteral("0"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
        return nullptr;
    }
    if (!executable.seek(*start)) {
        ReportCorrupt(QStringLiteral("0"));
        return nullptr;
    }
    const auto container = Container::Read(executable.readAll());
    if (!container) {
        ReportCorrupt(QStringLiteral("segmentLength"));
        return nullptr;
    }
    return Install(*container, *start + container->ResourcesOffset);
}

std::optional<Container> Loader::ReadBareSegments(const QString& folder)
{
    Container container;
    const QDir dir(folder);
    for (std::size_t i = 0; i < Container::kSegmentCount; ++i) {
        const QString path = dir.filePath(QString::fromLatin1(Container::kSegmentFiles[i]));
        // Only plain files: a device or a pipe under one of these names could
        // never end.
        if (!QFileInfo(path).isFile())
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (file.size() > qint64(std::numeric_limits<std::uint32_t>::max())) {
            ReportCorrupt(QStringLiteral("segmentLength"));
            return std::nullopt;
        }
        container.Segment(i) = file.readAll();
    }
    return container;
}

std::unique_ptr<LoadedApplication> Loader::Install(const Container& container, qint64 resourcesFileOffset)
{
    const auto records = FixupRecord::ReadAll(container.Imports);
    if (!records) {
        ReportCorrupt(QStringLiteral("recordLength"));
        return nullptr;
    }
    auto symbols = SymbolTable::Read(container.Symbols);
    if (!symbols) {
        ReportCorrupt(QStringLiteral("symbolName"));
        return nullptr;
    }
    std::unique_ptr<LoadedApplication> application(new LoadedApplication());
    application->mSymbols = std::move(*symbols);
    if (!PlaceCode(*application, container, CountFunctionRecords(*records)))
        return nullptr;

    const std::span<std::uint8_t> code = application->mCode.Bytes();
    const std::size_t jumpsAt = RoundUp(application->mCodeSize, Trampolines::kSlotSize);
    Trampolines trampolines(code.subspan(jumpsAt), application->mCode.Address() + jumpsAt);
    FixupBinder binder({ code.first(application->mCodeSize), application->mCode.Address() },
        { application->mData.Bytes(), application->mData.Address() }, mTable, mLibraries, &trampolines, mPresenter);
    if (!binder.Apply(*records))
        return nullptr;
    if (!application->mCode.MakeExecutable()) {
        Report(QStringLiteral("protectCode"), QStringLiteral("The code could not be made executable"));
        return nullptr;
    }

    application->mResourceBytes = container.Resources;
    if (!application->mResources.RegisterAll(application->mResourceBytes, resourcesFileOffset)) {
        ReportCorrupt(QStringLiteral("recordLength"));
        return nullptr;
    }
    if (!ApplyOptions(*application, container.Options))
        return nullptr;
    return application;
}

// The code, and after it room for one trampoline per function record, in fresh
// writable pages; the data in pages of its own.
bool Loader::PlaceCode(LoadedApplication& application, const Container& container, std::size_t functionRecords)
{
    const std::size_t codeSize = std::size_t(container.Code.size());
    const std::size_t jumps = codeSize > 0 && Trampolines::Supported() ? functionRecords : 0;
    auto code = SegmentMemory::Reserve(RoundUp(codeSize, Trampolines::kSlotSize) + jumps * Trampolines::kSlotSize);
    auto data = SegmentMemory::Reserve(std::size_t(container.Data.size()));
    if (!code || !data) {
        Report(QStringLiteral("reserveMemory"), QStringLiteral("Out of memory"));
        return false;
    }
    std::copy(container.Code.begin(), container.Code.end(), code->Bytes().begin());
    std::fill(code->Bytes().begin() + std::ptrdiff_t(codeSize), code->Bytes().end(), std::uint8_t(0xCC));
    std::copy(container.Data.begin(), container.Data.end(), data->Bytes().begin());
    application.mCode = std::move(*code);
    application.mCodeSize = codeSize;
    application.mData = std::move(*data);
    return true;
}

bool Loader::ApplyOptions(LoadedApplication& application, const QByteArray& options)
{
    const StartupOptions read = StartupOptions::Read(options);
    application.mStartupText = read.StartupText;
    switch (read.StoppedBy) {
    case StartupOptions::Stop::AtEnd:
        return true;
    case StartupOptions::Stop::Truncated:
        return ReportCorrupt(QStringLiteral("recordLength"));
    case StartupOptions::Stop::UnknownType:
        break;
    }
    const auto report = RuntimeErrorReport::LoaderFault(QStringLiteral("0"), QString());
    return mPresenter.Present(report) == ErrorReportPresenter::Choice::Continue;
}

void Loader::Report(QString condition, QString message, std::int32_t line)
{
    mPresenter.Present(RuntimeErrorReport::LoaderFault(std::move(condition), std::move(message), line));
}

bool Loader::ReportCorrupt(QString condition, std::int32_t line)
{
    Report(std::move(condition), QString::fromLatin1(RuntimeErrorReport::kCorrupt), line);
    return false;
}

int Loader::LoadAndRun(int argc, char** argv, const EntryPointTable& table, ErrorReportPresenter& presenter,
    LoadedApplication::Entry bareEntry)
{
    SystemLibraries libraries;
    Loader loader(table, libraries, presenter);
    std::unique_ptr<LoadedApplication> application = loader.Load(ThisProcess());
    if (!application)
        return kStoppedExitCode;
    application->mArgumentCount = argc;
    application->mArguments = argv;
    return application->Run(bareEntry);
}

} // namespace belltide
