#pragma once

#include "RegistryValue.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace belltide {

// One key of a registry tree held in memory.
class RegistryNode {
public:
    explicit RegistryNode(QString name)
        : Name(std::move(name))
    {
    }

    QString Name;
    // The default value has the empty name.
    std::vector<std::pair<QString, RegistryValue>> Values;
    std::vector<std::shared_ptr<RegistryNode>> Subkeys;
    // Set on a deleted key and everything below it, so that keys still open on
    // them fail rather than write into a tree nobody will store.
    bool Deleted = false;

    const RegistryValue* FindValue(const QString& name) const;
    void SetValue(const QString& name, const RegistryValue& value);
    std::shared_ptr<RegistryNode> FindSubkey(const QString& name) const;
    std::shared_ptr<RegistryNode> AddSubkey(const QString& name);
    void RemoveSubkey(const QString& name);
};

} // namespace belltide
