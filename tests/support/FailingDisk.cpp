#include "FailingDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace belltide::test {

void LimitFileSizeInChild(std::size_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit { static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes) };
    setrlimit(RLIMIT_FSIZE, &limit);
}

int InChildWithFileSizeLimit(std::size_t bytes, const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        LimitFileSizeInChild(bytes);
        // _exit: the child must not run the parent's exit handlers twice.
        _exit(body());
    }
    if (child < 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TinyDisk::TinyDisk(std::size_t bytes)
{
    static QTemporaryDir base;
    static int count = 0;
    mFolder = base.filePath(QStringLiteral("disk%1").arg(++count));
    QDir().mkpath(mFolder);
    const QByteArray options = "size=" + QByteArray::number(qulonglong(bytes));
    mMounted = geteuid() == 0
        && mount("belltide-test", QFile::encodeName(mFolder).constData(), "tmpfs", 0, options.constData()) == 0;
}

TinyDisk::~TinyDisk()
{
    if (mMounted)
        umount2(QFile::encodeName(mFolder).constData(), MNT_DETACH);
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace belltide::test
