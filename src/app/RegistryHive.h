#pragma once

#include "RegistryNode.h"
#include "model/Result.h"

#include <QString>

#include <memory>

namespace belltide {

// The whole tree of one registry root, kept in one JSON file. A missing file is
// an empty tree; so is a file that cannot be read or is not such a tree, which
// is kept beside the new one as "<file>.corrupt" the first time the tree is written.
class RegistryHive {
public:
    static std::shared_ptr<RegistryHive> Load(const QString& file, const QString& rootName);

    // Replaces the file in one step: a failed write leaves the previous one.
    Status Write();

    const std::shared_ptr<RegistryNode>& Root() const { return mRoot; }
    bool LoadedFromUnreadableFile() const { return mUnreadable; }

    // Bytes in the file's form, and the tree read back from them; nothing for
    // anything that is not a tree of the given root.
    static QByteArray ToJson(const RegistryNode& root);
    static std::shared_ptr<RegistryNode> FromJson(const QByteArray& json, const QString& rootName);

private:
    RegistryHive(QString file, std::shared_ptr<RegistryNode> root, bool unreadable);

    QString mFile;
    std::shared_ptr<RegistryNode> mRoot;
    bool mUnreadable;
};

} // namespace belltide
