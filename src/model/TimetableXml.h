#pragma once

#include "Result.h"

#include <memory>

namespace pugi {
class xml_node;
}

namespace belltide {

class School;
struct Timetable;

// The schedule inside a document: a "Schedule" element after everything else
// the school element holds, which readers that do not know it pass over.
// Meetings refer to classes and specials by their position in the document,
// and a roster of both lets the reader refuse a schedule whose references no
// longer name the same classes and specials.
namespace TimetableXml {

void Write(pugi::xml_node& schoolElement, const School& school, const Timetable& timetable);

// The schedule the element holds, or one sentence saying why it cannot be used.
Result<std::shared_ptr<const Timetable>> Read(const pugi::xml_node& scheduleElement, const School& school);

} // namespace TimetableXml
} // namespace belltide
