#include "RegistryNode.h"

#include <algorithm>

namespace belltide {

namespace {

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void MarkDeleted(RegistryNode& node)
{
    node.Deleted = true;
    for (const auto& child : node.Subkeys)
        MarkDeleted(*child);
}

} // namespace

const RegistryValue* RegistryNode::FindValue(const QString& name) const
{
    for (const auto& [valueName, value] : Values) {
        if (SameName(valueName, name))
            return &value;
    }
    return nullptr;
}

void RegistryNode::SetValue(const QString& name, const RegistryValue& value)
{
    for (auto& [valueName, existing] : Values) {
        if (SameName(valueName, name)) {
            existing = value;
            return;
        }
    }
    Values.emplace_back(name, value);
}

std::shared_ptr<RegistryNode> RegistryNode::FindSubkey(const QString& name) const
{
    for (const auto& child : Subkeys) {
        if (SameName(child->Name, name))
            return child;
    }
    return nullptr;
}

std::shared_ptr<RegistryNode> RegistryNode::AddSubkey(const QString& name)
{
    if (auto existing = FindSubkey(name))
        return existing;
    return Subkeys.emplace_back(std::make_shared<RegistryNode>(name));
}

void RegistryNode::RemoveSubkey(const QString& name)
{
    auto found
        = std::find_if(Subkeys.begin(), Subkeys.end(), [&](const auto& child) { return SameName(child->Name, name); });
    if (found == Subkeys.end())
        return;
    MarkDeleted(**found);
    Subkeys.erase(found);
}

} // namespace belltide
