#pragma once

#include "Registry.h"

#include <QString>

namespace belltide {

// The registry kept in files, one per root, in a folder of the user's
// configuration. Each Open reads the root's file afresh, so two running copies
// of the program see each other's saved settings.
class FileRegistry final : public Registry {
public:
    explicit FileRegistry(QString folder);

    // The application's folder in the user's configuration folder.
    static QString DefaultFolder();

    std::shared_ptr<RegistryKey> Open(RegistryRoot root) override;
    QString FileFor(RegistryRoot root) const;

private:
    QString mFolder;
};

} // namespace belltide
