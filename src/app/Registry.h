#pragma once

#include "RegistryKey.h"

#include <QString>

#include <memory>

namespace belltide {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// Where the program keeps its settings and the document-type association: the
// Windows registry on Windows, a file per root elsewhere.
class Registry {
public:
    virtual ~Registry() = default;

    // The root as it is stored now; changes made through the key are kept once
    // it, or any key below it, is flushed.
    virtual std::shared_ptr<RegistryKey> Open(RegistryRoot root) = 0;

    static QString RootName(RegistryRoot root)
    {
        switch (root) {
        case RegistryRoot::ClassesRoot:
            return QStringLiteral("HKEY_CLASSES_ROOT");
        case RegistryRoot::CurrentUser:
            return QStringLiteral("HKEY_CURRENT_USER");
        case RegistryRoot::LocalMachine:
            return QStringLiteral("HKEY_LOCAL_MACHINE");
        }
        return {};
    }
};

} // namespace belltide
