#pragma once

#include "output/ScheduleRenderer.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace belltide {

class School;

// Asks which schedules to print; everything is chosen at first. All, None,
// Classes and Specials choose in one click; Preview shows the pages chosen.
class PrintChoicesWindow : public QDialog {
    Q_OBJECT

public:
    explicit PrintChoicesWindow(QWidget* parent = nullptr);

    // Fills the list from the school; the rows are all selected.
    void Fill(const School& school);
    // The objects of the selected rows, top to bottom; filled when the window closes.
    std::vector<ScheduleContent> WhatToPrint;
    // Whether pinned meetings show their pin; filled with WhatToPrint.
    bool PrintPins = false;
    bool Cancelled() const { return mCancelled; }
    void CollectChoices();

    // Which rows the quick choices select; the others are deselected.
    enum class Rows { All, None, Classes, Specials };
    void Choose(Rows rows);

    QLabel* StaticText1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* AllButton = nullptr;
    QPushButton* NoneButton = nullptr;
    QPushButton* ClassesButton = nullptr;
    QPushButton* SpecialsButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QCheckBox* PinsBox = nullptr;

signals:
    // Preview was pressed; WhatToPrint holds the rows selected.
    void PreviewRequested();

private:
    std::vector<ScheduleContent> mObjects;
    bool mCancelled = false;
};

} // namespace belltide
