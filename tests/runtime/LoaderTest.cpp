#include "RuntimeTestSupport.h"

#include "runtime/Container.h"
#include "runtime/EntryPointTable.h"
#include "runtime/EntryRoutine.h"
#include "runtime/ExecutablePacker.h"
#include "runtime/Loader.h"
#include "runtime/ResourceRegistry.h"
#include "runtime/StartupOptions.h"
#include "runtime/StringConstant.h"
#include "runtime/SystemLibraries.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <elf.h>

using namespace belltide;
using namespace belltide::test;

namespace {

const std::uint32_t kBmp = ResourceRegistry::TypeCode("BMP ");
const QByteArray kRuntimePart = QByteArray(100, 'x');

Container PicturesOnly()
{
    Container container;
    ResourceRegistry::AppendRecord(container.Resources, kBmp, 0, "picture zero");
    ResourceRegistry::AppendRecord(container.Resources, kBmp, 6, "picture six");
    return container;
}

std::unique_ptr<LoadedApplication> LoadBytes(
    const QByteArray& file, const Locator& locator, RecordingPresenter& presenter, const EntryPointTable& table = {})
{
    SystemLibraries libraries;
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return Loader(table, libraries, presenter).LoadFrom(buffer, locator);
}

QString ExpectedText(const RuntimeErrorReport& report)
{
    return QStringLiteral("Runtime Error 4: Failed Assertion\nPress OK to Continue\nPress Cancel to Quit.\n\n"
                          "Please report what caused this error\nalong with the information below.\n\n"
                          "loaderX86: %1\nFailure Condition: %2\n%3")
        .arg(report.Line)
        .arg(report.Condition, report.Message);
}

TEST(Loader, FindsTheContainerAtTheLocatorOrElseAtTheEndOfTheFile)
{
    const QByteArray container = PicturesOnly().ToBytes();
    const auto length = std::uint32_t(container.size() - 6);
    const QByteArray packed = kRuntimePart + container;
    struct Case {
        const char* Name;
        QByteArray File;
        Locator Where;
        bool Loads;
    } const cases[] = {
        { "at the locator", packed + "trailing", Locator::For(100, length), true },
        { "stale offset, container at the end", packed, Locator::For(40, length), true },
        { "stale offset, container not at the end", packed + "trailing", Locator::For(40, length), false },
        { "zeroed locator", packed, Locator::For(0, 0), false },
        { "offsets past the file", packed, Locator::For(0xFFFFFFF0, 0xFFFFFFFF), false },
        { "length longer than the file", packed, Locator::For(3, 200), false },
    };
    for (const Case& c : cases) {
        RecordingPresenter presenter;
        const auto application = LoadBytes(c.File, c.Where, presenter);
        ASSERT_EQ(application != nullptr, c.Loads) << c.Name;
        if (!c.Loads) {
            ASSERT_EQ(presenter.Reports.size(), 1u) << c.Name;
            EXPECT_EQ(presenter.Reports[0].Message, QStringLiteral("Executable is corrupt!")) << c.Name;
            continue;
        }
        EXPECT_TRUE(presenter.Reports.empty()) << c.Name;
        // The empty symbols and options segments are accepted too.
        EXPECT_FALSE(application->LookupSymbol(application->CodeAddress()));
        EXPECT_FALSE(application->StartupText());
        const auto six = application->Resources().Find(kBmp, 6);
        EXPECT_EQ(six.Content, "picture six") << c.Name;
        EXPECT_EQ(c.File.mid(six.FileOffset, six.Content.size()), "picture six") << c.Name;
        EXPECT_TRUE(application->Resources().Find(kBmp, 1).Content.isEmpty());
    }
}

TEST(Loader, EachFaultReportsItsConditionAndMessageInTheReportText)
{
    Container unexported = PicturesOnly();
    unexported.Code = QByteArray(8, '\0');
    // A name that looks like the report's own placeholders must come out as it is.
    FixupRecord { FixupRecord::Kind::RuntimeFunction, true, 0, "Missing%s%d", {} }.AppendTo(unexported.Imports);
    Container unresolved = unexported;
    unresolved.Imports.clear();
    FixupRecord { FixupRecord::Kind::LibraryFunction, true, 0, "cos", "libm.so.6" }.AppendTo(unresolved.Imports);
    FixupRecord { FixupRecord::Kind::LibraryFunction, true, 4, "NoSuchFunction", "libm.so.6" }.AppendTo(
        unresolved.Imports);
    Container otherOption = PicturesOnly();
    otherOption.Options = Bytes({ 7 });

    struct Case {
        const char* Name;
        QByteArray File;
        const char* Condition;
        const char* Message;
        bool Loads;
    } const cases[] = {
        { "runtime function not found", unexported.ToBytes(), "foundFunction",
            "Function 'Missing%s%d' was not exported", true },
        { "library function not found", unresolved.ToBytes(), "functionEntry",
            "Could not resolve function 'NoSuchFunction' in libm.so.6", true },
        { "container magic not found", "112357" + PicturesOnly().ToBytes().mid(6), "0", "Executable is corrupt!",
            false },
        { "executable cannot be opened", QByteArray(), "0", "", false },
        { "option of another type", otherOption.ToBytes(), "0", "", true },
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.Name));
        if (!c.File.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.File) == c.File.size());
        }
        RecordingPresenter presenter;
        const EntryPointTable table;
        SystemLibraries libraries;
        const auto application = Loader(table, libraries, presenter).Load({ Locator::For(0, 0), path, QString() });
        EXPECT_EQ(application != nullptr, c.Loads) << c.Name;
        ASSERT_EQ(presenter.Reports.size(), 1u) << c.Name;
        const RuntimeErrorReport& report = presenter.Reports[0];
        EXPECT_EQ(report.Condition, QString::fromLatin1(c.Condition)) << c.Name;
        EXPECT_EQ(report.Message, QString::fromLatin1(c.Message)) << c.Name;
        EXPECT_GT(report.Line, 0) << c.Name;
        EXPECT_EQ(report.Text(), ExpectedText(report)) << c.Name;
    }
}

TEST(Loader, BareRuntimeReadsSegmentFilesAndMissingOnesAreEmpty)
{
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("rsrc.dat", PicturesOnly().Resources));
    QByteArray options;
    StartupOptions::AppendStartupText(options, "Welcome", StringConstant::kUtf8Encoding);
    ASSERT_TRUE(write("options.dat", options));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("code.dat")));

    RecordingPresenter presenter;
    const EntryPointTable table;
    SystemLibraries libraries;
    Loader loader(table, libraries, presenter);
    const auto application = loader.Load({ Locator::FromBytes(Locator::kUnpacked), QString(), folder.path() });
    ASSERT_TRUE(application);
    EXPECT_TRUE(presenter.Reports.empty());
    EXPECT_EQ(application->CodeSize(), 0u);
    EXPECT_EQ(application->StartupText()->Decoded(), QStringLiteral("Welcome"));
    const auto zero = application->Resources().Find(kBmp, 0);
    EXPECT_EQ(zero.Content, "picture zero");
    EXPECT_EQ(zero.FileOffset, 14);
    EXPECT_EQ(application->Run([](LoadedApplication*) { return 7; }), 7);
}

// Called from machine code, so it answers through its result: how far into
// `% main` the call came from, or -1.
[[gnu::noinline]] int CallerDistance(LoadedApplication* application)
{
    const auto caller = application->LookupSymbol(reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
    return caller && caller->Name == EntryRoutine::kSymbol ? int(caller->Distance) : -1;
}

bool IsMappedReadExecuteOnly(std::uint64_t address)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const QList<QByteArray> range = fields.value(0).split('-');
        if (range.size() == 2 && range[0].toULongLong(nullptr, 16) <= address
            && address < range[1].toULongLong(nullptr, 16))
            return fields.value(1).startsWith("r-x");
    }
    return false;
}

TEST(Loader, RunsTheEntryRoutineThroughItsRelativeCallFixup)
{
    const auto routine = EntryRoutine::For(EM_X86_64, EntryRoutine::kRuntimeEntry);
#if !defined(__x86_64__)
    GTEST_SKIP() << "the entry routine is x86-64 code";
#endif
    const QByteArray file = kRuntimePart + ExecutablePacker::BuildContainer(routine->Code, routine->Call, {}).ToBytes();
    RecordingPresenter presenter;
    EntryPointTable table;
    table.Add(EntryRoutine::kRuntimeEntry, &CallerDistance);
    const auto application = LoadBytes(file, Locator::For(100, 0), presenter, table);
    ASSERT_TRUE(application);
    EXPECT_TRUE(IsMappedReadExecuteOnly(application->CodeAddress()));

    // Just past the call instruction, bytes 4 to 8 of the routine.
    EXPECT_EQ(application->Run(nullptr), 9);
}

} // namespace

// Loading must end, with nothing to run, when binding cannot go on: a record
// that points outside the code, or Cancel on a function that was not found.
TEST(Loader, StopsWhenBindingFailsOrTheUserCancels)
{
    Container outside = PicturesOnly();
    outside.Code = QByteArray(8, '\0');
    FixupRecord { FixupRecord::Kind::DataAddress, false, 64, {}, {} }.AppendTo(outside.Imports);
    Container unexported = PicturesOnly();
    unexported.Code = QByteArray(8, '\0');
    FixupRecord { FixupRecord::Kind::RuntimeFunction, true, 0, "Missing", {} }.AppendTo(unexported.Imports);

    struct Case {
        const char* Name;
        Container File;
        ErrorReportPresenter::Choice Answer;
        bool Loads;
    } const cases[] = {
        { "site outside the code", outside, ErrorReportPresenter::Choice::Continue, false },
        { "missing function, OK", unexported, ErrorReportPresenter::Choice::Continue, true },
        { "missing function, Cancel", unexported, ErrorReportPresenter::Choice::Quit, false },
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.Name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.File.ToBytes()) > 0);
        file.close();
        RecordingPresenter presenter(c.Answer);
        const EntryPointTable table;
        SystemLibraries libraries;
        const auto application = Loader(table, libraries, presenter).Load({ Locator::For(0, 0), path, QString() });
        EXPECT_EQ(application != nullptr, c.Loads) << c.Name;
        EXPECT_EQ(presenter.Reports.size(), 1u) << c.Name;
    }
}
