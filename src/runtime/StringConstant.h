#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <span>

namespace belltide {

// A string constant object in the data segment. The loader fills in its text
// pointer, which then points at the length byte in front of the text.
class StringConstant {
public:
    static constexpr std::uint32_t kUtf8Encoding = 0x08000100;
    static constexpr std::size_t kTextPointerOffset = 4;
    static constexpr std::size_t kTextLengthOffset = 12;
    static constexpr std::size_t kTextOffset = 20;

    // The object as the data segment holds it in the file, padded to four bytes.
    static QByteArray Encode(QByteArrayView text);

    // Whether a whole object, header, text and NUL, lies inside data at offset.
    static bool FitsAt(std::span<const std::uint8_t> data, std::uint64_t offset);
};

} // namespace belltide
