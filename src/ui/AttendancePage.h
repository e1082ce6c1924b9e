#pragma once

#include "StepPage.h"

#include <QTreeWidget>

class QCheckBox;
class QListWidget;
class AccessibilityTest;
class AttendanceTest;
class PagesTest;

namespace belltide {

class AttendanceGrid;
class Classroom;
class PageContext;
class UntaughtBar;

// The subjects with the weekly count of the classes selected, and the + and -
// buttons drawn in each row that change it for all of them at once. From the
// keyboard, + and - change the count of the current row. A screen reader hears
// each row's count in words, with the subject and the classes.
class AttendanceList : public QTreeWidget {
    Q_OBJECT

public:
    explicit AttendanceList(QWidget* parent = nullptr);

    // Mixed counts are -1; nothing selected is 0.
    std::function<int(const QString& title)> CountForTitle;
    // x is measured in the list's viewport.
    std::function<void(int row, int x)> ButtonZonePressed;
    // +1 or -1 from the keyboard.
    std::function<void(int row, int step)> CountStepped;
    // The classes selected, in words: "K: Mrs. Adams" or "3 classes".
    std::function<QString()> ChosenClasses;

    QString TitleOf(int row) const;
    void AddRow(const QString& title);
    // "Art: 2 times a week for K: Mrs. Adams".
    QString SpokenCount(const QString& title) const;
    // Draws column 0 of a row: the count and the two buttons.
    void PaintCountCell(QPainter& painter, const QRect& cell, const QString& title) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Step 4: how many times a week each class attends each subject, chosen for
// the selected classes in the list view, or cell by cell in the grid.
class AttendancePage : public StepPage {
    Q_OBJECT

public:
    AttendancePage(PageContext& context, QWidget* parent = nullptr);

    QWidget* FirstControl() const override;
    void Load() override;
    // The classes and the subjects are those of the Classes and the Special
    // Classes steps, in the same order: edits there rebuild them here.
    void Follow(Notification name, const ActionTag& tag) override;
    void React(Notification name, const ActionTag& tag) override;

    int SACountForSpecial(const QString& title) const;

private:
    friend class ::AccessibilityTest;
    friend class ::AttendanceTest;
    friend class ::PagesTest;

    // Rebuilds the classes in display order, selecting `classroom` alone.
    void ReloadClassList(const std::shared_ptr<Classroom>& classroom);
    // One row per distinct title, in display order.
    void ReloadTitles();
    void SAClassList_Change();
    void SASpecialList_MouseDown(int row, int x);
    void StepCount(int row, int step);
    std::vector<std::shared_ptr<Classroom>> SelectedClasses() const;
    void RebuildGrid();
    void ShowGrid(bool grid);
    void SubmitCounts(const std::vector<std::pair<std::shared_ptr<Classroom>, int>>& counts, const QString& title);

    PageContext& mContext;
    UntaughtBar* mUntaughtBar = nullptr;
    QCheckBox* mGridToggle = nullptr;
    QWidget* mListView = nullptr;
    QListWidget* mSAClassList = nullptr;
    AttendanceList* mSASpecialList = nullptr;
    AttendanceGrid* mGrid = nullptr;
};

} // namespace belltide
