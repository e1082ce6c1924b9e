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

// A saved schedule that cannot be used is left out and the school opens
// without it; `warning` then gets one sentence saying why.
Result<std::shared_ptr<School>> Read(const QString& path, QString* warning = nullptr);
Result<std::shared_ptr<School>> ReadBytes(const QByteArray& bytes, const QString& fileName, QString* warning = nullptr);

// Sets each special's FileID to its position, as the document records it.
// The school's schedule goes in too when it has one.
QByteArray ToBytes(School& school);
Status Write(School& school, const QString& path);

} // namespace SchoolDocument
} // namespace belltide
