#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace belltide {

// Pages reserved for a loaded segment. They start readable and writable; code
// is made readable and executable once it is bound, and is never writable and
// executable at once.
class SegmentMemory {
public:
    SegmentMemory() = default;
    SegmentMemory(SegmentMemory&& other) noexcept;
    SegmentMemory& operator=(SegmentMemory&& other) noexcept;
    ~SegmentMemory();

    // Placed in the low 2 GB where the system allows it, so that 32-bit
    // addresses in the code can reach it. No pages for size 0.
    static std::optional<SegmentMemory> Reserve(std::size_t size);

    // Writable only until MakeExecutable.
    std::span<std::uint8_t> Bytes() const { return { mBase, mSize }; }
    std::uint64_t Address() const { return reinterpret_cast<std::uintptr_t>(mBase); }
    bool MakeExecutable();

private:
    void Release();

    std::uint8_t* mBase = nullptr;
    std::size_t mSize = 0;
    std::size_t mMapped = 0;
};

} // namespace belltide
