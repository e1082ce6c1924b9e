// Feeds arbitrary bytes to the container loader: the first eight are the
// locator, the rest the executable file. The loader reads the container, binds
// its fixups into freshly reserved code (which is never run), registers its
// resources and applies its options. Whatever reads must also write and read
// back to the same thing.

#include "runtime/Container.h"
#include "runtime/EntryPointTable.h"
#include "runtime/ErrorReportPresenter.h"
#include "runtime/FixupRecord.h"
#include "runtime/Loader.h"
#include "runtime/ResourceRegistry.h"
#include "runtime/SymbolTable.h"
#include "runtime/SystemLibraries.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace belltide;

namespace {

// Opens nothing for real: a fuzzer must not load libraries named by its input.
class FakeLinker : public SystemLibraries::Opener {
public:
    void* Open(const QByteArray& library) override { return library == "libtest" ? this : nullptr; }
    std::uintptr_t Symbol(void*, const QByteArray& function) override
    {
        return function == "f" ? 0x7F0000001000 : function == "g" ? 0x2000 : 0;
    }
};

// Presses OK, so that loading goes on as far as it can.
class ContinuingPresenter : public ErrorReportPresenter {
public:
    Choice Present(const RuntimeErrorReport&) override { return Choice::Continue; }
};

int NearFunction()
{
    return 0;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void CheckRoundTrips(QByteArrayView file)
{
    const auto container = Container::Read(file);
    if (!container)
        return;
    const auto again = Container::Read(container->ToBytes());
    if (!again || !(*again == *container))
        Fail("a container read back differently");

    if (const auto records = FixupRecord::ReadAll(container->Imports)) {
        QByteArray written;
        for (const FixupRecord& record : *records)
            record.AppendTo(written);
        if (FixupRecord::ReadAll(written) != records)
            Fail("fixup records read back differently");
    }
    if (const auto symbols = SymbolTable::Read(container->Symbols)) {
        const auto reread = SymbolTable::Read(symbols->ToBytes());
        if (!reread || reread->Symbols() != symbols->Symbols())
            Fail("a symbol table read back differently");
    }
}

void Use(const LoadedApplication& application)
{
    const std::uint64_t code = application.CodeAddress();
    for (const SymbolTable::Symbol& symbol : application.Symbols().Symbols())
        (void)application.LookupSymbol(code + symbol.CodeOffset + 1);
    (void)application.LookupSymbol(code + application.CodeSize());
    for (const std::uint32_t type : { ResourceRegistry::TypeCode("BMP "), ResourceRegistry::TypeCode("VTPl") })
        (void)application.Resources().FindAll(type);
    if (application.StartupText())
        (void)application.StartupText()->Decoded();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < Locator::kSize)
        return 0;
    const auto bytes = reinterpret_cast<const char*>(data);
    const Locator locator = Locator::FromBytes(QByteArrayView(bytes, Locator::kSize));
    const QByteArray file = QByteArray::fromRawData(bytes + Locator::kSize, qsizetype(size - Locator::kSize));
    CheckRoundTrips(file);

    EntryPointTable table;
    table.Add("RuntimeMain", &NearFunction);
    table.AddAddress("Low", 0x1000);
    SystemLibraries libraries(std::make_unique<FakeLinker>());
    ContinuingPresenter presenter;
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    if (const auto application = Loader(table, libraries, presenter).LoadFrom(buffer, locator))
        Use(*application);
    return 0;
}
