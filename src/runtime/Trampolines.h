#pragma once

#include <QHash>

#include <cstdint>
#include <optional>
#include <span>

namespace belltide {

// Jumps placed right after the code, for call targets that a 32-bit
// displacement or address cannot reach from where the code was loaded.
class Trampolines {
public:
    static constexpr std::size_t kSlotSize = 16;

    // Whether this machine has a jump we know how to write.
    static bool Supported();

    // area: writable bytes whose first byte will sit at address once loaded.
    Trampolines(std::span<std::uint8_t> area, std::uint64_t address);

    // The address of a jump to target; nothing when the area is full or the
    // machine is not supported. One jump serves every call to a target.
    std::optional<std::uint64_t> JumpTo(std::uint64_t target);

private:
    std::span<std::uint8_t> mArea;
    std::uint64_t mAddress;
    std::size_t mUsed = 0;
    QHash<std::uint64_t, std::uint64_t> mByTarget;
};

} // namespace belltide
