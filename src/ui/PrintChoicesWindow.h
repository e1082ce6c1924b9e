#pragma once

#include "output/ScheduleRenderer.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace belltide {

class School;

// Asks which schedules to print; every class and special is chosen at first.
class PrintChoicesWindow : public QDialog {
    Q_OBJECT

public:
    explicit PrintChoicesWindow(QWidget* parent = nullptr);

    // Fills the list from the school; the rows are all selected.
    void Fill(const School& school);
    // The objects of the selected rows, top to bottom; filled when the window closes.
    std::vector<ScheduleContent> WhatToPrint;
    bool Cancelled() const { return mCancelled; }
    void CollectChoices();

    QLabel* StaticText1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;

private:
    std::vector<ScheduleContent> mObjects;
    bool mCancelled = false;
};

} // namespace belltide
