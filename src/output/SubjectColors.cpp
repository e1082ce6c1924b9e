#include "SubjectColors.h"

#include "engine/Subjects.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace belltide {

namespace {

// Light enough for black text, far enough apart to tell on paper, and away
// from lunch's and recess's colours where ten subjects allow.
constexpr std::array<QRgb, 10> kPalette = {
    0xBFD7EA,
    0xE1BEE7,
    0xFFF59D,
    0xF8BBD0,
    0xC5CAE9,
    0xD7CCC8,
    0xB2DFDB,
    0xDCEDC8,
    // Near recess's and lunch's colours: last.
    0xC8E6C9,
    0xF6D6AD,
};

} // namespace

QColor SubjectColor(const School& school, const QString& subject)
{
    if (IsLunchSubject(subject))
        return QColor(0xFF, 0xE0, 0xB2);
    if (subject.compare(RecessSubject(), Qt::CaseInsensitive) == 0)
        return QColor(0xE0, 0xF2, 0xE9);
    QStringList subjects;
    for (const auto& special : school.Specials) {
        const QString title = special->Title.toCaseFolded();
        if (!subjects.contains(title))
            subjects.push_back(title);
    }
    std::sort(subjects.begin(), subjects.end());
    const qsizetype index = subjects.indexOf(subject.toCaseFolded());
    if (index >= 0)
        return QColor(kPalette[std::size_t(index) % kPalette.size()]);
    // Not one of the school's: a stable mix of the letters.
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
