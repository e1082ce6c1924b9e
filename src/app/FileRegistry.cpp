#include "FileRegistry.h"

#include "FileRegistryKey.h"

#include <QDir>
#include <QStandardPaths>

namespace belltide {

FileRegistry::FileRegistry(QString folder)
    : mFolder(std::move(folder))
{
}

QString FileRegistry::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

std::shared_ptr<RegistryKey> FileRegistry::Open(RegistryRoot root)
{
    const QString name = RootName(root);
    std::shared_ptr<RegistryHive> hive = RegistryHive::Load(FileFor(root), name);
    std::shared_ptr<RegistryNode> node = hive->Root();
    return std::make_shared<FileRegistryKey>(std::move(hive), std::move(node), name);
}

QString FileRegistry::FileFor(RegistryRoot root) const
{
    return QDir(mFolder).filePath(RootName(root) + QStringLiteral(".json"));
}

} // namespace belltide
