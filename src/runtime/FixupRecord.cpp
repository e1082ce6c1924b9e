#include "FixupRecord.h"

#include "ByteCursor.h"
#include "LittleEndian.h"

namespace belltide {

namespace {

void AppendName(QByteArray& out, const QByteArray& name)
{
    const QByteArray fitting = name.left(255);
    LittleEndian::AppendU8(out, std::uint8_t(fitting.size()));
    out.append(fitting);
    out.append('\0');
}

// The terminating NUL is stepped over, not trusted: the length alone says
// where the name ends.
std::optional<QByteArray> ReadName(ByteCursor& cursor)
{
    const auto length = cursor.U8();
    if (!length)
        return std::nullopt;
    const auto name = cursor.Take(*length);
    if (!name || !cursor.Take(1))
        return std::nullopt;
    return name->toByteArray();
}

bool ReadBody(ByteCursor& cursor, FixupRecord& record)
{
    using Kind = FixupRecord::Kind;
    if (record.Type == Kind::RuntimeFunction) {
        const auto relative = cursor.U8();
        if (!relative)
            return false;
        record.Relative = *relative == 1;
    }
    const auto site = cursor.U32();
    if (!site)
        return false;
    record.Site = *site;
    if (record.Type == Kind::RuntimeFunction || record.Type == Kind::LibraryFunction) {
        auto name = ReadName(cursor);
        if (!name)
            return false;
        record.Name = std::move(*name);
    }
    if (record.Type == Kind::LibraryFunction) {
        auto library = ReadName(cursor);
        if (!library)
            return false;
        record.Library = std::move(*library);
    }
    return true;
}

} // namespace

void FixupRecord::AppendTo(QByteArray& imports) const
{
    LittleEndian::AppendU8(imports, std::uint8_t(Type));
    if (Type == Kind::RuntimeFunction)
        LittleEndian::AppendU8(imports, Relative ? 1 : 0);
    LittleEndian::AppendU32(imports, Site);
    if (Type == Kind::RuntimeFunction || Type == Kind::LibraryFunction)
        AppendName(imports, Name);
    if (Type == Kind::LibraryFunction)
        AppendName(imports, Library);
}

std::optional<std::vector<FixupRecord>> FixupRecord::ReadAll(QByteArrayView imports)
{
    std::vector<FixupRecord> records;
    ByteCursor cursor(imports);
    while (!cursor.AtEnd()) {
        const std::uint8_t type = *cursor.U8();
        if (type < std::uint8_t(Kind::RuntimeFunction) || type > std::uint8_t(Kind::StringConstant))
            continue;
        FixupRecord record;
        record.Type = Kind(type);
        if (!ReadBody(cursor, record))
            return std::nullopt;
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace belltide
