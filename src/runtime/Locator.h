#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace belltide {

// Eight bytes inside the executable that say where its container lies: u32
// offset from the start of the file, u32 length without the magic. An ELF file
// has no resources, so the locator is a data object in a section of its own,
// which the packer finds through the section headers and patches.
class Locator {
public:
    static constexpr std::size_t kSize = 8;
    static constexpr const char* kSectionName = ".PICKLE";
    // What an executable carries before it is packed; its "PICK" marks a bare runtime.
    static constexpr QByteArrayView kUnpacked { "PICKLE\0\0", 8 };
    static constexpr QByteArrayView kBareMark = "PICK";

    std::array<std::uint8_t, kSize> Bytes {};

    static Locator FromBytes(QByteArrayView bytes);
    static Locator For(std::uint32_t offset, std::uint32_t length);
    // This process's own, as the packer left it in the file.
    static Locator Embedded();

    bool IsBare() const;
    std::uint32_t Offset() const;
    std::uint32_t Length() const;
    QByteArray ToBytes() const;
};

} // namespace belltide
