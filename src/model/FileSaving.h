#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

namespace belltide::FileSaving {

// Replaces the file at path with content, or leaves it exactly as it was.
// The content goes to a temporary file beside the target, every write and the
// flush to disk are checked, and only then is the temporary file renamed over
// the target; nothing is left behind on failure. The error is the reason in
// words, to follow "because": "the disk is full".
Status WriteWhole(const QString& path, const QByteArray& content);

// "Could not save "path" because reason."
QString FailureSentence(const QString& path, const QString& reason);

} // namespace belltide::FileSaving
