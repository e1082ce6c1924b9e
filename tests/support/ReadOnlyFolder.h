#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdlib>
#include <utility>

#include <unistd.h>

// A folder nobody may write to while this lives. Root writes anywhere, so a
// test run as root does its writing as "nobody" meanwhile.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder)
        : mFolder(std::move(folder))
    {
        // "nobody" has to reach the folder to be refused in it.
        const QString parent = QFileInfo(mFolder).absolutePath();
        QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ExeOther);
        QFile::setPermissions(mFolder,
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                | QFile::ExeOther);
        // Its group too: as a member of root's group "nobody" would be
        // refused by folders that let others pass.
        mWasRoot = geteuid() == 0 && setegid(65534) == 0 && seteuid(65534) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (mWasRoot && (seteuid(0) != 0 || setegid(0) != 0))
            std::abort();
        // "nobody" has to reach the folder to be refused in it.
        const QString parent = QFileInfo(mFolder).absolutePath();
        QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ExeOther);
        QFile::setPermissions(mFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString mFolder;
    bool mWasRoot = false;
};
