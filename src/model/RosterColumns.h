#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace belltide {

// What a column of an imported class or special list holds.
enum class RosterField {
    Grade,
    Teacher,
    Students,
    DayStart,
    DayEnd,
    Subject,
    Length,
    PassingTime,
    MaxStudents,
};
inline constexpr std::size_t kRosterFieldCount = 9;

// Which column holds which field, found by the header's names as exports from
// student-information systems spell them ("Grade Level", "Homeroom Teacher",
// "Enrollment", "Dismissal", "Duration (min)" ...), letter case, punctuation
// and units in parentheses ignored.
class RosterColumns {
public:
    explicit RosterColumns(const QStringList& header);

    // The column of a field, counted from 0.
    std::optional<qsizetype> Column(RosterField field) const;
    bool Has(RosterField field) const { return Column(field).has_value(); }
    // The header's names of the columns no field took.
    QStringList Unused() const { return mUnused; }

    // How the user's list names the field: "grade", "day start".
    static QString FieldName(RosterField field);
    // "Grade Level" -> "grade level"; "Length (minutes)" -> "length".
    static QString Normalized(const QString& header);
    static std::optional<RosterField> Recognize(const QString& header);

private:
    std::array<qsizetype, kRosterFieldCount> mColumns {};
    QStringList mUnused;
};

} // namespace belltide
