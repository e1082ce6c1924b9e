#include "FixupBinder.h"

#include "EntryPointTable.h"
#include "ErrorReportPresenter.h"
#include "LittleEndian.h"
#include "RuntimeErrorReport.h"
#include "StringConstant.h"
#include "SystemLibraries.h"
#include "Trampolines.h"

#include <limits>
#include <unordered_set>

namespace belltide {

namespace {

constexpr std::uint64_t kAddressSpace32 = std::uint64_t(1) << 32;

QString Shown(const QByteArray& name)
{
    return QString::fromUtf8(name);
}

bool FitsDisplacement(std::int64_t displacement)
{
    return displacement >= std::numeric_limits<std::int32_t>::min()
        && displacement <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

FixupBinder::FixupBinder(Segment code, Segment data, const EntryPointTable& table, SystemLibraries& libraries,
    Trampolines* trampolines, ErrorReportPresenter& presenter)
    : mCode(code)
    , mData(data)
    , mTable(table)
    , mLibraries(libraries)
    , mTrampolines(trampolines)
    , mPresenter(presenter)
{
}

bool FixupBinder::Apply(const std::vector<FixupRecord>& records)
{
    for (const FixupRecord& record : records) {
        if (!ApplyOne(record))
            return false;
    }
    return true;
}

bool FixupBinder::ApplyOne(const FixupRecord& record)
{
    switch (record.Type) {
    case FixupRecord::Kind::RuntimeFunction:
    case FixupRecord::Kind::LibraryFunction:
        return BindFunction(record);
    case FixupRecord::Kind::DataAddress:
        return AddBase(record, mData);
    case FixupRecord::Kind::CodeAddress:
        return AddBase(record, mCode);
    case FixupRecord::Kind::StringConstant:
        return BindString(record);
    }
    return true;
}

bool FixupBinder::BindFunction(const FixupRecord& record)
{
    bool keepLoading = true;
    const auto target = FindFunction(record, keepLoading);
    if (!target)
        return keepLoading;
    const auto sites = ChainSites(record.Site, keepLoading);
    if (!sites)
        return keepLoading;
    const bool relative = record.Relative || record.Type == FixupRecord::Kind::LibraryFunction;
    std::vector<std::uint32_t> values;
    values.reserve(sites->size());
    for (const std::uint32_t site : *sites) {
        const auto value = SiteValue(site, *target, relative);
        if (!value)
            return Continuable(QStringLiteral("targetInReach"),
                QStringLiteral("Function '%1' is out of reach of the code").arg(Shown(record.Name)));
        values.push_back(*value);
    }
    for (std::size_t i = 0; i < sites->size(); ++i)
        LittleEndian::SetU32At(mCode.Bytes, (*sites)[i], values[i]);
    return true;
}

std::optional<std::uint64_t> FixupBinder::FindFunction(const FixupRecord& record, bool& keepLoading)
{
    if (record.Type == FixupRecord::Kind::RuntimeFunction) {
        if (const auto address = mTable.Find(record.Name))
            return *address;
        keepLoading = Continuable(
            QStringLiteral("foundFunction"), QStringLiteral("Function '%1' was not exported").arg(Shown(record.Name)));
        return std::nullopt;
    }
    if (const auto address = mLibraries.Resolve(record.Library, record.Name))
        return *address;
    keepLoading = Continuable(QStringLiteral("functionEntry"),
        QStringLiteral("Could not resolve function '%1' in %2").arg(Shown(record.Name), Shown(record.Library)));
    return std::nullopt;
}

// Reads the whole chain before anything is written, so that a bad chain leaves
// the code as it was.
std::optional<std::vector<std::uint32_t>> FixupBinder::ChainSites(std::uint32_t first, bool& keepLoading)
{
    std::vector<std::uint32_t> sites;
    std::unordered_set<std::uint32_t> seen;
    std::uint32_t site = first;
    for (;;) {
        if (!SiteFits(site)) {
            keepLoading = Fatal(QStringLiteral("siteInCode"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
            return std::nullopt;
        }
        if (!seen.insert(site).second) {
            keepLoading = Fatal(QStringLiteral("chainEnds"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
            return std::nullopt;
        }
        sites.push_back(site);
        site = LittleEndian::U32At(mCode.Bytes, site);
        if (site == 0)
            return sites;
    }
}

std::optional<std::uint32_t> FixupBinder::SiteValue(std::uint32_t site, std::uint64_t target, bool relative)
{
    const std::uint64_t next = mCode.Address + site + 4;
    if (relative) {
        const auto direct = std::int64_t(target - next);
        if (FitsDisplacement(direct))
            return std::uint32_t(direct);
    } else if (target < kAddressSpace32) {
        return std::uint32_t(target);
    }
    const auto jump = mTrampolines ? mTrampolines->JumpTo(target) : std::nullopt;
    if (!jump)
        return std::nullopt;
    if (!relative)
        return *jump < kAddressSpace32 ? std::optional<std::uint32_t>(std::uint32_t(*jump)) : std::nullopt;
    const auto viaJump = std::int64_t(*jump - next);
    return FitsDisplacement(viaJump) ? std::optional<std::uint32_t>(std::uint32_t(viaJump)) : std::nullopt;
}

bool FixupBinder::AddBase(const FixupRecord& record, const Segment& base)
{
    if (!SiteFits(record.Site))
        return Fatal(QStringLiteral("siteInCode"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
    if (!Addressable(base))
        return Fatal(QStringLiteral("addressFits"), QStringLiteral("The code could not be loaded below 4 GB"));
    const std::uint32_t value = LittleEndian::U32At(mCode.Bytes, record.Site);
    LittleEndian::SetU32At(mCode.Bytes, record.Site, value + std::uint32_t(base.Address));
    return true;
}

bool FixupBinder::BindString(const FixupRecord& record)
{
    if (!SiteFits(record.Site))
        return Fatal(QStringLiteral("siteInCode"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
    const std::uint32_t object = LittleEndian::U32At(mCode.Bytes, record.Site);
    if (!StringConstant::FitsAt(mData.Bytes, object))
        return Fatal(QStringLiteral("constantInData"), QString::fromLatin1(RuntimeErrorReport::kCorrupt));
    if (!Addressable(mData))
        return Fatal(QStringLiteral("addressFits"), QStringLiteral("The code could not be loaded below 4 GB"));
    const auto address = std::uint32_t(mData.Address + object);
    LittleEndian::SetU32At(mCode.Bytes, record.Site, address);
    const std::size_t pointer = object + StringConstant::kTextPointerOffset;
    if (LittleEndian::U32At(mData.Bytes, pointer) == 0)
        LittleEndian::SetU32At(mData.Bytes, pointer, address + std::uint32_t(StringConstant::kTextOffset));
    return true;
}

bool FixupBinder::SiteFits(std::uint64_t site) const
{
    return mCode.Bytes.size() >= 4 && site <= mCode.Bytes.size() - 4;
}

// Sites hold 32 bits, so a segment whose addresses need more cannot be bound to.
bool FixupBinder::Addressable(const Segment& segment)
{
    return segment.Address + segment.Bytes.size() <= kAddressSpace32;
}

bool FixupBinder::Fatal(QString condition, QString message, std::int32_t line)
{
    mPresenter.Present(RuntimeErrorReport::LoaderFault(std::move(condition), std::move(message), line));
    return false;
}

bool FixupBinder::Continuable(QString condition, QString message, std::int32_t line)
{
    const auto report = RuntimeErrorReport::LoaderFault(std::move(condition), std::move(message), line);
    return mPresenter.Present(report) == ErrorReportPresenter::Choice::Continue;
}

} // namespace belltide
