#pragma once

#include "RegistryHive.h"
#include "RegistryKey.h"

#include <memory>

namespace belltide {

// A key of a registry tree that is kept in a file. Changes stay in memory until
// a key of the same tree is flushed.
class FileRegistryKey final : public RegistryKey {
public:
    FileRegistryKey(std::shared_ptr<RegistryHive> hive, std::shared_ptr<RegistryNode> node, QString path);

    QString Path() const override { return mPath; }
    std::optional<RegistryValue> Value(const QString& name) const override;
    QStringList ValueNames() const override;
    QStringList SubkeyNames() const override;
    std::shared_ptr<RegistryKey> Subkey(const QString& path) override;
    Result<std::shared_ptr<RegistryKey>> AddSubkey(const QString& path) override;
    Status DeleteSubkey(const QString& name) override;
    Status SetValue(const QString& name, const RegistryValue& value) override;
    Status Flush() override;

private:
    Status Deleted() const;

    std::shared_ptr<RegistryHive> mHive;
    std::shared_ptr<RegistryNode> mNode;
    QString mPath;
};

} // namespace belltide
