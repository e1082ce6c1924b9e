#include "TextDecoding.h"

#include <QStringDecoder>

namespace belltide::TextDecoding {

namespace {

// 0x80 ... 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

// Text has tabs and line breaks but no other control codes; a form feed or
// escape now and then is tolerated, a file full of them is not text.
bool LooksBinary(QStringView text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFD)
            ++controls;
    }
    return controls > 8 && controls * 100 > text.size();
}

Result<Decoded> Checked(Decoded decoded, const QString& fileName)
{
    if (LooksBinary(decoded.Text))
        return Result<Decoded>::Fail(
            QStringLiteral("\"%1\" is not a text file: it holds binary data, not comma-separated values.")
                .arg(fileName));
    return Result<Decoded>::Ok(std::move(decoded));
}

} // namespace

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

Result<Decoded> Decode(const QByteArray& bytes, const QString& fileName)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(
            littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
        const QString text = utf16(QByteArrayView(bytes).sliced(2));
        if (utf16.hasError())
            return Result<Decoded>::Fail(
                QStringLiteral("\"%1\" is not a text file: it starts as UTF-16 but is not.").arg(fileName));
        return Checked({ text, QStringLiteral("UTF-16") }, fileName);
    }
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(body);
    if (!utf8.hasError())
        return Checked({ text, QStringLiteral("UTF-8") }, fileName);
    return Checked({ FromWindows1252(body), QStringLiteral("Windows-1252") }, fileName);
}

} // namespace belltide::TextDecoding
