#include "PrintChoicesWindow.h"

#include "output/SchedulePrinting.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace belltide {

PrintChoicesWindow::PrintChoicesWindow(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Untitled"));
    StaticText1 = new QLabel(QStringLiteral("Select which classes to print schedules for:"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    PushButton1 = new QPushButton(QStringLiteral("Print"), this);
    PushButton1->setDefault(true);
    PushButton2 = new QPushButton(QStringLiteral("Cancel"), this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(StaticText1);
    column->addWidget(ListBox1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PushButton2);
    buttons->addWidget(PushButton1);
    column->addLayout(buttons);
    resize(360, 400);

    connect(PushButton1, &QPushButton::clicked, this, [this] {
        mCancelled = false;
        accept();
    });
    connect(PushButton2, &QPushButton::clicked, this, [this] {
        mCancelled = true;
        reject();
    });
    connect(this, &QDialog::rejected, this, [this] { mCancelled = true; });
}

void PrintChoicesWindow::Fill(const School& school)
{
    mCancelled = false;
    ListBox1->clear();
    mObjects.clear();
    for (const ScheduleChoice& choice : ScheduleChoices(school)) {
        ListBox1->addItem(choice.Label);
        mObjects.push_back(choice.Object);
    }
    ListBox1->selectAll();
}

void PrintChoicesWindow::CollectChoices()
{
    WhatToPrint.clear();
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (ListBox1->item(row)->isSelected())
            WhatToPrint.push_back(mObjects[std::size_t(row)]);
    }
}

} // namespace belltide
