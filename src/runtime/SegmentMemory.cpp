#include "SegmentMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <utility>

namespace belltide {

namespace {

void* MapReadWrite(std::size_t size)
{
#if defined(MAP_32BIT)
    void* low = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (low != MAP_FAILED)
        return low;
#endif
    return mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
}

} // namespace

SegmentMemory::SegmentMemory(SegmentMemory&& other) noexcept
    : mBase(std::exchange(other.mBase, nullptr))
    , mSize(std::exchange(other.mSize, 0))
    , mMapped(std::exchange(other.mMapped, 0))
{
}

SegmentMemory& SegmentMemory::operator=(SegmentMemory&& other) noexcept
{
    if (this != &other) {
        Release();
        mBase = std::exchange(other.mBase, nullptr);
        mSize = std::exchange(other.mSize, 0);
        mMapped = std::exchange(other.mMapped, 0);
    }
    return *this;
}

SegmentMemory::~SegmentMemory()
{
    Release();
}

std::optional<SegmentMemory> SegmentMemory::Reserve(std::size_t size)
{
    SegmentMemory memory;
    if (size == 0)
        return memory;
    const auto page = std::size_t(sysconf(_SC_PAGESIZE));
    if (size > SIZE_MAX - page)
        return std::nullopt;
    const std::size_t mapped = (size + page - 1) / page * page;
    void* base = MapReadWrite(mapped);
    if (base == MAP_FAILED)
        return std::nullopt;
    memory.mBase = static_cast<std::uint8_t*>(base);
    memory.mSize = size;
    memory.mMapped = mapped;
    return memory;
}

bool SegmentMemory::MakeExecutable()
{
    return mMapped == 0 || mprotect(mBase, mMapped, PROT_READ | PROT_EXEC) == 0;
}

void SegmentMemory::Release()
{
    if (mMapped != 0)
        munmap(mBase, mMapped);
    mBase = nullptr;
    mSize = 0;
    mMapped = 0;
}

} // namespace belltide
