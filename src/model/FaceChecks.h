#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace belltide {

class Classroom;
class School;

// Entries that make a school impossible on their face, found where they are
// typed rather than when a schedule is asked for. Each names the field to
// mark and says why in a sentence.
struct FaceProblem {
    enum class Field { DayStart, DayEnd, SpecialStart, LunchStart, LunchEnd, LunchTime, LunchMaxClasses };
    Field Where;
    QString Text;
};

std::vector<FaceProblem> FindSchoolProblems(const School& school);

// Empty when the class's day fits the school's; a problem concerns both of the
// class's times.
QStringList FindClassProblems(const School& school, const Classroom& classroom);

} // namespace belltide
