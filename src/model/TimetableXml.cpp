#include "TimetableXml.h"

#include "Classroom.h"
#include "NumberText.h"
#include "School.h"
#include "SpecialClass.h"
#include "Timetable.h"
#include "XmlHelpers.h"

#include <pugixml.hpp>

#include <algorithm>
#include <optional>

namespace belltide::TimetableXml {

using namespace XmlHelpers;

namespace {

template <typename T> std::optional<std::size_t> IndexOf(const std::vector<std::shared_ptr<T>>& list, const T* item)
{
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& each) { return each.get() == item; });
    return found == list.end() ? std::nullopt : std::optional<std::size_t>(std::size_t(found - list.begin()));
}

void SetText(pugi::xml_node& element, const char* name, const QString& value)
{
    element.append_attribute(name).set_value(ToXmlText(value).constData());
}

void SetNumber(pugi::xml_node& element, const char* name, qint64 value)
{
    element.append_attribute(name).set_value(QByteArray::number(value).constData());
}

std::optional<std::int32_t> Number(const pugi::xml_node& element, const char* name)
{
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        return std::nullopt;
    bool ok = false;
    const int value = QString::fromUtf8(attribute.value()).trimmed().toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

QString Text(const pugi::xml_node& element, const char* name)
{
    return QString::fromUtf8(element.attribute(name).value());
}

using Failure = Result<std::shared_ptr<const Timetable>>;

Failure LeftOut(const QString& because)
{
    return Failure::Fail(QStringLiteral("The schedule saved with this school was left out because %1; the school "
                                        "itself opened as saved.")
                             .arg(because));
}

QString Ordinal(std::size_t index)
{
    return OrdinalNumber(std::int64_t(index) + 1);
}

// Every class and special in document order must be the one the schedule was
// written for; anything else would put meetings on the wrong class.
std::optional<QString> RosterMismatch(const pugi::xml_node& element, const School& school)
{
    std::vector<pugi::xml_node> classes;
    std::vector<pugi::xml_node> specials;
    for (const pugi::xml_node& child : AllChildren(element)) {
        if (NameIs(child, "Classes") || NameIs(child, "Specials")) {
            auto& list = NameIs(child, "Classes") ? classes : specials;
            for (const pugi::xml_node& entry : AllChildren(child)) {
                if (entry.type() == pugi::node_element)
                    list.push_back(entry);
            }
        }
    }
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
    };
    if (classes.size() != school.Classes.size())
        return QStringLiteral("it was made for %1 and the school has %2")
            .arg(count(classes.size(), "class", "classes"), QString::number(school.Classes.size()));
    if (specials.size() != school.Specials.size())
        return QStringLiteral("it was made for %1 and the school has %2")
            .arg(count(specials.size(), "special class", "special classes"), QString::number(school.Specials.size()));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const Classroom& classroom = *school.Classes[i];
        if (Text(classes[i], "grade") != classroom.Grade || Text(classes[i], "teacher") != classroom.Teacher)
            return QStringLiteral("its %1 class is %2: %3, not %4: %5")
                .arg(Ordinal(i), Text(classes[i], "grade"), Text(classes[i], "teacher"), classroom.Grade,
                    classroom.Teacher);
    }
    for (std::size_t i = 0; i < specials.size(); ++i) {
        const SpecialClass& special = *school.Specials[i];
        if (Text(specials[i], "title") != special.Title || Text(specials[i], "teacher") != special.Teacher)
            return QStringLiteral("its %1 special class is %2: %3, not %4: %5")
                .arg(Ordinal(i), Text(specials[i], "title"), Text(specials[i], "teacher"), special.Title,
                    special.Teacher);
    }
    return std::nullopt;
}

std::optional<MadeBy> ReadMadeBy(const QString& text)
{
    for (MadeBy by : { MadeBy::Quick, MadeBy::Thorough, MadeBy::Hand }) {
        if (text.compare(MadeByName(by), Qt::CaseInsensitive) == 0)
            return by;
    }
    return std::nullopt;
}

} // namespace

void Write(pugi::xml_node& schoolElement, const School& school, const Timetable& timetable)
{
    pugi::xml_node element = schoolElement.append_child("Schedule");
    pugi::xml_node classes = element.append_child("Classes");
    for (const auto& classroom : school.Classes) {
        pugi::xml_node entry = classes.append_child("Class");
        SetText(entry, "grade", classroom->Grade);
        SetText(entry, "teacher", classroom->Teacher);
    }
    pugi::xml_node specials = element.append_child("Specials");
    for (const auto& special : school.Specials) {
        pugi::xml_node entry = specials.append_child("Special");
        SetText(entry, "title", special->Title);
        SetText(entry, "teacher", special->Teacher);
    }
    for (const Meeting& meeting : timetable.Meetings) {
        const auto classIndex = IndexOf(school.Classes, meeting.Class.get());
        const auto specialIndex = meeting.Special ? IndexOf(school.Specials, meeting.Special.get()) : std::nullopt;
        // A meeting of a class or special the school no longer has is not the school's.
        if (!classIndex || (meeting.Special && !specialIndex))
            continue;
        pugi::xml_node entry = element.append_child("Meeting");
        SetNumber(entry, "class", qint64(*classIndex));
        if (meeting.Special)
            SetNumber(entry, "special", qint64(*specialIndex));
        else
            SetNumber(entry, "lunch", meeting.Seat);
        SetNumber(entry, "day", meeting.Day);
        SetNumber(entry, "start", meeting.Start);
        SetText(entry, "by", MadeByName(meeting.By));
        if (meeting.At.isValid())
            SetText(entry, "at", meeting.At.toUTC().toString(Qt::ISODate));
        if (meeting.Pinned)
            SetText(entry, "pinned", QStringLiteral("true"));
    }
}

Result<std::shared_ptr<const Timetable>> Read(const pugi::xml_node& scheduleElement, const School& school)
{
    if (const auto mismatch = RosterMismatch(scheduleElement, school))
        return LeftOut(*mismatch);
    auto timetable = std::make_shared<Timetable>();
    std::size_t count = 0;
    for (const pugi::xml_node& child : AllChildren(scheduleElement)) {
        if (!NameIs(child, "Meeting"))
            continue;
        ++count;
        const QString which = QStringLiteral("its %1 meeting").arg(Ordinal(count - 1));
        const auto classIndex = Number(child, "class");
        const auto specialIndex = Number(child, "special");
        const auto seat = Number(child, "lunch");
        const auto day = Number(child, "day");
        const auto start = Number(child, "start");
        if (!classIndex || !day || !start || specialIndex.has_value() == seat.has_value())
            return LeftOut(which + QStringLiteral(" is incomplete"));
        if (*classIndex < 0 || std::size_t(*classIndex) >= school.Classes.size())
            return LeftOut(which + QStringLiteral(" refers to a class the school does not have"));
        if (specialIndex && (*specialIndex < 0 || std::size_t(*specialIndex) >= school.Specials.size()))
            return LeftOut(which + QStringLiteral(" refers to a special class the school does not have"));
        if (seat && *seat < 0)
            return LeftOut(which + QStringLiteral(" has no lunch seat"));
        if (*day < 0 || *day > 4)
            return LeftOut(which + QStringLiteral(" is on no weekday"));
        if (*start < 0 || *start >= 24 * 60)
            return LeftOut(which + QStringLiteral(" starts at no time of day"));
        const auto by = ReadMadeBy(Text(child, "by"));
        const QString pinned = Text(child, "pinned");
        if (!by || (!pinned.isEmpty() && pinned != QStringLiteral("true") && pinned != QStringLiteral("false")))
            return LeftOut(which + QStringLiteral(" is damaged"));
        Meeting meeting;
        meeting.Class = school.Classes[std::size_t(*classIndex)];
        if (specialIndex)
            meeting.Special = school.Specials[std::size_t(*specialIndex)];
        meeting.Seat = seat.value_or(0);
        meeting.Day = *day;
        meeting.Start = *start;
        meeting.Pinned = pinned == QStringLiteral("true");
        meeting.By = *by;
        meeting.At = QDateTime::fromString(Text(child, "at"), Qt::ISODate);
        timetable->Meetings.push_back(std::move(meeting));
    }
    return Result<std::shared_ptr<const Timetable>>::Ok(std::move(timetable));
}

} // namespace belltide::TimetableXml
