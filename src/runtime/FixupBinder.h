#pragma once

#include "FixupRecord.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace belltide {

class EntryPointTable;
class ErrorReportPresenter;
class SystemLibraries;
class Trampolines;

// Applies the imports segment's records to loaded code. Sites are read from
// and written to the code's bytes only after they were checked to lie inside
// it; a record whose chain or target turns out bad is left wholly unbound.
class FixupBinder {
public:
    // Bytes that are still writable, and the address their first byte has (or
    // will have) once loaded.
    struct Segment {
        std::span<std::uint8_t> Bytes;
        std::uint64_t Address = 0;
    };

    // trampolines may be null where the machine has none.
    FixupBinder(Segment code, Segment data, const EntryPointTable& table, SystemLibraries& libraries,
        Trampolines* trampolines, ErrorReportPresenter& presenter);

    // False when loading has to stop: the container is corrupt, or the user
    // chose to quit at a reported fault.
    bool Apply(const std::vector<FixupRecord>& records);

private:
    bool ApplyOne(const FixupRecord& record);
    bool BindFunction(const FixupRecord& record);
    bool AddBase(const FixupRecord& record, const Segment& base);
    bool BindString(const FixupRecord& record);

    std::optional<std::uint64_t> FindFunction(const FixupRecord& record, bool& keepLoading);
    std::optional<std::vector<std::uint32_t>> ChainSites(std::uint32_t first, bool& keepLoading);
    std::optional<std::uint32_t> SiteValue(std::uint32_t site, std::uint64_t target, bool relative);
    bool SiteFits(std::uint64_t site) const;
    static bool Addressable(const Segment& segment);

    // Each reports the fault with the line that found it; answers whether to go on.
    bool Fatal(QString condition, QString message, std::int32_t line = __builtin_LINE());
    bool Continuable(QString condition, QString message, std::int32_t line = __builtin_LINE());

    Segment mCode;
    Segment mData;
    const EntryPointTable& mTable;
    SystemLibraries& mLibraries;
    Trampolines* mTrampolines;
    ErrorReportPresenter& mPresenter;
};

} // namespace belltide
