#include "Container.h"

#include "ByteCursor.h"
#include "LittleEndian.h"

namespace belltide {

namespace {

constexpr std::size_t kResourcesIndex = 4;

} // namespace

QByteArray& Container::Segment(std::size_t index)
{
    QByteArray* const segments[kSegmentCount] = { &Code, &Data, &Imports, &Symbols, &Resources, &Options };
    return *segments[index];
}

QByteArray Container::ToBytes() const
{
    QByteArray out(kMagic.data(), kMagic.size());
    for (const QByteArray* segment : { &Code, &Data, &Imports, &Symbols, &Resources, &Options }) {
        LittleEndian::AppendU32(out, std::uint32_t(segment->size()));
        out.append(*segment);
    }
    return out;
}

std::optional<Container> Container::Read(QByteArrayView bytes)
{
    ByteCursor cursor(bytes);
    const auto magic = cursor.Take(kMagic.size());
    if (!magic || *magic != kMagic)
        return std::nullopt;
    Container container;
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        const auto length = cursor.U32();
        if (!length)
            return std::nullopt;
        if (i == kResourcesIndex)
            container.ResourcesOffset = cursor.Position();
        const auto content = cursor.Take(*length);
        if (!content)
            return std::nullopt;
        container.Segment(i) = content->toByteArray();
    }
    return container;
}

bool Container::operator==(const Container& other) const
{
    return Code == other.Code && Data == other.Data && Imports == other.Imports && Symbols == other.Symbols
        && Resources == other.Resources && Options == other.Options;
}

} // namespace belltide
