#pragma once

#include "ActionBase.h"

#include <QString>

#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class School;
class SpecialClass;
struct RosterPreview;

// Adds every class and special of a confirmed import in one undo step
// ("Undo Import"). Its notification is the list change of the list it adds
// to, tagged with the first new item, so that the page showing that list
// reloads and selects it; an import adding to both lists names the classes.
class ImportChange final : public ActionBase {
public:
    ImportChange(std::shared_ptr<School> school, std::vector<std::shared_ptr<Classroom>> classes,
        std::vector<std::shared_ptr<SpecialClass>> specials);
    ImportChange(std::shared_ptr<School> school, const RosterPreview& preview);

    bool IsEmpty() const { return mClasses.empty() && mSpecials.empty(); }

protected:
    void Execute() override;
    void Unexecute() override;
    QString GetDescription() const override { return QStringLiteral("Import"); }
    belltide::Notification GetNotificationName() const override;
    ActionTag GetNotificationTag() const override;

private:
    std::shared_ptr<School> mSchool;
    std::vector<std::shared_ptr<Classroom>> mClasses;
    std::vector<std::shared_ptr<SpecialClass>> mSpecials;
};

} // namespace belltide
