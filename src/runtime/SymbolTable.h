#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

// Function names by code offset, for naming the place of a fault.
class SymbolTable {
public:
    struct Symbol {
        std::uint32_t CodeOffset = 0;
        QByteArray Name;
        bool operator==(const Symbol&) const = default;
    };

    struct Hit {
        QByteArray Name;
        std::uint64_t Distance = 0;
    };

    SymbolTable() = default;
    explicit SymbolTable(std::vector<Symbol> symbols)
        : mSymbols(std::move(symbols))
    {
    }

    // An empty segment is a program without symbols. Nothing comes back when
    // the count or a name lies outside the segment.
    static std::optional<SymbolTable> Read(QByteArrayView segment);
    QByteArray ToBytes() const;

    // The function containing address, in code loaded at codeAddress: the last
    // entry in table order whose offset lies below the address's.
    std::optional<Hit> Lookup(std::uint64_t address, std::uint64_t codeAddress, std::uint64_t codeSize) const;

    const std::vector<Symbol>& Symbols() const { return mSymbols; }

private:
    std::vector<Symbol> mSymbols;
};

} // namespace belltide
