#include "PrintChoicesWindow.h"

#include "output/SchedulePrinting.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace belltide {

PrintChoicesWindow::PrintChoicesWindow(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Print Schedules"));
    StaticText1 = new QLabel(QStringLiteral("Select which schedules to print:"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    StaticText1->setBuddy(ListBox1);
    PushButton1 = new QPushButton(QStringLiteral("Print"), this);
    PushButton1->setDefault(true);
    PushButton2 = new QPushButton(QStringLiteral("Cancel"), this);
    AllButton = new QPushButton(QStringLiteral("&All"), this);
    NoneButton = new QPushButton(QStringLiteral("&None"), this);
    ClassesButton = new QPushButton(QStringLiteral("&Classes"), this);
    ClassesButton->setToolTip(QStringLiteral("Every class's week, and nothing else"));
    SpecialsButton = new QPushButton(QStringLiteral("&Specials"), this);
    SpecialsButton->setToolTip(QStringLiteral("Every special's week, and nothing else"));
    PreviewButton = new QPushButton(QStringLiteral("Pre&view..."), this);
    PreviewButton->setToolTip(QStringLiteral("The pages as they will be printed"));

    PinsBox = new QCheckBox(QStringLiteral("Show &pinned meetings"), this);
    PinsBox->setToolTip(QStringLiteral("Mark the meetings pinned by hand, as the week on screen does"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(StaticText1);
    auto* quick = new QHBoxLayout;
    for (QPushButton* button : { AllButton, NoneButton, ClassesButton, SpecialsButton })
        quick->addWidget(button);
    quick->addStretch(1);
    column->addLayout(quick);
    column->addWidget(ListBox1, 1);
    column->addWidget(PinsBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PreviewButton);
    buttons->addStretch(1);
    buttons->addWidget(PushButton2);
    buttons->addWidget(PushButton1);
    column->addLayout(buttons);
    resize(420, 480);

    connect(AllButton, &QPushButton::clicked, this, [this] { Choose(Rows::All); });
    connect(NoneButton, &QPushButton::clicked, this, [this] { Choose(Rows::None); });
    connect(ClassesButton, &QPushButton::clicked, this, [this] { Choose(Rows::Classes); });
    connect(SpecialsButton, &QPushButton::clicked, this, [this] { Choose(Rows::Specials); });
    connect(PreviewButton, &QPushButton::clicked, this, [this] {
        CollectChoices();
        emit PreviewRequested();
    });
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

void PrintChoicesWindow::Choose(Rows rows)
{
    for (int row = 0; row < ListBox1->count(); ++row) {
        const ScheduleContent& object = mObjects[std::size_t(row)];
        const bool chosen = rows == Rows::All || (rows == Rows::Classes && object.Classroom)
            || (rows == Rows::Specials && object.Special);
        ListBox1->item(row)->setSelected(chosen);
    }
}

void PrintChoicesWindow::CollectChoices()
{
    PrintPins = PinsBox->isChecked();
    WhatToPrint.clear();
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (ListBox1->item(row)->isSelected())
            WhatToPrint.push_back(mObjects[std::size_t(row)]);
    }
}

} // namespace belltide
