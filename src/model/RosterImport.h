#pragma once

#include "Result.h"
#include "RosterPreview.h"

#include <QByteArray>
#include <QString>

namespace belltide {

class School;

// Reads a list of classes (grade, teacher, number of students, day start, day
// end) or of specials (subject, teacher, length, passing time, maximum
// students) exported from a student-information system or a spreadsheet.
// Reading changes nothing: it gives a preview, and the school changes only
// when the user confirms it through the import's edit action.
namespace RosterImport {

// A school's lists are a few kilobytes; anything this large is the wrong file
// and is refused before it is read.
inline constexpr qint64 kMaxBytes = qint64(1024) * 1024;

// Fails, with one sentence naming the file, when the file cannot be read,
// is too large, is not text, or lacks a column the list needs; a bad line
// only becomes a message of the preview. Blank fields take the defaults of a
// class or special added by hand (the school's day; no passing time, no
// limit on students).
Result<RosterPreview> FromFile(const QString& path, const School& school, RosterKind kind = RosterKind::Detect);
Result<RosterPreview> FromBytes(
    const QByteArray& bytes, const QString& fileName, const School& school, RosterKind kind = RosterKind::Detect);

} // namespace RosterImport
} // namespace belltide
