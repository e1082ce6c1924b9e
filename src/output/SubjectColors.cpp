#include "SubjectColors.h"

#include "engine/Subjects.h"

#include <array>

namespace belltide {

namespace {

// Light enough for black text, far enough apart to tell on paper.
constexpr std::array<QRgb, 10> kPalette = {
    0xBFD7EA,
    0xF6D6AD,
    0xC8E6C9,
    0xE1BEE7,
    0xFFF59D,
    0xB2DFDB,
    0xF8BBD0,
    0xD7CCC8,
    0xC5CAE9,
    0xDCEDC8,
};

} // namespace

QColor SubjectColor(const QString& subject)
{
    if (IsLunchSubject(subject))
        return QColor(0xFF, 0xE0, 0xB2);
    if (subject.compare(RecessSubject(), Qt::CaseInsensitive) == 0)
        return QColor(0xE0, 0xF2, 0xE9);
    // A stable mix of the letters, so a subject keeps its colour from run to run.
    std::uint32_t mix = 2166136261u;
    for (const QChar c : subject.toCaseFolded()) {
        mix ^= c.unicode();
        mix *= 16777619u;
    }
    return QColor(kPalette[mix % kPalette.size()]);
}

QColor AwayColor()
{
    return QColor(0xEE, 0xEE, 0xEE);
}

} // namespace belltide
