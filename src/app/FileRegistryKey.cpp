#include "FileRegistryKey.h"

namespace belltide {

namespace {

QStringList PathComponents(const QString& path)
{
    return path.split(u'\\', Qt::SkipEmptyParts);
}

} // namespace

FileRegistryKey::FileRegistryKey(std::shared_ptr<RegistryHive> hive, std::shared_ptr<RegistryNode> node, QString path)
    : mHive(std::move(hive))
    , mNode(std::move(node))
    , mPath(std::move(path))
{
}

Status FileRegistryKey::Deleted() const
{
    return Status::Fail(QStringLiteral("The settings key \"%1\" has been deleted.").arg(mPath));
}

std::optional<RegistryValue> FileRegistryKey::Value(const QString& name) const
{
    const RegistryValue* value = mNode->FindValue(name);
    return value ? std::optional(*value) : std::nullopt;
}

QStringList FileRegistryKey::ValueNames() const
{
    QStringList names;
    for (const auto& [name, value] : mNode->Values) {
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QStringList FileRegistryKey::SubkeyNames() const
{
    QStringList names;
    for (const auto& child : mNode->Subkeys)
        names.append(child->Name);
    return names;
}

std::shared_ptr<RegistryKey> FileRegistryKey::Subkey(const QString& path)
{
    std::shared_ptr<RegistryNode> node = mNode;
    QString fullPath = mPath;
    for (const QString& name : PathComponents(path)) {
        node = node->FindSubkey(name);
        if (!node)
            return nullptr;
        fullPath += u'\\' + node->Name;
    }
    return std::make_shared<FileRegistryKey>(mHive, std::move(node), std::move(fullPath));
}

Result<std::shared_ptr<RegistryKey>> FileRegistryKey::AddSubkey(const QString& path)
{
    using Opened = Result<std::shared_ptr<RegistryKey>>;
    if (mNode->Deleted)
        return Opened::Fail(Deleted().Error());
    const QStringList names = PathComponents(path);
    if (names.isEmpty())
        return Opened::Fail(QStringLiteral("A settings key under \"%1\" needs a name.").arg(mPath));
    std::shared_ptr<RegistryNode> node = mNode;
    QString fullPath = mPath;
    for (const QString& name : names) {
        node = node->AddSubkey(name);
        fullPath += u'\\' + node->Name;
    }
    return Opened::Ok(std::make_shared<FileRegistryKey>(mHive, std::move(node), std::move(fullPath)));
}

Status FileRegistryKey::DeleteSubkey(const QString& name)
{
    if (mNode->Deleted)
        return Deleted();
    mNode->RemoveSubkey(name);
    return Status::Ok({});
}

Status FileRegistryKey::SetValue(const QString& name, const RegistryValue& value)
{
    if (mNode->Deleted)
        return Deleted();
    mNode->SetValue(name, value);
    return Status::Ok({});
}

Status FileRegistryKey::Flush()
{
    return mHive->Write();
}

} // namespace belltide
