#include "RuntimeTestSupport.h"

#include "runtime/Container.h"
#include "runtime/ElfImage.h"
#include "runtime/EntryRoutine.h"
#include "runtime/ExecutablePacker.h"
#include "runtime/Loader.h"
#include "runtime/ResourceRegistry.h"
#include "runtime/SymbolTable.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <elf.h>

using namespace belltide;
using namespace belltide::test;

namespace {

const std::uint32_t kBmp = ResourceRegistry::TypeCode("BMP ");

// This test program links the runtime, so it carries an unpacked locator.
QByteArray ThisExecutable()
{
    QFile self(QStringLiteral("/proc/self/exe"));
    return self.open(QIODevice::ReadOnly) ? self.readAll() : QByteArray();
}

QByteArray LocatorIn(const QByteArray& executable)
{
    const auto section = ElfImage::Read(executable)->FindSection(Locator::kSectionName);
    return section ? executable.mid(qsizetype(section->FileOffset), Locator::kSize) : QByteArray();
}

// Starting the packed program below shows that the loader finds what is appended.
TEST(Packer, PatchesOnlyTheLocatorAndAppendsTheContainer)
{
    const QByteArray self = ThisExecutable();
    ASSERT_EQ(LocatorIn(self), Locator::kUnpacked);
    const auto packed = ExecutablePacker::Pack(self, EntryRoutine::kRuntimeEntry, { { kBmp, 2, "pixels" } });
    ASSERT_TRUE(packed.Error.isEmpty()) << packed.Error.toStdString();
#if !defined(__x86_64__)
    GTEST_SKIP() << "the packer writes entry routines for x86-64 only";
#endif
    const Locator locator = Locator::FromBytes(LocatorIn(packed.Executable));
    ASSERT_EQ(locator.Offset(), self.size());
    const auto container = Container::Read(packed.Executable.mid(self.size()));
    ASSERT_TRUE(container);
    EXPECT_EQ(locator.Length(), container->ToBytes().size() - 6);
    EXPECT_EQ(container->Symbols, SymbolTable({ { 0, "% main" } }).ToBytes());
    QByteArray unpatched = packed.Executable.left(self.size());
    unpatched.replace(unpatched.indexOf(locator.ToBytes()), Locator::kSize, Locator::kUnpacked.toByteArray());
    EXPECT_TRUE(unpatched == self);
}

TEST(Packer, RefusesWhatItCannotPackAndLeavesOtherMachinesBare)
{
    const QByteArray self = ThisExecutable();
    const auto withByte = [&](qsizetype at, char value) {
        QByteArray changed = self;
        changed[at] = value;
        return changed;
    };
    QByteArray unnamed = self;
    unnamed.replace(Locator::kSectionName, ".OTHER_");
    const QByteArray packedOnce = ExecutablePacker::Pack(self, EntryRoutine::kRuntimeEntry, {}).Executable;
    struct Case {
        const char* Name;
        QByteArray Input;
        const char* Error;
    } const cases[] = {
        { "not ELF", "#!/bin/sh\n", "it is not a little-endian ELF file" },
        { "big-endian", withByte(EI_DATA, ELFDATA2MSB), "it is not a little-endian ELF file" },
        { "headers cut off", self.left(4096), "it is not a little-endian ELF file" },
        { "no locator section", unnamed, "it has no container locator (section .PICKLE)" },
        { "packed twice", packedOnce, "it already carries a container" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExecutablePacker::Pack(c.Input, EntryRoutine::kRuntimeEntry, {}).Error, QString::fromLatin1(c.Error))
            << c.Name;

    const QByteArray arm = withByte(offsetof(Elf64_Ehdr, e_machine), char(EM_AARCH64));
    const auto bare = ExecutablePacker::Pack(arm, EntryRoutine::kRuntimeEntry, { { kBmp, 0, "pixels" } });
    EXPECT_TRUE(bare.Error.isEmpty());
    EXPECT_TRUE(bare.Executable == arm);
}

struct ProcessRun {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

ProcessRun Start(const QString& program)
{
    QProcess process;
    process.start(program, { QStringLiteral("school.psc") });
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError() };
}

QByteArray PictureLine(int id, const char* file)
{
    QFile picture(QStringLiteral(BELLTIDE_TEST_PICTURES "/") + QString::fromLatin1(file));
    const QByteArray bytes = picture.open(QIODevice::ReadOnly) ? picture.readAll() : QByteArray();
    return "picture " + QByteArray::number(id) + ' ' + QByteArray::number(bytes.size()) + ' '
        + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + '\n';
}

TEST(PackedProgram, StartsThroughItsContainerAndAZeroedLocatorReportsCorruption)
{
#if !defined(__x86_64__)
    GTEST_SKIP() << "on other machines the program stays a bare runtime";
#endif
    const QString program = QStringLiteral(BELLTIDE_PACKED_PROGRAM);
    const ProcessRun packed = Start(program);
    EXPECT_EQ(packed.ExitCode, 0) << packed.Err.toStdString();
    EXPECT_EQ(packed.Out,
        "called from % main+9\n2 arguments, the last school.psc\n" + PictureLine(0, "red.bmp")
            + PictureLine(1, "blue.bmp"));

    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("zeroed"));
    ASSERT_TRUE(QFile::copy(program, copy));
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const auto section = ElfImage::Read(file.readAll())->FindSection(Locator::kSectionName);
    ASSERT_TRUE(section);
    ASSERT_TRUE(file.seek(qint64(section->FileOffset)));
    ASSERT_EQ(file.write(QByteArray(Locator::kSize, '\0')), qint64(Locator::kSize));
    file.close();

    const ProcessRun zeroed = Start(copy);
    EXPECT_EQ(zeroed.ExitCode, Loader::kStoppedExitCode);
    EXPECT_TRUE(zeroed.Out.isEmpty());
    EXPECT_TRUE(zeroed.Err.startsWith("Runtime Error\nRuntime Error 4: Failed Assertion\n"))
        << zeroed.Err.toStdString();
    EXPECT_TRUE(zeroed.Err.endsWith("\nFailure Condition: 0\nExecutable is corrupt!\n")) << zeroed.Err.toStdString();
}

} // namespace
