#pragma once

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

namespace belltide::test {

// A new school: 8:00-15:00, specials from 8:10, lunch 11:00-13:00 with 3 seats,
// 20 minutes of lunch and 20 of recess; no classes, no specials.
std::shared_ptr<School> EmptySchool();

std::shared_ptr<SpecialClass> AddSpecial(
    School& school, const QString& title, std::int32_t duration, std::int32_t overlap = 0);

// A class as the window's tests type it in: 8:00-15:00, no attendance.
std::shared_ptr<Classroom> AddClassTaughtBy(School& school, const char* grade, const char* teacher);

// A 45-minute special as the window's tests type it in, available all week.
std::shared_ptr<SpecialClass> AddSpecialTaughtBy(School& school, const char* title, const char* teacher);

// A full-day class attending the given specials.
std::shared_ptr<Classroom> AddClass(
    School& school, const QString& grade, std::initializer_list<std::pair<QString, std::int32_t>> attendance);

// Marks a special unavailable on a day from one time of day to another.
void MarkUnavailable(const School& school, SpecialClass& special, std::int32_t day, std::int32_t from, std::int32_t to);

// K-5 with `perGrade` classes a grade, each attending Art, Music, P.E., Library
// and Computers once a week; one teacher of each per three classes a grade.
std::shared_ptr<School> ElementarySchool(std::int32_t perGrade);

// ElementarySchool(4) whose second teacher of each subject takes at most 24
// students, every other class having 27, and whose classes keep `freeMinutes`
// uninterrupted every day.
std::shared_ptr<School> LimitedSchool(std::int32_t freeMinutes);

// ElementarySchool(3) with a short day, a late start, a class attending Music
// four times, specials away for part of a day and a late special start.
std::shared_ptr<School> MixedDaysSchool();

} // namespace belltide::test
