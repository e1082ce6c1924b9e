#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

// The container's resources by type and id. Contents are views into the
// resource segment, which must outlive the registry; each entry also knows where
// its content lies in the executable file, so it can be read from there again.
class ResourceRegistry {
public:
    static constexpr std::uint16_t kPluginId = 65535;

    struct Entry {
        std::uint32_t Type = 0;
        std::uint16_t Id = 0;
        QByteArrayView Content;
        qint64 FileOffset = 0;
    };

    // Four characters stored as a little-endian integer: "BMP " is written as " PMB".
    static constexpr std::uint32_t TypeCode(const char (&name)[5])
    {
        return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16
            | std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint32_t(std::uint8_t(name[3]));
    }

    static void AppendRecord(QByteArray& segment, std::uint32_t type, std::uint16_t id, QByteArrayView content);

    // Registers every record of segment, whose first byte lies at fileOffset in
    // the executable. False, with nothing registered, when a record runs past
    // the end of the segment.
    bool RegisterAll(QByteArrayView segment, qint64 fileOffset);

    // The first entry registered with this type and id, or an empty one (no
    // content, all fields zero).
    Entry Find(std::uint32_t type, std::uint16_t id) const;
    std::vector<Entry> FindAll(std::uint32_t type) const;

private:
    std::vector<Entry> mEntries;
};

} // namespace belltide
