#include "ElfImage.h"

#include <QtEndian>

#include <elf.h>

#include <cstddef>

namespace belltide {

namespace {

// One layout's field offsets, so that both classes share one reader.
struct Layout {
    std::size_t shoff, shentsize, shnum, shstrndx, headerSize;
    std::size_t shName, shType, shOffset, shSize, shLink, sectionHeaderSize;
    bool wide;
};

template <typename Header, typename SectionHeader> constexpr Layout LayoutOf(bool wide)
{
    return { offsetof(Header, e_shoff), offsetof(Header, e_shentsize), offsetof(Header, e_shnum),
        offsetof(Header, e_shstrndx), sizeof(Header), offsetof(SectionHeader, sh_name),
        offsetof(SectionHeader, sh_type), offsetof(SectionHeader, sh_offset), offsetof(SectionHeader, sh_size),
        offsetof(SectionHeader, sh_link), sizeof(SectionHeader), wide };
}

constexpr Layout kElf32 = LayoutOf<Elf32_Ehdr, Elf32_Shdr>(false);
constexpr Layout kElf64 = LayoutOf<Elf64_Ehdr, Elf64_Shdr>(true);

class Reader {
public:
    explicit Reader(QByteArrayView file)
        : mFile(file)
    {
    }

    template <typename T> std::optional<T> At(std::uint64_t offset) const
    {
        if (offset > std::uint64_t(mFile.size()) || std::uint64_t(mFile.size()) - offset < sizeof(T))
            return std::nullopt;
        return qFromLittleEndian<T>(mFile.data() + offset);
    }

    // 32 or 64 bits, as the class of the file has it.
    std::optional<std::uint64_t> Word(std::uint64_t offset, bool wide) const
    {
        if (wide)
            return At<std::uint64_t>(offset);
        const auto narrow = At<std::uint32_t>(offset);
        return narrow ? std::optional<std::uint64_t>(*narrow) : std::nullopt;
    }

    bool Holds(std::uint64_t offset, std::uint64_t size) const
    {
        return offset <= std::uint64_t(mFile.size()) && size <= std::uint64_t(mFile.size()) - offset;
    }

    QByteArrayView File() const { return mFile; }

private:
    QByteArrayView mFile;
};

struct RawSection {
    std::uint32_t name = 0, type = 0, link = 0;
    std::uint64_t offset = 0, size = 0;
};

std::optional<RawSection> ReadSectionHeader(const Reader& reader, const Layout& layout, std::uint64_t at)
{
    const auto name = reader.At<std::uint32_t>(at + layout.shName);
    const auto type = reader.At<std::uint32_t>(at + layout.shType);
    const auto link = reader.At<std::uint32_t>(at + layout.shLink);
    const auto offset = reader.Word(at + layout.shOffset, layout.wide);
    const auto size = reader.Word(at + layout.shSize, layout.wide);
    if (!name || !type || !link || !offset || !size)
        return std::nullopt;
    return RawSection { *name, *type, *link, *offset, *size };
}

std::optional<QByteArray> NameAt(const Reader& reader, const RawSection& names, std::uint32_t offset)
{
    if (!reader.Holds(names.offset, names.size) || offset >= names.size)
        return std::nullopt;
    const QByteArrayView area = reader.File().sliced(qsizetype(names.offset + offset), qsizetype(names.size - offset));
    const qsizetype end = area.indexOf('\0');
    if (end < 0)
        return std::nullopt;
    return area.first(end).toByteArray();
}

} // namespace

std::optional<ElfImage> ElfImage::Read(QByteArrayView file)
{
    const Reader reader(file);
    if (file.size() < EI_NIDENT || !file.startsWith(QByteArrayView(ELFMAG, SELFMAG)) || file[EI_DATA] != ELFDATA2LSB)
        return std::nullopt;
    if (file[EI_CLASS] != ELFCLASS32 && file[EI_CLASS] != ELFCLASS64)
        return std::nullopt;
    const Layout& layout = file[EI_CLASS] == ELFCLASS64 ? kElf64 : kElf32;
    const auto machine = reader.At<std::uint16_t>(offsetof(Elf64_Ehdr, e_machine));
    const auto shoff = reader.Word(layout.shoff, layout.wide);
    const auto entrySize = reader.At<std::uint16_t>(layout.shentsize);
    const auto shnum = reader.At<std::uint16_t>(layout.shnum);
    const auto shstrndx = reader.At<std::uint16_t>(layout.shstrndx);
    if (!machine || !shoff || !entrySize || !shnum || !shstrndx || *entrySize < layout.sectionHeaderSize)
        return std::nullopt;

    // Files with very many sections keep the real count and name index in the
    // first section header.
    const auto first = ReadSectionHeader(reader, layout, *shoff);
    if (!first)
        return std::nullopt;
    const std::uint64_t count = *shnum != 0 ? *shnum : first->size;
    const std::uint64_t namesIndex = *shstrndx != SHN_XINDEX ? *shstrndx : first->link;
    if (count == 0 || count > std::uint64_t(file.size()) / *entrySize || namesIndex >= count
        || !reader.Holds(*shoff, count * *entrySize))
        return std::nullopt;

    std::vector<RawSection> raw;
    raw.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i)
        raw.push_back(*ReadSectionHeader(reader, layout, *shoff + i * *entrySize));

    ElfImage image;
    image.mMachine = *machine;
    for (const RawSection& section : raw) {
        auto name = NameAt(reader, raw[namesIndex], section.name);
        if (!name)
            return std::nullopt;
        const bool inFile = section.type != SHT_NOBITS && reader.Holds(section.offset, section.size);
        if (inFile)
            image.mSections.push_back({ std::move(*name), section.offset, section.size });
    }
    return image;
}

std::optional<ElfImage::Section> ElfImage::FindSection(QByteArrayView name) const
{
    for (const Section& section : mSections) {
        if (section.Name == name)
            return section;
    }
    return std::nullopt;
}

} // namespace belltide
