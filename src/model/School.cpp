#include "School.h"

#include "Classroom.h"
#include "NumberText.h"
#include "SpecialClass.h"
#include "XmlHelpers.h"

namespace belltide {

using namespace XmlHelpers;

School::School()
    : Name(QStringLiteral("My School"))
    , DayStartAt(480)
    , DayEndAt(900)
    , InterruptFreeTime(45)
    , SpecialStartAt(490)
    , LunchStartAt(660)
    , LunchEndAt(780)
    , LunchMaxClasses(3)
    , LunchRecessTime(20)
    , LunchTime(20)
{
}

School::~School() = default;

// A school read from a document takes nothing from the new-school defaults: a
// missing element leaves its field at 0 or empty.
School::School(const pugi::xml_node& element)
{
    for (const pugi::xml_node& child : AllChildren(element)) {
        if (NameIs(child, "DayStart"))
            DayStartAt = ReadNumber(TrueValue(child));
        else if (NameIs(child, "DayEnd"))
            DayEndAt = ReadNumber(TrueValue(child));
        else if (NameIs(child, "Name"))
            Name = TrueValue(child);
        else if (NameIs(child, "InterruptFreeTime"))
            InterruptFreeTime = ReadNumber(TrueValue(child));
        else if (NameIs(child, "SpecialClass"))
            Specials.push_back(std::make_shared<SpecialClass>(child));
        else if (NameIs(child, "Classroom"))
            Classes.push_back(std::make_shared<Classroom>(child));
        else if (NameIs(child, "SpecialStart"))
            SpecialStartAt = ReadNumber(TrueValue(child));
        else if (NameIs(child, "LunchStartAt"))
            LunchStartAt = ReadNumber(TrueValue(child));
        else if (NameIs(child, "LunchEndAt"))
            LunchEndAt = ReadNumber(TrueValue(child));
        else if (NameIs(child, "LunchTime"))
            LunchTime = ReadNumber(TrueValue(child));
        else if (NameIs(child, "LunchRecessTime"))
            LunchRecessTime = ReadNumber(TrueValue(child));
        else if (NameIs(child, "LunchMaxClasses"))
            LunchMaxClasses = ReadNumber(TrueValue(child));
    }
}

pugi::xml_node School::ToXML(pugi::xml_node& parent)
{
    pugi::xml_node element = parent.append_child("School");
    CreateSimpleNode(element, "DayStart", FormatNumber(DayStartAt));
    CreateSimpleNode(element, "DayEnd", FormatNumber(DayEndAt));
    CreateSimpleNode(element, "SpecialStart", FormatNumber(SpecialStartAt));
    CreateSimpleNode(element, "Name", Name);
    CreateSimpleNode(element, "InterruptFreeTime", FormatNumber(InterruptFreeTime));
    CreateSimpleNode(element, "LunchStartAt", FormatNumber(LunchStartAt));
    CreateSimpleNode(element, "LunchEndAt", FormatNumber(LunchEndAt));
    CreateSimpleNode(element, "LunchMaxClasses", FormatNumber(LunchMaxClasses));
    CreateSimpleNode(element, "LunchTime", FormatNumber(LunchTime));
    CreateSimpleNode(element, "LunchRecessTime", FormatNumber(LunchRecessTime));
    std::int32_t id = 0;
    for (const auto& special : Specials) {
        special->FileID = id++;
        special->ToXML(element);
    }
    for (const auto& classroom : Classes)
        classroom->ToXML(element);
    return element;
}

} // namespace belltide
