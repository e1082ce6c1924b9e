#pragma once

#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;

// Every class against every subject, with the weekly counts: the whole
// school's attendance at a glance. Typing 0 to 5 in a cell sets its count,
// + and - step it, Delete makes it 0; the arrow keys move as in any table.
class AttendanceGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit AttendanceGrid(QWidget* parent = nullptr);

    // Raised for every count the user asks for, already within 0 to 5.
    std::function<void(const std::shared_ptr<Classroom>& classroom, const QString& title, int count)> CountChosen;

    // Classes in display order, subjects in the order of the list view.
    void Rebuild(
        const std::vector<std::shared_ptr<Classroom>>& classes, const QStringList& rowTexts, const QStringList& titles);
    // Rewrites the counts, keeping the current cell.
    void Refresh();

    std::shared_ptr<Classroom> ClassAt(int row) const;
    QString TitleAt(int column) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<std::shared_ptr<Classroom>> mClasses;
    QStringList mTitles;
};

} // namespace belltide
