#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>

namespace belltide {

// Reads little-endian values from bytes that came from outside. Every read is
// checked against the end; a read that does not fit answers nothing and leaves
// the position where it was.
class ByteCursor {
public:
    explicit ByteCursor(QByteArrayView bytes)
        : mBytes(bytes)
    {
    }

    std::optional<std::uint8_t> U8();
    std::optional<std::uint16_t> U16();
    std::optional<std::uint32_t> U32();
    std::optional<QByteArrayView> Take(std::uint64_t count);

    qsizetype Position() const { return mPosition; }
    qsizetype Remaining() const { return mBytes.size() - mPosition; }
    bool AtEnd() const { return mPosition >= mBytes.size(); }

private:
    QByteArrayView mBytes;
    qsizetype mPosition = 0;
};

} // namespace belltide
