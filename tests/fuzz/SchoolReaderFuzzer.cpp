// Feeds arbitrary bytes to the document reader. Whatever reads must also write,
// read back, and write again to the same bytes; a saved schedule that reads
// must come back with the same meetings.

#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/Timetable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace belltide;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    auto school = SchoolDocument::ReadBytes(bytes, QStringLiteral("fuzz.psc"));
    if (!school)
        return 0;
    const QByteArray written = SchoolDocument::ToBytes(*school.Value());
    auto reread = SchoolDocument::ReadBytes(written, QStringLiteral("written.psc"));
    if (!reread) {
        std::fprintf(stderr, "our own output does not read: %s\n", qPrintable(reread.Error()));
        std::abort();
    }
    const auto& before = school.Value()->Timetable;
    const auto& after = reread.Value()->Timetable;
    if (bool(before) != bool(after) || (before && before->Meetings.size() != after->Meetings.size())) {
        std::fprintf(stderr, "the saved schedule did not come back\n");
        std::abort();
    }
    if (SchoolDocument::ToBytes(*reread.Value()) != written) {
        std::fprintf(stderr, "writing what we read changed the document\n");
        std::abort();
    }
    return 0;
}
