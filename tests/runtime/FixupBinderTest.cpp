#include "RuntimeTestSupport.h"

#include "runtime/EntryPointTable.h"
#include "runtime/FixupBinder.h"
#include "runtime/StringConstant.h"
#include "runtime/SystemLibraries.h"
#include "runtime/Trampolines.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace belltide;
using namespace belltide::test;

namespace {

using Kind = FixupRecord::Kind;
using Choice = ErrorReportPresenter::Choice;

constexpr std::uint64_t kCode = 0x10000000;
constexpr std::uint64_t kData = 0x20000000;
constexpr std::uint64_t kRun = 0x1234;

// Knows one library, "libtest", with the functions f and g, and counts opens.
class CountingOpener : public SystemLibraries::Opener {
public:
    explicit CountingOpener(QHash<QByteArray, int>& opens)
        : mOpens(opens)
    {
    }
    void* Open(const QByteArray& library) override
    {
        ++mOpens[library];
        return library == "libtest" ? &mHandle : nullptr;
    }
    std::uintptr_t Symbol(void*, const QByteArray& function) override
    {
        return function == "f" ? 0x5000 : function == "g" ? 0x6000 : 0;
    }

private:
    QHash<QByteArray, int>& mOpens;
    int mHandle = 0;
};

FixupRecord Function(const char* name, std::uint32_t site, bool relative)
{
    return { Kind::RuntimeFunction, relative, site, name, {} };
}

FixupRecord At(Kind type, std::uint32_t site)
{
    return { type, false, site, {}, {} };
}

class FixupBinderTest : public ::testing::Test {
protected:
    FixupBinderTest()
        : libraries(std::make_unique<CountingOpener>(opens))
    {
        table.AddAddress("Run", kRun);
    }

    bool Apply(const std::vector<FixupRecord>& records, Choice answer = Choice::Continue, std::size_t jumpSlots = 2)
    {
        presenter = RecordingPresenter(answer);
        jumps = QByteArray(qsizetype(jumpSlots * Trampolines::kSlotSize), '\0');
        const std::uint64_t jumpsAt = kCode + std::uint64_t(code.size());
        Trampolines trampolines({ reinterpret_cast<std::uint8_t*>(jumps.data()), std::size_t(jumps.size()) }, jumpsAt);
        FixupBinder binder({ Span(code), kCode }, { Span(data), kData }, table, libraries, &trampolines, presenter);
        return binder.Apply(records);
    }

    static std::span<std::uint8_t> Span(QByteArray& bytes)
    {
        return { reinterpret_cast<std::uint8_t*>(bytes.data()), std::size_t(bytes.size()) };
    }

    // Code filled with a marker, with the given values at the given offsets.
    void SetCode(qsizetype size, const std::vector<std::pair<qsizetype, std::uint32_t>>& values)
    {
        code = QByteArray(size, char(0xAB));
        for (const auto& [offset, value] : values)
            code.replace(offset, 4, U32(value));
    }

    std::uint32_t Displacement(std::uint64_t target, std::uint32_t site) const
    {
        return std::uint32_t(target - (kCode + site + 4));
    }

    QHash<QByteArray, int> opens;
    EntryPointTable table;
    SystemLibraries libraries;
    RecordingPresenter presenter;
    QByteArray code;
    QByteArray data;
    QByteArray jumps;
};

TEST_F(FixupBinderTest, SingleSiteChainBindsExactlyThatSite)
{
    for (const bool relative : { false, true }) {
        SetCode(16, { { 4, 0 } });
        QByteArray expected = code;
        expected.replace(4, 4, U32(relative ? Displacement(kRun, 4) : std::uint32_t(kRun)));
        ASSERT_TRUE(Apply({ Function("Run", 4, relative) }));
        EXPECT_EQ(code.toHex(), expected.toHex()) << relative;
        EXPECT_TRUE(presenter.Reports.empty());
    }
}

TEST_F(FixupBinderTest, EverySiteOfAChainGetsItsOwnDisplacement)
{
    SetCode(32, { { 2, 9 }, { 9, 20 }, { 20, 0 } });
    ASSERT_TRUE(Apply({ Function("Run", 2, true) }));
    for (const std::uint32_t site : { 2u, 9u, 20u })
        EXPECT_EQ(U32At(code, site), Displacement(kRun, site)) << site;
}

TEST_F(FixupBinderTest, AddressesOfTheSegmentsAreAddedToTheirSites)
{
    SetCode(8, { { 0, 0x10 }, { 4, 0x20 } });
    data = QByteArray(0x40, '\0');
    ASSERT_TRUE(Apply({ At(Kind::DataAddress, 0), At(Kind::CodeAddress, 4) }));
    EXPECT_EQ(U32At(code, 0), kData + 0x10);
    EXPECT_EQ(U32At(code, 4), kCode + 0x20);
}

TEST_F(FixupBinderTest, AStringConstantReferencedManyTimesIsInitialisedOnce)
{
    data = QByteArray(8, '\0') + StringConstant::Encode("Hello");
    const qsizetype second = data.size();
    QByteArray preset = StringConstant::Encode("Set");
    preset.replace(4, 4, U32(0xDEAD));
    data += preset;
    SetCode(16, { { 0, 8 }, { 4, 8 }, { 8, 8 }, { 12, std::uint32_t(second) } });
    ASSERT_TRUE(Apply({ At(Kind::StringConstant, 0), At(Kind::StringConstant, 4), At(Kind::StringConstant, 8),
        At(Kind::StringConstant, 12) }));
    for (const qsizetype site : { 0, 4, 8 })
        EXPECT_EQ(U32At(code, site), kData + 8) << site;
    EXPECT_EQ(U32At(data, 8 + 4), kData + 8 + StringConstant::kTextOffset);
    EXPECT_EQ(data.at(8 + StringConstant::kTextOffset), 5);
    EXPECT_EQ(U32At(data, second + 4), 0xDEADu);
}

TEST_F(FixupBinderTest, EachLibraryIsOpenedOnceAndMissingFunctionsAreNamed)
{
    SetCode(16, { { 0, 0 }, { 4, 0 }, { 8, 0 } });
    ASSERT_TRUE(Apply({ { Kind::LibraryFunction, false, 0, "f", "libtest" },
        { Kind::LibraryFunction, false, 4, "g", "libtest" }, { Kind::LibraryFunction, false, 8, "h", "libtest" },
        { Kind::LibraryFunction, false, 8, "GetSysColor", "user32" },
        { Kind::LibraryFunction, false, 8, "GetSysColor", "user32" } }));
    EXPECT_EQ(U32At(code, 0), Displacement(0x5000, 0));
    EXPECT_EQ(U32At(code, 4), Displacement(0x6000, 4));
    EXPECT_EQ(U32At(code, 8), 0u);
    EXPECT_EQ(opens.value("libtest"), 1);
    EXPECT_EQ(opens.value("user32"), 1);
    ASSERT_EQ(presenter.Reports.size(), 3u);
    EXPECT_EQ(presenter.Reports[0].Condition, QStringLiteral("functionEntry"));
    EXPECT_EQ(presenter.Reports[0].Message, QStringLiteral("Could not resolve function 'h' in libtest"));
    EXPECT_EQ(presenter.Reports[1].Message, QStringLiteral("Could not resolve function 'GetSysColor' in user32"));
}

// A fault leaves its record's sites as they were; only an unresolved name may
// be continued past, and then the next record is still applied.
TEST_F(FixupBinderTest, FaultsLeaveTheirRecordUnboundAndStopUnlessContinued)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<qsizetype, std::uint32_t>> Code;
        qsizetype DataSize;
        FixupRecord Record;
        Choice Answer;
        bool GoesOn;
        const char* Condition;
        const char* Message;
    };
    const char* corrupt = "Executable is corrupt!";
    const Case cases[] = {
        { "unexported, OK", { { 0, 0 } }, 0, Function("Nope", 0, true), Choice::Continue, true, "foundFunction",
            "Function 'Nope' was not exported" },
        { "unexported, Cancel", { { 0, 0 } }, 0, Function("Nope", 0, true), Choice::Quit, false, "foundFunction",
            "Function 'Nope' was not exported" },
        { "name differs in case", { { 0, 0 } }, 0, Function("run", 0, false), Choice::Continue, true, "foundFunction",
            "Function 'run' was not exported" },
        { "site without four bytes to spare", {}, 0, Function("Run", 13, false), Choice::Continue, false, "siteInCode",
            corrupt },
        { "site far outside", {}, 0, At(Kind::CodeAddress, 0xFFFFFFFE), Choice::Continue, false, "siteInCode",
            corrupt },
        { "chain that loops", { { 0, 8 }, { 8, 4 }, { 4, 8 } }, 0, Function("Run", 0, true), Choice::Continue, false,
            "chainEnds", corrupt },
        { "chain that leaves the code", { { 0, 100 } }, 0, Function("Run", 0, true), Choice::Continue, false,
            "siteInCode", corrupt },
        { "constant past the data", { { 0, 8 } }, 24, At(Kind::StringConstant, 0), Choice::Continue, false,
            "constantInData", corrupt },
        { "constant text past the data", { { 0, 0 } }, 24, At(Kind::StringConstant, 0), Choice::Continue, false,
            "constantInData", corrupt },
    };
    for (const Case& c : cases) {
        SetCode(16, c.Code);
        data = QByteArray(c.DataSize, '\0');
        if (c.DataSize > 0)
            data.replace(StringConstant::kTextLengthOffset, 4, U32(4));
        const QByteArray before = code;
        const bool wentOn = Apply({ c.Record, At(Kind::CodeAddress, 12) }, c.Answer);
        EXPECT_EQ(wentOn, c.GoesOn) << c.Name;
        EXPECT_EQ(code.first(12).toHex(), before.first(12).toHex()) << c.Name;
        EXPECT_EQ(code.mid(12) != before.mid(12), c.GoesOn) << c.Name;
        ASSERT_EQ(presenter.Reports.size(), 1u) << c.Name;
        EXPECT_EQ(presenter.Reports[0].Condition, QString::fromLatin1(c.Condition)) << c.Name;
        EXPECT_EQ(presenter.Reports[0].Message, QString::fromLatin1(c.Message)) << c.Name;
    }
}

TEST_F(FixupBinderTest, FarTargetsAreReachedThroughOneSharedTrampoline)
{
    if (!Trampolines::Supported())
        GTEST_SKIP() << "no trampolines on this machine";
    const std::uint64_t far = 0x7F0012345678;
    table.AddAddress("Far", far);
    SetCode(16, { { 0, 0 }, { 4, 0 }, { 8, 0 } });
    ASSERT_TRUE(Apply({ Function("Far", 0, true), Function("Far", 4, true), Function("Far", 8, false) }));
    const std::uint64_t jump = kCode + 16;
    EXPECT_EQ(U32At(code, 0), Displacement(jump, 0));
    EXPECT_EQ(U32At(code, 4), Displacement(jump, 4));
    EXPECT_EQ(U32At(code, 8), jump);
    EXPECT_EQ(jumps.first(6), Bytes({ 0xFF, 0x25, 0, 0, 0, 0 }));
    EXPECT_EQ(jumps.mid(6, 8), U32(0x12345678) + U32(0x7F00));
    EXPECT_EQ(jumps.mid(Trampolines::kSlotSize), QByteArray(Trampolines::kSlotSize, '\0'));

    SetCode(16, { { 0, 0 } });
    EXPECT_TRUE(Apply({ Function("Far", 0, true) }, Choice::Continue, 0));
    EXPECT_EQ(U32At(code, 0), 0u);
    ASSERT_EQ(presenter.Reports.size(), 1u);
    EXPECT_EQ(presenter.Reports[0].Condition, QStringLiteral("targetInReach"));
}

} // namespace
