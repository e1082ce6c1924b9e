#pragma once

#include <memory>
#include <utility>
#include <variant>

namespace belltide {

class Classroom;
class School;
class SpecialClass;

// The model object a notification is about. It holds the object itself, so a
// receiver compares it by identity with the object behind a list row, and gets
// it back typed without guessing from the notification name.
class ActionTag {
public:
    ActionTag() = default;
    ActionTag(std::shared_ptr<School> school)
        : mObject(std::move(school))
    {
    }
    ActionTag(std::shared_ptr<Classroom> classroom)
        : mObject(std::move(classroom))
    {
    }
    ActionTag(std::shared_ptr<SpecialClass> special)
        : mObject(std::move(special))
    {
    }

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(mObject); }

    // Null when the tag holds nothing or an object of another kind.
    template <typename T> std::shared_ptr<T> As() const
    {
        const auto* object = std::get_if<std::shared_ptr<T>>(&mObject);
        return object ? *object : nullptr;
    }

    template <typename T> bool Is(const std::shared_ptr<T>& object) const { return object && As<T>() == object; }

    friend bool operator==(const ActionTag& a, const ActionTag& b) = default;

private:
    std::variant<std::monostate, std::shared_ptr<School>, std::shared_ptr<Classroom>, std::shared_ptr<SpecialClass>>
        mObject;
};

} // namespace belltide
