#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace belltide {

// The three kinds of registry value the program reads and writes.
enum class RegistryType { RegSz, RegDword, RegBinary };

// One registry value: a string, a 32-bit number or a block of bytes.
class RegistryValue {
public:
    static RegistryValue String(QString text) { return RegistryValue(std::move(text)); }
    static RegistryValue Dword(std::uint32_t number) { return RegistryValue(number); }
    static RegistryValue Binary(QByteArray bytes) { return RegistryValue(std::move(bytes)); }

    RegistryType Type() const { return static_cast<RegistryType>(mData.index()); }
    // Each gives an empty or zero value for a value of another type.
    QString Text() const;
    std::uint32_t Number() const;
    QByteArray Bytes() const;

    // "REG_SZ", "REG_DWORD", "REG_BINARY"; and back, nothing for other names.
    static QString TypeName(RegistryType type);
    static std::optional<RegistryType> TypeNamed(const QString& name);

    bool operator==(const RegistryValue& other) const = default;

private:
    explicit RegistryValue(QString text)
        : mData(std::move(text))
    {
    }
    explicit RegistryValue(std::uint32_t number)
        : mData(number)
    {
    }
    explicit RegistryValue(QByteArray bytes)
        : mData(std::move(bytes))
    {
    }

    // In the order of RegistryType.
    std::variant<QString, std::uint32_t, QByteArray> mData;
};

} // namespace belltide
