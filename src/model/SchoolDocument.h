#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace belltide {

class School;

// Reading and writing ".psc" schedule documents. Every failure is a message
// naming the file and the reason; a failed save leaves the old file untouched.
namespace SchoolDocument {

inline constexpr const char* kExtension = ".psc";
inline constexpr const char* kTypeName = "Belltide Schedule";

Result<std::shared_ptr<School>> Read(const QString& path);
Result<std::shared_ptr<School>> ReadBytes(const QByteArray& bytes, const QString& fileName);

// Sets each special's FileID to its position, as the document records it.
QByteArray ToBytes(School& school);
Status Write(School& school, const QString& path);

} // namespace SchoolDocument
} // namespace belltide
