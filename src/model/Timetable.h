#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class SpecialClass;

// Which search placed a meeting, or the user's hand.
enum class MadeBy { Quick, Thorough, Hand };

// One meeting of a class: a special, or lunch on one of the lunchroom's seats
// (recess follows every lunch). Classes and specials are held by identity, so a
// meeting can never slide onto another class when the lists change.
struct Meeting {
    std::shared_ptr<Classroom> Class;
    // Empty for lunch.
    std::shared_ptr<SpecialClass> Special;
    // Lunch only: which of the lunchroom's seats, counted from 0.
    std::int32_t Seat = 0;
    // 0 Monday ... 4 Friday.
    std::int32_t Day = 0;
    // Minutes after midnight: the time the school handed out, whatever later
    // happens to the school day's start.
    std::int32_t Start = 0;
    bool Pinned = false;
    belltide::MadeBy By = MadeBy::Quick;
    QDateTime At;

    bool IsLunch() const { return !Special; }
    // Same place in the week for the same class and special, pin and origin aside.
    bool SamePlace(const Meeting& other) const;
    bool operator==(const Meeting& other) const;
};

// The school's schedule: every meeting placed so far. Shared between the
// school, the undo history and a running search as an unchanging value; a
// change makes a new one.
struct Timetable {
    std::vector<Meeting> Meetings;
    // Meetings that edits have taken out since the schedule was last made or
    // completed, so the window can say what went where. Not saved.
    std::vector<Meeting> Dropped;

    bool operator==(const Timetable& other) const { return Meetings == other.Meetings; }
};

QString MadeByName(MadeBy by);

} // namespace belltide
