#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

namespace belltide {

// Text files made by other programs: UTF-8 with or without a byte order mark,
// UTF-16 with one, or a Western single-byte file from an older spreadsheet.
namespace TextDecoding {

struct Decoded {
    QString Text;
    // "UTF-8", "UTF-16" or "Windows-1252".
    QString Encoding;
};

// Invalid UTF-8 is read as Windows-1252 (which covers Latin-1's letters)
// rather than refused or turned into replacement characters: the names of a
// school's classes are then shown as they were meant, and the caller tells the
// user which encoding was assumed. Binary data (NUL bytes, control codes) fails
// with a sentence naming the file.
Result<Decoded> Decode(const QByteArray& bytes, const QString& fileName);

// Each byte as its Windows-1252 character; the five unassigned bytes keep
// their Latin-1 code points.
QString FromWindows1252(QByteArrayView bytes);

} // namespace TextDecoding
} // namespace belltide
