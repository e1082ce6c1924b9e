#pragma once

#include "model/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace belltide {

class School;

// The school's schedule as a spreadsheet reads it: a header row, then one row
// per special, lunch and recess (day, start, end, class, grade, homeroom
// teacher, subject, special teacher, kind). Times are 24-hour "HH:MM", which
// every spreadsheet and script reads alike, whatever the system's own format.
// UTF-8 with a byte order mark, without which Excel takes the file for the
// system's old code page; fields quoted as RFC 4180 says, rows ended by CRLF.
namespace ScheduleCsv {

QByteArray Bytes(const School& school);
// Whole or not at all; the error names the file.
Status Write(const School& school, const QString& path);

// "08:05", "14:30".
QString Clock(std::int32_t minutes);
// Quoted when it holds the delimiter, a quote or a line break, or starts or
// ends with a space a reader might trim.
QString Field(const QString& text);

} // namespace ScheduleCsv
} // namespace belltide
