#include "StringConstant.h"

#include "LittleEndian.h"

namespace belltide {

QByteArray StringConstant::Encode(QByteArrayView text)
{
    const auto length = std::uint32_t(text.size());
    QByteArray out;
    LittleEndian::AppendU32(out, 1);
    LittleEndian::AppendU32(out, 0);
    LittleEndian::AppendU32(out, length + 2);
    LittleEndian::AppendU32(out, length);
    LittleEndian::AppendU32(out, kUtf8Encoding);
    LittleEndian::AppendU8(out, std::uint8_t(length >= 255 ? 255 : length));
    out.append(text);
    out.append('\0');
    while (out.size() % 4 != 0)
        out.append('\0');
    return out;
}

bool StringConstant::FitsAt(std::span<const std::uint8_t> data, std::uint64_t offset)
{
    const std::uint64_t header = kTextOffset + 1;
    if (offset > data.size() || data.size() - offset < header)
        return false;
    const std::uint64_t textLength = LittleEndian::U32At(data, std::size_t(offset + kTextLengthOffset));
    return textLength + 1 <= data.size() - offset - header;
}

} // namespace belltide
