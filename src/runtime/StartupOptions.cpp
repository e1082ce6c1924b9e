#include "StartupOptions.h"

#include "ByteCursor.h"
#include "LittleEndian.h"
#include "StringConstant.h"

namespace belltide {

namespace {

constexpr std::uint8_t kStartupTextType = 0;

} // namespace

QString StartupOptions::Text::Decoded() const
{
    if (Encoding == StringConstant::kUtf8Encoding)
        return QString::fromUtf8(Bytes);
    return QString::fromLatin1(Bytes);
}

void StartupOptions::AppendStartupText(QByteArray& options, QByteArrayView text, std::uint32_t encoding)
{
    LittleEndian::AppendU8(options, kStartupTextType);
    LittleEndian::AppendU32(options, std::uint32_t(text.size()));
    if (text.isEmpty())
        return;
    options.append(text);
    LittleEndian::AppendU32(options, encoding);
}

StartupOptions StartupOptions::Read(QByteArrayView segment)
{
    StartupOptions options;
    ByteCursor cursor(segment);
    while (!cursor.AtEnd()) {
        if (*cursor.U8() != kStartupTextType) {
            options.StoppedBy = Stop::UnknownType;
            return options;
        }
        const auto length = cursor.U32();
        if (!length) {
            options.StoppedBy = Stop::Truncated;
            return options;
        }
        Text text;
        if (*length > 0) {
            const auto bytes = cursor.Take(*length);
            const auto encoding = bytes ? cursor.U32() : std::nullopt;
            if (!encoding) {
                options.StoppedBy = Stop::Truncated;
                return options;
            }
            text = { bytes->toByteArray(), *encoding };
        }
        options.StartupText = std::move(text);
    }
    return options;
}

} // namespace belltide
