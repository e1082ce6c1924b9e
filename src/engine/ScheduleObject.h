#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace belltide {

// A row of a schedule grid: a homeroom class or a special (lunch seats included).
// Minutes here are 5-minute week slots counted from Monday's day start.
class ScheduleObject {
public:
    virtual ~ScheduleObject() = default;

    // Whether the row may take a meeting in week slot `minute`; never outside
    // the slots sized.
    bool IsAvailable(std::int32_t minute) const;
    void IsAvailable(std::int32_t minute, bool available);
    // Number of week slots the availability covers (one more than the grid uses).
    std::int32_t AvailabilitySize() const { return static_cast<std::int32_t>(mIsAvailable.size()); }
    // Every slot unavailable until marked.
    void SizeAvailability(std::int32_t size);

    // A special's subject title; a classroom's grade, so one grade shares a subject.
    virtual QString GetSubject() const = 0;

private:
    std::vector<bool> mIsAvailable;
};

} // namespace belltide
