#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace belltide {

// Numbers in documents: written as plain decimal integers, read as the leading
// decimal number of a text ("12abc" is 12, "abc" is 0, "25.9" is 25). Values
// beyond the 32-bit range saturate rather than wrap.
QString FormatNumber(std::int32_t value);
double ReadLeadingNumber(QStringView text);
std::int32_t ReadNumber(QStringView text);
std::int32_t TruncateToInt(double value);

// "1st", "2nd", "11th", "23rd": for sentences that count things.
QString OrdinalNumber(std::int64_t n);

} // namespace belltide
