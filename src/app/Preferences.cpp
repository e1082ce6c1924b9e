#include "Preferences.h"

#include "model/NumberText.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <utility>
#include <vector>

namespace belltide {

namespace {

const QString kDictionary = QStringLiteral("Dictionary");
const QString kArray = QStringLiteral("Array");

bool IsDictionary(const QVariant& value)
{
    return value.typeId() == QMetaType::QVariantMap;
}

bool IsArray(const QVariant& value)
{
    return value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList;
}

QVariant FromRegistry(const RegistryValue& value)
{
    switch (value.Type()) {
    case RegistryType::RegSz:
        return value.Text();
    case RegistryType::RegDword:
        // The program's integers are signed 32-bit: -1 comes back as -1.
        return int(std::int32_t(value.Number()));
    case RegistryType::RegBinary:
        return value.Bytes();
    }
    return {};
}

std::optional<RegistryValue> ToRegistry(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return RegistryValue::Dword(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return RegistryValue::Dword(std::uint32_t(value.toLongLong()));
    case QMetaType::QColor:
        return RegistryValue::Dword(value.value<QColor>().rgb() & 0xFFFFFFu);
    case QMetaType::Double:
    case QMetaType::Float:
        return RegistryValue::String(QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
    case QMetaType::QDateTime:
        return RegistryValue::String(value.toDateTime().toString(Qt::ISODate));
    case QMetaType::QDate:
        return RegistryValue::String(value.toDate().toString(Qt::ISODate));
    case QMetaType::QByteArray:
        return RegistryValue::Binary(value.toByteArray());
    case QMetaType::QString:
        return RegistryValue::String(value.toString());
    default:
        if (value.isValid() && value.canConvert<QString>())
            return RegistryValue::String(value.toString());
        return std::nullopt;
    }
}

QVariant ReadDictionary(RegistryKey& key)
{
    QVariantMap dictionary;
    for (const QString& name : key.ValueNames())
        dictionary.insert(name, FromRegistry(*key.Value(name)));
    for (const QString& name : key.SubkeyNames())
        dictionary.insert(name, Preferences::ReadKey(*key.Subkey(name)));
    return dictionary;
}

QVariant ReadArray(RegistryKey& key)
{
    std::vector<std::pair<int, QVariant>> elements;
    for (const QString& name : key.ValueNames())
        elements.emplace_back(ReadNumber(name), FromRegistry(*key.Value(name)));
    for (const QString& name : key.SubkeyNames())
        elements.emplace_back(ReadNumber(name), Preferences::ReadKey(*key.Subkey(name)));
    // Each element sits at the index its name gives, gaps left empty. An index
    // this large comes from no array we wrote; it is dropped rather than padded
    // out with millions of empty entries.
    constexpr int kLargestIndex = 65535;
    QVariantList array;
    for (auto& [index, value] : elements) {
        if (index < 0 || index > kLargestIndex)
            continue;
        if (index >= array.size())
            array.resize(index + 1);
        array[index] = std::move(value);
    }
    return array;
}

Status WriteEntry(RegistryKey& key, const QString& name, const QVariant& value)
{
    // The nameless value is the key's "Dictionary" or "Array" mark.
    if (name.isEmpty())
        return Status::Ok({});
    if (IsDictionary(value) || IsArray(value)) {
        // Replaced whole, so that entries removed from the value leave the store
        // too; a key that cannot be deleted is written over instead.
        key.DeleteSubkey(name);
        auto subkey = key.AddSubkey(name);
        if (!subkey)
            return Status::Fail(subkey.Error());
        return Preferences::WriteKey(*subkey.Value(), value);
    }
    const std::optional<RegistryValue> form = ToRegistry(value);
    return form ? key.SetValue(name, *form) : Status::Ok({});
}

QVariantMap::const_iterator FindKey(const QVariantMap& data, const QString& key)
{
    auto exact = data.constFind(key);
    if (exact != data.constEnd())
        return exact;
    return std::find_if(data.keyBegin(), data.keyEnd(), [&](const QString& existing) {
        return existing.compare(key, Qt::CaseInsensitive) == 0;
    }).base();
}

} // namespace

Preferences::Preferences(Registry& registry)
    : mRegistry(registry)
{
}

RegistryRoot Preferences::Root() const
{
    return Location == 0 ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine;
}

void Preferences::Load()
{
    Data = QVariantMap();
    mDirty = false;
    mAssigned.clear();
    mDefaulted.clear();
    const std::shared_ptr<RegistryKey> root = mRegistry.Open(Root());
    const QStringList path { QStringLiteral("Software"), CompanyName, ApplicationName };
    const std::shared_ptr<RegistryKey> application = root->Subkey(path.join(u'\\'));
    if (!application)
        return;
    const QVariant stored = ReadKey(*application);
    if (IsDictionary(stored))
        Data = stored.toMap();
}

Status Preferences::Save()
{
    const std::shared_ptr<RegistryKey> root = mRegistry.Open(Root());
    const QString path = QStringList { QStringLiteral("Software"), CompanyName, ApplicationName }.join(u'\\');
    // The store as it is now: another running copy may have saved since this
    // one loaded, and what it set is newer than what this one read.
    QVariantMap stored;
    if (const std::shared_ptr<RegistryKey> existing = root->Subkey(path)) {
        const QVariant value = ReadKey(*existing);
        if (IsDictionary(value))
            stored = value.toMap();
    }
    const QVariantMap merged = MergedWith(stored);
    auto application = root->AddSubkey(path);
    if (!application)
        return Status::Fail(application.Error());
    if (Status written = WriteKey(*application.Value(), merged); !written)
        return written;
    if (Status flushed = root->Flush(); !flushed)
        return flushed;
    Data = merged;
    mAssigned.clear();
    mDefaulted.clear();
    mDirty = false;
    return Status::Ok({});
}

QVariantMap Preferences::MergedWith(const QVariantMap& stored) const
{
    QVariantMap merged = stored;
    const QVariantMap own = Data.value_or(QVariantMap());
    const auto put = [&](const QString& key, bool overwrite) {
        const auto value = own.constFind(key);
        if (value == own.constEnd())
            return;
        const auto existing = FindKey(merged, key);
        if (existing != merged.constEnd()) {
            if (!overwrite)
                return;
            // A copy: the key it names goes with the removal.
            merged.remove(QString(existing.key()));
        }
        merged.insert(key, value.value());
    };
    for (const QString& key : mAssigned)
        put(key, true);
    for (const QString& key : mDefaulted)
        put(key, false);
    return merged;
}

Status Preferences::SaveIfNeeded()
{
    return mDirty ? Save() : Status::Ok({});
}

QVariant Preferences::Value(const QString& key, const QVariant& defaultValue)
{
    if (!Data)
        return defaultValue;
    auto found = FindKey(*Data, key);
    if (found != Data->constEnd())
        return found.value();
    Data->insert(key, defaultValue);
    mDefaulted.insert(key);
    return defaultValue;
}

void Preferences::SetValue(const QString& key, const QVariant& value)
{
    if (!Data)
        Data = QVariantMap();
    auto found = FindKey(*Data, key);
    const QString spelled = found != Data->constEnd() ? found.key() : key;
    Data->insert(spelled, value);
    mAssigned.insert(spelled);
    mDirty = true;
}

bool Preferences::HasKey(const QString& key) const
{
    return Data && FindKey(*Data, key) != Data->constEnd();
}

QVariant Preferences::ReadKey(RegistryKey& key)
{
    const std::optional<RegistryValue> mark = key.DefaultValue();
    if (mark && mark->Type() == RegistryType::RegSz) {
        if (mark->Text() == kDictionary)
            return ReadDictionary(key);
        if (mark->Text() == kArray)
            return ReadArray(key);
    }
    return mark ? FromRegistry(*mark) : QVariant(QString());
}

Status Preferences::WriteKey(RegistryKey& key, const QVariant& value)
{
    if (IsDictionary(value)) {
        if (Status marked = key.SetValue(QString(), RegistryValue::String(kDictionary)); !marked)
            return marked;
        const QVariantMap dictionary = value.toMap();
        for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry) {
            if (Status written = WriteEntry(key, entry.key(), entry.value()); !written)
                return written;
        }
        return Status::Ok({});
    }
    if (IsArray(value)) {
        if (Status marked = key.SetValue(QString(), RegistryValue::String(kArray)); !marked)
            return marked;
        const QVariantList array = value.toList();
        for (qsizetype index = 0; index < array.size(); ++index) {
            if (Status written = WriteEntry(key, QString::number(index), array[index]); !written)
                return written;
        }
        return Status::Ok({});
    }
    const std::optional<RegistryValue> form = ToRegistry(value);
    return form ? key.SetValue(QString(), *form) : Status::Ok({});
}

} // namespace belltide
