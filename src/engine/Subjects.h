#pragma once

#include <QString>

namespace belltide {

// Lunch is scheduled as a special of its own, followed in the class's row by recess.
inline QString LunchSubject()
{
    return QStringLiteral("Lunch");
}

inline QString RecessSubject()
{
    return QStringLiteral("Recess");
}

// Subjects compare without regard to letter case, like every string of the program.
inline bool IsLunchSubject(const QString& subject)
{
    return subject.compare(LunchSubject(), Qt::CaseInsensitive) == 0;
}

} // namespace belltide
