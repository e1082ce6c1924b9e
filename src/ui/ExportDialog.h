#pragma once

#include "output/ScheduleCalendar.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QWidget;

namespace belltide {

class School;

enum class ExportFormat { Csv, Calendar, Html };

// File ▸ Export: the format, and for a calendar the term and whose week.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    // `today` starts the term; the last day is four months on.
    ExportDialog(const School& school, const QDate& today, QWidget* parent = nullptr);

    ExportFormat Format() const;
    void SetFormat(ExportFormat format);
    // The calendar asked for: the term, and a class, a special teacher or
    // (neither) the whole school.
    CalendarRequest Request() const;
    // The file name to start from: the school's name and the format's suffix.
    QString SuggestedName() const;
    // "Web Pages (*.html)" and the like.
    QString Filter() const;

    QComboBox* FormatBox = nullptr;
    QComboBox* WhoseBox = nullptr;
    QDateEdit* FirstDay = nullptr;
    QDateEdit* LastDay = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void FollowFormat();

    const School& mSchool;
    QWidget* mCalendarGroup = nullptr;
    // Beside WhoseBox's rows after the first (the whole school).
    std::vector<std::shared_ptr<Classroom>> mClasses;
    std::vector<std::shared_ptr<SpecialClass>> mSpecials;
};

} // namespace belltide
