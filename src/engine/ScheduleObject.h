#pragma once

#include <QString>

#include <cstdint>

namespace belltide {

// A row of a schedule grid: a homeroom class or a special (lunch seats included).
// Minutes here are 5-minute week slots counted from Monday's day start.
class ScheduleObject {
public:
    virtual ~ScheduleObject() = default;

    virtual bool IsAvailable(std::int32_t minute) const = 0;
    // A special's subject title; a classroom's grade, so one grade shares a subject.
    virtual QString GetSubject() const = 0;
};

} // namespace belltide
