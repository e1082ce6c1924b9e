#include "FileSaving.h"

#include <QDir>
#include <QFileInfo>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace belltide::FileSaving {

namespace {

#ifndef _WIN32

QString Reason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
#endif
    case EFBIG:
        return QStringLiteral("the file would be larger than this system allows");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("the folder is read-only");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("its folder does not exist");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case ENAMETOOLONG:
        return QStringLiteral("its name is too long");
    case EIO:
        return QStringLiteral("the disk reported an error");
    default:
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

Status Failed(int error)
{
    return Status::Fail(Reason(error));
}

// Closes and removes the temporary file unless it was handed over.
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray pattern)
        : mName(std::move(pattern))
    {
        mDescriptor = ::mkstemp(mName.data());
    }
    ~TemporaryFile()
    {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
        if (!mRenamed)
            ::unlink(mName.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Descriptor() const { return mDescriptor; }
    const char* Name() const { return mName.constData(); }
    // Closing reports what a network disk may keep back until then.
    bool Close()
    {
        const int descriptor = mDescriptor;
        mDescriptor = -1;
        return ::close(descriptor) == 0;
    }
    void Renamed() { mRenamed = true; }

private:
    QByteArray mName;
    int mDescriptor = -1;
    bool mRenamed = false;
};

bool WriteAll(int descriptor, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// The new file keeps the permissions of the one it replaces; a new one gets
// what the user's umask gives any new file.
void CopyMode(int descriptor, const QByteArray& target)
{
    struct stat existing { };
    mode_t mode = 0;
    if (::stat(target.constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(descriptor, mode);
}

void SyncFolder(const QByteArray& folder)
{
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    // Some file systems cannot sync a folder; the rename itself has happened.
    ::fsync(descriptor);
    ::close(descriptor);
}

#endif

} // namespace

QString FailureSentence(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save \"%1\" because %2.").arg(QDir::toNativeSeparators(path), reason);
}

Status WriteWhole(const QString& path, const QByteArray& content)
{
    QFileInfo info(path);
    // Saving through a link replaces the file it points to, not the link.
    if (info.isSymLink() && info.exists())
        info = QFileInfo(info.canonicalFilePath());
    if (info.isDir())
        return Status::Fail(QStringLiteral("it is a folder"));
#ifdef _WIN32
    QSaveFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return Status::Fail(file.errorString());
    return Status::Ok({});
#else
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    TemporaryFile temporary(folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX");
    if (temporary.Descriptor() < 0)
        return Failed(errno);
    CopyMode(temporary.Descriptor(), target);
    if (!WriteAll(temporary.Descriptor(), content.constData(), content.size()))
        return Failed(errno);
    if (::fsync(temporary.Descriptor()) != 0)
        return Failed(errno);
    if (!temporary.Close())
        return Failed(errno);
    if (::rename(temporary.Name(), target.constData()) != 0)
        return Failed(errno);
    temporary.Renamed();
    SyncFolder(folder);
    return Status::Ok({});
#endif
}

} // namespace belltide::FileSaving
