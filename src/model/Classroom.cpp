#include "Classroom.h"

#include "NumberText.h"
#include "XmlHelpers.h"

namespace belltide {

using namespace XmlHelpers;

Classroom::Classroom(const pugi::xml_node& element)
{
    for (const pugi::xml_node& child : AllChildren(element)) {
        if (NameIs(child, "DayStart")) {
            DayStart = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "DayEnd")) {
            DayEnd = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "NumberOfStudents")) {
            NumberOfStudents = ReadNumber(TrueValue(child));
        } else if (NameIs(child, "Teacher")) {
            Teacher = TrueValue(child);
        } else if (NameIs(child, "Grade")) {
            Grade = TrueValue(child);
        } else if (NameIs(child, "SpecialAttendence")) {
            for (const pugi::xml_node& entry : AllChildren(child)) {
                if (NameIs(entry, "Special"))
                    AttendCount(Attribute(entry, "Subject"), ReadNumber(TrueValue(entry)));
            }
        }
    }
}

std::int32_t Classroom::AttendCount(const QString& title) const
{
    const std::int32_t* count = mSpecialAttendenceDict.Find(title);
    return count ? *count : 0;
}

void Classroom::AttendCount(const QString& title, std::int32_t count)
{
    mSpecialAttendenceDict.Set(title, count);
}

pugi::xml_node Classroom::ToXML(pugi::xml_node& parent) const
{
    pugi::xml_node element = parent.append_child("Classroom");
    CreateSimpleNode(element, "DayStart", FormatNumber(DayStart));
    CreateSimpleNode(element, "DayEnd", FormatNumber(DayEnd));
    CreateSimpleNode(element, "Grade", Grade);
    CreateSimpleNode(element, "NumberOfStudents", FormatNumber(NumberOfStudents));
    CreateSimpleNode(element, "Teacher", Teacher);
    pugi::xml_node attendance = element.append_child("SpecialAttendence");
    for (const auto& [title, count] : mSpecialAttendenceDict.Entries()) {
        pugi::xml_node special = CreateSimpleNode(attendance, "Special", FormatNumber(count));
        special.append_attribute("Subject").set_value(ToXmlText(title).constData());
    }
    return element;
}

} // namespace belltide
