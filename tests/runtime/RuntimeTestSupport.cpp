#include "RuntimeTestSupport.h"

#include <QtEndian>

namespace belltide::test {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int value : values)
        out.append(char(value));
    return out;
}

QByteArray U32(std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

std::uint32_t U32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

} // namespace belltide::test
