#pragma once

#include "RegistryValue.h"
#include "model/Result.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace belltide {

// An open registry key: a default value, named values and subkeys. Names are
// compared without regard to letter case, as the Windows registry does. The
// empty name stands for the key's default value. Where a path is taken, its
// components are separated by backslashes.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // The full path from the root, such as "HKEY_CURRENT_USER\Software".
    virtual QString Path() const = 0;

    virtual std::optional<RegistryValue> Value(const QString& name) const = 0;
    std::optional<RegistryValue> DefaultValue() const { return Value(QString()); }
    // The named values in the order they were first set; the default value is not among them.
    virtual QStringList ValueNames() const = 0;
    virtual QStringList SubkeyNames() const = 0;

    // Opens an existing subkey; nothing when there is none.
    virtual std::shared_ptr<RegistryKey> Subkey(const QString& path) = 0;
    // Opens the subkey, creating whatever part of the path is missing.
    virtual Result<std::shared_ptr<RegistryKey>> AddSubkey(const QString& path) = 0;
    // Deletes the subkey with everything below it; a missing subkey is no failure.
    virtual Status DeleteSubkey(const QString& name) = 0;
    virtual Status SetValue(const QString& name, const RegistryValue& value) = 0;

    // Makes every change made under this key's root lasting.
    virtual Status Flush() = 0;
};

} // namespace belltide
