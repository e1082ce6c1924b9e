#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace belltide {

// The application container appended to the executable: the magic, then six
// segments each written as a u32 little-endian length and its content.
class Container {
public:
    static constexpr QByteArrayView kMagic = "112358";

    QByteArray Code;
    QByteArray Data;
    QByteArray Imports;
    QByteArray Symbols;
    QByteArray Resources;
    QByteArray Options;

    // Where the resource content starts within the bytes it was read from; the
    // registry reports resources by their place in the file.
    qsizetype ResourcesOffset = 0;

    QByteArray ToBytes() const;

    // Reads a container that starts with the magic. Bytes after the options
    // segment are ignored. Nothing comes back when the magic is wrong or a
    // segment runs past the end.
    static std::optional<Container> Read(QByteArrayView bytes);

    // The segments in the order the container holds them.
    static constexpr std::size_t kSegmentCount = 6;
    QByteArray& Segment(std::size_t index);
    // For the bare runtime, whose segments come from separate files; in the same order.
    static constexpr const char* kSegmentFiles[kSegmentCount]
        = { "code.dat", "data.dat", "import.dat", "symbols.dat", "rsrc.dat", "options.dat" };

    bool operator==(const Container& other) const;
};

} // namespace belltide
