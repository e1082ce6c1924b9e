#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <span>

namespace belltide::LittleEndian {

inline void AppendU8(QByteArray& out, std::uint8_t value)
{
    out.append(char(value));
}

inline void AppendU16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void AppendU32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The callers have checked that offset + 4 lies inside the bytes.
inline std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.data() + offset);
}

inline void SetU32At(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace belltide::LittleEndian
