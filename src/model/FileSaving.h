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
//
// A file the user may write in a folder that refuses new files is overwritten
// in place instead, once a copy of its old content is safe in the user's cache
// or temporary folder; the copy goes after success. Should that write fail,
// the file is put back as it was and the reason goes on to say where the copy
// is ("the disk is full. A copy of its previous content is kept in "…"").
Status WriteWhole(const QString& path, const QByteArray& content);

// "Could not save "path" because reason."
QString FailureSentence(const QString& path, const QString& reason);

} // namespace belltide::FileSaving
