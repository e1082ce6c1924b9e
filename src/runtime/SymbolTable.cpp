#include "SymbolTable.h"

#include "ByteCursor.h"
#include "LittleEndian.h"

namespace belltide {

std::optional<SymbolTable> SymbolTable::Read(QByteArrayView segment)
{
    if (segment.isEmpty())
        return SymbolTable();
    ByteCursor cursor(segment);
    const auto count = cursor.U32();
    if (!count || std::uint64_t(*count) * 8 > std::uint64_t(cursor.Remaining()))
        return std::nullopt;
    const QByteArrayView names = segment.sliced(cursor.Position() + qsizetype(*count) * 8);
    std::vector<Symbol> symbols;
    symbols.reserve(*count);
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::uint32_t codeOffset = *cursor.U32();
        const std::uint32_t nameOffset = *cursor.U32();
        if (nameOffset >= std::uint64_t(names.size()))
            return std::nullopt;
        const QByteArrayView rest = names.sliced(nameOffset);
        const qsizetype end = rest.indexOf('\0');
        if (end < 0)
            return std::nullopt;
        symbols.push_back({ codeOffset, rest.first(end).toByteArray() });
    }
    return SymbolTable(std::move(symbols));
}

QByteArray SymbolTable::ToBytes() const
{
    if (mSymbols.empty())
        return QByteArray();
    QByteArray out;
    QByteArray names;
    LittleEndian::AppendU32(out, std::uint32_t(mSymbols.size()));
    for (const Symbol& symbol : mSymbols) {
        LittleEndian::AppendU32(out, symbol.CodeOffset);
        LittleEndian::AppendU32(out, std::uint32_t(names.size()));
        names.append(symbol.Name);
        names.append('\0');
    }
    return out + names;
}

std::optional<SymbolTable::Hit> SymbolTable::Lookup(
    std::uint64_t address, std::uint64_t codeAddress, std::uint64_t codeSize) const
{
    if (address < codeAddress || address - codeAddress >= codeSize)
        return std::nullopt;
    const std::uint64_t offset = address - codeAddress;
    const Symbol* found = nullptr;
    for (const Symbol& symbol : mSymbols) {
        if (symbol.CodeOffset < offset)
            found = &symbol;
    }
    if (!found)
        return std::nullopt;
    return Hit { found->Name, offset - found->CodeOffset };
}

} // namespace belltide
