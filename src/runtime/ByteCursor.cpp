#include "ByteCursor.h"

#include <QtEndian>

namespace belltide {

std::optional<std::uint8_t> ByteCursor::U8()
{
    const auto bytes = Take(1);
    if (!bytes)
        return std::nullopt;
    return std::uint8_t(bytes->at(0));
}

std::optional<std::uint16_t> ByteCursor::U16()
{
    const auto bytes = Take(2);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<std::uint16_t>(bytes->data());
}

std::optional<std::uint32_t> ByteCursor::U32()
{
    const auto bytes = Take(4);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<std::uint32_t>(bytes->data());
}

std::optional<QByteArrayView> ByteCursor::Take(std::uint64_t count)
{
    if (count > std::uint64_t(Remaining()))
        return std::nullopt;
    const QByteArrayView taken = mBytes.sliced(mPosition, qsizetype(count));
    mPosition += qsizetype(count);
    return taken;
}

} // namespace belltide
