#include "Locator.h"

#include <QtEndian>

#include <algorithm>

namespace belltide {

namespace {

// Constant to the program, but read through volatile: the packer changes these
// bytes in the file after the compiler has seen "PICKLE".
[[gnu::section(".PICKLE"), gnu::used]] const volatile std::uint8_t kEmbeddedLocator[Locator::kSize]
    = { 'P', 'I', 'C', 'K', 'L', 'E', 0, 0 };

} // namespace

Locator Locator::FromBytes(QByteArrayView bytes)
{
    Locator locator;
    std::copy_n(bytes.begin(), std::min<qsizetype>(bytes.size(), kSize), locator.Bytes.begin());
    return locator;
}

Locator Locator::For(std::uint32_t offset, std::uint32_t length)
{
    Locator locator;
    qToLittleEndian(offset, locator.Bytes.data());
    qToLittleEndian(length, locator.Bytes.data() + 4);
    return locator;
}

Locator Locator::Embedded()
{
    Locator locator;
    for (std::size_t i = 0; i < kSize; ++i)
        locator.Bytes[i] = kEmbeddedLocator[i];
    return locator;
}

bool Locator::IsBare() const
{
    return QByteArrayView(Bytes.data(), kBareMark.size()) == kBareMark;
}

std::uint32_t Locator::Offset() const
{
    return qFromLittleEndian<std::uint32_t>(Bytes.data());
}

std::uint32_t Locator::Length() const
{
    return qFromLittleEndian<std::uint32_t>(Bytes.data() + 4);
}

QByteArray Locator::ToBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(Bytes.data()), kSize);
}

} // namespace belltide
