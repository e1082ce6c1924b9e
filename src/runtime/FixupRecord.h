#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

// One record of the imports segment: how a 32-bit value in the code segment
// is bound to the runtime, a system library or the loaded segments.
struct FixupRecord {
    enum class Kind : std::uint8_t {
        RuntimeFunction = 1,
        DataAddress = 2,
        CodeAddress = 3,
        LibraryFunction = 4,
        StringConstant = 5,
    };

    Kind Type = Kind::DataAddress;
    // Runtime functions only: the sites are call displacements, not addresses.
    // Library functions are always called through displacements.
    bool Relative = false;
    // The code offset of the value; for functions, of the first site of the chain.
    std::uint32_t Site = 0;
    // At most 255 bytes each; longer names are cut when written.
    QByteArray Name;
    QByteArray Library;

    void AppendTo(QByteArray& imports) const;

    // Type bytes that name no record are skipped one at a time. Nothing comes
    // back when a record runs past the end of the segment.
    static std::optional<std::vector<FixupRecord>> ReadAll(QByteArrayView imports);

    bool operator==(const FixupRecord&) const = default;
};

} // namespace belltide
