#pragma once

#include "FixupRecord.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace belltide {

// The first bytes of a packed program's code segment: a routine in the
// machine's own code that calls the runtime's application entry, bound by name
// through a relative call fixup. The argument the loader passes arrives at the
// application entry untouched.
struct EntryRoutine {
    static constexpr const char* kSymbol = "% main";
    static constexpr const char* kRuntimeEntry = "RuntimeMain";

    QByteArray Code;
    FixupRecord Call;

    // Nothing for a machine (an ELF e_machine value) we cannot write code for.
    static std::optional<EntryRoutine> For(std::uint16_t machine, const QByteArray& runtimeEntry);
};

} // namespace belltide
