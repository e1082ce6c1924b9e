#include "LoadedApplication.h"

namespace belltide {

std::optional<SymbolTable::Hit> LoadedApplication::LookupSymbol(std::uint64_t address) const
{
    return mSymbols.Lookup(address, mCode.Address(), mCodeSize);
}

int LoadedApplication::Run(Entry bareEntry)
{
    if (mCodeSize == 0)
        return bareEntry(this);
    // The entry is code the loader placed at that address: an integer is all there is.
    const auto entry = reinterpret_cast<Entry>(std::uintptr_t(mCode.Address())); // NOLINT(performance-no-int-to-ptr)
    return entry(this);
}

} // namespace belltide
