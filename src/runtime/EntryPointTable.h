#pragma once

#include <QByteArray>
#include <QHash>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

// The runtime functions application code may call, found by exact,
// case-sensitive name. Built-in entries come first; plug-in libraries append
// theirs at run time. A name listed twice resolves to its first entry.
class EntryPointTable {
public:
    struct Entry {
        QByteArray Name;
        std::uintptr_t Address = 0;
    };

    template <typename Function> void Add(QByteArray name, Function* function)
    {
        AddAddress(std::move(name), reinterpret_cast<std::uintptr_t>(function));
    }
    void AddAddress(QByteArray name, std::uintptr_t address);

    std::optional<std::uintptr_t> Find(const QByteArray& name) const;

private:
    std::vector<Entry> mEntries;
    // Gives the same answer as a scan in table order, without the scan.
    QHash<QByteArray, std::size_t> mFirstByName;
};

} // namespace belltide
