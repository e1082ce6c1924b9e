#include "FileSaving.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

// However many reads it takes.
bool ReadWhole(int descriptor, QByteArray& content)
{
    content.clear();
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        content.append(buffer, got);
    }
}

// Makes the open file hold exactly content, on the disk.
bool WriteAt(int descriptor, const QByteArray& content)
{
    return ::lseek(descriptor, 0, SEEK_SET) == 0 && WriteAll(descriptor, content.constData(), content.size())
        && ::ftruncate(descriptor, off_t(content.size())) == 0 && ::fsync(descriptor) == 0;
}

// Closes the file when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : mDescriptor(descriptor)
    {
    }
    ~Descriptor()
    {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return mDescriptor; }

private:
    int mDescriptor;
};

// A copy of a file's content in the user's cache folder, else the temporary
// folder, named after the file and private to the user; nothing when neither
// takes it.
std::optional<QString> KeepCopy(const QFileInfo& file, const QByteArray& content)
{
    const QString suffix = file.suffix().isEmpty() ? QString() : QStringLiteral(".") + file.suffix();
    for (const QString& folder :
        { QStandardPaths::writableLocation(QStandardPaths::CacheLocation), QDir::tempPath() }) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        QByteArray name = QFile::encodeName(
            QDir(folder).filePath(file.completeBaseName() + QStringLiteral(" (before saving) XXXXXX") + suffix));
        const Descriptor copy(::mkstemps(name.data(), int(QFile::encodeName(suffix).size())));
        if (copy.Get() < 0)
            continue;
        if (WriteAll(copy.Get(), content.constData(), content.size()) && ::fsync(copy.Get()) == 0)
            return QFile::decodeName(name);
        ::unlink(name.constData());
    }
    return std::nullopt;
}

// For a file the user may write in a folder where the user may not create or
// rename files: the file is overwritten where it is. Its old content is first
// copied elsewhere, so that whatever happens it can be had back; the copy goes
// once the new content is safely on the disk. Nothing when the file itself
// cannot be written, read or copied: the folder's refusal then stands.
std::optional<Status> WriteInPlace(const QFileInfo& target, const QByteArray& content)
{
    const Descriptor file(::open(QFile::encodeName(target.absoluteFilePath()).constData(), O_RDWR | O_CLOEXEC));
    struct stat status { };
    QByteArray old;
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) || !ReadWhole(file.Get(), old))
        return std::nullopt;
    const std::optional<QString> copy = KeepCopy(target, old);
    if (!copy)
        return std::nullopt;

    // Room first: a full disk or a size limit refuses here, before any of the
    // old content is overwritten. Some file systems cannot reserve room.
    int error = 0;
    if (content.size() > old.size()) {
        error = ::posix_fallocate(file.Get(), 0, off_t(content.size()));
        if (error == EOPNOTSUPP || error == EINVAL)
            error = 0;
    }
    if (error == 0 && !WriteAt(file.Get(), content))
        error = errno;
    if (error == 0) {
        ::unlink(QFile::encodeName(*copy).constData());
        return Status::Ok({});
    }
    // Put back what was there; the copy stays in case that fails too.
    WriteAt(file.Get(), old);
    return Status::Fail(QStringLiteral("%1. A copy of its previous content is kept in \"%2\"")
                            .arg(Reason(error), QDir::toNativeSeparators(*copy)));
}

// The folder will not let a temporary file be made in it, or renamed over the
// target (a folder of others with the sticky bit).
bool FolderRefused(int error)
{
    return error == EACCES || error == EPERM;
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
    if (temporary.Descriptor() < 0) {
        const int error = errno;
        if (FolderRefused(error)) {
            if (std::optional<Status> inPlace = WriteInPlace(info, content))
                return *inPlace;
        }
        return Failed(error);
    }
    CopyMode(temporary.Descriptor(), target);
    if (!WriteAll(temporary.Descriptor(), content.constData(), content.size()))
        return Failed(errno);
    if (::fsync(temporary.Descriptor()) != 0)
        return Failed(errno);
    if (!temporary.Close())
        return Failed(errno);
    if (::rename(temporary.Name(), target.constData()) != 0) {
        const int error = errno;
        if (FolderRefused(error)) {
            if (std::optional<Status> inPlace = WriteInPlace(info, content))
                return *inPlace;
        }
        return Failed(error);
    }
    temporary.Renamed();
    SyncFolder(folder);
    return Status::Ok({});
#endif
}

} // namespace belltide::FileSaving
