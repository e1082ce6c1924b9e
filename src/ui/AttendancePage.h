#pragma once

#include "StepPage.h"

#include <QTreeWidget>

class QListWidget;

namespace belltide {

class Classroom;
class MainWindow;

// The subjects with the weekly count of the classes selected, and the + and -
// buttons drawn in each row that change it for all of them at once.
class AttendanceList : public QTreeWidget {
    Q_OBJECT

public:
    explicit AttendanceList(QWidget* parent = nullptr);

    // Mixed counts are -1; nothing selected is 0.
    std::function<int(const QString& title)> CountForTitle;
    // x is measured in the list's viewport.
    std::function<void(int row, int x)> ButtonZonePressed;

    QString TitleOf(int row) const;
    // Draws column 0 of a row: the count and the two buttons.
    void PaintCountCell(QPainter& painter, const QRect& cell, const QString& title) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Step 4: how many times a week each class attends each subject.
class AttendancePage : public StepPage {
    Q_OBJECT

public:
    AttendancePage(MainWindow& window, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void React(const QString& name, const ActionTag& tag) override;

    // One row per distinct title, already in display order.
    void SetTitles(const QStringList& titles);
    int SACountForSpecial(const QString& title) const;
    void SAClassList_Change();

    QListWidget* SAClassList = nullptr;
    AttendanceList* SASpecialList = nullptr;

private:
    void SASpecialList_MouseDown(int row, int x);
    std::vector<std::shared_ptr<Classroom>> SelectedClasses() const;

    MainWindow& mWindow;
};

} // namespace belltide
