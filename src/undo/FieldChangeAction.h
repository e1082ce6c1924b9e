#pragma once

#include "ActionBase.h"
#include "ActionTag.h"
#include "MicrosecondClock.h"
#include "Notification.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <utility>

namespace belltide {

// What a field change sets and how it names itself in the Edit menu and in its
// notification. A row with no field changes nothing and has empty texts.
template <typename Target, typename Value> struct FieldRow {
    Value Target::*Field = nullptr;
    QStringView Description;
    belltide::Notification Notification = belltide::Notification::None;
};

// Sets one field of one model object. `Derived` is a row of the edit table: its
// TableRow() says which field and which texts; undo, redo and merging are done
// here and in `Base` (TextChangeAction or NumberChangeAction) once for all.
// Actions of one class merge with each other whatever object they target.
template <typename Derived, typename Target, typename Base> class FieldChangeAction : public Base {
public:
    using Value = typename Base::ValueType;
    using Row = FieldRow<Target, Value>;

    FieldChangeAction(
        std::shared_ptr<Target> target, Value newValue, const MicrosecondClock& clock = MicrosecondClock::Steady())
        : Base(std::move(newValue), clock)
        , mTarget(std::move(target))
    {
    }

protected:
    void Execute() override
    {
        if (const Row row = Self().TableRow(); row.Field) {
            this->OldValue = (*mTarget).*row.Field;
            (*mTarget).*row.Field = this->NewValue;
        }
    }

    void Unexecute() override
    {
        if (const Row row = Self().TableRow(); row.Field)
            (*mTarget).*row.Field = this->OldValue;
    }

    QString GetDescription() const override { return Self().TableRow().Description.toString(); }
    belltide::Notification GetNotificationName() const override { return Self().TableRow().Notification; }
    ActionTag GetNotificationTag() const override { return ActionTag(mTarget); }

    bool IsSameType(const ActionBase& other) const override { return dynamic_cast<const Derived*>(&other) != nullptr; }

    std::shared_ptr<Target> mTarget;

private:
    const Derived& Self() const { return static_cast<const Derived&>(*this); }
};

} // namespace belltide
