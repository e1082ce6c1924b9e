#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>

namespace belltide::test {

// Runs body in a forked child whose files may not grow past `bytes`. SIGXFSZ
// is ignored there, so an oversized write fails with EFBIG as it does under a
// quota. Gives the child's exit code (body's result), or -1 when it died.
int InChildWithFileSizeLimit(std::size_t bytes, const std::function<int()>& body);

// Sets the same limit in a process that QProcess starts (for a real program).
void LimitFileSizeInChild(std::size_t bytes);

// A tmpfs of the given size mounted on a fresh folder while this lives.
// Mounting needs root and a machine that allows it; Mounted() says whether it worked.
class TinyDisk {
public:
    explicit TinyDisk(std::size_t bytes);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool Mounted() const { return mMounted; }
    QString Path(const QString& name) const { return mFolder + QStringLiteral("/") + name; }
    QString Folder() const { return mFolder; }

private:
    QString mFolder;
    bool mMounted = false;
};

// Every entry of a folder, hidden ones included, sorted.
QStringList FilesIn(const QString& folder);
QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& bytes);

} // namespace belltide::test
