#include "EntryRoutine.h"

#include <elf.h>

namespace belltide {

namespace {

// sub rsp, 8 / call rel32 / add rsp, 8 / ret: the stack is 16-byte aligned at
// the call, and the first argument register passes straight through.
constexpr char kX86_64[] = "\x48\x83\xEC\x08"
                           "\xE8\x00\x00\x00\x00"
                           "\x48\x83\xC4\x08"
                           "\xC3";
constexpr std::uint32_t kX86_64CallSite = 5;

} // namespace

std::optional<EntryRoutine> EntryRoutine::For(std::uint16_t machine, const QByteArray& runtimeEntry)
{
    if (machine != EM_X86_64)
        return std::nullopt;
    EntryRoutine routine;
    routine.Code = QByteArray(kX86_64, sizeof kX86_64 - 1);
    routine.Call.Type = FixupRecord::Kind::RuntimeFunction;
    routine.Call.Relative = true;
    // The displacement holds 0, so the chain is this one site.
    routine.Call.Site = kX86_64CallSite;
    routine.Call.Name = runtimeEntry;
    return routine;
}

} // namespace belltide
