#include "RegistryHive.h"

#include "model/FileSaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace belltide {

namespace {

const QString kFormat = QStringLiteral("Belltide registry 1");

QJsonValue DataToJson(const RegistryValue& value)
{
    switch (value.Type()) {
    case RegistryType::RegSz:
        return value.Text();
    case RegistryType::RegDword:
        return double(value.Number());
    case RegistryType::RegBinary:
        return QString::fromLatin1(value.Bytes().toBase64());
    }
    return {};
}

QJsonObject KeyToJson(const RegistryNode& node)
{
    QJsonArray values;
    for (const auto& [name, value] : node.Values) {
        values.append(QJsonObject { { QStringLiteral("name"), name },
            { QStringLiteral("type"), RegistryValue::TypeName(value.Type()) },
            { QStringLiteral("data"), DataToJson(value) } });
    }
    QJsonArray subkeys;
    for (const auto& child : node.Subkeys)
        subkeys.append(KeyToJson(*child));
    return QJsonObject { { QStringLiteral("name"), node.Name }, { QStringLiteral("values"), values },
        { QStringLiteral("subkeys"), subkeys } };
}

std::optional<RegistryValue> ValueFromJson(const QJsonObject& entry)
{
    const std::optional<RegistryType> type = RegistryValue::TypeNamed(entry.value(QStringLiteral("type")).toString());
    const QJsonValue data = entry.value(QStringLiteral("data"));
    if (!type)
        return std::nullopt;
    switch (*type) {
    case RegistryType::RegSz:
        if (data.isString())
            return RegistryValue::String(data.toString());
        break;
    case RegistryType::RegDword: {
        const double number = data.toDouble(-1);
        if (data.isDouble() && number >= 0 && number <= 4294967295.0 && std::floor(number) == number)
            return RegistryValue::Dword(std::uint32_t(number));
        break;
    }
    case RegistryType::RegBinary: {
        auto decoded
            = QByteArray::fromBase64Encoding(data.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (data.isString() && decoded)
            return RegistryValue::Binary(*decoded);
        break;
    }
    }
    return std::nullopt;
}

// Nothing when anything in the key or below it is not as written by KeyToJson.
std::shared_ptr<RegistryNode> KeyFromJson(const QJsonValue& json)
{
    const QJsonObject object = json.toObject();
    const QJsonValue name = object.value(QStringLiteral("name"));
    const QJsonValue values = object.value(QStringLiteral("values"));
    const QJsonValue subkeys = object.value(QStringLiteral("subkeys"));
    if (!name.isString() || !values.isArray() || !subkeys.isArray())
        return nullptr;
    auto node = std::make_shared<RegistryNode>(name.toString());
    for (const QJsonValue entry : values.toArray()) {
        const QJsonValue valueName = entry.toObject().value(QStringLiteral("name"));
        const std::optional<RegistryValue> value = ValueFromJson(entry.toObject());
        if (!valueName.isString() || !value || node->FindValue(valueName.toString()))
            return nullptr;
        node->SetValue(valueName.toString(), *value);
    }
    for (const QJsonValue entry : subkeys.toArray()) {
        std::shared_ptr<RegistryNode> child = KeyFromJson(entry);
        if (!child || child->Name.isEmpty() || child->Name.contains(u'\\') || node->FindSubkey(child->Name))
            return nullptr;
        node->Subkeys.push_back(std::move(child));
    }
    return node;
}

} // namespace

RegistryHive::RegistryHive(QString file, std::shared_ptr<RegistryNode> root, bool unreadable)
    : mFile(std::move(file))
    , mRoot(std::move(root))
    , mUnreadable(unreadable)
{
}

std::shared_ptr<RegistryHive> RegistryHive::Load(const QString& file, const QString& rootName)
{
    auto empty = std::make_shared<RegistryNode>(rootName);
    QFile input(file);
    if (!input.exists())
        return std::shared_ptr<RegistryHive>(new RegistryHive(file, std::move(empty), false));
    std::shared_ptr<RegistryNode> root;
    if (input.open(QIODevice::ReadOnly))
        root = FromJson(input.readAll(), rootName);
    const bool unreadable = !root;
    return std::shared_ptr<RegistryHive>(
        new RegistryHive(file, unreadable ? std::move(empty) : std::move(root), unreadable));
}

Status RegistryHive::Write()
{
    const auto failed = [this](const QString& reason) {
        return Status::Fail(QStringLiteral("Could not save the settings in \"%1\" because %2.")
                                .arg(QDir::toNativeSeparators(mFile), reason));
    };
    if (!QDir().mkpath(QFileInfo(mFile).absolutePath()))
        return failed(QStringLiteral("its folder cannot be created"));
    if (mUnreadable) {
        const QString kept = mFile + QStringLiteral(".corrupt");
        QFile::remove(kept);
        QFile::copy(mFile, kept);
    }
    const QByteArray bytes = ToJson(*mRoot);
    if (const Status written = FileSaving::WriteWhole(mFile, bytes); !written)
        return failed(written.Error());
    mUnreadable = false;
    return Status::Ok({});
}

QByteArray RegistryHive::ToJson(const RegistryNode& root)
{
    const QJsonObject document { { QStringLiteral("format"), kFormat }, { QStringLiteral("key"), KeyToJson(root) } };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::shared_ptr<RegistryNode> RegistryHive::FromJson(const QByteArray& json, const QString& rootName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return nullptr;
    if (document.object().value(QStringLiteral("format")).toString() != kFormat)
        return nullptr;
    std::shared_ptr<RegistryNode> root = KeyFromJson(document.object().value(QStringLiteral("key")));
    if (!root || root->Name != rootName)
        return nullptr;
    return root;
}

} // namespace belltide
