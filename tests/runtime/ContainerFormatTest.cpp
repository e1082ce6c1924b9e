#include "RuntimeTestSupport.h"

#include "runtime/Container.h"
#include "runtime/FixupRecord.h"
#include "runtime/ResourceRegistry.h"
#include "runtime/StartupOptions.h"
#include "runtime/StringConstant.h"
#include "runtime/SymbolTable.h"

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

namespace {

using Kind = FixupRecord::Kind;

// One record of every kind, written out by hand as the loader expects them.
// clang-format off
const QByteArray kGolden = QByteArray("112358", 6)
    + Bytes({4, 0, 0, 0, 0x90, 0x90, 0x90, 0xC3})
    + Bytes({24, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 8, 2, 'H', 'i', 0})
    + Bytes({38, 0, 0, 0,
             1, 1, 4, 0, 0, 0, 3, 'a', 'b', 'c', 0,
             2, 8, 0, 0, 0,
             3, 12, 0, 0, 0,
             4, 0, 0, 0, 0, 1, 'f', 0, 2, 'l', 'b', 0,
             5, 16, 0, 0, 0})
    + Bytes({31, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 7, 0, 0, 0,
             '%', ' ', 'm', 'a', 'i', 'n', 0, 'S', '.', 'F', 0})
    + Bytes({16, 0, 0, 0, ' ', 'P', 'M', 'B', 3, 0, 0, 0, 0, 0, 2, 0, 0, 0, 'B', 'M'})
    + Bytes({11, 0, 0, 0, 0, 2, 0, 0, 0, 'O', 'K', 0, 1, 0, 8});
// clang-format on

const std::vector<FixupRecord> kRecords = {
    { Kind::RuntimeFunction, true, 4, "abc", {} },
    { Kind::DataAddress, false, 8, {}, {} },
    { Kind::CodeAddress, false, 12, {}, {} },
    { Kind::LibraryFunction, false, 0, "f", "lb" },
    { Kind::StringConstant, false, 16, {}, {} },
};

const SymbolTable kSymbols({ { 0, "% main" }, { 8, "S.F" } });

Container GoldenContainer()
{
    Container container;
    container.Code = Bytes({ 0x90, 0x90, 0x90, 0xC3 });
    container.Data = StringConstant::Encode("Hi");
    for (const FixupRecord& record : kRecords)
        record.AppendTo(container.Imports);
    container.Symbols = kSymbols.ToBytes();
    ResourceRegistry::AppendRecord(container.Resources, ResourceRegistry::TypeCode("BMP "), 3, "BM");
    StartupOptions::AppendStartupText(container.Options, "OK", StringConstant::kUtf8Encoding);
    return container;
}

TEST(ContainerFormat, WritersLayOutEveryRecordByteForByteAndReadersGiveItBack)
{
    const Container written = GoldenContainer();
    ASSERT_EQ(written.ToBytes().toHex(' '), kGolden.toHex(' '));

    const auto read = Container::Read(kGolden);
    ASSERT_TRUE(read);
    EXPECT_TRUE(*read == written);
    EXPECT_EQ(read->ResourcesOffset, kGolden.indexOf(" PMB"));
    EXPECT_EQ(FixupRecord::ReadAll(read->Imports), kRecords);
    EXPECT_EQ(SymbolTable::Read(read->Symbols)->Symbols(), kSymbols.Symbols());

    ResourceRegistry registry;
    ASSERT_TRUE(registry.RegisterAll(read->Resources, 1000));
    const auto picture = registry.Find(ResourceRegistry::TypeCode("BMP "), 3);
    EXPECT_EQ(picture.Content, "BM");
    EXPECT_EQ(picture.FileOffset, 1000 + 14);

    const StartupOptions options = StartupOptions::Read(read->Options);
    EXPECT_EQ(options.StoppedBy, StartupOptions::Stop::AtEnd);
    EXPECT_EQ(options.StartupText->Decoded(), QStringLiteral("OK"));
}

// Every cut is refused or read as far as it goes, never past the end (the
// sanitizer build would catch that).
TEST(ContainerFormat, EveryTruncationIsRefusedOrReadOnlyAsFarAsItGoes)
{
    for (qsizetype n = 0; n < kGolden.size(); ++n)
        EXPECT_FALSE(Container::Read(kGolden.left(n))) << n;

    const Container full = GoldenContainer();
    for (qsizetype n = 0; n < full.Imports.size(); ++n) {
        const auto records = FixupRecord::ReadAll(full.Imports.left(n));
        if (records) {
            EXPECT_TRUE(std::equal(records->begin(), records->end(), kRecords.begin())) << n;
        }
    }
    for (qsizetype n = 1; n < full.Symbols.size(); ++n)
        EXPECT_FALSE(SymbolTable::Read(full.Symbols.left(n))) << n;
    for (qsizetype n = 1; n < full.Resources.size(); ++n) {
        ResourceRegistry registry;
        EXPECT_FALSE(registry.RegisterAll(full.Resources.left(n), 0)) << n;
        EXPECT_TRUE(registry.Find(ResourceRegistry::TypeCode("BMP "), 3).Content.isEmpty());
    }
    for (qsizetype n = 1; n < full.Options.size(); ++n)
        EXPECT_EQ(StartupOptions::Read(full.Options.left(n)).StoppedBy, StartupOptions::Stop::Truncated) << n;
}

TEST(ContainerFormat, TypeBytesOfNoRecordAreSkippedOneAtATime)
{
    // Were 0x09 to swallow more than itself, the type-3 record behind it would be lost.
    const QByteArray imports = Bytes({ 0, 6, 0xFF, 9, 3, 0x10, 0, 0, 0, 0, 2, 0x20, 0, 0, 0, 0x80 });
    const std::vector<FixupRecord> expected
        = { { Kind::CodeAddress, false, 16, {}, {} }, { Kind::DataAddress, false, 32, {}, {} } };
    EXPECT_EQ(FixupRecord::ReadAll(imports), expected);
}

TEST(SymbolTable, LookupNamesTheLastFunctionBelowTheAddress)
{
    const SymbolTable symbols({ { 0, "% main" }, { 10, "A.First" }, { 25, "A.Second" } });
    const std::uint64_t code = 0x40000;
    struct Case {
        std::uint64_t Address;
        const char* Name;
        std::uint64_t Distance;
    } const cases[] = {
        { code + 25, "A.First", 15 }, // the first byte of the third function
        { code + 26, "A.Second", 1 },
        { code + 10, "% main", 10 },
        { code + 39, "A.Second", 14 },
        { code + 0, nullptr, 0 }, // nothing lies below the first byte
        { code + 40, nullptr, 0 },
        { code - 1, nullptr, 0 },
    };
    for (const Case& c : cases) {
        const auto hit = symbols.Lookup(c.Address, code, 40);
        ASSERT_EQ(hit.has_value(), c.Name != nullptr) << c.Address - code;
        if (hit) {
            EXPECT_EQ(hit->Name, c.Name);
            EXPECT_EQ(hit->Distance, c.Distance);
        }
    }
    EXPECT_FALSE(SymbolTable().Lookup(code + 12, code, 40));
}

TEST(ResourceRegistry, FirstRegisteredMatchWinsAndAbsentEntriesAreEmpty)
{
    QByteArray segment;
    const std::uint32_t bmp = ResourceRegistry::TypeCode("BMP ");
    ResourceRegistry::AppendRecord(segment, bmp, 1, "first");
    ResourceRegistry::AppendRecord(segment, bmp, 1, "second");
    ResourceRegistry::AppendRecord(segment, ResourceRegistry::TypeCode("VTPl"), ResourceRegistry::kPluginId, "lib");
    ResourceRegistry registry;
    ASSERT_TRUE(registry.RegisterAll(segment, 0));
    EXPECT_EQ(registry.Find(bmp, 1).Content, "first");
    EXPECT_EQ(registry.FindAll(bmp).size(), 2u);
    const auto absent = registry.Find(bmp, 2);
    EXPECT_TRUE(absent.Content.isEmpty());
    EXPECT_EQ(absent.Type, 0u);
    EXPECT_EQ(registry.Find(ResourceRegistry::TypeCode("VTPl"), ResourceRegistry::kPluginId).Content, "lib");
}

} // namespace
