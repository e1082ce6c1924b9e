#include "ResourceRegistry.h"

#include "ByteCursor.h"
#include "LittleEndian.h"

namespace belltide {

void ResourceRegistry::AppendRecord(QByteArray& segment, std::uint32_t type, std::uint16_t id, QByteArrayView content)
{
    LittleEndian::AppendU32(segment, type);
    LittleEndian::AppendU16(segment, id);
    LittleEndian::AppendU32(segment, 0);
    LittleEndian::AppendU32(segment, std::uint32_t(content.size()));
    segment.append(content);
}

bool ResourceRegistry::RegisterAll(QByteArrayView segment, qint64 fileOffset)
{
    std::vector<Entry> found;
    ByteCursor cursor(segment);
    while (!cursor.AtEnd()) {
        const auto type = cursor.U32();
        const auto id = cursor.U16();
        const auto reserved = cursor.U32();
        const auto size = cursor.U32();
        if (!type || !id || !reserved || !size)
            return false;
        const qint64 contentOffset = fileOffset + cursor.Position();
        const auto content = cursor.Take(*size);
        if (!content)
            return false;
        found.push_back({ *type, *id, *content, contentOffset });
    }
    mEntries.insert(mEntries.end(), found.begin(), found.end());
    return true;
}

ResourceRegistry::Entry ResourceRegistry::Find(std::uint32_t type, std::uint16_t id) const
{
    for (const Entry& entry : mEntries) {
        if (entry.Type == type && entry.Id == id)
            return entry;
    }
    return Entry();
}

std::vector<ResourceRegistry::Entry> ResourceRegistry::FindAll(std::uint32_t type) const
{
    std::vector<Entry> all;
    for (const Entry& entry : mEntries) {
        if (entry.Type == type)
            all.push_back(entry);
    }
    return all;
}

} // namespace belltide
