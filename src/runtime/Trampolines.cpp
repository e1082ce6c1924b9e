#include "Trampolines.h"

#include <QtEndian>

#include <algorithm>

namespace belltide {

namespace {

// jmp qword ptr [rip+0], followed by the 64-bit target it reads.
constexpr std::uint8_t kIndirectJump[] = { 0xFF, 0x25, 0x00, 0x00, 0x00, 0x00 };

} // namespace

bool Trampolines::Supported()
{
#if defined(__x86_64__)
    return true;
#else
    return false;
#endif
}

Trampolines::Trampolines(std::span<std::uint8_t> area, std::uint64_t address)
    : mArea(area)
    , mAddress(address)
{
}

std::optional<std::uint64_t> Trampolines::JumpTo(std::uint64_t target)
{
    if (const auto known = mByTarget.constFind(target); known != mByTarget.constEnd())
        return *known;
    if (!Supported() || mArea.size() - mUsed < kSlotSize)
        return std::nullopt;
    std::uint8_t* const slot = mArea.data() + mUsed;
    std::copy(std::begin(kIndirectJump), std::end(kIndirectJump), slot);
    qToLittleEndian<std::uint64_t>(target, slot + sizeof kIndirectJump);
    // int3 in the padding, so a stray jump into it stops at once.
    std::fill(slot + sizeof kIndirectJump + 8, slot + kSlotSize, std::uint8_t(0xCC));
    const std::uint64_t jump = mAddress + mUsed;
    mUsed += kSlotSize;
    mByTarget.insert(target, jump);
    return jump;
}

} // namespace belltide
