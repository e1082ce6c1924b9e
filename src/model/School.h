#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace pugi {
class xml_node;
}

namespace belltide {

class Classroom;
class SpecialClass;
class Schedule;
class ScheduleClassroom;
class ScheduleSpecial;
struct Timetable;

// The school being scheduled. Classes and specials are shared by identity: a
// list row, an undo action or a scheduling input may hold the very object the
// school holds.
class School {
public:
    School();
    explicit School(const pugi::xml_node& element);
    ~School();

    QString Name;
    std::int32_t DayStartAt = 0;
    std::int32_t DayEndAt = 0;
    std::int32_t InterruptFreeTime = 0;
    std::vector<std::shared_ptr<Classroom>> Classes;
    std::vector<std::shared_ptr<SpecialClass>> Specials;

    // The school's schedule, kept in the document; none until one is made.
    std::shared_ptr<const belltide::Timetable> Timetable;
    // The same schedule as the week grid that the renderer draws, rebuilt from
    // Timetable whenever that changes; never stored.
    std::shared_ptr<belltide::Schedule> Schedule;
    std::unordered_map<std::shared_ptr<SpecialClass>, std::shared_ptr<ScheduleSpecial>> ScheduleSpecialMap;
    std::unordered_map<std::shared_ptr<Classroom>, std::shared_ptr<ScheduleClassroom>> ScheduleClassMap;

    std::int32_t SpecialStartAt = 0;
    std::int32_t LunchStartAt = 0;
    std::int32_t LunchEndAt = 0;
    std::int32_t LunchMaxClasses = 0;
    std::int32_t LunchRecessTime = 0;
    std::int32_t LunchTime = 0;

    pugi::xml_node ToXML(pugi::xml_node& parent);

    // Builds the scheduler's inputs from this school; lives with the engine,
    // which owns the types it creates.
    void CreateSchedulingClasses(std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
        std::vector<std::shared_ptr<ScheduleSpecial>>& specials);
};

} // namespace belltide
