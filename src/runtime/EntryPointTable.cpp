#include "EntryPointTable.h"

namespace belltide {

void EntryPointTable::AddAddress(QByteArray name, std::uintptr_t address)
{
    if (!mFirstByName.contains(name))
        mFirstByName.insert(name, mEntries.size());
    mEntries.push_back({ std::move(name), address });
}

std::optional<std::uintptr_t> EntryPointTable::Find(const QByteArray& name) const
{
    const auto found = mFirstByName.constFind(name);
    if (found == mFirstByName.constEnd())
        return std::nullopt;
    return mEntries[*found].Address;
}

} // namespace belltide
