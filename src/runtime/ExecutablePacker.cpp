#include "ExecutablePacker.h"

#include "ElfImage.h"
#include "EntryRoutine.h"
#include "Locator.h"
#include "ResourceRegistry.h"
#include "SymbolTable.h"

#include <limits>

namespace belltide::ExecutablePacker {

namespace {

Outcome Failed(QString error)
{
    return { QByteArray(), std::move(error) };
}

} // namespace

Container BuildContainer(
    const QByteArray& entryCode, const FixupRecord& entryCall, const std::vector<Resource>& resources)
{
    Container container;
    container.Code = entryCode;
    entryCall.AppendTo(container.Imports);
    container.Symbols = SymbolTable({ { 0, EntryRoutine::kSymbol } }).ToBytes();
    for (const Resource& resource : resources)
        ResourceRegistry::AppendRecord(container.Resources, resource.Type, resource.Id, resource.Content);
    return container;
}

Outcome Pack(QByteArrayView executable, const QByteArray& runtimeEntry, const std::vector<Resource>& resources)
{
    const auto image = ElfImage::Read(executable);
    if (!image)
        return Failed(QStringLiteral("it is not a little-endian ELF file"));
    const auto section = image->FindSection(Locator::kSectionName);
    if (!section || section->Size < Locator::kSize)
        return Failed(
            QStringLiteral("it has no container locator (section %1)").arg(QString::fromLatin1(Locator::kSectionName)));
    const QByteArrayView locatorBytes = executable.sliced(qsizetype(section->FileOffset), Locator::kSize);
    if (locatorBytes != Locator::kUnpacked)
        return Failed(QStringLiteral("it already carries a container"));
    if (runtimeEntry.isEmpty() || runtimeEntry.size() > 255)
        return Failed(QStringLiteral("the entry name must have 1 to 255 bytes"));

    const auto routine = EntryRoutine::For(image->Machine(), runtimeEntry);
    if (!routine)
        return { executable.toByteArray(), QString() };

    const QByteArray container = BuildContainer(routine->Code, routine->Call, resources).ToBytes();
    constexpr auto kLimit = std::uint64_t(std::numeric_limits<std::uint32_t>::max());
    if (std::uint64_t(executable.size()) > kLimit || std::uint64_t(container.size()) > kLimit)
        return Failed(QStringLiteral("the executable or its container is larger than 4 GB"));

    const auto locator
        = Locator::For(std::uint32_t(executable.size()), std::uint32_t(container.size() - Container::kMagic.size()));
    QByteArray packed = executable.toByteArray();
    packed.replace(qsizetype(section->FileOffset), Locator::kSize, locator.ToBytes());
    packed.append(container);
    return { packed, QString() };
}

} // namespace belltide::ExecutablePacker
