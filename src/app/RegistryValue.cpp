#include "RegistryValue.h"

namespace belltide {

QString RegistryValue::Text() const
{
    const QString* text = std::get_if<QString>(&mData);
    return text ? *text : QString();
}

std::uint32_t RegistryValue::Number() const
{
    const std::uint32_t* number = std::get_if<std::uint32_t>(&mData);
    return number ? *number : 0;
}

QByteArray RegistryValue::Bytes() const
{
    const QByteArray* bytes = std::get_if<QByteArray>(&mData);
    return bytes ? *bytes : QByteArray();
}

QString RegistryValue::TypeName(RegistryType type)
{
    switch (type) {
    case RegistryType::RegSz:
        return QStringLiteral("REG_SZ");
    case RegistryType::RegDword:
        return QStringLiteral("REG_DWORD");
    case RegistryType::RegBinary:
        return QStringLiteral("REG_BINARY");
    }
    return {};
}

std::optional<RegistryType> RegistryValue::TypeNamed(const QString& name)
{
    for (RegistryType type : { RegistryType::RegSz, RegistryType::RegDword, RegistryType::RegBinary }) {
        if (name == TypeName(type))
            return type;
    }
    return std::nullopt;
}

} // namespace belltide
