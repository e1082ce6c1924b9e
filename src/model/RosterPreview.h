#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class SpecialClass;

// Which list a file holds; Detect decides by its columns.
enum class RosterKind { Detect, Classes, Specials };

// A class or special that the import would add, and the line it came from.
struct RosterRow {
    std::int32_t Line = 0;
    std::shared_ptr<Classroom> Class;
    std::shared_ptr<SpecialClass> Special;
};

// A line left out, and why: "Line 7: the day end 2:30 comes before the day start 8:00."
struct RosterMessage {
    std::int32_t Line = 0;
    QString Text;
};

// What importing a list would do, before the user confirms it: the new
// classes or specials (not yet part of any school), one message per line left
// out, and remarks about the whole file.
struct RosterPreview {
    // Classes or Specials, never Detect.
    RosterKind Kind = RosterKind::Classes;
    QString FileName;
    // "UTF-8", "UTF-16" or "Windows-1252".
    QString Encoding;
    // About the whole file: the encoding assumed, columns not used, lines
    // skipped above the header.
    QStringList Notes;
    std::vector<RosterRow> Rows;
    std::vector<RosterMessage> Messages;

    std::vector<std::shared_ptr<Classroom>> NewClasses() const;
    std::vector<std::shared_ptr<SpecialClass>> NewSpecials() const;
    // "3 classes to add; 1 line left out."
    QString Summary() const;
};

} // namespace belltide
