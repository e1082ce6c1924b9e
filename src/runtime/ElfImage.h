#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

// The section headers of a little-endian ELF file, 32- or 64-bit: enough for
// the packer to find the locator's bytes in the file. Every offset and size is
// checked against the file.
class ElfImage {
public:
    struct Section {
        QByteArray Name;
        std::uint64_t FileOffset = 0;
        std::uint64_t Size = 0;
    };

    // Nothing for a file that is not a little-endian ELF file, or whose
    // headers point outside it.
    static std::optional<ElfImage> Read(QByteArrayView file);

    std::uint16_t Machine() const { return mMachine; }
    // A section whose bytes lie in the file (not one that only reserves memory).
    std::optional<Section> FindSection(QByteArrayView name) const;

private:
    std::uint16_t mMachine = 0;
    std::vector<Section> mSections;
};

} // namespace belltide
