#include "RandomSequence.h"

namespace belltide {

namespace {

std::uint64_t SeedFromDevice()
{
    std::random_device device;
    return (std::uint64_t { device() } << 32) ^ std::uint64_t { device() };
}

} // namespace

RandomSequence::RandomSequence()
    : mGenerator(SeedFromDevice())
{
}

RandomSequence::RandomSequence(std::uint64_t seed)
    : mGenerator(seed)
{
}

double RandomSequence::NextUnit()
{
    return static_cast<double>(mGenerator() >> 11) * 0x1.0p-53;
}

} // namespace belltide
