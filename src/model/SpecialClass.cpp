#include "SpecialClass.h"

#include "NumberText.h"
#include "XmlHelpers.h"

namespace belltide {

using namespace XmlHelpers;

SpecialClass::SpecialClass(const pugi::xml_node& element)
{
    for (const pugi::xml_node& child : AllChildren(element)) {
        if (NameIs(child, "OverlapTime")) {
            OverlapTime = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "Duration")) {
            Duration = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "ID")) {
            FileID = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "MaxStudents")) {
            MaxStudents = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "Teacher")) {
            Teacher = TrueValue(child);
        } else if (NameIs(child, "Title")) {
            Title = TrueValue(child);
        } else if (NameIs(child, "Availability")) {
            // Any element marks a place, whatever its name; text between the
            // marks (indentation) never does.
            for (const pugi::xml_node& mark : AllChildren(child)) {
                if (mark.type() == pugi::node_element)
                    IsAvailable(ReadNumber(Attribute(mark, "day")), ReadNumber(Attribute(mark, "minute")), false);
            }
        }
    }
}

QString SpecialClass::DayMinuteToKey(std::int32_t day, std::int32_t minute)
{
    return QString::number(day) + u'$' + QString::number(minute);
}

bool SpecialClass::IsAvailable(std::int32_t day, std::int32_t minute) const
{
    const bool* available = mAvailabilityDict.Find(DayMinuteToKey(day, minute));
    return available ? *available : true;
}

void SpecialClass::IsAvailable(std::int32_t day, std::int32_t minute, bool available)
{
    mAvailabilityDict.Set(DayMinuteToKey(day, minute), available);
}

pugi::xml_node SpecialClass::ToXML(pugi::xml_node& parent) const
{
    pugi::xml_node element = parent.append_child("SpecialClass");
    CreateSimpleNode(element, "ID", FormatNumber(FileID));
    CreateSimpleNode(element, "MaxStudents", FormatNumber(MaxStudents));
    CreateSimpleNode(element, "Duration", FormatNumber(Duration));
    CreateSimpleNode(element, "OverlapTime", FormatNumber(OverlapTime));
    CreateSimpleNode(element, "Title", Title);
    CreateSimpleNode(element, "Teacher", Teacher);
    pugi::xml_node availability = element.append_child("Availability");
    for (const auto& [key, available] : mAvailabilityDict.Entries()) {
        if (available)
            continue;
        const qsizetype dollar = key.indexOf(u'$');
        pugi::xml_node mark = availability.append_child("NotAvailable");
        mark.append_attribute("day").set_value(ToXmlText(key.left(dollar)).constData());
        mark.append_attribute("minute").set_value(ToXmlText(key.mid(dollar + 1)).constData());
    }
    return element;
}

} // namespace belltide
