// Feeds arbitrary bytes to the class and special list import. A list that reads
// must give a preview whose rows are the school's new classes and specials,
// each either good or with its message, and an import of the good rows must
// still write a document that reads back.

#include "model/Classroom.h"
#include "model/RosterImport.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace belltide;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    School school;
    auto preview = RosterImport::FromBytes(bytes, QStringLiteral("fuzz.csv"), school);
    if (!preview)
        return 0;
    for (const auto& row : preview.Value().Rows) {
        if (row.Class)
            school.Classes.push_back(row.Class);
        if (row.Special)
            school.Specials.push_back(row.Special);
    }
    const QByteArray written = SchoolDocument::ToBytes(school);
    if (!SchoolDocument::ReadBytes(written, QStringLiteral("written.psc"))) {
        std::fprintf(stderr, "a school with the imported rows does not read back\n");
        std::abort();
    }
    return 0;
}
