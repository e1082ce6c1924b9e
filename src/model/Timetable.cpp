#include "Timetable.h"

namespace belltide {

bool Meeting::SamePlace(const Meeting& other) const
{
    return Class == other.Class && Special == other.Special && Day == other.Day && Start == other.Start
        && (Special || Seat == other.Seat);
}

bool Meeting::operator==(const Meeting& other) const
{
    return SamePlace(other) && Seat == other.Seat && Pinned == other.Pinned && By == other.By && At == other.At;
}

QString MadeByName(MadeBy by)
{
    switch (by) {
    case MadeBy::Quick:
        return QStringLiteral("quick");
    case MadeBy::Thorough:
        return QStringLiteral("thorough");
    case MadeBy::Hand:
        return QStringLiteral("hand");
    }
    return {};
}

} // namespace belltide
