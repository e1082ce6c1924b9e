#pragma once

#include "Registry.h"
#include "model/Result.h"

#include <QSet>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace belltide {

// The application's settings: a tree of named values in memory, stored in the
// registry key Software\<CompanyName>\<ApplicationName>. Dictionaries become keys
// whose default value is "Dictionary", arrays keys whose default value is
// "Array" with their elements named 0, 1, ...; strings are REG_SZ, integers,
// booleans and colours REG_DWORD, numbers with a fraction and dates REG_SZ text,
// byte blocks REG_BINARY.
class Preferences {
public:
    explicit Preferences(Registry& registry);

    // 0: the user's own settings; anything else: the machine's.
    int Location = 0;
    QString CompanyName;
    QString ApplicationName;
    // Nothing until loaded or first assigned.
    std::optional<QVariantMap> Data;

    // A missing or unreadable store gives empty settings.
    void Load();
    // Adds and overwrites values but deletes none; nested dictionaries and
    // arrays are replaced whole. Only the values set here since the last load
    // or save are written, and defaults only where the store has no value, so
    // that another running copy's newer settings survive; afterwards Data
    // holds those newer settings too.
    Status Save();
    Status SaveIfNeeded();

    // The value under key; a missing one is given the default, which the next
    // save then writes, without that counting as a change.
    QVariant Value(const QString& key, const QVariant& defaultValue);
    void SetValue(const QString& key, const QVariant& value);
    bool HasKey(const QString& key) const;
    bool Dirty() const { return mDirty; }

    // How one key of the store reads as a value, and how a value is written into
    // a key; also for trees below the application key.
    static QVariant ReadKey(RegistryKey& key);
    static Status WriteKey(RegistryKey& key, const QVariant& value);

private:
    RegistryRoot Root() const;
    QVariantMap MergedWith(const QVariantMap& stored) const;

    Registry& mRegistry;
    bool mDirty = false;
    // Keys as Data spells them: assigned here, and given a default when read.
    QSet<QString> mAssigned;
    QSet<QString> mDefaulted;
};

} // namespace belltide
